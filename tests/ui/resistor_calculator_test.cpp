// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_calculator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(ResistorCalculatorTest, ControlsFollowTheUsersChanges) {
    TResistorCalculator window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Resistor Calculator"));
    EXPECT_TRUE(window.BandsButton(BandMode::Four)->isChecked());
    EXPECT_FALSE(window.Band(4)->isEnabled());
    EXPECT_FALSE(window.BandLabel(4)->isEnabled());
    EXPECT_EQ(window.Band(0)->count(), 10);
    EXPECT_EQ(window.Band(2)->count(), 12);
    EXPECT_EQ(window.Result()->size(), QSize(160, 64));

    window.Band(0)->setCurrentIndex(4);
    window.Band(1)->setCurrentIndex(7);
    window.Band(2)->setCurrentIndex(2);
    window.Band(3)->setCurrentIndex(kGold);
    EXPECT_EQ(window.ValueEdit()->text(), QStringLiteral("4.7"));
    EXPECT_EQ(window.UnitBox()->currentText(), QStringLiteral("K"));
    EXPECT_EQ(window.ToleranceBox()->currentText(), QStringLiteral("\u00b15%"));

    window.UnitBox()->setCurrentIndex(0);
    EXPECT_EQ(window.Band(2)->currentText(), QStringLiteral("Gold"));

    window.ValueEdit()->setText(QStringLiteral("470"));
    EXPECT_EQ(window.Band(0)->currentText(), QStringLiteral("Yellow"));
    EXPECT_EQ(window.Band(1)->currentText(), QStringLiteral("Violet"));
    EXPECT_EQ(window.Band(2)->currentText(), QStringLiteral("Brown"));

    window.BandsButton(BandMode::Five)->setChecked(true);
    EXPECT_TRUE(window.Band(4)->isEnabled());
    EXPECT_EQ(window.ToleranceBox()->count(), 5);
    EXPECT_EQ(window.ValueEdit()->text(), QStringLiteral("47.1"));
    EXPECT_FALSE(window.Model().Busy());
}

}  // namespace
}  // namespace sw
