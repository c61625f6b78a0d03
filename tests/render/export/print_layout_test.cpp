// SPDX-License-Identifier: GPL-3.0-or-later
// Where pictures land on the printed page: the whole-number scale of the layout
// picture (and the fit for pictures too large for it), the true scale of the
// toner-transfer picture.

#include "render/export/print_layout.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(PrintScaleTest, LargestWholeFactorMoreThan200PixelsInsideThePage) {
    const struct {
        QSize page, picture;
        int scale;
    } cases[] = {
        {{4800, 6800}, {460, 300}, 9},   // 10 x 460 = 4600 is not less than 4800 - 200
        {{4801, 6800}, {460, 300}, 10},
        {{4800, 1100}, {460, 300}, 2},   // the height limits: 3 x 300 = 900 is not less than 900
        {{4800, 1101}, {460, 300}, 3},
        {{661, 2000}, {460, 300}, 1},
        {{660, 2000}, {460, 300}, 0},    // too wide even at scale 1
        // A4 and Letter at 600 dpi (printable area) with a 1280-wide rendered picture
        {{4760, 6779}, {1280, 600}, 3},
        {{4900, 6400}, {1280, 600}, 3},
        {{4800, 6800}, {0, 300}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntegerPrintScale(c.page, c.picture), c.scale)
            << c.page.width() << "x" << c.page.height() << " " << c.picture.width();
}

TEST(PrintScaleTest, LayoutPictureIsCentredAtItsWholeScale100PixelsFromTheTop) {
    EXPECT_EQ(LayoutPrintRect({4800, 6800}, {460, 300}), QRect((4800 - 4140) / 2, 100, 4140, 2700));
    EXPECT_EQ(LayoutPrintRect({4761, 6800}, {431, 301}), QRect((4761 - 4310) / 2, 100, 4310, 3010));
}

TEST(PrintScaleTest, PictureTooLargeForThePageIsScaledDownKeepingItsProportions) {
    // A 1280 x 1000 picture on a page 800 pixels wide: no whole scale fits.
    const QRect rect = LayoutPrintRect({800, 3000}, {1280, 1000});
    EXPECT_EQ(rect.width(), 600);   // the page less its 200-pixel border
    EXPECT_EQ(rect.height(), 468);  // 1000 x 600 / 1280, proportions kept
    EXPECT_EQ(rect.left(), 100);
    EXPECT_EQ(rect.top(), 100);
    // Limited by the height instead.
    const QRect tall = LayoutPrintRect({4000, 700}, {600, 1000});
    EXPECT_EQ(tall.height(), 500);
    EXPECT_EQ(tall.width(), 300);
    EXPECT_EQ(tall.left(), (4000 - 300) / 2);
}

TEST(PrintScaleTest, CopperPictureIsPrintedAtTrueScaleWhateverTheResolution) {
    // 20 x 10 layout: a 440 x 240 canvas, 22 tenths of an inch wide.
    const struct {
        int dpi, pageWidth;
        QRect rect;
    } cases[] = {
        {600, 4800, QRect((4800 - 1320) / 2, 100, 1320, 720)},
        {1200, 9600, QRect((9600 - 2640) / 2, 100, 2640, 1440)},
        {300, 2400, QRect((2400 - 660) / 2, 100, 660, 360)},
        {96, 794, QRect((794 - 211) / 2, 100, 211, 115)},  // 211.2 and 115.2 rounded
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopperPrintRect(c.pageWidth, {440, 240}, c.dpi), c.rect) << c.dpi;
}

// At actual size the rendered layout lands where the copper picture would, or
// nowhere when some of it would fall off the page.
TEST(PrintScaleTest, ActualSizeKeepsTwentyPixelsAHolePitchOrRefusesAPageTooSmall) {
    const struct {
        QSize page, picture;
        int dpi;
        QRect rect;  // empty: refused
    } cases[] = {
        {{9600, 13000}, {431, 300}, 1200, QRect((9600 - 2586) / 2, 100, 2586, 1800)},
        {{2400, 3300}, {1312, 1104}, 300, QRect((2400 - 1968) / 2, 100, 1968, 1656)},
        {{1900, 3300}, {1312, 1104}, 300, QRect()},  // 1968 wide on a 1900-pixel page
        {{2400, 1700}, {1312, 1104}, 300, QRect()},  // 100 + 1656 below a 1700-pixel page
        {{2400, 1757}, {1312, 1104}, 300, QRect((2400 - 1968) / 2, 100, 1968, 1656)},
        {{2400, 3300}, {0, 0}, 300, QRect()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ActualSizePrintRect(c.page, c.picture, c.dpi), c.rect) << c.page.width() << "x"
                                                                        << c.page.height();
}

}  // namespace
}  // namespace sw
