// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_tools.h"

#include "ui/about_form.h"
#include "ui/main_form.h"
#include "ui/resistor_calculator.h"
#include "ui/tutorial_form.h"
#include "ui/update_check.h"
#include "ui/update_form.h"
#include "ui/wait_form.h"
#include "ui/web_commands.h"

#include <QLabel>
#include <QMouseEvent>

namespace sw {

ToolWindows::ToolWindows(TMainForm& form)
    : QObject(&form),
      m_form(form),
      m_calculator(new TResistorCalculator(&form)),
      m_updateForm(new TUpdateForm(form.Dialogs(), &form)),
      m_tutorialForm(new TTutorialForm(form.Dialogs(), QString(), &form)),
      m_aboutForm(new TAboutForm(form.Dialogs(), QString(), &form)),
      m_waitForm(std::make_unique<TWaitForm>(&form)) {
    DialogService& dialogs = form.Dialogs();
    form.ConnectCommand(Command::Tutorials, [this] { m_tutorialForm->ShowTutorials(); });
    form.ConnectCommand(Command::LayoutsOnline, [&dialogs] { OpenLayoutsOnline(dialogs); });
    form.ConnectCommand(Command::SubmitLayout, [&dialogs] { SubmitLayout(dialogs); });
    form.ConnectCommand(Command::CheckForUpdate, [this, &dialogs] {
        CheckForUpdate(dialogs, *m_waitForm, *m_updateForm);
    });
    form.ConnectCommand(Command::Forum, [&dialogs] { OpenForum(dialogs); });
    form.ConnectCommand(Command::ResistorCalculator, [this] { m_calculator->ShowCalculator(); });
    form.ConnectCommand(Command::About, [this] { m_aboutForm->ShowAbout(); });
    form.ConnectCommand(Command::Donate, [&dialogs] { OpenDonationPage(dialogs); });

    if (form.AdPanel) form.AdPanel->installEventFilter(this);
    for (QLabel* ad : form.Ad)
        if (ad) {
            ad->installEventFilter(this);
            ad->setCursor(Qt::PointingHandCursor);
        }
    if (form.AdPanel) form.AdPanel->setCursor(Qt::PointingHandCursor);
}

ToolWindows::~ToolWindows() = default;

bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The banner shown was chosen at start-up; each has its own page.
        OpenBanner(m_form.Dialogs(), m_form.Banner());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace sw
