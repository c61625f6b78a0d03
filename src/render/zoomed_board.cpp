#include "render/zoomed_board.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace sw {

const QImage& ZoomedBoardPainter::Shrunk(const QImage& board, const BoardZoom& zoom,
                                          double devicePixelRatio) {
    // Every write into the board image changes its cache key, so the copy is
    // made again after each repaint and only then.
    const double scale = zoom.Factor() * devicePixelRatio;
    if (m_shrunk.isNull() || m_shrunkKey != board.cacheKey() || m_shrunkScale != scale) {
        const QSize device(std::max(1, int(std::lround(board.width() * scale))),
                           std::max(1, int(std::lround(board.height() * scale))));
        m_shrunk = board.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shrunkKey = board.cacheKey();
        m_shrunkScale = scale;
    }
    return m_shrunk;
}

void ZoomedBoardPainter::Draw(QPainter& painter, const QImage& board, const BoardZoom& zoom,
                              const QRect& exposed) {
    const QRect source = zoom.BoardPixelsShown(exposed, board.size());
    if (source.isEmpty())
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double scale = zoom.Factor() * ratio;
    if (zoom.Factor() == 1.0) {
        // The board's own pixels; on a dense screen Qt enlarges them by the
        // device pixel ratio, by nearest pixel when that ratio is whole.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !zoom.WholeDevicePixels(ratio));
        painter.drawImage(source.topLeft(), board, source);
        return;
    }
    if (scale < 1.0) {
        const QImage& shrunk = Shrunk(board, zoom, ratio);
        // Device pixels of the shrunk copy that cover the exposed view rectangle.
        const QRect device = QRect(int(std::floor(exposed.x() * ratio)), int(std::floor(exposed.y() * ratio)),
                                   int(std::ceil(exposed.width() * ratio)) + 1,
                                   int(std::ceil(exposed.height() * ratio)) + 1)
                                 .intersected(shrunk.rect());
        if (device.isEmpty())
            return;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                                 device.height() / ratio),
                          shrunk, device);
        return;
    }
    const QRectF target(zoom.ToView(source.topLeft()), QSizeF(source.size()) * zoom.Factor());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !zoom.WholeDevicePixels(ratio));
    painter.drawImage(target, board, source);
}

}  // namespace sw
