// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_tools.h"

#include "model/web_addresses.h"
#include "test_main_form.h"
#include "ui/about_form.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "ui/resistor_calculator.h"
#include "ui/tutorial_form.h"
#include "ui/update_check.h"
#include "ui/update_form.h"
#include "ui/wait_form.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;
using Type = ScriptedDialogs::Type;

class MainFormToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        MainFormOptions options = test::TestFormOptions(dialogs);
        options.bannerSeed = 7;
        form = std::make_unique<TMainForm>(options);
    }
    void Trigger(Command command) {
        const QList<QAction*> actions = form->ActionsOf(command);
        ASSERT_FALSE(actions.isEmpty());
        for (QAction* a : actions) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
        actions.first()->trigger();
    }
    QStringList Opened() const {
        QStringList targets;
        for (const auto& c : dialogs.CallsOf(Type::ShellOpen)) targets << c.text;
        return targets;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormToolsTest, HelpItemsShowTheToolWindows) {
    ToolWindows& tools = form->Tools();
    EXPECT_FALSE(tools.Calculator().isVisible());
    Trigger(Command::ResistorCalculator);
    EXPECT_TRUE(tools.Calculator().isVisible());
    EXPECT_FALSE(tools.Calculator().isModal());

    Trigger(Command::Tutorials);
    EXPECT_TRUE(tools.TutorialForm().isVisible());
    EXPECT_TRUE(tools.TutorialForm().PageShown().endsWith(QStringLiteral("index.html")));
    EXPECT_EQ(form->ActionsOf(Command::Tutorials).size(), 2);  // Help menu and Quick Tasks

    // About is modal: close it from inside its own event loop.
    bool shownModally = false;
    QTimer::singleShot(0, [&] {
        shownModally = tools.AboutForm().isVisible() && tools.AboutForm().isModal();
        tools.AboutForm().OkButton()->click();
    });
    Trigger(Command::About);
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(tools.AboutForm().isVisible());
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(MainFormToolsTest, WebItemsOpenTheirPages) {
    Trigger(Command::LayoutsOnline);
    Trigger(Command::SubmitLayout);
    Trigger(Command::Forum);
    dialogs.AnswerMessage(MessageAnswer::Ok);
    Trigger(Command::Donate);
    EXPECT_EQ(Opened(), (QStringList{web::LayoutsOnline(), web::LayoutsOnline(), web::Forum(),
                                     web::Donation()}));

    // A click on the banner strip opens the page of the banner shown.
    QLabel* shown = test::Controls(*form).Ad[size_t(form->Banner())];
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shown, &press);
    QApplication::sendEvent(shown, &release);
    QApplication::sendEvent(test::Controls(*form).AdPanel, &release);
    ASSERT_EQ(Opened().size(), 6);
    EXPECT_EQ(Opened()[4], web::Banner(form->Banner()));
    EXPECT_EQ(Opened()[5], web::Banner(form->Banner()));
}

TEST_F(MainFormToolsTest, CheckForUpdateReportsAnUnreachableServer) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    qputenv("STRIPWRIGHT_UPDATE_URL", QStringLiteral("http://127.0.0.1:%1").arg(closedPort).toUtf8());
    dialogs.AnswerMessage(MessageAnswer::Ok);
    Trigger(Command::CheckForUpdate);
    qunsetenv("STRIPWRIGHT_UPDATE_URL");
    const auto messages = dialogs.CallsOf(Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, UpdateFailedText());
    EXPECT_FALSE(form->Tools().WaitForm().isVisible());
    EXPECT_FALSE(form->Tools().UpdateForm().isVisible());
}

}  // namespace
}  // namespace sw
