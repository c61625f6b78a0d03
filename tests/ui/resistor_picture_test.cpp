// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_picture.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr QRgb kBrush = 0xFFF0F0F0;

bool IsMarker(QRgb p, int* k) {
    *k = qBlue(p);
    return qRed(p) == 0 && qGreen(p) == 0 && *k >= 1 && *k <= 5;
}

// Each template carries its stripes exactly where the picture expects them, in
// the marker colour of their band, and no other pixel uses a marker colour.
TEST(ResistorPictureTest, TemplatesMarkExactlyTheStripes) {
    const QRect expected4[] = {QRect(QPoint(39, 8), QPoint(44, 53)), QRect(QPoint(59, 10), QPoint(64, 51)),
                               QRect(QPoint(77, 10), QPoint(82, 51)), QRect(QPoint(117, 7), QPoint(122, 54))};
    const QRect expected5[] = {expected4[0], expected4[1], expected4[2],
                               QRect(QPoint(96, 10), QPoint(101, 51)), expected4[3]};
    for (BandMode mode : {BandMode::Four, BandMode::Five}) {
        const QImage image = MakeResistorTemplate(mode);
        ASSERT_EQ(image.size(), QSize(160, 64));
        const int count = BandCount(mode);
        for (int band = 0; band < count; ++band)
            EXPECT_EQ(BandStripe(mode, band), mode == BandMode::Four ? expected4[band] : expected5[band]);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 160; ++x) {
                int k = 0;
                const bool marker = IsMarker(image.pixel(x, y), &k);
                int inside = 0;
                for (int band = 0; band < count; ++band)
                    if (BandStripe(mode, band).contains(x, y)) inside = band + 1;
                ASSERT_EQ(marker ? k : 0, inside) << x << "," << y;
            }
        EXPECT_EQ(image.pixel(1, 1), 0xFFFF00FFu);
        EXPECT_EQ(image.pixel(1, 63), 0xFFFF00FFu);
        EXPECT_EQ(image.pixel(5, 31), 0xFF000000u);  // the lead wire
    }
}

TEST(ResistorPictureTest, PictureFillsTheBackgroundAndColoursTheBands) {
    const BandCodes bands{4, 7, 2, kGold, 0};
    const QImage picture = MakeResistorPicture(BandMode::Four, bands, kBrush);
    EXPECT_EQ(picture.pixel(1, 1), kBrush);
    EXPECT_EQ(picture.pixel(159, 0), kBrush);
    EXPECT_EQ(picture.pixel(1, 63), kBrush);
    EXPECT_EQ(picture.pixel(150, 60), kBrush);
    EXPECT_EQ(picture.pixel(41, 20), qRgb(255, 255, 0));   // Yellow
    EXPECT_EQ(picture.pixel(61, 40), qRgb(128, 0, 128));   // Violet
    EXPECT_EQ(picture.pixel(80, 10), qRgb(255, 0, 0));     // Red
    EXPECT_EQ(picture.pixel(120, 54), qRgb(255, 204, 0));  // Gold
    // No magenta is left and the body is untouched.
    int magenta = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 160; ++x) magenta += picture.pixel(x, y) == 0xFFFF00FFu;
    EXPECT_EQ(magenta, 0);
    EXPECT_EQ(picture.pixel(90, 20), MakeResistorTemplate(BandMode::Four).pixel(90, 20));
}

TEST(ResistorPictureTest, FiveBandPictureColoursTheFifthStripe) {
    const BandCodes bands{1, 0, 0, 1, 6};
    const QImage picture = MakeResistorPicture(BandMode::Five, bands, kBrush);
    EXPECT_EQ(picture.pixel(98, 30), qRgb(117, 76, 36));  // band 4 Brown
    EXPECT_EQ(picture.pixel(120, 30), qRgb(0, 0, 255));   // band 5 Blue
}

TEST(ResistorPictureTest, ShownTransparentlyOnItsBottomLeftColour) {
    const QImage shown =
        KeyedOnBottomLeft(MakeResistorPicture(BandMode::Four, BandCodes{}, kBrush));
    EXPECT_EQ(qAlpha(shown.pixel(0, 63)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(90, 20)), 255);
    EXPECT_EQ(qAlpha(shown.pixel(5, 31)), 255);
}

}  // namespace
}  // namespace sw
