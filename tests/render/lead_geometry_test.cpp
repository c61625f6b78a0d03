// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/lead_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace sw {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(LeadGeometry, AngleFollowsTheSpanDirection) {
    struct Case {
        int x1, y1, x2, y2;
        double angle;
    } cases[] = {
        {820, 230, 900, 230, 0.0},           // row, rightward
        {900, 230, 820, 230, kPi},           // row, leftward
        {820, 230, 820, 230, 0.0},           // same point counts as a row
        {820, 230, 820, 290, kPi / 2},       // column, downward
        {820, 290, 820, 230, -kPi / 2},      // column, upward
        {820, 230, 880, 290, kPi / 4},       // diagonal down-right
        {880, 290, 820, 230, kPi / 4 + kPi}, // diagonal up-left: arctan plus pi
        {820, 290, 880, 230, -kPi / 4},      // diagonal up-right
        {880, 230, 820, 290, 3 * kPi / 4},   // diagonal down-left: -pi/4 + pi
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
        EXPECT_DOUBLE_EQ(LeadAngle(c.x1, c.y1, c.x2, c.y2), c.angle);
    }
}

TEST(LeadGeometry, LengthIsTheUncoveredSpanSplitBetweenTheEnds) {
    struct Case {
        QPoint p1, p2;
        bool led;
        int length;
    } cases[] = {
        {{860, 250}, {940, 250}, false, 22},  // resistor over four pitches
        {{860, 250}, {940, 250}, true, 24},   // a Led's body is 4 pixels shorter
        {{860, 250}, {880, 250}, false, -8},  // adjacent holes: leads point outward
        {{860, 250}, {880, 250}, true, -6},
        {{860, 250}, {895, 250}, false, 0},   // (35 - 36) / 2 truncates toward zero
        {{860, 250}, {860, 190}, false, 12},  // a column, upward
        {{820, 230}, {880, 250}, false, 13},  // |(60, 20)| = 63.2 rounds to 63
        {{0, 0}, {50, 5}, false, 7},          // 50.25 rounds down to 50
        {{0, 0}, {0, 0}, true, -16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p1.x() << "," << c.p1.y() << " -> " << c.p2.x() << ","
                                        << c.p2.y() << (c.led ? " led" : ""));
        EXPECT_EQ(LeadLength(c.p1, c.p2, c.led), c.length);
    }
}

TEST(LeadGeometry, LeadEndsMeetTheBodyFromBothSides) {
    struct Case {
        QPoint p1, p2;
        int length;
        QPoint end1, end2;
    } cases[] = {
        {{860, 250}, {940, 250}, 22, {882, 250}, {918, 250}},
        {{940, 250}, {860, 250}, 22, {918, 250}, {882, 250}},
        {{860, 250}, {880, 250}, -8, {852, 250}, {888, 250}},  // outward on a short span
        {{860, 230}, {860, 310}, 22, {860, 252}, {860, 288}},
        {{860, 310}, {860, 230}, 22, {860, 288}, {860, 252}},
        {{820, 230}, {880, 290}, 24, {837, 247}, {863, 273}},  // 24 cos(pi/4) = 16.97
    };
    for (const Case& c : cases) {
        const double angle = LeadAngle(c.p1, c.p2);
        EXPECT_EQ(LeadEnd1(c.p1, angle, c.length), c.end1);
        EXPECT_EQ(LeadEnd2(c.p2, angle, c.length), c.end2);
    }
}

}  // namespace
}  // namespace sw
