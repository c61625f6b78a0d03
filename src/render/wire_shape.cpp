// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/wire_shape.h"

#include "model/layout_document.h"
#include "render/wire_random.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

// Wires between absurd holes (a damaged file) have ends about a billion pixels
// out; their lengths and control points are kept within int here, which changes
// nothing for any wire that can reach the canvas.
constexpr double kFarthest = 2000000000.0;
int Clamped(double v) { return RoundHalfEven(std::clamp(v, -kFarthest, kFarthest)); }

}  // namespace

WireCurve WireControlPoints(QPoint p1, QPoint p2, std::uint32_t seed) {
    WireRandom random(seed);
    const double dx = p1.x() - p2.x();
    const double dy = p1.y() - p2.y();
    const int d = Clamped(std::sqrt(dx * dx + dy * dy));
    const double spanX = double(p2.x()) - p1.x();
    const double spanY = double(p2.y()) - p1.y();
    WireCurve curve{p1, {}, {}, p2};
    // Each coordinate is one statement so the draws happen in this exact order.
    int offset = RandomOffset(random, d);
    curve.c1.setX(Clamped(double(p1.x()) + offset + RoundHalfEven(spanX * 0.4)));
    offset = RandomOffset(random, d);
    curve.c1.setY(Clamped(double(p1.y()) + offset + RoundHalfEven(spanY * 0.4)));
    offset = RandomOffset(random, d);
    curve.c2.setX(Clamped(double(p1.x()) + offset + RoundHalfEven(spanX * 0.6)));
    offset = RandomOffset(random, d);
    curve.c2.setY(Clamped(double(p1.y()) + offset + RoundHalfEven(spanY * 0.6)));
    return curve;
}

std::uint32_t WireSeed(pugi::xml_node wire) {
    if (std::optional<int> seed = ParseInt(wire.attribute("Seed").as_string(nullptr)))
        return std::uint32_t(*seed);
    // FNV-1a over the four hole coordinates, folded into the range a stored
    // seed may take (0 ... 2147483646).
    std::uint32_t hash = 2166136261u;
    for (const char* attr : {"X1", "Y1", "X2", "Y2"}) {
        for (const unsigned char c : std::string(wire.attribute(attr).as_string()) + ';') {
            hash ^= c;
            hash *= 16777619u;
        }
    }
    return hash % 2147483647u;
}

std::vector<QPoint> FlattenWire(const WireCurve& curve) {
    // Uniform steps in t: a chord over a parameter step h strays at most
    // h^2 / 8 * max|B''| from the curve, and |B''| <= 6 L with L the larger second
    // difference of the control points. n = ceil(sqrt(3 L / (4 tol))) steps keep
    // that within tol = 0.5 pixel, below the rounding to whole pixels; a gently
    // bent wire needs only a dozen or two segments whatever its length.
    auto secondDifference = [](QPoint a, QPoint b, QPoint c) {
        return std::hypot(double(a.x()) - 2.0 * b.x() + c.x(), double(a.y()) - 2.0 * b.y() + c.y());
    };
    const double bend = std::max(secondDifference(curve.p1, curve.c1, curve.c2),
                                 secondDifference(curve.c1, curve.c2, curve.p2));
    constexpr double kTolerance = 0.5;
    const int steps = std::clamp(int(std::ceil(std::sqrt(3.0 * bend / (4.0 * kTolerance)))), 1, 1000);
    std::vector<QPoint> points;
    points.reserve(steps + 1);
    points.push_back(curve.p1);
    for (int i = 1; i < steps; ++i) {
        const double t = double(i) / steps;
        const double u = 1.0 - t;
        const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
        const QPoint p(RoundHalfEven(b0 * curve.p1.x() + b1 * curve.c1.x() + b2 * curve.c2.x() + b3 * curve.p2.x()),
                       RoundHalfEven(b0 * curve.p1.y() + b1 * curve.c1.y() + b2 * curve.c2.y() + b3 * curve.p2.y()));
        if (p != points.back())
            points.push_back(p);
    }
    if (curve.p2 != points.back() || points.size() == 1)
        points.push_back(curve.p2);
    return points;
}

}  // namespace sw
