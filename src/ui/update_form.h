// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that lists what a newer release brings and offers its download.

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sw {

class DialogService;

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

private:
    DialogService& m_dialogs;
    QWidget* m_owner;
    QLabel* m_dateLabel;
    QPlainTextEdit* m_featureMemo;
    QPushButton* m_download;
    QPushButton* m_close;
};

}  // namespace sw
