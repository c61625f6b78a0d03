// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/images/image_toolkit.h"

#include "render/blend.h"
#include "render/cpu_features.h"

#include <algorithm>
#include <cmath>
#include <vector>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace sw {

bool SameAngle(double a, double b) { return std::fabs(a - b) < 0.0001; }

QImage NewComponentImage(int width, int height, int scale) {
    if (scale <= 1)
        return MakeRaster(width, height, kKeyColour);
    scale = std::min(scale, kMaxCanvasScale);
    QImage image = MakeRaster(width * scale, height * scale, kKeyColour);
    image.setDevicePixelRatio(scale);
    return image;
}

int ImageScale(const QImage& image) {
    return std::clamp(int(std::lround(image.devicePixelRatio())), 1, kMaxCanvasScale);
}

namespace {

// Nearest integer with halves to the even neighbour, for |x| well below 2^51:
// adding and removing 1.5 * 2^52 leaves the rounded value under the default
// rounding mode, without a library call per pixel.
inline int RoundHalfEven(double x) {
    constexpr double kShift = 6755399441055744.0;
    return static_cast<int>((x + kShift) - kShift);
}

}  // namespace

namespace {

// One row of a slanted turn: out[i] takes the source pixel at the rounded
// (sx, sy) of column i when that point lies strictly inside the bounds.
struct TurnRow {
    const double* colCos;  // (i - cx) cos, per column
    const double* colSin;  // (i - cx) sin, per column
    double cx, cy, rowSin, rowCos, maxX, maxY;
    const QRgb* source;
    qsizetype sourceStride;  // in pixels
    int width;
};

inline void TurnPixel(const TurnRow& r, int i, QRgb* out) {
    const double sx = r.cx + r.colCos[i] - r.rowSin;
    const double sy = r.cy + r.rowCos + r.colSin[i];
    if (sx > 1 && sx < r.maxX && sy > 1 && sy < r.maxY)
        out[i] = r.source[RoundHalfEven(sy) * r.sourceStride + RoundHalfEven(sx)];
}

void TurnRowPlain(const TurnRow& r, QRgb* out) {
    for (int i = 0; i < r.width; ++i)
        TurnPixel(r, i, out);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Four columns at a time: the same additions in the same order on four
// doubles (no fused multiply-add, so every coordinate is bit for bit the
// scalar one), the same rounding, and a gather of the pixels inside the bounds;
// the lanes outside keep what the row held.
__attribute__((target("avx2"))) void TurnRowAvx2(const TurnRow& r, QRgb* out) {
    const __m256d cx = _mm256_set1_pd(r.cx), cy = _mm256_set1_pd(r.cy);
    const __m256d rowSin = _mm256_set1_pd(r.rowSin), rowCos = _mm256_set1_pd(r.rowCos);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d maxX = _mm256_set1_pd(r.maxX), maxY = _mm256_set1_pd(r.maxY);
    const __m256d shift = _mm256_set1_pd(6755399441055744.0);
    const __m128i stride = _mm_set1_epi32(int(r.sourceStride));
    const __m256i evenLanes = _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6);
    const int* source = reinterpret_cast<const int*>(r.source);
    int i = 0;
    for (; i + 4 <= r.width; i += 4) {
        const __m256d sx = _mm256_sub_pd(_mm256_add_pd(cx, _mm256_loadu_pd(r.colCos + i)), rowSin);
        const __m256d sy = _mm256_add_pd(_mm256_add_pd(cy, rowCos), _mm256_loadu_pd(r.colSin + i));
        const __m256d inside = _mm256_and_pd(
            _mm256_and_pd(_mm256_cmp_pd(sx, one, _CMP_GT_OQ), _mm256_cmp_pd(sx, maxX, _CMP_LT_OQ)),
            _mm256_and_pd(_mm256_cmp_pd(sy, one, _CMP_GT_OQ), _mm256_cmp_pd(sy, maxY, _CMP_LT_OQ)));
        if (_mm256_movemask_pd(inside) == 0)
            continue;
        // The 64-bit lane masks narrowed to four 32-bit ones.
        const __m128i mask = _mm256_castsi256_si128(
            _mm256_permutevar8x32_epi32(_mm256_castpd_si256(inside), evenLanes));
        const __m128i x = _mm256_cvttpd_epi32(_mm256_sub_pd(_mm256_add_pd(sx, shift), shift));
        const __m128i y = _mm256_cvttpd_epi32(_mm256_sub_pd(_mm256_add_pd(sy, shift), shift));
        const __m128i index = _mm_add_epi32(_mm_mullo_epi32(y, stride), x);
        __m128i* to = reinterpret_cast<__m128i*>(out + i);
        _mm_storeu_si128(to, _mm_mask_i32gather_epi32(_mm_loadu_si128(to), source, index, mask, 4));
    }
    for (; i < r.width; ++i)
        TurnPixel(r, i, out);
}
#endif

}  // namespace

namespace {

// RotateImage of an enlarged image: the logical centre and bounds, every
// device pixel mapped through its own centre.
QImage RotateScaled(const QImage& src, double angle, int scale) {
    const int w = src.width() / scale, h = src.height() / scale;
    QImage out = NewComponentImage(w, h, scale);
    const int dw = out.width(), dh = out.height();
    const double cx = w / 2, cy = h / 2;
    const double half = (scale - 1) / 2.0;
    // Device pixel i lies at logical u = (i - half) / scale.
    auto logical = [&](int i, double centre) { return (i - half) / scale - centre; };
    if (angle == 0.0) {
        // Each device pixel takes itself where its centre lies strictly inside.
        int left = 0, right = dw - 1, top = 0, bottom = dh - 1;
        while (left < dw && !(logical(left, 0) > 1))
            ++left;
        while (right >= 0 && !(logical(right, 0) < w - 1))
            --right;
        while (top < dh && !(logical(top, 0) > 1))
            ++top;
        while (bottom >= 0 && !(logical(bottom, 0) < h - 1))
            --bottom;
        for (int j = top; j <= bottom && left <= right; ++j) {
            const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
            std::copy(from + left, from + right + 1, reinterpret_cast<QRgb*>(out.scanLine(j)) + left);
        }
        return out;
    }
    const double c = std::cos(-angle), s = std::sin(-angle);
    std::vector<double> colCos(static_cast<std::size_t>(dw)), colSin(static_cast<std::size_t>(dw));
    for (int i = 0; i < dw; ++i) {
        colCos[std::size_t(i)] = logical(i, cx) * c;
        colSin[std::size_t(i)] = logical(i, cx) * s;
    }
    const auto* source = reinterpret_cast<const QRgb*>(src.constBits());
    const qsizetype stride = src.bytesPerLine() / qsizetype(sizeof(QRgb));
    const int maxX = src.width() - 1, maxY = src.height() - 1;
    for (int j = 0; j < dh; ++j) {
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(j));
        const double v = logical(j, cy);
        const double rowX = cx - v * s, rowY = cy + v * c;
        for (int i = 0; i < dw; ++i) {
            const double sx = rowX + colCos[std::size_t(i)];
            const double sy = rowY + colSin[std::size_t(i)];
            if (!(sx > 1 && sx < w - 1 && sy > 1 && sy < h - 1))
                continue;
            const int px = std::min(RoundHalfEven(sx * scale + half), maxX);
            const int py = std::min(RoundHalfEven(sy * scale + half), maxY);
            to[i] = source[py * stride + px];
        }
    }
    return out;
}

}  // namespace

QImage RotateImage(const QImage& image, double angle) {
    if (const int scale = ImageScale(image); scale > 1) {
        return RotateScaled(image.format() == QImage::Format_RGB32 ? image
                                                                 : image.convertToFormat(QImage::Format_RGB32),
                            angle, scale);
    }
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
    TurnRow row{colCos.data(), colSin.data(), double(cx), double(cy), 0, 0, double(w - 1),
                double(h - 1), reinterpret_cast<const QRgb*>(src.constBits()),
                src.bytesPerLine() / qsizetype(sizeof(QRgb)), w};
    void (*turnRow)(const TurnRow&, QRgb*) = TurnRowPlain;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // The gather's indices are 32-bit: every image up to the largest body fits.
    if (HasAvx2() && (long long)h * row.sourceStride < (1LL << 31))
        turnRow = TurnRowAvx2;
#endif
    QRgb* lines = reinterpret_cast<QRgb*>(out.bits());
    const qsizetype outStride = out.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (int j = 0; j < h; ++j) {
        row.rowSin = (j - cy) * s;
        row.rowCos = (j - cy) * c;
        turnRow(row, lines + j * outStride);
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
