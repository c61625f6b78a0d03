// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tutorial_form.h"

#include "ui/window_centring.h"
#include "edit/dialog_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace sw {

QStringList TutorialFolders(const QString& programFolder) {
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("Tutorials"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/stripwright/Tutorials")))};
}

QString FindTutorialsFolder(const QString& programFolder) {
    for (const QString& folder : TutorialFolders(programFolder))
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("index.html"))).isFile())
            return folder;
    return QString();
}

TTutorialForm::TTutorialForm(DialogService& dialogs, const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_dialogs(dialogs),
      m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("TutorialForm"));
    setWindowTitle(QStringLiteral("Tutorials"));
    resize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->document()->setDocumentMargin(8);

    // Links are followed here, so that web links go to the desktop's browser.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &TTutorialForm::FollowLink);

    const QString folder = FindTutorialsFolder(
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder);
    if (folder.isEmpty()) {
        QStringList searched;
        for (const QString& f : TutorialFolders(programFolder.isEmpty()
                                                    ? QCoreApplication::applicationDirPath()
                                                    : programFolder))
            searched << QStringLiteral("<li>%1</li>").arg(f.toHtmlEscaped());
        m_browser->setHtml(QStringLiteral("<h3>The tutorial pages were not found</h3>"
                                          "<p>Stripwright looked for Tutorials/index.html in:</p><ul>") +
                           searched.join(QString()) +
                           QStringLiteral("</ul><p>Reinstalling the program restores them.</p>"));
    } else {
        m_browser->setSource(QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.html"))));
    }
}

QString TTutorialForm::PageShown() const {
    const QUrl source = m_browser->source();
    return source.isLocalFile() ? source.toLocalFile() : QString();
}

void TTutorialForm::FollowLink(const QUrl& link) {
    const QUrl target = m_browser->source().resolved(link);
    if (target.isLocalFile() || target.scheme().isEmpty()) {
        if (target.isLocalFile() && !QFileInfo(target.toLocalFile()).isFile()) {
            m_dialogs.ShowError(QStringLiteral("The tutorial page \"%1\" was not found.")
                                    .arg(QDir::toNativeSeparators(target.toLocalFile())));
            return;
        }
        m_browser->setSource(target);
    } else {
        m_dialogs.ShellOpen(target.toString());
    }
}

void TTutorialForm::ShowTutorials() {
    if (!isVisible())
        CentreWindowIn(*this, CentringArea(nullptr));
    show();
    raise();
    activateWindow();
}

}  // namespace sw
