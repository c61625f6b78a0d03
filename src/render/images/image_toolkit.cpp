#include "render/images/image_toolkit.h"

#include "render/blend.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sw {

bool SameAngle(double a, double b) { return std::fabs(a - b) < 0.0001; }

QImage NewComponentImage(int width, int height) { return MakeRaster(width, height, kKeyColour); }

namespace {

// Nearest integer with halves to the even neighbour, for |x| well below 2^51:
// adding and removing 1.5 * 2^52 leaves the rounded value under the default
// rounding mode, without a library call per pixel.
inline int RoundHalfEven(double x) {
    constexpr double kShift = 6755399441055744.0;
    return static_cast<int>((x + kShift) - kShift);
}

}  // namespace

QImage RotateImage(const QImage& image, double angle) {
    const int w = image.width();
    const int h = image.height();
    QImage out = NewComponentImage(w, h);
    if (w <= 0 || h <= 0)
        return out;
    const QImage src = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (angle == 0.0) {
        // The formula gives the source pixel itself; only 2 ... w - 2 by
        // 2 ... h - 2 lies strictly inside the bounds.
        for (int j = 2; j <= h - 2; ++j) {
            const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
            auto* to = reinterpret_cast<QRgb*>(out.scanLine(j));
            std::copy(from + 2, from + w - 1, to + 2);
        }
        return out;
    }
    const int cx = w / 2;
    const int cy = h / 2;
    const double c = std::cos(-angle);
    const double s = std::sin(-angle);
    // sx = cx + (i - cx) cos - (j - cy) sin and sy = cy + (j - cy) cos + (i - cx) sin;
    // the products are tabulated per column and per row, which leaves every
    // source coordinate bit for bit what the direct formula gives.
    std::vector<double> colCos(w), colSin(w);
    for (int i = 0; i < w; ++i) {
        colCos[i] = (i - cx) * c;
        colSin[i] = (i - cx) * s;
    }
    std::vector<const QRgb*> rows(h);
    for (int j = 0; j < h; ++j)
        rows[j] = reinterpret_cast<const QRgb*>(src.constScanLine(j));
    const double maxX = w - 1;
    const double maxY = h - 1;
    for (int j = 0; j < h; ++j) {
        const double rowSin = (j - cy) * s;
        const double rowCos = (j - cy) * c;
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(j));
        for (int i = 0; i < w; ++i) {
            const double sx = cx + colCos[i] - rowSin;
            const double sy = cy + rowCos + colSin[i];
            if (!(sx > 1 && sx < maxX && sy > 1 && sy < maxY))
                continue;
            line[i] = rows[RoundHalfEven(sy)][RoundHalfEven(sx)];
        }
    }
    return out;
}

void DrawNameLabel(Canvas& canvas, const QString& name, int points, Rgb colour, QPoint offset) {
    if (name.isEmpty())
        return;
    canvas.SetFont(QStringLiteral("Tahoma"), points, true);
    canvas.SetFontColour(colour);
    canvas.SetBrushStyle(BrushStyle::Clear);
    // The text height is the outline face's line, not the shorter one of the
    // bitmap strike that draws it, so the label sits in the middle of its body.
    const Canvas::FaceMetrics face = canvas.OutlineMetrics();
    const QSize extent(canvas.TextExtent(name).width(), face.ascent + face.descent);
    // Integer division truncates toward zero, so a label wider than the image
    // starts left of it.
    const int left = (canvas.Width() - extent.width()) / 2 + offset.x();
    const int top = (canvas.Height() - extent.height()) / 2 + offset.y();
    canvas.TextOutAtBaseline(left, top + face.ascent, name);
    canvas.SetBrushStyle(BrushStyle::Solid);
}

void NormalisedRectangle(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Rectangle(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

}  // namespace sw
