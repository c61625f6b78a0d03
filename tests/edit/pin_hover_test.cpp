// SPDX-License-Identifier: GPL-3.0-or-later
// The note naming the pins under the pointer: which parts a hole is a pin of,
// and when the note comes and goes as the pointer moves.

#include "edit/drag_tool.h"
#include "edit/pin_hover.h"
#include "edit/placement_tool.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

constexpr const char* kLayout = R"(<Layout Type="PCB" Width="20" Height="12">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="D1"/>
  <Diode X1="2" Y1="3" X2="6" Y2="3" Name="D1"/>
  <Resistor Value="10K" X1="6" Y1="3" X2="6" Y2="7" Name="R1"/>
  <Pot Value="10K" X1="10" Y1="3" X2="12" Y2="3" Name=""/>
  <Electrolyte Value="10uF" X1="2" Y1="9" X2="4" Y2="9" Name="C1"/>
  <Jumper X1="8" Y1="9" X2="12" Y2="9" Name="J1"/>
  <Wire X1="14" Y1="9" X2="16" Y2="9" Name="W1"/>
</Layout>)";

TEST(PinHover, EveryPartWithAPinAtTheHoleIsNamedInDocumentOrder) {
    FakeHost host;
    host.Load(kLayout);
    const struct {
        Hole hole;
        const char* text;
    } cases[] = {
        {{2, 3}, "D1 pin 1 (anode)"},                 // the pad on it is left out
        {{6, 3}, "D1 pin 2 (cathode), R1 pin 1"},     // two leads in one hole
        {{6, 7}, "R1 pin 2"},
        {{10, 3}, "Potentiometer pin 2 (wiper)"},     // no name: the kind
        {{8, 3}, "Potentiometer pin 3"},              // the far lug, no hole of its own
        {{2, 9}, "C1 pin 1 (plus)"},
        {{4, 9}, "C1 pin 2 (minus)"},
        {{8, 9}, ""},                                 // jumpers and wires are copper
        {{16, 9}, ""},
        {{4, 3}, ""},                                 // under the body, no pin
        {{-1, 30}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PinsAtHole(host.doc, c.hole), QString::fromLatin1(c.text))
            << c.hole.x << "," << c.hole.y;
}

TEST(PinHover, ALongNameIsCut) {
    FakeHost host;
    host.Load(R"(<Layout Type="Stripboard" Width="20" Height="12">
  <Resistor X1="1" Y1="1" X2="5" Y2="1" Name="RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR"/>
</Layout>)");
    const QString text = PinsAtHole(host.doc, {1, 1});
    EXPECT_TRUE(text.endsWith(QLatin1String(" pin 1"))) << text.toStdString();
    EXPECT_LT(text.size(), 60);
}

struct Hovering : ::testing::Test {
    FakeHost host;
    PinHover pins{host};
    PlacementTool placement{host};
    DragTool drag{host, placement};
    PointerTools tools{{&pins, &drag, &placement}};
    Hovering() { host.Load(kLayout); }
    PointerEvent At(QPoint pixel) const {
        PointerEvent event;
        event.pixel = pixel;
        return event;
    }
    PointerEvent AtHole(int x, int y) const {
        return At(HoleCentre(BoardOriginX(kBoardImageWidth, 20), x, y));
    }
};

// Shown once per hole, taken away between holes, off the board and at a press
// (which it leaves to the other tools).
TEST_F(Hovering, TheNoteFollowsThePointerFromHoleToHole) {
    tools.Move(AtHole(2, 3));
    tools.Move(AtHole(2, 3));
    tools.Move(AtHole(6, 3));
    const QPoint between = (AtHole(6, 3).pixel + AtHole(7, 3).pixel) / 2;
    ASSERT_FALSE(IsNearHole(between.x(), between.y()));
    tools.Move(At(between));
    tools.Move(AtHole(6, 7));
    pins.PointerLeft();
    tools.Move(AtHole(6, 7));
    PointerEvent press = AtHole(6, 7);
    press.button = PointerButton::Left;
    pins.Press(press);
    const std::vector<QString> expected = {"D1 pin 1 (anode); alone on its copper",
                                           "D1 pin 2 (cathode), R1 pin 1; net of D1.2",
                                           "",
                                           "R1 pin 2; alone on its copper",
                                           "",
                                           "R1 pin 2; alone on its copper",
                                           ""};
    EXPECT_EQ(host.pinNotes, expected);
    EXPECT_FALSE(pins.Press(press)) << "the press is the other tools'";
}

// A hole that is no pin shows nothing, and a part placed under the pointer is
// named once the pointer moves again.
TEST_F(Hovering, APartPlacedOnTheHoleIsNamedAtTheNextHover) {
    tools.Move(AtHole(14, 5));
    EXPECT_TRUE(host.pinNotes.empty());
    pins.Press(AtHole(14, 5));
    host.Load(R"(<Layout Type="PCB" Width="20" Height="12">
  <Led X1="14" Y1="5" X2="16" Y2="5" Name="D7"/>
</Layout>)");
    tools.Move(AtHole(14, 5));
    ASSERT_FALSE(host.pinNotes.empty());
    EXPECT_EQ(host.pinNotes.back(), QLatin1String("D7 pin 1 (anode); alone on its copper"));
}

// An edit under a pointer at rest (Undo, Delete) makes the pin note again for
// its hole at once, and the part note waits for the next move.
TEST_F(Hovering, AnEditUnderThePointerMakesThePinNoteAgain) {
    tools.Move(AtHole(2, 3));
    host.Load(R"(<Layout Type="PCB" Width="20" Height="12">
  <Led X1="2" Y1="3" X2="4" Y2="3" Name="D7"/>
</Layout>)");
    pins.DocumentChanged();
    host.Load(R"(<Layout Type="PCB" Width="20" Height="12"/>)");
    pins.DocumentChanged();
    const std::vector<QString> expected = {"D1 pin 1 (anode); alone on its copper",
                                           "D7 pin 1 (anode); alone on its copper", ""};
    EXPECT_EQ(host.pinNotes, expected);
}

}  // namespace
}  // namespace sw
