// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/zoomed_board.h"

#include "render/parallel_for.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sw {
namespace {

// Board pixels read beyond the shown ones, for the smoothing to see true neighbours.
constexpr int kMargin = 2;

// The mean of four RGB32 pixels, channel by channel: red and blue, then alpha
// and green, each pair in one word with room for the sum of four.
QRgb Mean(QRgb a, QRgb b, QRgb c, QRgb d) {
    constexpr quint32 kLanes = 0x00FF00FF;
    const quint32 redBlue = (a & kLanes) + (b & kLanes) + (c & kLanes) + (d & kLanes) + 0x00020002;
    const quint32 alphaGreen = ((a >> 8) & kLanes) + ((b >> 8) & kLanes) + ((c >> 8) & kLanes) +
                               ((d >> 8) & kLanes) + 0x00020002;
    return ((redBlue >> 2) & kLanes) | (((alphaGreen >> 2) & kLanes) << 8);
}

}  // namespace

QImage HalveImage(const QImage& image) {
    const QImage source = image.format() == QImage::Format_RGB32 ? image
                                                                 : image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width(), height = source.height();
    QImage half((width + 1) / 2, (height + 1) / 2, QImage::Format_RGB32);
    const int pairs = width / 2;  // output pixels with two source columns
    constexpr int kBandRows = 64;
    // Bands of rows shared among the cores.
    ParallelFor((half.height() + kBandRows - 1) / kBandRows, [&](int band) {
        const int last = std::min(half.height(), (band + 1) * kBandRows);
        for (int y = band * kBandRows; y < last; ++y) {
            const auto* top = reinterpret_cast<const QRgb*>(source.constScanLine(2 * y));
            const auto* bottom =
                reinterpret_cast<const QRgb*>(source.constScanLine(std::min(2 * y + 1, height - 1)));
            auto* out = reinterpret_cast<QRgb*>(half.scanLine(y));
            for (int x = 0; x < pairs; ++x)
                out[x] = Mean(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
            if (width % 2)
                out[pairs] = Mean(top[width - 1], top[width - 1], bottom[width - 1], bottom[width - 1]);
        }
    });
    return half;
}

const QImage& ZoomedBoardPainter::Halved(const QImage& board, int times) {
    // Every write into the board image changes its cache key, so the copy is
    // made again after each repaint and only then.
    if (m_halved.isNull() || m_halvedKey != board.cacheKey() || m_halvedTimes != times) {
        m_halved = HalveImage(board);
        for (int n = 1; n < times; ++n)
            m_halved = HalveImage(m_halved);
        m_halvedKey = board.cacheKey();
        m_halvedTimes = times;
    }
    return m_halved;
}

namespace {

// The view is the scaled size rounded up: a last column or row whose pixel
// centre lies beyond the picture is given the page's white.
void WhiteBeyond(QPainter& painter, const BoardZoom& zoom, QSize image, const QRect& view) {
    const QPointF end = zoom.ToView(QPointF(image.width(), image.height()));
    const int right = int(std::floor(end.x())), bottom = int(std::floor(end.y()));
    if (view.right() >= right)
        painter.fillRect(QRect(QPoint(right, view.top()), view.bottomRight()), Qt::white);
    if (view.bottom() >= bottom)
        painter.fillRect(QRect(QPoint(view.left(), bottom), view.bottomRight()), Qt::white);
}

}  // namespace

void DrawSharpBoard(QPainter& painter, const QImage& sharp, const QRect& window, const BoardZoom& zoom,
                    QSize image, const QRect& exposed) {
    if (sharp.isNull() || window.isEmpty() || exposed.isEmpty())
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int scale = sharp.width() / window.width();
    // The exposed part of the window, in board-image pixels and in the image's own.
    const QRect shown = zoom.BoardPixelsShown(exposed, image).intersected(window);
    if (!shown.isEmpty()) {
        const QRect read((shown.topLeft() - window.topLeft()) * scale, shown.size() * scale);
        const QRectF target(zoom.ToView(QPointF(shown.topLeft())), QSizeF(shown.size()) * zoom.Factor());
        const bool whole = std::abs(zoom.Factor() * ratio - scale) < 1e-9;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
        painter.drawImage(target, sharp, read);
    }
    WhiteBeyond(painter, zoom, image, exposed);
}

void ZoomedBoardPainter::Draw(QPainter& painter, const QImage& board, const BoardZoom& zoom,
                              const QRect& exposed) {
    const QRect shown = zoom.BoardPixelsShown(exposed, board.size());
    if (shown.isEmpty())
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (zoom.Factor() == 1.0 && zoom.WholeDevicePixels(ratio)) {
        // The board's own pixels (on a dense screen Qt enlarges them by the
        // whole device pixel ratio, by nearest pixel).
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(shown.topLeft(), board, shown);
        return;
    }
    // Halve until each pixel drawn covers at least half a device pixel: from
    // there on the bilinear smoothing reads every pixel (at exactly half size
    // it is the mean of 2 x 2).
    int times = 0;
    double scale = zoom.Factor() * ratio;  // device pixels per board pixel
    while (scale < 0.5 - 1e-9 && times < 8) {
        scale *= 2;
        ++times;
    }
    const QImage& source = times == 0 ? board : Halved(board, times);
    const int step = 1 << times;  // board pixels per source pixel
    const QRect read = QRect(QPoint(shown.left() / step, shown.top() / step),
                             QPoint(shown.right() / step, shown.bottom() / step))
                           .adjusted(-kMargin, -kMargin, kMargin, kMargin)
                           .intersected(source.rect());
    const QRectF target(zoom.ToView(QPointF(read.topLeft()) * step),
                        QSizeF(read.size()) * (step * zoom.Factor()));
    WhiteBeyond(painter, zoom, board.size(), exposed);
    const bool whole = std::abs(scale - std::round(scale)) < 1e-9;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    painter.drawImage(target, source, read);
}

}  // namespace sw
