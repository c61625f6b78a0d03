// SPDX-License-Identifier: GPL-3.0-or-later
// The pick map keeps exact 24-bit keys, whatever is drawn into it.

#include "render/pick_map.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(PickMap, StartsEmptyAndKeepsExactKeys) {
    PickMap pick(40, 30);
    EXPECT_EQ(pick.KeyAt(0, 0), 0u);
    EXPECT_EQ(pick.KeyAt(39, 29), 0u);
    pick.SetKey(3, 4, 0xABCDEF);
    pick.SetKey(5, 4, 1);
    pick.SetKey(40, 0, 7);  // outside: ignored
    EXPECT_EQ(pick.KeyAt(3, 4), 0xABCDEFu);
    EXPECT_EQ(pick.KeyAt(5, 4), 1u);
    EXPECT_EQ(pick.KeyAt(-1, 4), 0u);
    EXPECT_EQ(pick.KeyAt(40, 0), 0u);
    pick.Clear();
    EXPECT_EQ(pick.KeyAt(3, 4), 0u);
}

TEST(PickMap, ShapesDrawnInKeyColoursLeaveTheirKeysWithoutBlending) {
    PickMap pick(60, 60);
    Canvas& keys = pick.Draw();
    keys.SetPen(17, 3);
    keys.Line(10, 10, 50, 40);
    keys.SetPen(18, 1);
    keys.SetBrush(18);
    keys.Ellipse(30, 30, 55, 55);
    keys.SetPen(19, 15);
    keys.Dot(10, 50, 15);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const unsigned k = pick.KeyAt(x, y);
            ASSERT_TRUE(k == 0 || k == 17 || k == 18 || k == 19) << x << "," << y << ": " << k;
        }
    EXPECT_EQ(pick.KeyAt(30, 25), 17u);
    EXPECT_EQ(pick.KeyAt(42, 42), 18u);  // the later shape covers the earlier one
    EXPECT_EQ(pick.KeyAt(10, 50), 19u);
    EXPECT_EQ(pick.KeyAt(3, 50), 19u);
    EXPECT_EQ(pick.KeyAt(2, 50), 0u);
}

}  // namespace
}  // namespace sw
