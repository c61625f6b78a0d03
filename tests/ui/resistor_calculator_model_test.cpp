// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_calculator_model.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

QStringList BandNames(const ResistorCalculatorModel& m) {
    QStringList names;
    for (int i = 0; i < BandCount(m.Mode()); ++i) names << BandColourNames(2)[m.Bands()[i]];
    return names;
}

int Code(const char* name) { return BandColourNames(2).indexOf(QString::fromLatin1(name)); }

void SetBands(ResistorCalculatorModel& m, std::initializer_list<const char*> names) {
    int band = 0;
    for (const char* n : names) m.SetBand(band++, Code(n));
}

struct Calculator : ::testing::Test {
    ResistorCalculatorModel m{QLocale::c()};
    void SetUp() override { m.FormCreate(); }
};

TEST_F(Calculator, StartsInFourBandModeAllBlack) {
    EXPECT_EQ(m.Mode(), BandMode::Four);
    EXPECT_FALSE(m.Band5Enabled());
    EXPECT_EQ(BandNames(m), QStringList({"Black", "Black", "Black", "Black"}));
    EXPECT_EQ(m.ValueText(), QStringLiteral("0.0"));
    EXPECT_EQ(m.Unit(), QStringLiteral("R"));
    EXPECT_EQ(m.Tolerance(), QStringLiteral("n/a"));
    EXPECT_EQ(m.ToleranceList().size(), 4);
    EXPECT_FALSE(m.Busy());
    EXPECT_EQ(m.Result().size(), QSize(160, 64));
}

TEST_F(Calculator, BandsUpdateTheValueWithoutEchoingBack) {
    SetBands(m, {"Yellow", "Violet", "Red", "Gold"});
    EXPECT_EQ(m.ValueText(), QStringLiteral("4.7"));
    EXPECT_EQ(m.Unit(), QStringLiteral("K"));
    EXPECT_EQ(m.Tolerance(), QStringLiteral("\u00b15%"));
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Red", "Gold"}));
    EXPECT_EQ(m.Result().pixel(41, 20), qRgb(255, 255, 0));
    EXPECT_FALSE(m.Busy());
}

TEST_F(Calculator, TypingAValueSetsTheBands) {
    m.SetUnit(1);
    m.SetTolerance(1);  // ±5%
    m.SetValueText(QStringLiteral("4.7"));
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Red", "Gold"}));
    EXPECT_EQ(m.ValueText(), QStringLiteral("4.7"));  // the field keeps what was typed
    EXPECT_EQ(m.Result().pixel(80, 20), qRgb(255, 0, 0));

    m.SetUnit(0);
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Gold", "Gold"}));
}

TEST_F(Calculator, TypingNothingUsableChangesNoBand) {
    SetBands(m, {"Red", "Red", "Orange", "Silver"});
    EXPECT_TRUE(m.ValueShown());
    // Text the bands cannot show is marked, typed character by character too
    // ("4.7x" is not the 4.7 whose bands stay).
    for (const char* text : {"0", "abc", "", "-3", "4.7x", "1e99"}) {
        m.SetValueText(QString::fromLatin1(text));
        EXPECT_EQ(BandNames(m), QStringList({"Red", "Red", "Orange", "Silver"})) << text;
        EXPECT_FALSE(m.ValueShown()) << text;
    }
    m.SetValueText(QStringLiteral("4.7"));
    EXPECT_TRUE(m.ValueShown());
    m.SetValueText(QStringLiteral("x"));
    SetBands(m, {"Brown", "Black", "Red", "Gold"});  // the bands' own value is readable
    EXPECT_TRUE(m.ValueShown());
}

TEST_F(Calculator, SwitchingModesReadsTheBandsInTheNewLayout) {
    SetBands(m, {"Yellow", "Violet", "Red", "Gold"});
    m.SetBandCount(BandMode::Five);
    EXPECT_TRUE(m.Band5Enabled());
    EXPECT_EQ(m.ToleranceList().size(), 5);
    EXPECT_EQ(m.ValueText(), QStringLiteral("47.2"));
    EXPECT_EQ(m.Unit(), QStringLiteral("R"));
    EXPECT_EQ(m.Tolerance(), QStringLiteral("n/a"));
    // The bands agree with the value shown (the conversion back uses the new unit).
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Red", "Gold", "Black"}));
    EXPECT_EQ(m.Result().pixel(98, 30), qRgb(255, 204, 0));

    m.SetTolerance(2);  // ±0.25%
    EXPECT_EQ(m.Bands()[4], Code("Blue"));
    m.SetValueText(QStringLiteral("4.7"));
    m.SetUnit(1);
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Black", "Brown", "Blue"}));

    m.SetBandCount(BandMode::Four);
    EXPECT_FALSE(m.Band5Enabled());
    EXPECT_EQ(m.ValueText(), QStringLiteral("47.0"));
    EXPECT_EQ(m.Unit(), QStringLiteral("R"));
    EXPECT_EQ(BandNames(m), QStringList({"Yellow", "Violet", "Black", "Brown"}));
    EXPECT_EQ(m.Tolerance(), QStringLiteral("n/a"));
}

TEST_F(Calculator, FiveBandsReadWithTheirTolerance) {
    m.SetBandCount(BandMode::Five);
    SetBands(m, {"Brown", "Black", "Black", "Brown", "Blue"});
    EXPECT_EQ(m.ValueText(), QStringLiteral("1.0"));
    EXPECT_EQ(m.Unit(), QStringLiteral("K"));
    EXPECT_EQ(m.Tolerance(), QStringLiteral("\u00b10.25%"));
}

TEST_F(Calculator, NotApplicableLeavesTheToleranceBand) {
    SetBands(m, {"Brown", "Black", "Red", "Silver"});
    m.SetTolerance(3);  // n/a
    m.SetValueText(QStringLiteral("2.2"));
    EXPECT_EQ(BandNames(m), QStringList({"Red", "Red", "Red", "Silver"}));
}

}  // namespace
}  // namespace sw
