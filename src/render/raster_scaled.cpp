// SPDX-License-Identifier: GPL-3.0-or-later
// The 1-pixel line of a canvas drawn at a whole scale: the band of device
// pixels that the enlarged line covers, cut straight along its length instead
// of in steps of whole enlarged pixels.

#include "render/raster_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sw::raster {
namespace {

using i64 = long long;

// Whether logical step k of the line is inked by the pattern at `phase`.
bool PatternOn(const std::vector<int>& pattern, i64 period, long long phase, i64 k) {
    if (period == 0)
        return true;
    i64 at = ((phase + k) % period + period) % period;
    for (std::size_t run = 0; run < pattern.size(); ++run) {
        if (at < pattern[run])
            return run % 2 == 0;
        at -= pattern[run];
    }
    return true;
}

}  // namespace

void ScaledThinLine(QImage& image, int scale, int x1, int y1, int x2, int y2, Rgb colour,
                    const std::vector<int>& pattern, long long& phase) {
    const i64 dx = i64(x2) - x1, dy = i64(y2) - y1;
    const i64 steps = std::max(std::llabs(dx), std::llabs(dy));
    const long long startPhase = phase;
    phase += steps;
    if (steps == 0 || scale < 1)
        return;
    i64 period = 0;
    for (int run : pattern)
        period += run;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    // Major and minor coordinates of the start, in device pixels of the left
    // (top) edge of the start's enlarged pixel; the line runs through the
    // centres of the enlarged pixels of its ends.
    const i64 major0 = i64(xMajor ? x1 : y1) * scale;
    const i64 minor0 = i64(xMajor ? y1 : x1) * scale;
    const i64 majorSteps = xMajor ? dx : dy;
    const double slope = double(xMajor ? dy : dx) / double(majorSteps);
    const i64 dir = majorSteps > 0 ? 1 : -1;
    // Device pixels along the major axis covered by logical steps 0 ... steps - 1.
    i64 first = dir > 0 ? major0 : major0 - (steps - 1) * scale;
    i64 last = dir > 0 ? major0 + steps * scale - 1 : major0 + scale - 1;
    const i64 majorLimit = xMajor ? image.width() : image.height();
    const i64 minorLimit = xMajor ? image.height() : image.width();
    // A line whose band lies wholly beside the raster draws nothing.
    const i64 minor1 = i64(xMajor ? y2 : x2) * scale;
    if (std::max(minor0, minor1) + scale <= 0 || std::min(minor0, minor1) >= (xMajor ? image.height() : image.width()))
        return;
    first = std::max<i64>(first, 0);
    last = std::min<i64>(last, majorLimit - 1);
    if (first > last)
        return;
    const QRgb value = 0xFF000000u | colour;
    QRgb* const base = reinterpret_cast<QRgb*>(image.bits());
    const i64 stride = image.bytesPerLine() / i64(sizeof(QRgb));
    const double half = scale / 2.0;
    const double centre0 = double(minor0) + half;  // the start's centre, minor axis
    const double majorCentre0 = double(major0) + half;
    for (i64 m = first; m <= last; ++m) {
        const i64 k = dir > 0 ? (m - major0) / scale : (major0 + scale - 1 - m) / scale;
        if (!PatternOn(pattern, period, startPhase, k))
            continue;
        // The line's minor position at this device column's centre; the band
        // takes the `scale` pixels whose centres lie within half an enlarged
        // pixel of it.
        const double centre = centre0 + (double(m) + 0.5 - majorCentre0) * slope;
        const i64 lo = std::max<i64>(i64(std::ceil(centre - half - 0.5)), 0);
        const i64 hi = std::min<i64>(lo + scale - 1, minorLimit - 1);
        for (i64 n = lo; n <= hi; ++n) {
            if (xMajor)
                base[n * stride + m] = value;
            else
                base[m * stride + n] = value;
        }
    }
}

}  // namespace sw::raster
