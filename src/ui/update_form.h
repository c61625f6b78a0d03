// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that lists what a newer release brings and offers its download.

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sw {

class DialogService;

// What the update window shows of a feed, whatever the server sent: the date
// as one line of kShownDateCharacters, at most kShownLines change lines of
// kShownLineCharacters each ("..." marks a cut).
constexpr int kShownDateCharacters = 32;
constexpr int kShownLines = 500;
constexpr int kShownLineCharacters = 300;

class TUpdateForm : public QWidget {
    Q_OBJECT
public:
    TUpdateForm(DialogService& dialogs, QWidget* owner = nullptr);

    // Fills the window for a release of `date` with its change lines and shows
    // it (not modally), the lines sorted, centred on the owner.
    void ShowRelease(const QString& date, const QStringList& lines);

    QLabel* DateLabel() const { return m_dateLabel; }
    QPlainTextEdit* FeatureMemo() const { return m_featureMemo; }
    QStringList Lines() const;
    QPushButton* DownloadButton() const { return m_download; }
    QPushButton* CloseButton() const { return m_close; }

    // "Download new version!": open the download in the browser and close.
    void DownloadNewVersion();
    // "Close".
    void CloseUpdateWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keeps the window, its buttons included, on the screen it shows on.
    void FitScreen();

    DialogService& m_dialogs;
    QWidget* m_owner;
    QLabel* m_dateLabel;
    QPlainTextEdit* m_featureMemo;
    QPushButton* m_download;
    QPushButton* m_close;
};

}  // namespace sw
