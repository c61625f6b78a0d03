// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/images/image_toolkit.h"

#include "render/blend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sw {
namespace {

Rgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Every pixel a distinct colour, so any misplaced copy shows.
QImage Pattern(int w, int h) {
    QImage image = NewComponentImage(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | MakeRgb(x, y, 7));
    return image;
}

TEST(RotateImage, TurnByZeroClearsTheTwoLeadingAndTheLastColumnsAndRows) {
    for (QSize size : {QSize(40, 40), QSize(55, 55), QSize(60, 24)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const QImage source = Pattern(size.width(), size.height());
        const QImage turned = RotateImage(source, 0);
        ASSERT_EQ(turned.size(), size);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const bool edge = x < 2 || y < 2 || x == size.width() - 1 || y == size.height() - 1;
                ASSERT_EQ(At(turned, x, y), edge ? kKeyColour : At(source, x, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(source, Pattern(size.width(), size.height())) << "the input is left unchanged";
    }
}

TEST(RotateImage, TurnsClockwiseOnScreenAboutTheHalvedCentre) {
    // One marked pixel 10 right of the centre (20, 20) of a 40 x 40 image.
    struct Case {
        double angle;
        QPoint lands;
    } cases[] = {
        {kPi / 2, {20, 30}},  {-kPi / 2, {20, 10}}, {kPi, {10, 20}},
        {3 * kPi / 2, {20, 10}}, {0, {30, 20}},
    };
    QImage source = NewComponentImage(40, 40);
    source.setPixel(30, 20, 0xFFFF0000u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const QImage turned = RotateImage(source, c.angle);
        int marked = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                marked += At(turned, x, y) == 0xFF0000 ? 1 : 0;
        EXPECT_EQ(marked, 1);
        EXPECT_EQ(At(turned, c.lands.x(), c.lands.y()), 0xFF0000u);
    }
}

// Every pixel of a slanted turn is the source pixel at the rounded point the
// turn formula gives, or the key colour where that point is not strictly
// inside; widths that are not a multiple of four exercise the column tails.
TEST(RotateImage, EveryPixelComesFromTheRoundedTurnedPoint) {
    for (QSize size : {QSize(40, 40), QSize(61, 23), QSize(170, 170), QSize(5, 9), QSize(3, 3)}) {
        const QImage source = Pattern(size.width(), size.height());
        for (double angle : {0.588, -0.3, kPi / 2, kPi, 3 * kPi / 2, 2.2, 1e-9, -kPi / 4}) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " at " << angle);
            const QImage turned = RotateImage(source, angle);
            const int w = size.width(), h = size.height(), cx = w / 2, cy = h / 2;
            const double c = std::cos(-angle), s = std::sin(-angle);
            for (int j = 0; j < h; ++j) {
                for (int i = 0; i < w; ++i) {
                    const double sx = cx + (i - cx) * c - (j - cy) * s;
                    const double sy = cy + (j - cy) * c + (i - cx) * s;
                    const bool inside = sx > 1 && sx < w - 1 && sy > 1 && sy < h - 1;
                    const Rgb want = inside ? At(source, int(std::nearbyint(sx)), int(std::nearbyint(sy)))
                                            : kKeyColour;
                    ASSERT_EQ(At(turned, i, j), want) << i << "," << j;
                }
            }
        }
    }
}

// The box holding every pixel of `colour`.
QRect InkBox(const QImage& image, Rgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(NameLabel, CentredOnTheImageAndMovedByTheOffset) {
    QImage plain = NewComponentImage(120, 120);
    QImage lifted = NewComponentImage(120, 120);
    {
        Canvas a(plain);
        DrawNameLabel(a, QStringLiteral("J1"), 10, 0);
        Canvas b(lifted);
        DrawNameLabel(b, QStringLiteral("J1"), 10, 0, QPoint(0, -2));
    }
    const QRect ink = InkBox(plain, 0);
    ASSERT_FALSE(ink.isEmpty());
    // Glyphs sit inside the measured text box, which is centred.
    EXPECT_LE(std::abs((ink.left() + ink.right()) - 119), 6);
    EXPECT_LE(std::abs((ink.top() + ink.bottom()) - 119), 6);
    EXPECT_EQ(InkBox(lifted, 0), ink.translated(0, -2));

    QImage empty = NewComponentImage(40, 40);
    {
        Canvas c(empty);
        DrawNameLabel(c, QString(), 10, 0);
    }
    EXPECT_TRUE(InkBox(empty, 0).isEmpty()) << "an empty name draws no label";
}

// "Tahoma" carries bitmap strikes whose line (13 pixels at 10 pt) is shorter
// than the outline face's (16: ascent 13, descent 3); labels are centred with
// the outline face's line, so they sit in the middle of their bodies.
TEST(NameLabel, CentredWithTheOutlineFacesAscentAndDescent) {
    struct Case { int points, ascent, descent; };
    for (const Case c : {Case{8, 11, 2}, Case{10, 13, 3}, Case{12, 16, 3}}) {
        QImage image = NewComponentImage(40, 40);
        Canvas canvas(image);
        canvas.SetFont(QStringLiteral("Tahoma"), c.points, true);
        const Canvas::FaceMetrics face = canvas.OutlineMetrics();
        EXPECT_EQ(face.ascent, c.ascent) << c.points;
        EXPECT_EQ(face.descent, c.descent) << c.points;
        DrawNameLabel(canvas, QStringLiteral("R1"), c.points, 0);
        // "R1" has no descender: its ink ends on the row above the baseline.
        const int baseline = (40 - (c.ascent + c.descent)) / 2 + c.ascent;
        EXPECT_EQ(InkBox(image, 0).bottom(), baseline - 1) << c.points;
    }
}

}  // namespace
}  // namespace sw
