// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/images/component_images.h"

#include "render/blend.h"
#include "render/images/image_toolkit.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace sw {
namespace {

constexpr Rgb kBlack = 0;
constexpr Rgb kWhite = 0xFFFFFF;

Rgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QRect InkBox(const QImage& image, Rgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool AllKey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != kKeyColour)
                return false;
    return true;
}

TEST(ComponentImages, EveryBuilderGivesItsSizeBodyAndLabel) {
    struct Case {
        const char* kind;
        std::function<QImage(const QString&)> build;
        QSize size;
        bool bodyWithoutName;
    } cases[] = {
        {"Resistor", [](const QString& n) { return MakeResistorImage(n, 0); }, {40, 40}, true},
        {"Capacitor", [](const QString& n) { return MakeCapacitorImage(n, kPi / 2); }, {40, 40}, true},
        {"Diode", [](const QString& n) { return MakeDiodeImage(n, kPi); }, {40, 40}, true},
        {"Led", [](const QString& n) { return MakeLedImage(n, 0.588); }, {40, 40}, true},
        {"Electrolyte", [](const QString& n) { return MakeElectrolyteImage(n, "Large", 0); }, {60, 60}, true},
        {"Electrolyte ?", [](const QString& n) { return MakeElectrolyteImage(n, "Huge", 0); }, {60, 60}, false},
        {"IC", [](const QString& n) { return MakeICImage(3, 2, 4, 5, n); }, {40, 80}, true},
        {"IC in a row", [](const QString& n) { return MakeICImage(1, 1, 5, 1, n); }, {100, 20}, false},
        {"Relay", [](const QString& n) { return MakeRelayImage(5, 5, 1, 1, n); }, {100, 100}, true},
        {"Switch", [](const QString& n) { return MakeSwitchImage(1, 1, 2, 3, n); }, {40, 60}, true},
        {"Transformer", [](const QString& n) { return MakeTransformerImage(1, 1, 5, 4, n); }, {100, 80}, true},
        {"LineIC", [](const QString& n) { return MakeLineICImage(1, 1, 8, 1, n); }, {160, 160}, true},
        {"Transistor", [](const QString& n) { return MakeTransistorImage(n, kPi); }, {55, 55}, true},
        {"Trimmer 4", [](const QString& n) { return MakeTrimmerImage(n, 4, kPi / 2); }, {100, 100}, true},
        {"Trimmer 0", [](const QString& n) { return MakeTrimmerImage(n, 0, 0); }, {100, 100}, false},
        {"Pot", [](const QString& n) { return MakePotImage(n, 3 * kPi / 2); }, {120, 120}, true},
        {"Jack", [](const QString& n) { return MakeJackImage(n, true, kPi); }, {120, 120}, true},
        {"Tube", [](const QString& n) { return MakeTubeImage(n, "Octal", 0); }, {170, 170}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const QImage named = c.build(QStringLiteral("X1"));
        const QImage unnamed = c.build(QString());
        ASSERT_EQ(named.size(), c.size);
        EXPECT_FALSE(AllKey(named));
        EXPECT_NE(named, unnamed) << "the label is drawn";
        EXPECT_EQ(AllKey(unnamed), !c.bodyWithoutName);
    }
}

TEST(ComponentImages, TwoLeadLabelsShrinkForLongNames) {
    struct Case {
        std::function<QImage(const QString&)> build;
        const char* fits;  // the longest name drawn at 10 pt
        const char* shrinks;
    } cases[] = {
        {[](const QString& n) { return MakeResistorImage(n, 0); }, "RRR", "RRRR"},
        {[](const QString& n) { return MakeDiodeImage(n, 0); }, "DDD", "DDDD"},
        {[](const QString& n) { return MakeLedImage(n, 0); }, "DD", "DDD"},
        {[](const QString& n) { return MakeElectrolyteImage(n, "Medium", 0); }, "CC", "CCC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fits);
        const int tall = InkBox(c.build(c.fits), kBlack).height();
        const int small = InkBox(c.build(c.shrinks), kBlack).height();
        EXPECT_GT(tall, small);
    }
}

TEST(ComponentImages, LengthwiseLabelsStayUprightOnlyWhenPointingLeft) {
    const QRect right = InkBox(MakeResistorImage("R1", 0), kBlack);
    EXPECT_EQ(InkBox(MakeResistorImage("R1", kPi), kBlack), right);
    const QRect down = InkBox(MakeResistorImage("R1", kPi / 2), kBlack);
    EXPECT_GT(down.height(), down.width()) << "a vertical body carries a turned label";
    // The cathode band is at the end towards hole 2.
    EXPECT_EQ(At(MakeDiodeImage("", 0), 32, 20), 0xFF0000u);
    EXPECT_EQ(At(MakeDiodeImage("", kPi), 8, 20), 0xFF0000u);
}

TEST(ComponentImages, ElectrolyteCanIsGreyBeyondTheStripe) {
    const Rgb can = MakeRgb(255, 232, 255);
    const Rgb grey = MakeRgb(192, 192, 192);
    for (auto [size, fillX] : {std::pair{"Small", 40}, {"Medium", 43}, {"Large", 53}}) {
        SCOPED_TRACE(size);
        const QImage image = MakeElectrolyteImage("", size, 0);
        EXPECT_EQ(At(image, fillX, 30), grey);
        EXPECT_EQ(At(image, 30, 30), can);
    }
}

TEST(ComponentImages, DualInLinePinsFollowTheCornerOfPinOne) {
    const Rgb markGrey = MakeRgb(128, 128, 128);
    // Case A: pins in the side columns, the mark right of the top-left pin.
    const QImage a = MakeICImage(3, 2, 4, 5, "");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(At(a, 9, 20 * k + 10), kBlack);
        EXPECT_EQ(At(a, 29, 20 * k + 10), kBlack);
    }
    EXPECT_EQ(At(a, 20, 10), markGrey);
    // Case B, same holes: pins along the top and bottom rows.
    const QImage b = MakeICImage(4, 2, 3, 5, "");
    for (int x : {10, 30}) {
        EXPECT_EQ(At(b, x, 9), kBlack);
        EXPECT_EQ(At(b, x, 69), kBlack);
    }
    EXPECT_EQ(At(b, 9, 30), MakeRgb(192, 192, 192)) << "no side pins in case B";
    // A relay with hole 1 at the bottom right has its stripe along the bottom row.
    const QImage c = MakeRelayImage(4, 5, 1, 2, "");
    EXPECT_EQ(At(c, 40, 70), kWhite);
    EXPECT_NE(At(c, 40, 10), kWhite);
}

TEST(ComponentImages, SwitchLugsOnEveryHoleAndLabelOffTheMiddleLug) {
    struct Case {
        int x1, y1, x2, y2;
        QPoint shift;
    } cases[] = {{1, 1, 2, 3, {0, 10}}, {1, 1, 3, 1, {10, 0}}, {1, 1, 2, 2, {0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x2 << "," << c.y2);
        const QImage image = MakeSwitchImage(c.x1, c.y1, c.x2, c.y2, "S1");
        for (int col = 0; col <= c.x2 - c.x1; ++col)
            for (int row = 0; row <= c.y2 - c.y1; ++row)
                EXPECT_EQ(At(image, 20 * col + 10, 20 * row + 10), kWhite);
        QImage centred = NewComponentImage(image.width(), image.height());
        {
            Canvas canvas(centred);
            DrawNameLabel(canvas, "S1", 10, kBlack);
        }
        EXPECT_EQ(InkBox(image, kBlack), InkBox(centred, kBlack).translated(c.shift));
    }
}

TEST(ComponentImages, TransformerCentreTapOnlyForAnOddPinCount) {
    const QImage odd = MakeTransformerImage(1, 1, 5, 5, "");
    EXPECT_EQ(At(odd, 89, 50), kBlack) << "tap on the side of hole 2";
    EXPECT_NE(At(odd, 9, 50), kBlack);
    const QImage even = MakeTransformerImage(1, 1, 5, 4, "");
    EXPECT_NE(At(even, 89, 40), kBlack);
}

TEST(ComponentImages, LineICInAColumnTurnsWithTheMarkAtHoleOne) {
    const Rgb markGrey = MakeRgb(128, 128, 128);
    const Rgb body = MakeRgb(192, 192, 192);
    const QImage down = MakeLineICImage(5, 2, 5, 6, "");
    EXPECT_EQ(At(down, 50, 10), markGrey);
    EXPECT_EQ(At(down, 50, 90), body);
    EXPECT_EQ(At(down, 30, 50), kKeyColour) << "the body is 20 pixels wide, vertical";
    const QImage up = MakeLineICImage(5, 6, 5, 2, "");
    EXPECT_EQ(At(up, 50, 90), markGrey);
}

TEST(ComponentImages, TubeSocketKeyGapFacesHoleTwo) {
    const Rgb pin = MakeRgb(0, 128, 192);
    struct Case {
        double angle;
        QPoint gap;
    } cases[] = {{0, {85, 155}}, {kPi, {85, 15}}, {-kPi / 2, {145, 70}}, {kPi / 2, {25, 100}}};
    const QPoint places[] = {{85, 15}, {145, 70}, {25, 100}, {85, 155}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const QImage image = MakeTubeImage("", "Noval", c.angle);
        for (QPoint p : places)
            EXPECT_EQ(At(image, p.x() + 7, p.y()) == pin, p != c.gap) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(MakeTubeImage("V1", "Loctal", 0).isNull());
}

TEST(ComponentImages, JackMirrorsInTheRightHalf) {
    for (bool stereo : {false, true}) {
        const QImage left = MakeJackImage("", stereo, 0);
        const QImage right = MakeJackImage("", stereo, kPi);
        EXPECT_EQ(At(left, 25, 18), kKeyColour) << "the sleeve lug's hole";
        EXPECT_EQ(At(left, 29, 18), MakeRgb(0, 128, 192));
        EXPECT_EQ(At(right, 93, 18), kKeyColour);
        EXPECT_EQ(At(right, 89, 18), MakeRgb(0, 128, 192));
        EXPECT_EQ(At(left, 10, 60), MakeRgb(166, 202, 240)) << "the bushing faces left";
        EXPECT_EQ(At(right, 110, 60), MakeRgb(166, 202, 240)) << "and right when mirrored";
    }
}

TEST(ComponentImages, AbsurdSpansGiveNoImage) {
    struct Case {
        int x1, y1, x2, y2;
        bool drawn;
    } cases[] = {
        {1, 1, 204, 2, true},  // 4080 pixels wide
        {1, 1, 205, 2, false},
        {1, 1, 100000000, 2, false},
        {INT_MIN, 1, INT_MAX, 1, false},
        {1, INT_MAX, 1, INT_MIN, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2);
        EXPECT_EQ(!MakeICImage(c.x1, c.y1, c.x2, c.y2, "U1").isNull(), c.drawn);
        EXPECT_EQ(!MakeSwitchImage(c.x1, c.y1, c.x2, c.y2, "S1").isNull(), c.drawn);
        EXPECT_EQ(!MakeLineICImage(c.x1, c.y1, c.x2, c.y2, "U2").isNull(), c.drawn);
    }
}

}  // namespace
}  // namespace sw
