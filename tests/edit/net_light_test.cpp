// SPDX-License-Identifier: GPL-3.0-or-later
// Lighting the net under a hole: what is lit, what the status bar says with
// and without a netlist, and the middle click and the key N that light it.

#include "analysis/netlist_check.h"
#include "edit/net_light_tool.h"
#include "edit/net_lighting.h"
#include "edit/pin_hover.h"
#include "edit/placement_tool.h"
#include "editor_fakes.h"
#include "netlist/netlist.h"
#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

// Row 2 is cut at 6; a jumper takes R1's row 2 to row 7, where C1 and D1 are.
constexpr const char* kLayout = R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Cut X1="6" Y1="2"/>
  <Resistor Value="1k" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
  <Resistor Value="1k" X1="9" Y1="2" X2="9" Y2="5" Name="R2"/>
  <Jumper X1="4" Y1="2" X2="4" Y2="7" Name="J1"/>
  <Capacitor Value="1u" X1="12" Y1="7" X2="12" Y2="9" Name="C1"/>
  <Diode Value="1N4148" X1="15" Y1="7" X2="15" Y2="9" Name="D1"/>
</Layout>)";

constexpr const char* kDeck = R"(lit
R1 IN B 1k
R2 C B 1k
C1 IN 0 1u
D1 IN 0 1N4148
.end
)";

struct Lit : ::testing::Test {
    FakeHost host;
    Netlist netlist;
    CheckReport check;
    Lit() {
        host.Load(kLayout);
        const NetlistReadResult read = ReadNetlist(kDeck);
        EXPECT_TRUE(read.netlist) << read.error;
        netlist = *read.netlist;
        check = CheckLayoutAgainstNetlist(host.doc, netlist);
    }
    PointerEvent AtHole(int x, int y, PointerButton button = PointerButton::None) const {
        PointerEvent event;
        event.pixel = HoleCentre(BoardOriginX(kBoardImageWidth, 20), x, y);
        event.button = button;
        return event;
    }
};

TEST_F(Lit, TheNetStopsAtCutsAndFollowsTheJumper) {
    const struct {
        Hole hole;
        bool named;
        const char* caption;
        std::size_t holes;
        std::vector<Hole> pins;
    } cases[] = {
        // Row 2 left of the cut and all of row 7.
        {{1, 2}, false, "Net of R1.1: R1.1, C1.1, D1.1", 5 + 20, {{3, 2}, {12, 7}, {15, 7}}},
        {{1, 2}, true, "IN: R1.1, C1.1, D1.1", 5 + 20, {{3, 2}, {12, 7}, {15, 7}}},
        {{6, 2}, true, "Copper at X: 6 Y: 2, no pins on it", 1, {}},
        {{20, 2}, false, "Net of R2.1: R2.1", 14, {{9, 2}}},
        {{20, 2}, true, "C: R2.1", 14, {{9, 2}}},
        // R1 and R2 are joined on row 5, as the netlist wants.
        {{1, 5}, true, "B: R1.2, R2.2", 20, {{3, 5}, {9, 5}}},
    };
    for (const auto& c : cases) {
        const NetNames names = c.named ? NetNames{&netlist, &check} : NetNames{};
        const NetHighlight lit = LightNet(host.doc, c.hole, names);
        EXPECT_EQ(lit.caption.toStdString(), c.caption);
        EXPECT_EQ(lit.holes.size(), c.holes) << c.caption;
        EXPECT_EQ(lit.pins, c.pins) << c.caption;
    }
    EXPECT_EQ(LightNet(host.doc, {1, 2}).links, (std::vector<NetHighlight::Link>{{{4, 2}, {4, 7}}}));
    EXPECT_TRUE(LightNet(host.doc, {1, 5}).links.empty());
}

TEST_F(Lit, ACopperShortNamesBothNets) {
    host.Load(R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="1k" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
  <Resistor Value="1k" X1="9" Y1="2" X2="9" Y2="5" Name="R2"/>
</Layout>)");
    check = CheckLayoutAgainstNetlist(host.doc, netlist);
    EXPECT_EQ(LightNet(host.doc, {1, 2}, {&netlist, &check}).caption, QLatin1String("IN + C (short): R1.1, R2.1"));
    EXPECT_EQ(PinNetText(host.doc, {9, 2}, {&netlist, &check}), QLatin1String("net IN + C (short)"));
}

TEST_F(Lit, TheCaptionCountsWhatItCannotList) {
    std::string layout = R"(<Layout Type="Stripboard" Width="60" Height="4">)";
    for (int x = 1; x <= 40; ++x)
        layout += "<Resistor X1=\"" + std::to_string(x) + "\" Y1=\"1\" X2=\"" + std::to_string(x) +
                  "\" Y2=\"3\" Name=\"R" + std::to_string(x) + "\"/>";
    host.Load((layout + "</Layout>").c_str());
    const QString caption = LightNet(host.doc, {1, 1}).caption;
    EXPECT_TRUE(caption.endsWith(QLatin1String("R30.1, and 10 more"))) << caption.toStdString();
}

TEST_F(Lit, TheMiddleButtonAndTheKeyLightItAndAnyOtherClickPutsItOut) {
    NetLightTool light(host);
    PlacementTool placement(host);
    PointerTools tools({&light, &placement});
    host.nets = {&netlist, &check};
    EXPECT_TRUE(tools.Press(AtHole(20, 2, PointerButton::Middle)));
    EXPECT_EQ(host.session.Highlight().caption, QLatin1String("C: R2.1"));
    EXPECT_EQ(host.Count(kind::Resistor), 2) << "the middle button places nothing";
    // A right click goes on to the other tools and puts the net out.
    EXPECT_FALSE(light.Press(AtHole(20, 2, PointerButton::Right)));
    EXPECT_TRUE(host.session.Highlight().Empty());
    // The key lights the net where the pointer rests; between holes it lights nothing.
    tools.Move(AtHole(1, 5));
    EXPECT_TRUE(light.LightUnderPointer());
    EXPECT_EQ(host.session.Highlight().pins.size(), 2u);
    PointerEvent between = AtHole(1, 5);
    between.pixel += QPoint(10, 0);
    tools.Move(between);
    EXPECT_FALSE(light.LightUnderPointer());
    light.PointerLeft();
    EXPECT_FALSE(light.LightUnderPointer());
    EXPECT_EQ(host.session.Highlight().pins.size(), 2u) << "still lit";
    // A middle click between holes puts it out.
    between.button = PointerButton::Middle;
    EXPECT_TRUE(tools.Press(between));
    EXPECT_TRUE(host.session.Highlight().Empty());
}

TEST_F(Lit, ThePinNoteNamesTheNet) {
    PinHover hover(host);
    host.nets = {&netlist, &check};
    for (const Hole h : {Hole{3, 2}, Hole{9, 5}})
        hover.Hover(AtHole(h.x, h.y));
    host.nets = {};
    hover.Hover(AtHole(12, 7));
    const std::vector<QString> expected = {"R1 pin 1; net IN", "R2 pin 2; net B", "C1 pin 1; net of R1.1"};
    EXPECT_EQ(host.pinNotes, expected);
}

}  // namespace
}  // namespace sw
