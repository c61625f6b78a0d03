// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/value_editor_setup.h"

#include "model/catalogue.h"
#include "model/layout_document.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(ValueEditorSetup, SplitsStoredValueAtFirstCharacterThatIsNotPartOfTheNumber) {
    const struct {
        const char* stored;
        const char* number;
        const char* unit;
    } cases[] = {
        {"4.7K", "4.7", "K"},   {"10K Log", "10", "K Log"}, {"15px", "15", "px"},
        {"0,1uF", "0,1", "uF"}, {"100nF", "100", "nF"},     {"uF", "", "uF"},
        {"47", "47", ""},       {"", "", ""},
    };
    for (const auto& c : cases) {
        const SplitValue split = SplitStoredValue(QLatin1String(c.stored));
        EXPECT_EQ(split.number, QLatin1String(c.number)) << c.stored;
        EXPECT_EQ(split.unit, QLatin1String(c.unit)) << c.stored;
    }
}

TEST(ValueEditorSetup, AValueTypedWithItsUnitKeepsThatUnit) {
    const QStringList ohms = {"R", "K", "M", "R Log", "K Log"};
    const QStringList farads = {"pF", "nF", "uF"};
    const struct {
        QStringList units;
        const char* value;
        const char* listed;  // the list's entry when OK was pressed
        const char* number;
        const char* unit;
    } cases[] = {
        {ohms, "47K", "R", "47", "K"},         {ohms, "47", "R", "47", "R"},
        {farads, "10uF", "nF", "10", "uF"},    {ohms, "10K Log", "R", "10", "K Log"},
        {ohms, "4K7", "R", "4K7", "R"},        {ohms, "K", "R", "", "K"},
        {ohms, "47k", "R", "47k", "R"},        {farads, "10F", "pF", "10F", "pF"},
        {{}, "1N4148", "", "1N4148", ""},      {ohms, "", "R", "", "R"},
    };
    for (const auto& c : cases) {
        const ValueEditorResult result = WithTypedUnit(
            {QStringLiteral("X1"), QLatin1String(c.value), QLatin1String(c.listed), {}}, c.units);
        EXPECT_EQ(result.value, QLatin1String(c.number)) << c.value;
        EXPECT_EQ(result.unit, QLatin1String(c.unit)) << c.value;
        EXPECT_EQ(result.name, QStringLiteral("X1"));
    }
}

TEST(ValueEditorSetup, NewPadAndTraceStartFromTheRunsDefaults) {
    PlacementDefaults defaults;
    defaults.padSize = 18;
    defaults.traceWidth = 7;
    defaults.lastColour = QStringLiteral("Red");
    const ValueEditorSetup pad = NewComponentSetup(*FindKind("Pad"), QStringLiteral("P3"), defaults);
    EXPECT_EQ(pad.value, QStringLiteral("18"));
    EXPECT_EQ(pad.extra, QStringLiteral("Red"));
    EXPECT_EQ(pad.extraLabel, QStringLiteral("Color:"));
    const ValueEditorSetup trace =
        NewComponentSetup(*FindKind("Trace"), QStringLiteral("T1"), defaults);
    EXPECT_EQ(trace.value, QStringLiteral("7"));
    // A last colour that is not in the list (purple is drawable but not offered).
    defaults.lastColour = QStringLiteral("Purple");
    EXPECT_EQ(NewComponentSetup(*FindKind("Trace"), {}, defaults).extra, QStringLiteral("Black"));
}

TEST(ValueEditorSetup, ReplacePreselectsTheStoredExtraOrItsDefault) {
    LayoutDocument doc;
    pugi::xml_node small = doc.AppendComponent("Electrolyte");
    small.append_attribute("Value") = "10uF";
    small.append_attribute("Size") = "Small";
    pugi::xml_node plain = doc.AppendComponent("Electrolyte");
    plain.append_attribute("Value") = "10uF";
    pugi::xml_node pad = doc.AppendComponent("Pad");
    pad.append_attribute("Value") = "15";
    const CatalogueEntry& electrolyte = *FindKind("Electrolyte");
    EXPECT_EQ(ReplaceComponentSetup(electrolyte, small).extra, QStringLiteral("Small"));
    EXPECT_EQ(ReplaceComponentSetup(electrolyte, plain).extra, QStringLiteral("Medium"));
    // An automatic pad: bare number, no unit matched, no colour stored.
    const ValueEditorSetup padSetup = ReplaceComponentSetup(*FindKind("Pad"), pad);
    EXPECT_EQ(padSetup.value, QStringLiteral("15"));
    EXPECT_EQ(padSetup.unit, QString());
    EXPECT_EQ(padSetup.extra, QStringLiteral("Black"));
}

}  // namespace
}  // namespace sw
