// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tutorials window: the local tutorial pages that ship with the program,
// shown in a small browser. Links between the pages stay in the window; links
// to the web open in the desktop's browser.

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace sw {

class DialogService;

// The folders searched for the tutorial pages, in order: "Tutorials" beside the
// program (the build tree), then the installed data folder.
QStringList TutorialFolders(const QString& programFolder);
// The first of those folders that holds "index.html", or empty.
QString FindTutorialsFolder(const QString& programFolder);

class TTutorialForm : public QWidget {
    Q_OBJECT
public:
    // Loads "index.html" from the tutorials folder beside `programFolder`
    // (default: the running program's folder).
    explicit TTutorialForm(DialogService& dialogs, const QString& programFolder = QString(),
                           QWidget* parent = nullptr);

    // Help and Quick Tasks "Tutorials": shows the window, not modally.
    void ShowTutorials();

    QTextBrowser* Browser() const { return m_browser; }
    // The page shown, or an empty path when the pages were not found.
    QString PageShown() const;

    static constexpr int kWidth = 392;
    static constexpr int kHeight = 446;

private:
    void FollowLink(const QUrl& link);

    DialogService& m_dialogs;
    QTextBrowser* m_browser;
};

}  // namespace sw
