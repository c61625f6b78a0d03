// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_form.h"

#include "ui/window_centring.h"
#include "model/web_addresses.h"
#include "edit/dialog_service.h"
#include "ui/update_feed.h"
#include "model/text_bounds.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace sw {

TUpdateForm::TUpdateForm(DialogService& dialogs, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_dialogs(dialogs),
      m_owner(owner),
      m_dateLabel(new QLabel(this)),
      m_featureMemo(new QPlainTextEdit(this)),
      m_download(new QPushButton(QStringLiteral("Download new version!"), this)),
      m_close(new QPushButton(QStringLiteral("Close"), this)) {
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowTitle(QStringLiteral("Update"));

    auto* heading = new QLabel(QStringLiteral("New version is available for download!!!"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 2);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    heading->setAlignment(Qt::AlignCenter);

    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    QFont bold = m_dateLabel->font();
    bold.setBold(true);
    m_dateLabel->setFont(bold);
    m_dateLabel->setAlignment(Qt::AlignCenter);
    // However long the date, it never widens the window.
    m_dateLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    m_featureMemo->setObjectName(QStringLiteral("FeatureMemo"));
    m_featureMemo->setReadOnly(true);
    m_featureMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_featureMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_download);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_dateLabel);
    layout->addWidget(m_featureMemo, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(m_download, &QPushButton::clicked, this, &TUpdateForm::DownloadNewVersion);
    connect(m_close, &QPushButton::clicked, this, &TUpdateForm::CloseUpdateWindow);
}

QStringList TUpdateForm::Lines() const {
    const QString text = m_featureMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TUpdateForm::ShowRelease(const QString& date, const QStringList& lines) {
    m_dateLabel->setText(QStringLiteral("Release date: ") + Excerpt(date, kShownDateCharacters));
    QStringList sorted = lines.mid(0, kShownLines);
    for (QString& line : sorted) line = Excerpt(line, kShownLineCharacters);
    SortUpdateLines(sorted);
    m_featureMemo->setPlainText(sorted.join(QLatin1Char('\n')));

    FitScreen();
    CentreWindowIn(*this, CentringArea(m_owner));
    FitScreen();
    show();
    raise();
    // Focused, so Esc closes it at once.
    activateWindow();
}

void TUpdateForm::FitScreen() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown) return;
    const QRect area = shown->availableGeometry();
    // Room for the window frame, which the window system adds outside.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize most = area.size() - frame;
    setMaximumSize(most);
    resize(size().boundedTo(most));
    QRect placed = frameGeometry();
    placed.moveRight(std::min(placed.right(), area.right()));
    placed.moveBottom(std::min(placed.bottom(), area.bottom()));
    placed.moveLeft(std::max(placed.left(), area.left()));
    placed.moveTop(std::max(placed.top(), area.top()));
    move(placed.topLeft());
}

void TUpdateForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CloseUpdateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TUpdateForm::DownloadNewVersion() {
    // A browser that fails to start is not reported.
    m_dialogs.ShellOpen(web::Download());
    close();
}

void TUpdateForm::CloseUpdateWindow() { close(); }

}  // namespace sw
