// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles, ellipses and rounded rectangles as spans per row, and the
// scan-line flood fill.

#include "render/raster_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace sw::raster {
namespace {

using i64 = long long;
using i128 = __int128;

struct Span {
    int left, right;  // inclusive
};

// Row j of the ellipse whose ink box is l ... r - 1, t ... b - 1: pixel centres
// strictly inside the ellipse through the outer edges of that box.
std::optional<Span> EllipseSpan(int l, int t, int r, int b, int j) {
    if (r <= l || b <= t || j < t || j >= b)
        return std::nullopt;
    const i64 cx2 = i64(l) + r - 1, cy2 = i64(t) + b - 1;  // doubled centre
    const i64 a2 = i64(r) - l, b2 = i64(b) - t;              // doubled semi-axes
    const i64 dy = 2 * i64(j) - cy2;
    const i128 rhs = i128(a2) * a2 * b2 * b2 - i128(dy) * dy * a2 * a2;
    if (rhs <= 0)
        return std::nullopt;
    const i128 bSq = i128(b2) * b2;
    auto inside = [&](i64 k) { return i128(k) * k * bSq < rhs; };
    // k = 2i - cx2 has the parity of cx2; find the largest such k inside.
    i64 k = i64(std::sqrt(double(rhs) / double(bSq))) + 2;
    if ((k - cx2) % 2 != 0)
        ++k;
    while (k >= 0 && !inside(k))
        k -= 2;
    if (k < 0)
        return std::nullopt;
    return Span{int((cx2 - k) / 2), int((cx2 + k) / 2)};
}

std::optional<Span> ShapeSpan(const ShapeParams& s, int j) {
    if (s.r <= s.l || s.b <= s.t || j < s.t || j >= s.b)
        return std::nullopt;
    switch (s.shape) {
    case Shape::Rectangle:
        return Span{s.l, s.r - 1};
    case Shape::Ellipse:
        return EllipseSpan(s.l, s.t, s.r, s.b, j);
    case Shape::RoundRect: {
        const int cw = std::min(s.cornerWidth, s.r - s.l);
        const int ch = std::min(s.cornerHeight, s.b - s.t);
        if (cw < 2 || ch < 2)
            return Span{s.l, s.r - 1};
        int top = s.t;
        if (2 * j > 2 * s.t + ch - 1) {  // below the centre of the top corners
            if (2 * j < 2 * (s.b - ch) + ch - 1)
                return Span{s.l, s.r - 1};
            top = s.b - ch;
        }
        const auto leftCorner = EllipseSpan(s.l, top, s.l + cw, top + ch, j);
        if (!leftCorner)
            return std::nullopt;
        const int inset = leftCorner->left - s.l;
        return Span{s.l + inset, s.r - 1 - inset};
    }
    }
    return std::nullopt;
}

ShapeParams Inset(const ShapeParams& s, int by) {
    ShapeParams inner = s;
    inner.l += by;
    inner.t += by;
    inner.r -= by;
    inner.b -= by;
    inner.cornerWidth -= 2 * by;
    inner.cornerHeight -= 2 * by;
    return inner;
}

// Inside of a 1-pixel outline: the pixels whose four neighbours are all in the
// shape, so the outline is a thin 8-connected curve.
std::optional<Span> ThinInterior(const ShapeParams& s, int j) {
    const auto here = ShapeSpan(s, j), above = ShapeSpan(s, j - 1), below = ShapeSpan(s, j + 1);
    if (!here || !above || !below)
        return std::nullopt;
    Span in{std::max({here->left + 1, above->left, below->left}),
            std::min({here->right - 1, above->right, below->right})};
    if (in.left > in.right)
        return std::nullopt;
    return in;
}

}  // namespace

void DrawShape(QImage& image, const ShapeParams& given, bool pen, int penWidth, Rgb penColour,
               bool brush, Rgb brushColour) {
    ShapeParams s = given;
    if (s.l > s.r)
        std::swap(s.l, s.r);
    if (s.t > s.b)
        std::swap(s.t, s.b);
    if (!pen) {
        // A shape without an outline covers one pixel less to the right and below.
        if (!brush)
            return;
        s.r -= 1;
        s.b -= 1;
    }
    penWidth = std::max(penWidth, 1);
    const int firstRow = std::max(s.t, 0);
    const int lastRow = std::min(s.b - 1, image.height() - 1);
    const ShapeParams inner = Inset(s, penWidth);
    for (int j = firstRow; j <= lastRow; ++j) {
        const auto outer = ShapeSpan(s, j);
        if (!outer)
            continue;
        if (!pen) {
            FillSpan(image, j, outer->left, outer->right, brushColour);
            continue;
        }
        const auto in = penWidth == 1 ? ThinInterior(s, j) : ShapeSpan(inner, j);
        if (!in) {
            FillSpan(image, j, outer->left, outer->right, penColour);
            continue;
        }
        FillSpan(image, j, outer->left, in->left - 1, penColour);
        FillSpan(image, j, in->right + 1, outer->right, penColour);
        if (brush)
            FillSpan(image, j, in->left, in->right, brushColour);
    }
}

void FloodFill(QImage& image, int x, int y, Rgb colour) {
    const int w = image.width(), h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    const QRgb fill = 0xFF000000u | colour;
    const QRgb target = reinterpret_cast<const QRgb*>(image.scanLine(y))[x] | 0xFF000000u;
    if (target == fill)
        return;
    auto matches = [&](const QRgb* row, int i) { return (row[i] | 0xFF000000u) == target; };
    // Seeds are (x, y) points; each pop fills the whole run through the seed and
    // pushes one seed per run of matching pixels on the rows above and below.
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        const auto [sx, sy] = stack.back();
        stack.pop_back();
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(sy));
        if (!matches(row, sx))
            continue;
        int left = sx, right = sx;
        while (left > 0 && matches(row, left - 1))
            --left;
        while (right < w - 1 && matches(row, right + 1))
            ++right;
        std::fill(row + left, row + right + 1, fill);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* next = reinterpret_cast<const QRgb*>(image.constScanLine(ny));
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool m = matches(next, i);
                if (m && !inRun)
                    stack.emplace_back(i, ny);
                inRun = m;
            }
        }
    }
}

}  // namespace sw::raster
