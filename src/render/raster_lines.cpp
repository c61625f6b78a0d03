// SPDX-License-Identifier: GPL-3.0-or-later
// Lines: the round-ended capsule of wide pens, the 1-pixel line with its dash
// patterns, and the flattening of Bezier curves.

#include "render/raster_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace sw::raster {
namespace {

using i64 = long long;
using i128 = __int128;

inline QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }

// The segment in doubled coordinates (pixel centre (i, j) is (2i, 2j)), so the
// half-pixel shift of an even width stays integral.
struct DoubledSegment {
    i64 ax, ay, bx, by;
    i64 radius;  // the width: half the width, doubled
    i64 dx() const { return bx - ax; }
    i64 dy() const { return by - ay; }

    // Exact: is the doubled point (px, py) strictly closer than the radius?
    bool Covers(i64 px, i64 py) const {
        const i64 ux = px - ax, uy = py - ay;
        const i64 lenSq = dx() * dx() + dy() * dy();
        const i128 rSq = i128(radius) * radius;
        const i64 along = ux * dx() + uy * dy();
        if (lenSq == 0 || along <= 0)
            return i128(ux) * ux + i128(uy) * uy < rSq;
        if (along >= lenSq) {
            const i64 vx = px - bx, vy = py - by;
            return i128(vx) * vx + i128(vy) * vy < rSq;
        }
        const i128 cross = i128(dx()) * uy - i128(dy()) * ux;
        return cross * cross < rSq * lenSq;
    }
};

// Narrows [lo, hi] to the values of X with lo' <= a X + c <= hi'.
void ClampLinear(double a, double c, double lower, double upper, double& lo, double& hi) {
    if (a == 0) {
        if (c < lower || c > upper) {
            lo = 1;
            hi = 0;
        }
        return;
    }
    double x1 = (lower - c) / a, x2 = (upper - c) / a;
    if (x1 > x2)
        std::swap(x1, x2);
    lo = std::max(lo, x1);
    hi = std::min(hi, x2);
}

// Approximate doubled-X range of the capsule on the doubled row Y; widened by
// the caller and then trimmed exactly.
bool ApproxRowRange(const DoubledSegment& s, double y, double& lo, double& hi) {
    const double r = double(s.radius);
    lo = std::numeric_limits<double>::infinity();
    hi = -lo;
    auto disc = [&](double cx, double cy) {
        const double h = r * r - (y - cy) * (y - cy);
        if (h > 0) {
            const double root = std::sqrt(h);
            lo = std::min(lo, cx - root);
            hi = std::max(hi, cx + root);
        }
    };
    disc(double(s.ax), double(s.ay));
    disc(double(s.bx), double(s.by));
    const double dx = double(s.dx()), dy = double(s.dy());
    const double lenSq = dx * dx + dy * dy;
    if (lenSq > 0) {
        double bandLo = -std::numeric_limits<double>::infinity();
        double bandHi = -bandLo;
        const double uy = y - double(s.ay);
        // 0 <= (X - ax) dx + uy dy <= lenSq
        ClampLinear(dx, -double(s.ax) * dx + uy * dy, 0, lenSq, bandLo, bandHi);
        // |dx uy - dy (X - ax)| < r len
        const double reach = r * std::sqrt(lenSq);
        ClampLinear(-dy, dx * uy + dy * double(s.ax), -reach, reach, bandLo, bandHi);
        if (bandLo <= bandHi) {
            lo = std::min(lo, bandLo);
            hi = std::max(hi, bandHi);
        }
    }
    return lo <= hi;
}

}  // namespace

void FillSpan(QImage& image, int y, int x1, int x2, Rgb colour) {
    if (y < 0 || y >= image.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, image.width() - 1);
    if (x1 > x2)
        return;
    QRgb* row = Row(image, y);
    std::fill(row + x1, row + x2 + 1, QRgb(0xFF000000u | colour));
}

// Segments reaching further than this from the origin are first clipped to a
// square of this half-size, so the exact tests below stay within 64-bit (and
// 128-bit) arithmetic. Only damaged layouts reach that far, and the clipped ends
// lie so far outside any raster that nothing drawn changes but the rounding of
// the direction.
constexpr i64 kFar = i64(1) << 26;
// Any wider pen already covers every raster whole.
constexpr int kWidestPen = 1 << 24;

// Liang-Barsky clipping of (x1, y1)-(x2, y2) to [-kFar, kFar]^2; false when the
// segment misses the square.
bool ClipFar(int& x1, int& y1, int& x2, int& y2) {
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {double(x1) + kFar, double(kFar) - x1, double(y1) + kFar, double(kFar) - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double ax = x1, ay = y1;
    x1 = int(std::llround(ax + t0 * dx));
    y1 = int(std::llround(ay + t0 * dy));
    x2 = int(std::llround(ax + t1 * dx));
    y2 = int(std::llround(ay + t1 * dy));
    return true;
}

namespace {

// Calls span(j, first, last) for every row j of a w x h raster that the
// capsule reaches, with its covered pixels first ... last of that row.
template <typename Span>
void ComputeCapsuleSpans(int w, int h, int x1, int y1, int x2, int y2, int width, const Span& span) {
    const i64 shift = (width % 2 == 0) ? 1 : 0;
    const DoubledSegment s{2 * i64(x1) - shift, 2 * i64(y1) - shift, 2 * i64(x2) - shift,
                           2 * i64(y2) - shift, width};
    const i64 top = (std::min(s.ay, s.by) - s.radius) / 2 - 1;
    const i64 bottom = (std::max(s.ay, s.by) + s.radius) / 2 + 1;
    const int firstRow = int(std::max<i64>(top, 0));
    const int lastRow = int(std::min<i64>(bottom, h - 1));
    for (int j = firstRow; j <= lastRow; ++j) {
        double lo, hi;
        if (!ApproxRowRange(s, 2.0 * j, lo, hi))
            continue;
        i64 first = std::max<i64>(i64(std::floor(lo / 2)) - 1, 0);
        i64 last = std::min<i64>(i64(std::ceil(hi / 2)) + 1, w - 1);
        while (first <= last && !s.Covers(2 * first, 2 * i64(j)))
            ++first;
        while (last >= first && !s.Covers(2 * last, 2 * i64(j)))
            --last;
        if (first <= last)
            span(j, int(first), int(last));
    }
}

// The covered pixels of a capsule depend only on the offset from its start to
// its end and on the width: moved by whole pixels, the same pixels move with
// it. Small capsules (leads, jumpers, dots, pads: most of a repaint's) keep
// their spans relative to the start point, per thread, so each shape is worked
// out once.
constexpr int kLargestKeptOffset = 512;
constexpr int kWidestKeptPen = 256;
constexpr std::size_t kKeptShapes = 4096;

struct RelativeSpan {
    int dy, first, last;
};

const std::vector<RelativeSpan>& CapsuleShape(int dx, int dy, int width) {
    thread_local std::unordered_map<std::uint64_t, std::vector<RelativeSpan>> shapes;
    const std::uint64_t key = (std::uint64_t(std::uint16_t(dx)) << 32) |
                              (std::uint64_t(std::uint16_t(dy)) << 16) | std::uint16_t(width);
    auto it = shapes.find(key);
    if (it != shapes.end())
        return it->second;
    if (shapes.size() >= kKeptShapes)
        shapes.clear();
    // Drawn on a raster just large enough, the start placed so nothing clips.
    const int margin = width + 2;
    const int ox = margin + std::max(0, -dx), oy = margin + std::max(0, -dy);
    std::vector<RelativeSpan> spans;
    ComputeCapsuleSpans(std::abs(dx) + 2 * margin + 1, std::abs(dy) + 2 * margin + 1, ox, oy,
                        ox + dx, oy + dy, width, [&](int j, int first, int last) {
                            spans.push_back({j - oy, first - ox, last - ox});
                        });
    return shapes.emplace(key, std::move(spans)).first->second;
}

template <typename Span>
void ForEachCapsuleSpan(int w, int h, int x1, int y1, int x2, int y2, int width, const Span& span) {
    width = std::clamp(width, 1, kWidestPen);
    const auto far = [](int v) { return v < -kFar || v > kFar; };
    if (far(x1) || far(y1) || far(x2) || far(y2)) {
        if (ClipFar(x1, y1, x2, y2))
            ComputeCapsuleSpans(w, h, x1, y1, x2, y2, width, span);
        return;
    }
    const long long dx = (long long)x2 - x1, dy = (long long)y2 - y1;
    if (std::llabs(dx) > kLargestKeptOffset || std::llabs(dy) > kLargestKeptOffset ||
        width > kWidestKeptPen) {
        ComputeCapsuleSpans(w, h, x1, y1, x2, y2, width, span);
        return;
    }
    for (const RelativeSpan& r : CapsuleShape(int(dx), int(dy), width)) {
        const long long j = (long long)y1 + r.dy;
        if (j < 0 || j >= h)
            continue;
        const long long first = std::max<long long>((long long)x1 + r.first, 0);
        const long long last = std::min<long long>((long long)x1 + r.last, w - 1);
        if (first <= last)
            span(int(j), int(first), int(last));
    }
}

}  // namespace

void Capsule(QImage& image, int x1, int y1, int x2, int y2, int width, Rgb colour) {
    if (image.width() == 0 || image.height() == 0)
        return;
    const QRgb value = 0xFF000000u | colour;
    QRgb* const base = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    ForEachCapsuleSpan(image.width(), image.height(), x1, y1, x2, y2, width,
                       [&](int j, int first, int last) {
                           QRgb* row = base + qsizetype(j) * stride;
                           std::fill(row + first, row + last + 1, value);
                       });
}

std::vector<RowSpan> WidePolylineSpans(int w, int h, const std::vector<QPoint>& points, int width) {
    std::vector<RowSpan> spans;
    for (std::size_t i = 1; i < points.size(); ++i)
        ForEachCapsuleSpan(w, h, points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(),
                           width, [&](int j, int first, int last) { spans.push_back({j, first, last}); });
    // One colour: the union of the capsules is what drawing them one by one leaves.
    std::sort(spans.begin(), spans.end(), [](const RowSpan& a, const RowSpan& b) {
        return a.y != b.y ? a.y < b.y : a.x1 < b.x1;
    });
    std::vector<RowSpan> merged;
    for (const RowSpan& span : spans) {
        if (!merged.empty() && merged.back().y == span.y && span.x1 <= merged.back().x2 + 1)
            merged.back().x2 = std::max(merged.back().x2, span.x2);
        else
            merged.push_back(span);
    }
    return merged;
}

void FillSpans(QImage& image, const std::vector<RowSpan>& spans, Rgb colour) {
    const QRgb value = 0xFF000000u | colour;
    const int w = image.width(), h = image.height();
    if (w == 0 || h == 0)
        return;
    QRgb* const base = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (const RowSpan& span : spans) {
        if (span.y < 0 || span.y >= h)
            continue;
        const int first = std::max(span.x1, 0), last = std::min(span.x2, w - 1);
        if (first <= last)
            std::fill(base + qsizetype(span.y) * stride + first, base + qsizetype(span.y) * stride + last + 1,
                      value);
    }
}

void ThinLine(QImage& image, int x1, int y1, int x2, int y2, Rgb colour,
              const std::vector<int>& pattern, long long& phase) {
    const i64 dx = i64(x2) - x1, dy = i64(y2) - y1;
    const i64 steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0)
        return;
    i64 period = 0;
    for (int run : pattern)
        period += run;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    // Only the steps whose major coordinate is on the image can draw.
    const i64 major0 = xMajor ? x1 : y1;
    const i64 majorDir = xMajor ? (dx > 0 ? 1 : -1) : (dy > 0 ? 1 : -1);
    const i64 majorLimit = xMajor ? image.width() : image.height();
    i64 kFrom = 0, kTo = steps - 1;
    if (majorDir > 0) {
        kFrom = std::max<i64>(kFrom, -major0);
        kTo = std::min<i64>(kTo, majorLimit - 1 - major0);
    } else {
        kFrom = std::max<i64>(kFrom, major0 - (majorLimit - 1));
        kTo = std::min<i64>(kTo, major0);
    }
    const long long startPhase = phase;
    phase += steps;
    if (kFrom > kTo)
        return;
    const QRgb value = 0xFF000000u | colour;
    const i64 w = image.width(), h = image.height();
    QRgb* const base = reinterpret_cast<QRgb*>(image.bits());
    const i64 stride = image.bytesPerLine() / i64(sizeof(QRgb));
    // Solid horizontal and vertical lines (the grid, outlines) in one go.
    if (period == 0 && (dx == 0 || dy == 0)) {
        const i64 a = majorDir > 0 ? major0 + kFrom : major0 - kTo;
        const i64 b = majorDir > 0 ? major0 + kTo : major0 - kFrom;
        if (dy == 0) {
            if (y1 >= 0 && y1 < h)
                std::fill(base + y1 * stride + a, base + y1 * stride + b + 1, value);
        } else if (x1 >= 0 && x1 < w) {
            for (i64 y = a; y <= b; ++y)
                base[y * stride + x1] = value;
        }
        return;
    }
    const i64 minor = xMajor ? dy : dx;
    const i64 minorDir = minor >= 0 ? 1 : -1;
    const i64 minorAbs = std::llabs(minor);
    // Minor offset of step k: round(k * minor / steps), halves away from the
    // start, kept incrementally as a quotient and remainder of
    // (2 k |minor| + steps) / (2 steps).
    const i64 denominator = 2 * steps;
    // 128-bit: a line two billion pixels long starts far into its steps.
    const i128 firstNumerator = 2 * i128(kFrom) * minorAbs + steps;
    i64 quotient = i64(firstNumerator / denominator);
    i64 remainder = i64(firstNumerator % denominator);
    // Position in the dash pattern and the run it is in.
    size_t run = 0;
    i64 inRun = 0;
    bool on = true;
    if (period > 0) {
        inRun = ((startPhase + kFrom) % period + period) % period;
        while (inRun >= pattern[run]) {
            inRun -= pattern[run];
            run = (run + 1) % pattern.size();
            on = !on;
        }
    }
    for (i64 k = kFrom; k <= kTo; ++k) {
        if (on) {
            const i64 offset = minorDir * quotient;
            const i64 x = xMajor ? x1 + majorDir * k : x1 + offset;
            const i64 y = xMajor ? y1 + offset : y1 + majorDir * k;
            if (x >= 0 && y >= 0 && x < w && y < h)
                base[y * stride + x] = value;
        }
        remainder += 2 * minorAbs;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++quotient;
        }
        if (period > 0 && ++inRun >= pattern[run]) {
            inRun = 0;
            run = (run + 1) % pattern.size();
            on = !on;
        }
    }
}

std::vector<QPoint> FlattenBezier(const std::vector<QPoint>& points) {
    std::vector<QPoint> out;
    if (points.empty())
        return out;
    out.push_back(points[0]);
    for (size_t i = 0; i + 3 < points.size(); i += 3) {
        const QPointF p0 = points[i], p1 = points[i + 1], p2 = points[i + 2], p3 = points[i + 3];
        const double hull = QLineF(p0, p1).length() + QLineF(p1, p2).length() +
                            QLineF(p2, p3).length();
        // About one vertex every 3 pixels of curve, enough for integer vertices.
        const int n = int(std::clamp(std::ceil(hull / 3.0), 1.0, 4096.0));
        for (int k = 1; k <= n; ++k) {
            const double t = double(k) / n, u = 1 - t;
            const QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 +
                              t * t * t * p3;
            const QPoint q(int(std::lround(p.x())), int(std::lround(p.y())));
            if (q != out.back())
                out.push_back(q);
        }
        if (out.back() != points[i + 3])
            out.push_back(points[i + 3]);
    }
    return out;
}

}  // namespace sw::raster
