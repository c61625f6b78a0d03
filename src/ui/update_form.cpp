// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_form.h"

#include "ui/window_centring.h"
#include "model/web_addresses.h"
#include "edit/dialog_service.h"
#include "ui/update_feed.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    m_dateLabel->setText(QStringLiteral("Release date: ") + date);
    QStringList sorted = lines;
    SortUpdateLines(sorted);
    m_featureMemo->setPlainText(sorted.join(QLatin1Char('\n')));

    CentreWindowIn(*this, CentringArea(m_owner));
    show();
    raise();
}

void TUpdateForm::DownloadNewVersion() {
    // A browser that fails to start is not reported.
    m_dialogs.ShellOpen(web::Download());
    close();
}

void TUpdateForm::CloseUpdateWindow() { close(); }

}  // namespace sw
