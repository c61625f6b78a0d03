// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the board image as the zoomed board view shows it: the part that a view
// rectangle covers, scaled by the zoom factor at the painter's device pixel
// ratio. One device pixel per board pixel is drawn as it is, and any whole
// number of them by nearest pixel; other scales are smoothed (bilinear). (The
// view uses this at or below one device pixel per board pixel; above it, it
// draws the board rendered at its resolution with DrawSharpBoard.) A board shrunk below half size is first halved by
// averaging 2 x 2 pixels, as often as it takes to be shown at half size or
// more, so that thin lines do not drop out; the halved copy is kept until the
// image or the factor changes. Each draw reads a margin of pixels beyond the
// rectangle, so strips drawn while scrolling meet without seams.

#include "render/board_zoom.h"

#include <QImage>

class QPainter;

namespace sw {

// The image at half its size (rounded up), each pixel the mean of the 2 x 2
// pixels it covers (an odd last row or column repeats its pixels).
QImage HalveImage(const QImage& image);

// Draws what the view rectangle `exposed` shows of a board picture rendered
// enlarged: `sharp` holds the board-image pixels `window` at a whole scale, and
// is drawn at the zoom (pixel for device pixel when the zoom times the device
// pixel ratio is that scale, smoothed otherwise), the page's white beyond the
// board image of `image` size.
void DrawSharpBoard(QPainter& painter, const QImage& sharp, const QRect& window, const BoardZoom& zoom,
                    QSize image, const QRect& exposed);

class ZoomedBoardPainter {
public:
    // Draws what the view rectangle `exposed` (view coordinates) shows of `board`.
    void Draw(QPainter& painter, const QImage& board, const BoardZoom& zoom, const QRect& exposed);

private:
    const QImage& Halved(const QImage& board, int times);

    QImage m_halved;
    qint64 m_halvedKey = 0;  // QImage::cacheKey of the board it was made from
    int m_halvedTimes = 0;
};

}  // namespace sw
