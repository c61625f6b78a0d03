// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/lead_geometry.h"
#include "render/kind_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sw {

bool IsTwoLeadKind(pugi::xml_node element) {
    const KindDrawing* drawing = DrawingOf(element);
    return drawing && drawing->leads;
}

double LeadAngle(int x1, int y1, int x2, int y2) {
    if (y1 == y2)
        return x2 < x1 ? std::numbers::pi : 0.0;
    if (x1 == x2)
        return y2 > y1 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    double angle = std::atan(double(y2 - y1) / double(x2 - x1));
    if (x1 > x2)
        angle += std::numbers::pi;
    return angle;
}

int LeadLength(QPoint p1, QPoint p2, bool isLed) {
    const double dx = double(p2.x()) - p1.x();
    const double dy = double(p2.y()) - p1.y();
    // std::nearbyint rounds halves to the even neighbour in the default mode. The
    // span is capped so that leads between absurd holes of a damaged file (about
    // a billion pixels apart) stay within int; both ends are off the canvas then.
    const int span = int(std::nearbyint(std::min(std::sqrt(dx * dx + dy * dy), 2000000000.0)));
    return (span - (isLed ? 32 : 36)) / 2;
}

namespace {

int Offset(int from, double by) {
    return int(std::clamp(std::nearbyint(from + by), -2000000000.0, 2000000000.0));
}

}  // namespace

QPoint LeadEnd1(QPoint p1, double angle, int length) {
    return {Offset(p1.x(), std::nearbyint(length * std::cos(angle))),
            Offset(p1.y(), std::nearbyint(length * std::sin(angle)))};
}

QPoint LeadEnd2(QPoint p2, double angle, int length) {
    return {Offset(p2.x(), -std::nearbyint(length * std::cos(angle))),
            Offset(p2.y(), -std::nearbyint(length * std::sin(angle)))};
}

}  // namespace sw
