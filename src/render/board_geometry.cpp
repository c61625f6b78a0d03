// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sw {
namespace {

// Pixel positions are kept within this bound so that a layout with an absurd
// width or coordinate gives points far off the canvas instead of an overflow.
constexpr long long kFarAway = 1'000'000'000;

int Saturate(long long v) { return int(std::clamp(v, -kFarAway, kFarAway)); }

// Round to the nearest integer, halves to the even neighbour.
long long RoundEven(double v) { return (long long)std::nearbyint(v); }

// Division rounding toward minus infinity.
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Indices i from `lowest` to `highest` whose 20-pixel span starting at
// origin + 20 i overlaps 0 ... extent - 1.
TileRange Visible(long long origin, long long lowest, long long highest, long long extent) {
    const long long first = std::max(lowest, FloorDiv(-origin - 20, 20) + 1);
    const long long last = std::min(highest, FloorDiv(extent - origin - 1, 20));
    if (first > last)
        return {1, 0};
    return {int(first), int(last)};
}

}  // namespace

int BoardOriginX(int canvasWidth, int layoutWidth) {
    const double span = double(canvasWidth) - 20.0 * (double(layoutWidth) + 1.0);
    const double steps = std::clamp(std::nearbyint(span / 40.0), -double(kFarAway), double(kFarAway));
    return Saturate(20 * (long long)steps);
}

QPoint HoleCentre(int x0, int column, int row) {
    return QPoint(Saturate(x0 + 20LL * column), Saturate(190 + 20LL * row));
}

QPoint PointToHole(int x, int y, int layoutWidth) {
    const long long x0 = BoardOriginX(kBoardImageWidth, layoutWidth);
    long long column = 0;
    if (std::llabs(x0 - x) >= 10) {
        // C++ division truncates toward zero, which the second threshold corrects
        // for points left of the board.
        column = (x - 10 - x0) / 20 + 1;
        const long long threshold =
            RoundEven((double(kBoardImageWidth) - 20.0 * (double(layoutWidth) + 1.0)) / 2.0);
        if (x < threshold)
            column -= 1;
    }
    long long row = (y - 180LL) / 20;
    if (y < 180)
        row -= 1;
    return QPoint(Saturate(column), Saturate(row));
}

bool IsNearHole(int x, int y) {
    // Hole centres lie on x = 0 and y = 10 (mod 20): snap to the lattice of
    // multiples of 20 and look for a hole 10 pixels above or below the point.
    const double cx = 20.0 * RoundEven(x / 20.0);
    const double cy = 20.0 * RoundEven(y / 20.0);
    const double dx = x - cx;
    const double up = (y - 10.0) - cy;
    const double down = (y + 10.0) - cy;
    return dx * dx + up * up < 64.0 || dx * dx + down * down < 64.0;
}

TileRange VisibleTileColumns(int x0, int layoutWidth, int canvasWidth) {
    return Visible(x0, 0, layoutWidth, canvasWidth);
}

TileRange VisibleTileRows(int layoutHeight, int canvasHeight) {
    return Visible(180, 1, layoutHeight, canvasHeight);
}

QRect BoardAreaRect(int layoutWidth, int layoutHeight) {
    // Tiles: columns 0 ... Width from x0, rows 1 ... Height from 200; the row
    // labels stand left of x0 and the column labels above row 1.
    const long long x0 = BoardOriginX(kBoardImageWidth, layoutWidth);
    const long long left = x0 - kHolePitch;
    const long long right = x0 + kHolePitch * (std::max(layoutWidth, 0) + 2LL);
    const long long top = 180;
    const long long bottom = 200 + kHolePitch * (std::max(layoutHeight, 0) + 1LL);
    const QRect image(0, 0, kBoardImageWidth, kBoardImageHeight);
    const QRect area(QPoint(Saturate(left), Saturate(top)),
                     QPoint(Saturate(right - 1), Saturate(bottom - 1)));
    return area.intersected(image);
}

QString RowLabel(int row) {
    if (row < 1)
        return {};
    if (row <= 26)
        return QString(QChar(char16_t(u'a' + row - 1)));
    const long long code = row + 38LL;
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    const char32_t c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

}  // namespace sw
