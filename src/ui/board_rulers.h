// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rulers that stay in view: once the board scrolls so far that the column
// numbers above row 1 or the row letters left of column 1 leave the view, they
// are drawn again along the view's top or left edge, over the board, at the
// columns and rows they name. The board picture itself is not changed; while
// its own rulers are in view nothing is drawn.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollArea;

namespace sw {

// What the rulers are drawn from: the layout's size and type and the zoom.
struct RulerSource {
    int layoutWidth = 0;
    int layoutHeight = 0;
    QString type;
    double factor = 1.0;  // view pixels per board-image pixel
};

struct RulerLabel {
    QString text;
    double at = 0;  // the column's x or the row's y in the view, the label's middle
};

// The labels the view's edges show. `boardOrigin` is where the board image's
// top-left corner is in the view (negative once scrolled), `view` the view's
// size. A strip is shown only when the picture's own labels are out of view
// and some of the board still is; its labels are those whose column or row
// lies in the view beyond the other strip.
struct StickyRulers {
    bool columns = false;  // the strip of column numbers along the top
    bool rows = false;     // the strip of row letters down the left
    std::vector<RulerLabel> columnLabels;
    std::vector<RulerLabel> rowLabels;
};
StickyRulers StickyRulersFor(const RulerSource& source, QPoint boardOrigin, QSize view);

// Where CentreView scrolls horizontally: the middle of the board image (`shown`
// view pixels wide at `factor`) in the middle of the `visible` width, unless
// the board with its rulers (`boardArea`, board-image pixels) is wider than
// that: then its left edge, so a large board opens at its top-left corner.
int CentreViewScroll(const QRect& boardArea, double factor, int shown, int visible);

// The strips' thickness in view pixels.
constexpr int kRulerStripHeight = 16;
constexpr int kRulerStripWidth = 20;

// Lies over `scrollBox`'s viewport, lets every mouse event through to the
// board, and draws the strips StickyRulersFor gives for `board`'s place.
class BoardRulers : public QWidget {
public:
    BoardRulers(QScrollArea& scrollBox, QWidget& board, std::function<RulerSource()> source);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_board;
    std::function<RulerSource()> m_source;
};

}  // namespace sw
