// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_form.h"

#include "ui/window_centring.h"
#include "model/web_addresses.h"
#include "edit/dialog_service.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace sw {
namespace {

constexpr QRgb kKey = 0xFFFF00FF;

const char* const kThanks =
    "Thanks to everyone who shared their layouts, reported bugs, tested new releases "
    "and sent parts, and to the hobbyists on the forum for their ideas and patience.";

}  // namespace

QString ReleasedText(const QString& programPath) {
    const QFileInfo info(programPath);
    QDateTime written = info.exists() ? info.lastModified() : QDateTime();
    // Day zero of the date system stands in for a time that cannot be read.
    const QDate date = written.isValid() ? written.toLocalTime().date() : QDate(1899, 12, 30);
    return QStringLiteral("Released ") + date.toString(QStringLiteral("dd.MM.yyyy"));
}

QImage MakeAboutBackground() {
    QImage image(TAboutForm::kWidth, TAboutForm::kHeight, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A corner of stripboard at the right: copper strips with their holes.
    const QColor copper(222, 160, 110), copperEdge(190, 125, 80), board(238, 226, 200);
    p.fillRect(QRect(206, 8, 107, 144), board);
    for (int row = 0; row < 7; ++row) {
        const int y = 14 + row * 20;
        p.fillRect(QRect(206, y, 107, 14), copper);
        p.fillRect(QRect(206, y + 13, 107, 1), copperEdge);
        for (int col = 0; col < 5; ++col) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QRect(214 + col * 20, y + 4, 6, 6));
        }
    }
    // A resistor lying across two strips.
    p.setPen(QPen(QColor(110, 110, 110), 2));
    p.drawLine(217, 41, 217, 101);
    p.setPen(QPen(QColor(150, 120, 90), 1));
    p.setBrush(QColor(234, 217, 197));
    p.drawRoundedRect(QRect(211, 52, 12, 38), 4, 4);
    const QColor bands[] = {QColor(255, 255, 0), QColor(128, 0, 128), QColor(255, 0, 0),
                            QColor(255, 204, 0)};
    for (int i = 0; i < 4; ++i) p.fillRect(QRect(212, 56 + i * 7 + (i == 3 ? 4 : 0), 11, 3), bands[i]);
    // An LED with its leads.
    p.setPen(QPen(QColor(110, 110, 110), 2));
    p.drawLine(277, 61, 277, 101);
    p.setPen(QPen(QColor(170, 0, 0), 1));
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(QRect(267, 70, 20, 20));
    p.end();
    return image;
}

ThanksTicker::ThanksTicker(const QString& text, QWidget* parent)
    : QWidget(parent), m_text(text), m_timer(new QTimer(this)) {
    m_timer->setInterval(30);
    connect(m_timer, &QTimer::timeout, this, &ThanksTicker::Step);
}

void ThanksTicker::Step() {
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    ++m_offset;
    // Start again from the right once the whole line has passed.
    if (m_offset > width() + textWidth) m_offset = 0;
    update();
}

void ThanksTicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(96, 96, 96));
    p.drawText(QRect(width() - m_offset, 0, fontMetrics().horizontalAdvance(m_text) + 4, height()),
               Qt::AlignVCenter | Qt::AlignLeft, m_text);
}

void ThanksTicker::showEvent(QShowEvent*) { m_timer->start(); }
void ThanksTicker::hideEvent(QHideEvent*) { m_timer->stop(); }

TAboutForm::TAboutForm(DialogService& dialogs, const QString& programPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_dialogs(dialogs),
      m_background(MakeAboutBackground().convertToFormat(QImage::Format_ARGB32)) {
    // The magenta parts of the picture let the white show through.
    for (int y = 0; y < m_background.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_background.scanLine(y));
        for (int x = 0; x < m_background.width(); ++x)
            if (line[x] == kKey) line[x] = 0;
    }
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    QLabel* title = AddLabel(QStringLiteral("Stripwright"), 14, 10);
    QFont titleFont = title->font();
    titleFont.setPixelSize(26);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: rgb(42, 93, 143);"));
    title->adjustSize();
    AddLabel(QStringLiteral("Circuit layouts for stripboard,\nperfboard and PCB"), 16, 42);

    m_dateLabel = AddLabel(ReleasedText(programPath.isEmpty()
                                            ? QCoreApplication::applicationFilePath()
                                            : programPath),
                           16, 80, true);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    AddLabel(QStringLiteral("Programmed by"), 16, 102);
    m_authorLabel = AddLabel(QStringLiteral("The Stripwright developers"), 16, 118, true);

    m_webLabel = AddLink(QStringLiteral("Web Page"), 16, 142);
    m_webLabel->setObjectName(QStringLiteral("WebLabel"));
    m_mailLabel = AddLink(QStringLiteral("eMail"), 96, 142);
    m_mailLabel->setObjectName(QStringLiteral("MailLabel"));

    m_thanks = new ThanksTicker(QString::fromLatin1(kThanks), this);
    m_thanks->setGeometry(8, 166, 222, 22);
    m_thanks->installEventFilter(this);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(240, 164, 72, 26);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* TAboutForm::AddLabel(const QString& text, int x, int y, bool bold) {
    auto* label = new QLabel(text, this);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    label->move(x, y);
    label->adjustSize();
    // Pressing on a plain label moves the window like its background.
    label->installEventFilter(this);
    return label;
}

QLabel* TAboutForm::AddLink(const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 238);"));
    label->setCursor(Qt::PointingHandCursor);
    label->move(x, y);
    label->adjustSize();
    label->installEventFilter(this);
    return label;
}

void TAboutForm::ShowAbout() {
    CentreWindowIn(*this, CentringArea(nullptr));
    exec();
}

void TAboutForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(0, 0, m_background);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TAboutForm::StartDrag(const QPointF& globalPos) {
    if (QWindow* window = windowHandle(); window && window->startSystemMove())
        return true;
    // The window system cannot move it for us: follow the pointer ourselves.
    m_dragging = true;
    m_dragOffset = globalPos.toPoint() - pos();
    return true;
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    const bool link = watched == m_webLabel || watched == m_mailLabel;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        if (link) return true;  // the link opens on release
        return StartDrag(mouse->globalPosition());
    }
    if (event->type() == QEvent::MouseButtonRelease && link) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            m_dialogs.ShellOpen(watched == m_webLabel ? web::HomePage() : web::SupportMailTo());
        return true;
    }
    if (event->type() == QEvent::MouseMove && m_dragging) {
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && m_dragging) {
        m_dragging = false;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        StartDrag(event->globalPosition());
    else
        QDialog::mousePressEvent(event);
}

void TAboutForm::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void TAboutForm::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

}  // namespace sw
