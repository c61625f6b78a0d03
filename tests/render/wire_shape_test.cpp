// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/wire_random.h"
#include "render/wire_shape.h"

#include "model/layout_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace sw {
namespace {

TEST(WireRandom, FollowsTheFixedSequence) {
    // Worked out by hand: 1 * 134775813 + 1 = 134775814; 40 * 134775814 / 2^32 = 1.26.
    WireRandom random(1);
    EXPECT_EQ(random.Next(40), 1);
    EXPECT_EQ(random.State(), 134775814u);
    // 134775814 * 134775813 + 1 mod 2^32 = 3698175007; 40 * that / 2^32 = 34.4.
    EXPECT_EQ(random.Next(40), 34);
    EXPECT_EQ(random.State(), 3698175007u);
    // A bound of 0 still advances the state.
    WireRandom zero(1);
    EXPECT_EQ(zero.Next(0), 0);
    EXPECT_EQ(zero.State(), 134775814u);
    // The state wraps modulo 2^32: 0xFFFFFFFF * 134775813 + 1 = -134775812 mod 2^32.
    WireRandom wrap(0xFFFFFFFFu);
    wrap.Next(1);
    EXPECT_EQ(wrap.State(), 4294967296u - 134775812u);
}

TEST(WireRandom, OffsetsAvoidTheSmallestValues) {
    struct Case {
        std::uint32_t seed;
        int n;
        int offset;
    } cases[] = {
        // Seed 1, n = 60: a = 40, draw 1 - 20 = -19, kept (19 >= 13).
        {1, 60, -19},
        // Seed 0: the first state is 1, draw 0 - 20 = -20.
        {0, 60, -20},
        {0, 0, 0},   // a = 0: nothing to draw
        {0, 1, 0},   // a = 0 as well
        {7, 4, 0},   // a = 2: draws 0 or 1, minus 1; |r| < 0 never recurses
    };
    for (const Case& c : cases) {
        WireRandom random(c.seed);
        const int offset = RandomOffset(random, c.n);
        if (c.n == 4)
            EXPECT_TRUE(offset == -1 || offset == 0);
        else
            EXPECT_EQ(offset, c.offset) << "seed " << c.seed << " n " << c.n;
    }
    // Over many seeds the offsets stay within -a/2 ... a/2 and never fall below a/3
    // in magnitude at the first level that keeps them.
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        WireRandom random(seed);
        const int offset = RandomOffset(random, 300);
        EXPECT_LE(std::abs(offset), 100);
    }
}

TEST(WireShape, ControlPointsForAWorkedSeed) {
    // Holes (3,2) and (6,2) on a 20-hole board: p1 (860,230), p2 (920,230), d = 60.
    // Seed 1 draws, in order: c1.x offset -19; c1.y 14; c2.x from a = 40, 26, 17,
    // 11 down to a = 7, giving -2; c2.y from a = 40, 26 to 17, giving -7.
    const WireCurve curve = WireControlPoints({860, 230}, {920, 230}, 1);
    EXPECT_EQ(curve.p1, QPoint(860, 230));
    EXPECT_EQ(curve.c1, QPoint(860 - 19 + 24, 230 + 14));
    EXPECT_EQ(curve.c2, QPoint(860 - 2 + 36, 230 - 7));
    EXPECT_EQ(curve.p2, QPoint(920, 230));
    // The same seed always gives the same curve; the ends never move.
    const WireCurve again = WireControlPoints({860, 230}, {920, 230}, 1);
    EXPECT_EQ(again.c1, curve.c1);
    EXPECT_EQ(again.c2, curve.c2);
    const WireCurve other = WireControlPoints({860, 230}, {920, 230}, 2);
    EXPECT_NE(std::make_pair(other.c1, other.c2), std::make_pair(curve.c1, curve.c2));
    EXPECT_EQ(other.p1, curve.p1);
    EXPECT_EQ(other.p2, curve.p2);
}

TEST(WireShape, SeedFromTheAttributeOrFromTheEnds) {
    pugi::xml_document xml;
    xml.load_string(
        "<Layout>"
        "<Wire Color='Red' Seed='12345' X1='1' Y1='2' X2='3' Y2='4' Name='W1'/>"
        "<Wire Color='Red' X1='1' Y1='2' X2='3' Y2='4' Name='W2'/>"
        "<Wire Color='Blue' X1='1' Y1='2' X2='3' Y2='4' Name='W3'/>"
        "<Wire Color='Red' X1='1' Y1='2' X2='3' Y2='5' Name='W4'/>"
        "<Wire Seed='junk' X1='1' Y1='2' X2='3' Y2='4' Name='W5'/>"
        "<Wire Seed='-1' X1='1' Y1='2' X2='3' Y2='4' Name='W6'/>"
        "</Layout>");
    pugi::xml_node w = xml.first_child().first_child();
    const std::uint32_t w1 = WireSeed(w), w2 = WireSeed(w = w.next_sibling());
    const std::uint32_t w3 = WireSeed(w = w.next_sibling()), w4 = WireSeed(w = w.next_sibling());
    const std::uint32_t w5 = WireSeed(w = w.next_sibling()), w6 = WireSeed(w.next_sibling());
    EXPECT_EQ(w1, 12345u);
    EXPECT_EQ(w2, w3);          // only the ends decide a missing seed
    EXPECT_NE(w2, w4);          // another end, another shape
    EXPECT_LE(w2, 2147483646u); // within the range a stored seed may take
    EXPECT_EQ(w5, w2);          // a seed that is not a number counts as missing
    EXPECT_EQ(w6, 0xFFFFFFFFu); // negative seeds wrap as 32-bit values
}

double DistanceToPolyline(double x, double y, const std::vector<QPoint>& points) {
    double best = 1e9;
    for (size_t i = 1; i < points.size(); ++i) {
        const double ax = points[i - 1].x(), ay = points[i - 1].y();
        const double dx = points[i].x() - ax, dy = points[i].y() - ay;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(x - ax - t * dx, y - ay - t * dy));
    }
    return best;
}

TEST(WireShape, FlatteningStaysWithinAPixelOfTheCurve) {
    const WireCurve curves[] = {
        {{860, 230}, {865, 244}, {894, 223}, {920, 230}},     // the worked seed above
        {{20, 20}, {400, 500}, {-300, 600}, {900, 40}},       // far stronger than any wire
        {{100, 100}, {200, 100}, {300, 100}, {400, 100}},     // straight, evenly spaced
        WireControlPoints({820, 210}, {1800, 1190}, 99),      // a board-long wire
    };
    for (const WireCurve& curve : curves) {
        const std::vector<QPoint> points = FlattenWire(curve);
        ASSERT_GE(points.size(), 2u);
        EXPECT_EQ(points.front(), curve.p1);
        EXPECT_EQ(points.back(), curve.p2);
        for (size_t i = 1; i < points.size(); ++i)
            EXPECT_NE(points[i], points[i - 1]);
        for (int k = 0; k <= 200; ++k) {
            const double t = k / 200.0, u = 1 - t;
            const double x = u * u * u * curve.p1.x() + 3 * u * u * t * curve.c1.x() + 3 * u * t * t * curve.c2.x() +
                             t * t * t * curve.p2.x();
            const double y = u * u * u * curve.p1.y() + 3 * u * u * t * curve.c1.y() + 3 * u * t * t * curve.c2.y() +
                             t * t * t * curve.p2.y();
            EXPECT_LE(DistanceToPolyline(x, y, points), 1.0) << "t = " << t;
        }
    }
    // A gentle wire needs few segments; a straight one needs one.
    EXPECT_LE(FlattenWire(curves[0]).size(), 12u);
    EXPECT_EQ(FlattenWire(curves[2]).size(), 2u);
    // A wire whose ends coincide is a single point drawn as a dot.
    EXPECT_EQ(FlattenWire({{5, 5}, {5, 5}, {5, 5}, {5, 5}}).size(), 2u);
}

}  // namespace
}  // namespace sw
