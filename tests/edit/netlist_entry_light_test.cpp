// SPDX-License-Identifier: GPL-3.0-or-later
// A panel entry lit on the board: an open lights each piece of copper its
// pins are on, whole and once; a part's entry only its pins.

#include "edit/netlist_entry_light.h"
#include "model/layout_document.h"
#include "session/netlist_panel.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(LightEntry, AnOpenLightsEachPieceOnceAndAPartOnlyItsPins) {
    LayoutDocument doc;
    // Row 8 cut at (10, 8); row 9 joined to row 3 by a jumper.
    ASSERT_TRUE(doc.LoadText(R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c">
  <Resistor Value="1K" X1="4" Y1="6" X2="4" Y2="8" Name="R2"/>
  <Capacitor Value="1nF" X1="6" Y1="9" X2="6" Y2="2" Name="C1"/>
  <Cut X1="10" Y1="8" Name="X1"/>
  <Jumper X1="15" Y1="9" X2="15" Y2="3" Name="J1"/>
</Layout>)").ok);
    NetlistPanelEntry open;
    open.text = QStringLiteral("GND, on 2 pieces of copper");
    open.copper = true;
    open.pins = {{4, 8}, {6, 9}, {4, 8}};
    const NetHighlight lit = LightEntry(doc, open);
    EXPECT_EQ(lit.caption, open.text);
    // Row 8 left of the cut (9 holes), rows 9 and 3 whole (20 each).
    EXPECT_EQ(lit.holes.size(), 49u);
    EXPECT_EQ(lit.links.size(), 1u);
    EXPECT_EQ(lit.pins, (std::vector<Hole>{{4, 8}, {6, 9}}));

    NetlistPanelEntry part;
    part.text = QStringLiteral("R2: 1K on the layout, 2K in the netlist");
    part.pins = {{4, 6}, {4, 8}};
    const NetHighlight pins = LightEntry(doc, part);
    EXPECT_EQ(pins.holes, part.pins);
    EXPECT_EQ(pins.pins, part.pins);
    EXPECT_TRUE(pins.links.empty());
}

}  // namespace
}  // namespace sw
