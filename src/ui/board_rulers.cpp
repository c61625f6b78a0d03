// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_rulers.h"

#include "render/board_geometry.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace sw {
namespace {

// Where the picture draws its own labels, in board-image pixels: the column
// numbers from this height down, the row letters ending at x0 and at most
// this wide.
int ColumnLabelTop(const QString& type) { return type == QLatin1String("Stripboard") ? 188 : 186; }
constexpr int kRowLabelWidth = 8;

// The same grey as the picture's rulers.
const QColor kRulerText(192, 192, 192);

// The indexes 1 ... count whose position origin + scale * index lies in [low, high).
std::pair<long long, long long> IndexesWithin(double origin, double scale, long long count, double low,
                                              double high) {
    if (count < 1 || scale <= 0)
        return {1, 0};
    const double first = std::ceil((low - origin) / scale);
    const double last = std::ceil((high - origin) / scale) - 1;
    return {std::max<long long>(1, (long long)std::max(first, -1.0)),
            std::min<long long>(count, (long long)std::min(last, double(count)))};
}

}  // namespace

StickyRulers StickyRulersFor(const RulerSource& source, QPoint boardOrigin, QSize view) {
    StickyRulers rulers;
    if (source.layoutWidth < 1 || source.layoutHeight < 1 || source.factor <= 0)
        return rulers;
    const double f = source.factor;
    const double x0 = BoardOriginX(kBoardImageWidth, source.layoutWidth);
    const double boardRight = boardOrigin.x() + (x0 + 10 + 20.0 * source.layoutWidth) * f;
    const double boardBottom = boardOrigin.y() + (200 + 20.0 * source.layoutHeight) * f;
    rulers.columns = boardOrigin.y() + ColumnLabelTop(source.type) * f < 0 &&
                     boardBottom > kRulerStripHeight;
    rulers.rows = boardOrigin.x() + (x0 - kRowLabelWidth) * f < 0 && boardRight > kRulerStripWidth;
    const double left = rulers.rows ? kRulerStripWidth : 0;
    const double top = rulers.columns ? kRulerStripHeight : 0;
    if (rulers.columns) {
        // Column n is at x0 + 20 n.
        const auto [first, last] = IndexesWithin(boardOrigin.x() + x0 * f, 20 * f, source.layoutWidth,
                                                 left, view.width());
        for (long long n = first; n <= last; ++n)
            rulers.columnLabels.push_back({QString::number(n), boardOrigin.x() + (x0 + 20.0 * n) * f});
    }
    if (rulers.rows) {
        // Row r is at 190 + 20 r.
        const auto [first, last] = IndexesWithin(boardOrigin.y() + 190 * f, 20 * f, source.layoutHeight,
                                                 top, view.height());
        for (long long r = first; r <= last; ++r)
            rulers.rowLabels.push_back({RowLabel(int(r)), boardOrigin.y() + (190 + 20.0 * r) * f});
    }
    return rulers;
}

int CentreViewScroll(const QRect& boardArea, double factor, int shown, int visible) {
    const int largest = std::max(0, shown - visible);
    if (boardArea.isEmpty() || boardArea.width() * factor <= visible)
        return std::clamp(shown / 2 - visible / 2, 0, largest);
    return std::clamp(int(std::floor(boardArea.left() * factor)), 0, largest);
}

BoardRulers::BoardRulers(QScrollArea& scrollBox, QWidget& board, std::function<RulerSource()> source)
    : QWidget(scrollBox.viewport()), m_board(board), m_source(std::move(source)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(scrollBox.viewport()->size());
    raise();
    // The viewport's size, the board's place in it (scrolling moves it) and its
    // size (zoom) decide what is drawn.
    scrollBox.viewport()->installEventFilter(this);
    m_board.installEventFilter(this);
    for (QScrollBar* bar : {scrollBox.horizontalScrollBar(), scrollBox.verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] { update(); });
}

bool BoardRulers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == parentWidget()) {
        resize(parentWidget()->size());
        raise();
    }
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched == &m_board)
        update();
    return QWidget::eventFilter(watched, event);
}

void BoardRulers::paintEvent(QPaintEvent*) {
    const StickyRulers rulers = StickyRulersFor(m_source(), m_board.pos(), size());
    if (!rulers.columns && !rulers.rows)
        return;
    QPainter painter(this);
    const QColor strip(255, 255, 255, 235);
    const QColor edge(222, 222, 222);
    const QFontMetrics metrics(font());
    painter.setFont(font());
    if (rulers.columns) {
        painter.fillRect(QRect(0, 0, width(), kRulerStripHeight), strip);
        painter.setPen(edge);
        painter.drawLine(0, kRulerStripHeight - 1, width(), kRulerStripHeight - 1);
        painter.setPen(kRulerText);
        // Labels that would run into the one before are left out (far out of zoom).
        double freeFrom = -1e9;
        for (const RulerLabel& label : rulers.columnLabels) {
            const int w = metrics.horizontalAdvance(label.text);
            const double x = label.at - w / 2.0;
            if (x < freeFrom)
                continue;
            painter.drawText(QPointF(x, kRulerStripHeight - 4), label.text);
            freeFrom = x + w + 4;
        }
    }
    if (rulers.rows) {
        const int top = rulers.columns ? kRulerStripHeight : 0;
        painter.fillRect(QRect(0, top, kRulerStripWidth, height() - top), strip);
        painter.setPen(edge);
        painter.drawLine(kRulerStripWidth - 1, top, kRulerStripWidth - 1, height());
        painter.setPen(kRulerText);
        double freeFrom = -1e9;
        for (const RulerLabel& label : rulers.rowLabels) {
            const double y = label.at - metrics.height() / 2.0;
            if (y < freeFrom)
                continue;
            const int w = metrics.horizontalAdvance(label.text);
            painter.drawText(QPointF(kRulerStripWidth - 4 - w, y + metrics.ascent()), label.text);
            freeFrom = y + metrics.height();
        }
    }
}

}  // namespace sw
