// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wait_form.h"

#include "ui/window_centring.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace sw {

TWaitForm::TWaitForm(QWidget* owner)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_owner(owner),
      m_label(new QLabel(QStringLiteral("Processing, please wait..."), this)) {
    setObjectName(QStringLiteral("WaitForm"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(pal);

    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(27);  // 20 pt on a 96-DPI screen
    font.setBold(true);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    // A thin raised border, since the window has no frame of its own.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
}

void TWaitForm::CentreOnOwner() {
    CentreWindowIn(*this, CentringArea(m_owner));
}

void TWaitForm::ShowWaiting() {
    CentreOnOwner();
    show();
    raise();
    // Paint now: the work that follows keeps the event loop busy.
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TWaitForm::HideWaiting() { hide(); }

}  // namespace sw
