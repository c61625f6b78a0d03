// SPDX-License-Identifier: GPL-3.0-or-later
// Placing a netlist's part: the kind that fits it, and the value editor filled
// with its name and value whichever kind the toolbox then chooses.

#include "edit/netlist_placing.h"
#include "edit/placement_tool.h"
#include "edit/value_editor_setup.h"

#include "editor_fakes.h"
#include "model/catalogue.h"
#include "netlist/netlist.h"

#include <gtest/gtest.h>

namespace sw::test {
namespace {

NetlistPart Part(const char* ref, const char* footprint = "", const char* symbol = "", int pins = 2) {
    NetlistPart part;
    part.ref = ref;
    part.footprint = footprint;
    part.symbol = symbol;
    part.pins.resize(std::size_t(pins));
    return part;
}

TEST(GuessKind, FromTheReferenceFootprintSymbolAndPins) {
    const struct {
        NetlistPart part;
        std::optional<kind::Index> kind;
    } cases[] = {
        {Part("R1", "Resistor_THT:R_Axial_DIN0207"), kind::Resistor},
        {Part("r12"), kind::Resistor},
        {Part("C1", "Capacitor_THT:C_Disc_D5.0mm", "C"), kind::Capacitor},
        {Part("C2", "Capacitor_THT:CP_Radial_D5.0mm", "C_Polarized"), kind::Electrolyte},
        {Part("C3", "", "CP"), kind::Electrolyte},
        {Part("D1", "Diode_THT:D_DO-35", "1N4148"), kind::Diode},
        {Part("D2", "LED_THT:LED_D5.0mm", "LED"), kind::Led},
        {Part("LED1"), kind::Led},
        {Part("Q1", "Package_TO_SOT_THT:TO-92", "BC547", 3), kind::Transistor},
        {Part("U1", "Package_DIP:DIP-8_W7.62mm", "NE555", 8), kind::DilIc},
        {Part("IC2", "", "", 14), kind::DilIc},
        {Part("U3", "Package_SIP:SIP-9", "", 9), kind::SilIc},
        {Part("U4", "Package_TO_SOT_THT:TO-220-3", "L7805", 3), kind::Transistor},
        {Part("J1", "Connector_PinHeader_2.54mm:PinHeader_1x03", "Conn_01x03", 3), kind::SilIc},
        {Part("P2"), kind::SilIc},
        {Part("CONN1"), kind::SilIc},
        {Part("J2", "Connector_Audio:Jack_3.5mm", "AudioJack2", 2), kind::AudioJack},
        {Part("RV1", "Potentiometer_THT:Potentiometer_Alps_RK09K", "R_Potentiometer", 3), kind::Potentiometer},
        {Part("VR1", "Potentiometer_THT:Potentiometer_Bourns_3296W", "R_Potentiometer_Trim", 3), kind::Trimmer},
        {Part("T1", "", "Transformer_1P_1S", 4), kind::Transformer},
        {Part("SW1"), kind::Switch},
        {Part("S2"), kind::Switch},
        {Part("K1", "", "", 8), kind::Relay},
        {Part("RL1"), kind::Relay},
        {Part("V1", "Valve:Valve_Noval_P", "ECC83", 9), kind::TubeSocket},
        {Part("X1"), std::nullopt},
        {Part("L1"), std::nullopt},
        {Part("1"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GuessKind(c.part), c.kind) << c.part.ref << " " << c.part.footprint;
}

TEST(FilledFromNetlist, WritesTheValueWithTheListedUnitThatFitsIt) {
    const struct {
        kind::Index kind;
        const char* value;
        const char* shown;
    } cases[] = {
        {kind::Resistor, "10k", "10K"},      {kind::Resistor, "4k7", "4.7K"},
        {kind::Resistor, "470", "470R"},     {kind::Resistor, "2.2M", "2.2M"},
        {kind::Resistor, "0.5", "0.5R"},     {kind::Capacitor, "100n", "100nF"},
        {kind::Capacitor, "0.1u", "100nF"},  {kind::Capacitor, "22p", "22pF"},
        {kind::Capacitor, "1p5", "1.5pF"},   {kind::Electrolyte, "100uF", "100uF"},
        {kind::Electrolyte, "10n", "10nF"},  {kind::Potentiometer, "10k", "10K"},
        {kind::Diode, "1N4148", "1N4148"},   {kind::Resistor, "DNP", "DNP"},
        {kind::DilIc, "NE555", "NE555"},
    };
    for (const auto& c : cases) {
        const ValueEditorSetup setup = FilledFromNetlist(
            NewComponentSetup(*FindKind(c.kind), QStringLiteral("X9"), {}), QStringLiteral("R7"),
            QLatin1String(c.value));
        EXPECT_EQ(setup.name, QStringLiteral("R7"));
        EXPECT_EQ(setup.value, QLatin1String(c.shown)) << c.value;
    }
}

TEST(PlacingFromNetlist, TheDialogIsFilledUntilAPartIsPlacedWhicheverKindIsChosen) {
    FakeHost host;
    PlacementTool tool{host};
    host.Load(R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c"/>)");
    auto place = [&](Hole a, Hole b) {
        tool.PointAtHole(a);
        tool.LeftClick();
        tool.PointAtHole(b);
        tool.LeftClick();
    };
    tool.StartNetlistPart(kind::Capacitor, QStringLiteral("C4"), QStringLiteral("100n"));
    EXPECT_EQ(tool.ActiveKind(), kind::Capacitor);
    // Cancelled: still the netlist's part. A jumper in between takes no name.
    host.dialogs.AnswerEditValue(std::nullopt);
    place({2, 2}, {5, 2});
    tool.StartKind(kind::Jumper);
    place({2, 8}, {5, 8});
    EXPECT_EQ(host.Count(kind::Jumper), 1);
    EXPECT_FALSE(host.Named("C4"));
    // Another kind picked in the toolbox: the dialog still says C4.
    tool.StartKind(kind::Electrolyte);
    host.dialogs.AnswerEditValue(Value("C4", "100", "nF"));
    place({2, 4}, {5, 4});
    host.dialogs.AnswerEditValue(std::nullopt);
    place({2, 6}, {5, 6});
    const auto calls = host.dialogs.CallsOf(ScriptedDialogs::Type::EditValue);
    ASSERT_EQ(calls.size(), 3u);
    for (int i : {0, 1}) {
        EXPECT_EQ(calls[std::size_t(i)].valueSetup.name, QStringLiteral("C4"));
        EXPECT_EQ(calls[std::size_t(i)].valueSetup.value, QStringLiteral("100nF"));
    }
    ASSERT_TRUE(host.Named("C4"));
    EXPECT_STREQ(host.Named("C4").name(), "Electrolyte");
    // Once placed, the next one is named as the toolbox names it.
    EXPECT_EQ(calls[2].valueSetup.name, QStringLiteral("C1"));
    EXPECT_EQ(calls[2].valueSetup.value, QString());
}

}  // namespace
}  // namespace sw::test
