// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer tools in the window's order: the drag (Shift and the left button
// over a selected part), the selection click (the right button) and the
// placement tool (every other press), driven with pick keys as the board's
// pick map gives them.

#include "edit/drag_tool.h"
#include "edit/placement_tool.h"
#include "edit/selection.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

struct Tools : ::testing::Test {
    FakeHost host;
    PlacementTool placement{host};
    SelectionClick selection{host};
    DragTool drag{host, placement};
    PointerTools tools{{&drag, &selection, &placement}};
    Tools() {
        host.Load(R"(<Layout Type="PCB" Width="20" Height="10">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Resistor Value="1K" X1="2" Y1="6" X2="6" Y2="6" Name="R2"/>
</Layout>)");
    }
    PointerEvent At(int x, int y, const char* over = nullptr) const {
        PointerEvent event;
        event.pixel = HoleCentre(BoardOriginX(kBoardImageWidth, 20), x, y);
        event.key = over ? host.doc.KeyOf(host.Named(over)) : 0;
        return event;
    }
    PointerEvent Press(PointerEvent event, PointerButton button, bool shift = false) const {
        event.button = button;
        event.shift = shift;
        return event;
    }
    PointerEvent Held(PointerEvent event) const {
        event.leftHeld = true;
        return event;
    }
    std::string Holes(const char* name) const {
        const pugi::xml_node e = host.Named(name);
        return std::to_string(IntAttr(e, "X1")) + "," + std::to_string(IntAttr(e, "Y1"));
    }
};

TEST_F(Tools, AShiftDragOfASelectedPartMovesTheSelectionAsOneNamedStep) {
    host.Select(host.Named("R1"));
    tools.Move(At(4, 3, "R1"));
    EXPECT_EQ(host.hint, QString::fromLatin1(kSelectDragHint)) << "the hint over a selected part, in select mode";
    ASSERT_TRUE(tools.Press(Press(At(4, 3, "R1"), PointerButton::Left, true)));
    EXPECT_TRUE(drag.Pressed());
    tools.Move(Held(At(6, 5)));
    EXPECT_EQ(host.pointer.cursor, BoardCursor::ClosedHand);
    EXPECT_EQ(host.pointer.positionText, "X: 6 Y: 5");
    EXPECT_EQ(Holes("R1"), "4,5") << "the parts follow while dragging";
    EXPECT_EQ(Holes("P1"), "4,5") << "its pad with it";
    EXPECT_TRUE(tools.Release(Press(At(6, 5), PointerButton::Left)));
    EXPECT_FALSE(drag.Pressed());
    EXPECT_EQ(host.session.UndoLabel(), "Move R1");
    EXPECT_TRUE(host.session.Modified());
    host.Undo();
    EXPECT_EQ(Holes("R1"), "2,3");
}

TEST_F(Tools, EscapeAndALostReleaseEndTheDrag) {
    host.Select(host.Named("R1"));
    ASSERT_TRUE(tools.Press(Press(At(4, 3, "R1"), PointerButton::Left, true)));
    tools.Move(Held(At(7, 7)));
    EXPECT_TRUE(tools.Cancel());
    EXPECT_EQ(Holes("R1"), "2,3");
    tools.Move(Held(At(9, 9)));
    EXPECT_EQ(Holes("R1"), "2,3") << "the rest of the gesture does nothing";
    tools.Move(At(9, 9));  // no button held: the release went elsewhere
    EXPECT_FALSE(drag.Pressed());
    EXPECT_FALSE(host.session.CanUndo());
    EXPECT_FALSE(tools.Cancel()) << "nothing left to cancel";
}

// Presses go to the first tool that takes them.
TEST_F(Tools, EachPressGoesToItsTool) {
    const struct {
        const char* what;
        PointerButton button;
        bool shift;
        const char* over;
        bool selectedFirst;
        bool drags, selects, places;
    } cases[] = {
        {"Shift+left on a selected part", PointerButton::Left, true, "R1", true, true, false, false},
        {"Shift+left on an unselected part", PointerButton::Left, true, "R2", true, false, false, true},
        {"left on a selected part", PointerButton::Left, false, "R1", true, false, false, true},
        {"right on a part", PointerButton::Right, false, "R2", false, false, true, false},
        {"middle", PointerButton::Middle, false, nullptr, false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost h;
        h.Load(R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Resistor Value="1K" X1="2" Y1="6" X2="6" Y2="6" Name="R2"/>
</Layout>)");
        PlacementTool p(h);
        SelectionClick s(h);
        DragTool d(h, p);
        PointerTools chain({&d, &s, &p});
        p.StartKind(kind::Jumper);
        if (c.selectedFirst)
            h.Select(h.Named("R1"));
        PointerEvent event;
        event.pixel = HoleCentre(BoardOriginX(kBoardImageWidth, 20), 4, c.over && c.over[1] == '2' ? 6 : 3);
        event.key = c.over ? h.doc.KeyOf(h.Named(c.over)) : 0;
        event.button = c.button;
        event.shift = c.shift;
        EXPECT_TRUE(chain.Press(event));
        EXPECT_EQ(d.Pressed(), c.drags);
        EXPECT_EQ(c.selects, h.session.Current().element == h.Named("R2"));
        EXPECT_EQ(p.AwaitingSecond(), c.places);
    }
}

// A Shift press on a selected part that never leaves its hole is the click it
// would have been; a second right press on the current part opens its menu.
TEST_F(Tools, AShiftClickStaysTheToolsClickAndASecondRightPressOpensTheMenu) {
    placement.StartKind(kind::Jumper);
    host.Select(host.Named("R1"));
    ASSERT_TRUE(tools.Press(Press(At(4, 3, "R1"), PointerButton::Left, true)));
    tools.Move(Held(At(4, 3, "R1")));
    EXPECT_TRUE(tools.Release(Press(At(4, 3, "R1"), PointerButton::Left)));
    EXPECT_TRUE(placement.AwaitingSecond());
    EXPECT_EQ(placement.CurrentHole(), (Hole{4, 3}));
    EXPECT_FALSE(host.session.CanUndo());

    EXPECT_TRUE(tools.Press(Press(At(4, 6, "R2"), PointerButton::Right)));
    EXPECT_EQ(host.menusOpened, 0);
    EXPECT_TRUE(tools.Press(Press(At(4, 6, "R2"), PointerButton::Right)));
    EXPECT_EQ(host.menusOpened, 1);
    // Over the selection the hint, off it the hint goes.
    tools.Move(At(4, 6, "R2"));
    EXPECT_EQ(host.hint, QString::fromLatin1(kDragHint));
    tools.Move(At(15, 9));
    EXPECT_EQ(host.hint, "");
}

}  // namespace
}  // namespace sw
