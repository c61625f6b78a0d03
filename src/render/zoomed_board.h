#pragma once
// Draws the board image as the zoomed board view shows it: the part that a view
// rectangle covers, scaled by the zoom factor at the painter's device pixel
// ratio. Whole device pixels per board pixel are scaled by nearest pixel (crisp
// at 200 %, 300 %, 400 %, and at 100 % on a screen of ratio 2); other
// enlargements are smoothed; a shrunk board is drawn from an area-averaged copy
// of the whole image, kept until the image or the factor changes, so thin lines
// do not drop out and strips drawn while scrolling meet without seams.

#include "render/board_zoom.h"

#include <QImage>

class QPainter;

namespace sw {

class ZoomedBoardPainter {
public:
    // Draws what the view rectangle `exposed` (view coordinates) shows of `board`.
    void Draw(QPainter& painter, const QImage& board, const BoardZoom& zoom, const QRect& exposed);

private:
    const QImage& Shrunk(const QImage& board, const BoardZoom& zoom, double devicePixelRatio);

    QImage m_shrunk;
    qint64 m_shrunkKey = 0;  // QImage::cacheKey of the board it was made from
    double m_shrunkScale = 0;
};

}  // namespace sw
