// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace sw {
namespace {

TEST(BoardGeometry, BoardOrigin) {
    struct Case { int canvas, width, x0; };
    const Case cases[] = {
        {2000, 20, 800},   // (2000 - 420) / 40 = 39.5, half to even 40
        {2000, 97, 20},
        {2000, 98, 0},     // 0.5 goes to 0
        {2000, 22, 760},   // 38.5 goes to 38
        {2000, 21, 780},
        {2000, 1, 980},
        {2000, 100, 0},    // -0.5 goes to 0
        {2000, 101, -20},
        {1280, 20, 440},   // the image-export raster: 21.5 goes to 22
        {1280, 10, 520},  // 26.5 goes to 26
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoardOriginX(c.canvas, c.width), c.x0) << c.canvas << " " << c.width;
    // An absurd width gives an origin far to the left, not an overflow.
    EXPECT_LT(BoardOriginX(2000, INT_MAX), -1'000'000);
    EXPECT_GT(BoardOriginX(2000, INT_MIN), 1'000'000);
}

TEST(BoardGeometry, HoleCentre) {
    EXPECT_EQ(HoleCentre(800, 1, 1), QPoint(820, 210));
    EXPECT_EQ(HoleCentre(800, 20, 10), QPoint(1200, 390));
    EXPECT_EQ(HoleCentre(800, 0, 0), QPoint(800, 190));
    EXPECT_EQ(HoleCentre(800, -1, -2), QPoint(780, 150));
    const QPoint far = HoleCentre(0, INT_MAX, INT_MIN);
    EXPECT_GT(far.x(), 1'000'000);
    EXPECT_LT(far.y(), -1'000'000);
}

TEST(BoardGeometry, PointToHoleColumns) {
    // Width 20: x0 = 800, second threshold 790 (= x0 - 10).
    // Width 21: x0 = 780, second threshold 780 (= x0).
    // Width 22: x0 = 760, second threshold 770 (= x0 + 10).
    struct Case { int width, x, column; };
    const Case cases[] = {
        {20, 809, 0}, {20, 791, 0}, {20, 790, 0}, {20, 789, -1}, {20, 771, -1}, {20, 770, -2},
        {20, 810, 1}, {20, 820, 1}, {20, 829, 1}, {20, 830, 2},
        {20, 1190, 20}, {20, 1209, 20}, {20, 1210, 21},
        {21, 770, -1}, {21, 771, 0}, {21, 789, 0}, {21, 790, 1}, {21, 809, 1},
        {22, 751, 0}, {22, 769, 0}, {22, 770, 1}, {22, 750, -1}, {22, 789, 1}, {22, 790, 2},
        {20, 0, -40}, {20, 1999, 60},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointToHole(c.x, 300, c.width).x(), c.column)
            << "width " << c.width << " x " << c.x;
}

TEST(BoardGeometry, PointToHoleRows) {
    struct Case { int y, row; };
    const Case cases[] = {
        {200, 1}, {219, 1}, {220, 2}, {210, 1}, {399, 10}, {400, 11},
        {199, 0}, {180, 0}, {179, -1}, {161, -1}, {160, -2}, {0, -10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointToHole(900, c.y, 20).y(), c.row) << "y " << c.y;
}

TEST(BoardGeometry, IsNearHole) {
    struct Case { int x, y; bool near; };
    const Case cases[] = {
        {820, 210, true},                     // a hole centre (y halfway: rounds to even)
        {827, 210, true}, {828, 210, false},  // 7 and 8 pixels to the right
        {813, 210, true}, {812, 210, false},
        {820, 217, true}, {820, 218, false},  // below
        {820, 203, true}, {820, 202, false},  // above
        {825, 215, true}, {826, 216, false},  // diagonal: 50 and 72 squared
        {830, 220, false},                    // between four holes
        {0, 10, true}, {-20, -10, true},      // off the board, still on the lattice
        {0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNearHole(c.x, c.y), c.near) << c.x << "," << c.y;
}

TEST(BoardGeometry, VisibleTiles) {
    struct Case { int x0, width, canvas, first, last; };
    const Case cases[] = {
        {800, 20, 2000, 0, 20},
        {800, 1, 2000, 0, 1},
        {-1000, 200, 2000, 50, 149},  // tile 50 starts at 0, tile 149 at 1980
        {-1001, 200, 2000, 50, 150},  // tile 50 shows one column at the left
        {-19, 3, 2000, 0, 3},
        {-20, 3, 2000, 1, 3},
        {1990, 5, 2000, 0, 0},
        {2000, 5, 2000, 1, 0},        // entirely right of the canvas
        {800, -1, 2000, 1, 0},        // nothing to draw
    };
    for (const Case& c : cases) {
        const TileRange r = VisibleTileColumns(c.x0, c.width, c.canvas);
        if (c.first > c.last) {
            EXPECT_TRUE(r.Empty()) << c.x0 << " " << c.width;
        } else {
            EXPECT_EQ(r.first, c.first) << c.x0 << " " << c.width;
            EXPECT_EQ(r.last, c.last) << c.x0 << " " << c.width;
        }
    }
    const TileRange huge = VisibleTileColumns(BoardOriginX(2000, INT_MAX), INT_MAX, 2000);
    EXPECT_LE(huge.last - huge.first + 1, 100);

    EXPECT_EQ(VisibleTileRows(10, 1200).first, 1);
    EXPECT_EQ(VisibleTileRows(10, 1200).last, 10);
    EXPECT_EQ(VisibleTileRows(INT_MAX, 1200).last, 50);  // top 1180
    EXPECT_EQ(VisibleTileRows(INT_MAX, 1024).last, 42);  // top 1020
    EXPECT_TRUE(VisibleTileRows(0, 1200).Empty());
}

TEST(BoardGeometry, RowLabels) {
    struct Case { int row; const char* label; };
    const Case cases[] = {
        {1, "a"}, {2, "b"}, {26, "z"}, {27, "A"}, {52, "Z"}, {53, "["}, {0, ""}, {-3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowLabel(c.row), QString::fromLatin1(c.label)) << c.row;
    EXPECT_TRUE(RowLabel(INT_MAX).isEmpty());
}

}  // namespace
}  // namespace sw
