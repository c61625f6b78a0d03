// SPDX-License-Identifier: GPL-3.0-or-later
// The rendered picture: content box, minimum width, margins, footer and logo.

#include "model/layout_document.h"
#include "model/web_addresses.h"
#include "render/canvas.h"
#include "render/export/logo.h"
#include "render/export/render_to_image.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr QRgb kFooterGrey = 0xFFC0C0C0u;

QImage WorkWith(QRect black) {
    QImage work = MakeRaster(kWorkCanvasWidth, kWorkCanvasHeight);
    for (int y = black.top(); y <= black.bottom(); ++y)
        for (int x = black.left(); x <= black.right(); ++x)
            work.setPixel(x, y, qRgb(0, 0, 0));
    return work;
}

bool BlockEquals(const QImage& image, int left, int top, const QImage& block) {
    for (int y = 0; y < block.height(); ++y)
        for (int x = 0; x < block.width(); ++x)
            if (image.pixel(left + x, top + y) != block.pixel(x, y))
                return false;
    return true;
}

int CountColour(const QImage& image, QRect area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST(ContentBoxTest, EdgesAreTheFirstProbesEveryTenthLineThatHitContent) {
    const struct {
        QRect black;
        ContentEdges box;
    } cases[] = {
        {QRect(QPoint(300, 200), QPoint(500, 260)), {300, 200, 499, 253}},
        {QRect(QPoint(305, 205), QPoint(515, 215)), {310, 210, 509, 213}},
        {QRect(QPoint(0, 0), QPoint(1279, 1023)), {0, 0, 1279, 1023}},
        // Between two probes in one direction: the whole canvas that way.
        {QRect(QPoint(301, 200), QPoint(308, 400)), {0, 200, 1279, 393}},
    };
    for (const auto& c : cases) {
        const ContentEdges box = ContentBox(WorkWith(c.black));
        EXPECT_EQ(box.left, c.box.left);
        EXPECT_EQ(box.top, c.box.top);
        EXPECT_EQ(box.right, c.box.right);
        EXPECT_EQ(box.bottom, c.box.bottom);
    }
    const ContentEdges blank = ContentBox(MakeRaster(kWorkCanvasWidth, kWorkCanvasHeight));
    EXPECT_EQ(blank.left, 0);
    EXPECT_EQ(blank.right, 1279);
    EXPECT_EQ(blank.bottom, 1023);
}

TEST(CropAndStampTest, NarrowContentIsWidenedToA431PixelPicture) {
    const QImage work = WorkWith(QRect(QPoint(300, 200), QPoint(500, 260)));
    const ContentEdges box = ContentBox(work);
    ASSERT_EQ(box.right - box.left, 199);  // odd, as every probed box is
    const QImage result = CropAndStamp(work, box);
    EXPECT_EQ(result.width(), 431);
    EXPECT_EQ(result.height(), 253 - 200 + 80);
    // Widened by 100 on each side, then the 16-pixel margin: x = 300 lands at 116.
    EXPECT_EQ(result.pixel(116, 16), qRgb(0, 0, 0));
    EXPECT_EQ(result.pixel(115, 16), qRgb(255, 255, 255));
    EXPECT_EQ(result.pixel(116, 15), qRgb(255, 255, 255));
}

TEST(CropAndStampTest, WideContentKeepsItsBoxWithMarginsAndWhiteBeyondTheCanvas) {
    const QImage work = WorkWith(QRect(QPoint(0, 0), QPoint(1279, 1023)));
    const QImage result = CropAndStamp(work, ContentBox(work));
    ASSERT_EQ(result.size(), QSize(1279 + 32, 1023 + 80));
    EXPECT_EQ(result.pixel(15, 15), qRgb(255, 255, 255));  // left of and above the canvas
    EXPECT_EQ(result.pixel(16, 16), qRgb(0, 0, 0));
    EXPECT_EQ(result.pixel(1295, 1039), qRgb(0, 0, 0));
    EXPECT_EQ(result.pixel(1296, 1039), qRgb(255, 255, 255));
}

TEST(CropAndStampTest, FooterAddressAndLogoSitInTheBottomCorner) {
    const QImage work = WorkWith(QRect(QPoint(100, 100), QPoint(900, 500)));
    const QImage result = CropAndStamp(work, ContentBox(work));
    const int w = result.width(), h = result.height();
    EXPECT_TRUE(BlockEquals(result, w - 38, h - 36, Logo()));
    // The address line: grey text centred, its top at height - 16.
    const QRect addressRow(0, h - 16, w - 40, 14);
    EXPECT_GT(CountColour(result, addressRow, kFooterGrey), 40);
    // Centred: as much grey left of the middle as right of it, give or take a glyph.
    const int leftGrey = CountColour(result, QRect(0, h - 16, w / 2, 14), kFooterGrey);
    const int rightGrey = CountColour(result, QRect(w / 2, h - 16, w - 40 - w / 2, 14), kFooterGrey);
    EXPECT_NEAR(leftGrey, rightGrey, 40);
    // The stamp line above it is empty text: nothing but white left of the logo.
    EXPECT_EQ(CountColour(result, QRect(0, h - 32, w - 40, 16), 0xFFFFFFFFu), (w - 40) * 16);
    EXPECT_FALSE(web::HomePage().isEmpty());
}

TEST(LogoTest, ThirtyTwoSquareInWhiteAndGreyOnly) {
    const QImage logo = Logo();
    ASSERT_EQ(logo.size(), QSize(32, 32));
    const int grey = CountColour(logo, logo.rect(), 0xFFB4B4B4u);
    const int white = CountColour(logo, logo.rect(), 0xFFFFFFFFu);
    EXPECT_EQ(grey + white, 32 * 32);
    EXPECT_GT(grey, 100);
}

LayoutDocument Layout(const std::string& xml) {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadText(xml).ok) << xml;
    return doc;
}

TEST(RenderToImageTest, NarrowPcbGivesA431PixelPictureWithFooterAndLogo) {
    const LayoutDocument doc = Layout(
        "<Layout Type=\"PCB\" Width=\"5\" Height=\"3\" Project=\"\" Credits=\"\" HideList=\"True\">"
        "<Pad X1=\"2\" Y1=\"2\" Value=\"15\" Name=\"P1\"/></Layout>");
    const QImage picture = RenderToImage(doc);
    EXPECT_EQ(picture.width(), 431);
    EXPECT_TRUE(BlockEquals(picture, picture.width() - 38, picture.height() - 36, Logo()));
    EXPECT_GT(CountColour(picture, QRect(0, picture.height() - 16, picture.width() - 40, 14),
                          kFooterGrey),
              40);
}

TEST(RenderToImageTest, WideLayoutIsCroppedToItsContentWithSixteenPixelMargins) {
    const LayoutDocument doc = Layout(
        "<Layout Type=\"PCB\" Width=\"40\" Height=\"12\" Project=\"Wide\" Credits=\"\" "
        "HideList=\"True\"/>");
    const QImage picture = RenderToImage(doc);
    // The outline runs from x = 250 to 1050 on the 1280 canvas (x0 = 240): the
    // probes find 250 and 1049, so the picture is 799 + 32 pixels wide.
    EXPECT_EQ(picture.width(), 1049 - 250 + 32);
    // Nothing but white in the margins left of and above the content.
    EXPECT_EQ(CountColour(picture, QRect(0, 0, 16, picture.height() - 64), 0xFFFFFFFFu),
              16 * (picture.height() - 64));
    EXPECT_EQ(CountColour(picture, QRect(0, 0, picture.width(), 8), 0xFFFFFFFFu),
              8 * picture.width());
}

}  // namespace
}  // namespace sw
