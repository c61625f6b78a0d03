// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: a small borderless white window with the release date, the
// author, links to the web page and to support mail, a scrolling line of
// thanks and OK. It is moved by dragging its background.

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

namespace sw {

class DialogService;

// "Released " and the last-write date of `programPath` in local time as
// DD.MM.YYYY; a file whose time cannot be read gives day zero, 30.12.1899.
QString ReleasedText(const QString& programPath);

// The background picture drawn by the program, magenta (255, 0, 255) where
// the white window shows through.
QImage MakeAboutBackground();

// A line of text that scrolls from right to left for as long as it is shown.
class ThanksTicker : public QWidget {
    Q_OBJECT
public:
    ThanksTicker(const QString& text, QWidget* parent);
    const QString& Text() const { return m_text; }
    int Offset() const { return m_offset; }
    // One step of the scroll (called by the timer every 30 ms).
    void Step();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_text;
    int m_offset = 0;
    QTimer* m_timer;
};

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // `programPath` is the file whose date is the release date (default: the
    // running program).
    explicit TAboutForm(DialogService& dialogs, const QString& programPath = QString(),
                        QWidget* parent = nullptr);

    // Help "About": shows the box modally.
    void ShowAbout();

    QLabel* DateLabel() const { return m_dateLabel; }
    QLabel* WebLabel() const { return m_webLabel; }
    QLabel* MailLabel() const { return m_mailLabel; }
    QLabel* AuthorLabel() const { return m_authorLabel; }
    ThanksTicker* Thanks() const { return m_thanks; }
    QPushButton* OkButton() const { return m_ok; }

    static constexpr int kWidth = 321;
    static constexpr int kHeight = 201;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* AddLabel(const QString& text, int x, int y, bool bold = false);
    QLabel* AddLink(const QString& text, int x, int y);
    bool StartDrag(const QPointF& globalPos);

    DialogService& m_dialogs;
    QImage m_background;  // keyed: transparent where the picture is magenta
    QLabel* m_dateLabel;
    QLabel* m_authorLabel = nullptr;
    QLabel* m_webLabel;
    QLabel* m_mailLabel;
    ThanksTicker* m_thanks;
    QPushButton* m_ok;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace sw
