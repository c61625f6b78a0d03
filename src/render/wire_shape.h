// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of a `Wire`: a cubic Bezier curve from hole to hole whose two control
// points are pushed off the straight line by seeded random offsets, and its
// flattening into a polyline for the canvas's wide-line rasteriser.

#include <QPoint>
#include <cstdint>
#include <pugixml.hpp>
#include <vector>

namespace sw {

struct WireCurve {
    QPoint p1, c1, c2, p2;
};

// The control points for ends p1 and p2 with the given seed. d = |p1 p2| rounded;
// the four offsets are drawn in the order c1.x, c1.y, c2.x, c2.y, and added to
// the points at 0.4 and 0.6 of the way from p1 to p2.
WireCurve WireControlPoints(QPoint p1, QPoint p2, std::uint32_t seed);

// The seed of a wire: its `Seed` attribute when that is an integer; otherwise a
// value derived from its hole coordinates (X1, Y1, X2, Y2), so a wire without a
// seed keeps its shape for as long as it is not moved, in every run, on screen
// and in exported images alike.
std::uint32_t WireSeed(pugi::xml_node wire);

// The curve as a polyline that stays within a pixel of it, first and last point
// exactly on p1 and p2; the number of points follows the bend, not the length.
std::vector<QPoint> FlattenWire(const WireCurve& curve);

}  // namespace sw
