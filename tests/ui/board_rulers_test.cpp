// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_rulers.h"

#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// A 90 x 50 stripboard at 100 %: x0 = 80 (4.5 rounds to even), column n at
// 80 + 20 n, row r at 190 + 20 r, column numbers from y 188, row letters ending
// at x 80.
TEST(BoardRulers, StripsShowOnlyOnceThePicturesOwnRulersLeaveTheView) {
    const RulerSource big{90, 50, QStringLiteral("Stripboard"), 1.0};
    const QSize view(1000, 700);
    const struct {
        QPoint origin;  // the board image's corner in the view
        bool columns, rows;
        const char* firstColumn;  // the first column label in view, or null
        double firstColumnAt;
        const char* firstRow;
        double firstRowAt;
    } cases[] = {
        {{0, 0}, false, false, nullptr, 0, nullptr, 0},              // top-left: the picture's own
        {{0, -188}, false, false, nullptr, 0, nullptr, 0},           // the numbers' top just in view
        {{0, -189}, true, false, "1", 100, nullptr, 0},              // ... just out of it
        {{-73, 0}, false, true, nullptr, 0, "a", 210},               // the letters cut at the left
        {{-600, -400}, true, true, "27", 20, "l", 30},               // both; past the strips' corner
        {{0, -1300}, false, false, nullptr, 0, nullptr, 0},          // the board above the view
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.origin.x() << "," << c.origin.y());
        const StickyRulers rulers = StickyRulersFor(big, c.origin, view);
        EXPECT_EQ(rulers.columns, c.columns);
        EXPECT_EQ(rulers.rows, c.rows);
        if (c.firstColumn) {
            ASSERT_FALSE(rulers.columnLabels.empty());
            EXPECT_EQ(rulers.columnLabels.front().text, QLatin1String(c.firstColumn));
            EXPECT_DOUBLE_EQ(rulers.columnLabels.front().at, c.firstColumnAt);
            EXPECT_GE(rulers.columnLabels.front().at, c.rows ? kRulerStripWidth : 0);
            EXPECT_LT(rulers.columnLabels.back().at, view.width());
        }
        if (c.firstRow) {
            ASSERT_FALSE(rulers.rowLabels.empty());
            EXPECT_EQ(rulers.rowLabels.front().text, QLatin1String(c.firstRow));
            EXPECT_DOUBLE_EQ(rulers.rowLabels.front().at, c.firstRowAt);
            EXPECT_LT(rulers.rowLabels.back().at, view.height());
        }
    }
    // At 200 % the pitch doubles; an absurd width costs only the labels in view.
    const StickyRulers zoomed = StickyRulersFor({90, 50, "PCB", 2.0}, {-400, -400}, view);
    ASSERT_TRUE(zoomed.columns);
    EXPECT_DOUBLE_EQ(zoomed.columnLabels[1].at - zoomed.columnLabels[0].at, 40.0);
    const StickyRulers vast = StickyRulersFor({2000000000, 50, "PCB", 1.0}, {0, -400}, view);
    EXPECT_LE(vast.columnLabels.size(), 51u);
    EXPECT_TRUE(StickyRulersFor({0, 0, "PCB", 1.0}, {-500, -500}, view).columnLabels.empty());
}

TEST(BoardRulers, ABoardWiderThanTheViewOpensAtItsLeftEdge) {
    const struct {
        int width;
        double factor;
        int visible;
        int scroll;
    } cases[] = {
        {20, 1.0, 1100, 2000 / 2 - 1100 / 2},  // fits: the middle, as ever
        {90, 1.0, 1100, 60},                   // x0 80, less a pitch for the letters
        {90, 2.0, 1100, 120},
        {98, 1.0, 1100, 0},                    // x0 0: the image's own edge
        {90, 0.5, 1100, 0},                    // fits again at 50 % (no range to scroll)
    };
    for (const auto& c : cases) {
        const int shown = int(kBoardImageWidth * c.factor);
        EXPECT_EQ(CentreViewScroll(BoardAreaRect(c.width, 10), c.factor, shown, c.visible), c.scroll)
            << c.width << " at " << c.factor;
    }
}

}  // namespace
}  // namespace sw
