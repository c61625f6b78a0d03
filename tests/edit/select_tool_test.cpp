// SPDX-License-Identifier: GPL-3.0-or-later
// Select mode without a window: the left button's clicks, Ctrl, the band, the
// plain drag of the selection, and Esc stepping back out of a placement.

#include "edit/drag_tool.h"
#include "edit/pin_hover.h"
#include "edit/placement_tool.h"
#include "edit/select_tool.h"
#include "edit/selection.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

constexpr const char* kLayout = R"(<Layout Type="PCB" Width="20" Height="10">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1"/>
  <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Resistor Value="1K" X1="2" Y1="6" X2="6" Y2="6" Name="R2"/>
  <Jumper X1="10" Y1="2" X2="10" Y2="8" Name="J1"/>
</Layout>)";

struct SelectMode : ::testing::Test {
    FakeHost host;
    PlacementTool placement{host};
    SelectionClick right{host};
    DragTool drag{host, placement};
    SelectTool select{host, drag};
    PointerTools tools{{&drag, &right, &select, &placement}};
    SelectMode() { host.Load(kLayout); }

    PointerEvent At(Hole hole, const char* over = nullptr) const {
        PointerEvent event;
        event.pixel = HoleCentre(BoardOriginX(kBoardImageWidth, 20), hole.x, hole.y);
        event.key = over ? host.doc.KeyOf(host.Named(over)) : 0;
        return event;
    }
    void Click(PointerEvent event, bool control = false) {
        event.button = PointerButton::Left;
        event.control = control;
        EXPECT_TRUE(tools.Press(event));
        tools.Release(event);
    }
    // A left press at the first event, moves with the button held, the release at the last.
    void Drag(std::vector<PointerEvent> path, bool control = false) {
        PointerEvent press = path.front();
        press.button = PointerButton::Left;
        press.control = control;
        ASSERT_TRUE(tools.Press(press));
        for (PointerEvent step : path) {
            step.leftHeld = true;
            tools.Move(step);
        }
        PointerEvent release = path.back();
        release.button = PointerButton::Left;
        tools.Release(release);
    }
    std::string Selected() const {
        std::string names;
        host.doc.ForEachComponent([&](pugi::xml_node e, unsigned) {
            if (host.session.Selection().Contains(e))
                names += std::string(names.empty() ? "" : " ") + e.attribute("Name").value();
        });
        return names;
    }
    std::string Holes(const char* name) const {
        const pugi::xml_node e = host.Named(name);
        return std::to_string(IntAttr(e, "X1")) + "," + std::to_string(IntAttr(e, "Y1"));
    }
};

TEST_F(SelectMode, ClicksSelectCtrlAddsOrRemovesAndEmptyBoardClears) {
    const struct {
        const char* what;
        Hole hole;
        const char* over;
        bool control;
        const char* selected;  // after the click
    } steps[] = {
        {"a part", {4, 3}, "R1", false, "R1"},
        {"another part", {4, 6}, "R2", false, "R2"},
        {"Ctrl adds", {10, 5}, "J1", true, "R2 J1"},
        {"Ctrl on a selected part takes it out", {4, 6}, "R2", true, "J1"},
        {"Ctrl on empty board keeps it", {15, 9}, nullptr, true, "J1"},
        {"a selected part among others: it alone", {4, 3}, "R1", true, "R1 J1"},
        {"", {10, 5}, "J1", false, "J1"},
        {"empty board clears", {15, 9}, nullptr, false, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        Click(At(step.hole, step.over), step.control);
        EXPECT_EQ(Selected(), step.selected);
    }
    EXPECT_FALSE(host.session.CanUndo()) << "selecting changes nothing";
    EXPECT_FALSE(placement.AwaitingHole());
}

TEST_F(SelectMode, TheBandSelectsThePartsWhollyInsideIt) {
    host.Select(host.Named("J1"));
    Drag({At({1, 2}), At({4, 4}), At({7, 4})});
    EXPECT_EQ(Selected(), "P1 P2 R1") << "R2 lies below, J1 sticks out";
    EXPECT_EQ(host.session.Current().element, host.Named("R1"));
    EXPECT_FALSE(host.session.CanUndo());
    // Ctrl adds; drawn from the bottom right it is the same band.
    Drag({At({12, 9}), At({1, 1})}, true);
    EXPECT_EQ(Selected(), "P1 P2 R1 R2 J1");
    Drag({At({15, 1}), At({19, 9})});
    EXPECT_EQ(Selected(), "") << "a band over nothing selects nothing";
}

TEST_F(SelectMode, ThePlainDragMovesTheSelectionOneStepAndEscPutsItBack) {
    // A press on a part not yet selected selects it and drags it at once.
    Drag({At({4, 6}, "R2"), At({5, 7}), At({6, 8})});
    EXPECT_EQ(Selected(), "R2");
    EXPECT_EQ(Holes("R2"), "4,8");
    EXPECT_EQ(host.session.UndoLabel(), "Move R2");
    host.Undo();
    EXPECT_EQ(Holes("R2"), "2,6");

    host.Select(host.Named("R1"));
    host.Select(host.Named("J1"), true);
    PointerEvent press = At({4, 3}, "R1");
    press.button = PointerButton::Left;
    ASSERT_TRUE(tools.Press(press));
    PointerEvent step = At({4, 4});
    step.leftHeld = true;
    tools.Move(step);
    EXPECT_EQ(Holes("R1"), "2,4");
    EXPECT_EQ(Holes("P2"), "6,4") << "its pads go with it";
    EXPECT_EQ(Holes("J1"), "10,3") << "the whole selection";
    EXPECT_TRUE(tools.Cancel());
    EXPECT_EQ(Holes("R1"), "2,3");
    EXPECT_EQ(Holes("J1"), "10,2");
    EXPECT_FALSE(host.session.CanUndo());
    EXPECT_EQ(Selected(), "R1 J1") << "Esc keeps the selection";
}

TEST_F(SelectMode, WithAKindActiveTheLeftButtonStillPlaces) {
    placement.StartKind(kind::Jumper);
    host.Select(host.Named("R1"));
    Click(At({4, 3}, "R1"));
    EXPECT_TRUE(placement.AwaitingSecond()) << "the press was the placement's";
    EXPECT_EQ(Selected(), "R1");
    Drag({At({15, 9}), At({18, 9})});  // no band either
    EXPECT_EQ(Selected(), "R1");
    EXPECT_FALSE(select.Banding());
}

TEST_F(SelectMode, EscDropsTheFirstHoleThenLeavesTheKind) {
    const struct {
        const char* what;
        bool connectivity;
    } cases[] = {{"a resistor", false}, {"the connectivity check", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.connectivity)
            placement.StartConnectivity();
        else
            placement.StartKind(kind::Resistor);
        placement.PointAtHole({3, 8});
        placement.LeftClick();
        ASSERT_TRUE(placement.AwaitingSecond());
        host.markers.clear();
        EXPECT_EQ(placement.Escape(), PlacementTool::EscapeStep::DroppedHole);
        EXPECT_TRUE(placement.AwaitingFirst());
        EXPECT_EQ(placement.ConnectivityMode(), c.connectivity);
        ASSERT_FALSE(host.markers.empty());
        EXPECT_TRUE(host.markers.back().empty()) << "the purple dot goes";
        EXPECT_EQ(placement.Escape(), PlacementTool::EscapeStep::LeftKind);
        EXPECT_EQ(placement.ActiveKind(), -1);
        EXPECT_FALSE(placement.AwaitingHole());
        EXPECT_EQ(host.activeKind, -1);
        EXPECT_EQ(host.prompt, QLatin1String(kSelectPrompt));
        EXPECT_EQ(placement.Escape(), PlacementTool::EscapeStep::Nothing);
        // The next click on a hole opens no dialog: it only selects.
        Click(At({3, 8}));
        EXPECT_TRUE(host.dialogs.Calls().empty());
        EXPECT_EQ(host.doc.Root().select_nodes("Resistor").size(), 2u);
    }
}

TEST_F(SelectMode, EscKeepsAReplaceTargetWhileOnlyTheHoleGoes) {
    placement.StartKind(kind::Resistor, host.Named("R2"));
    placement.PointAtHole({3, 8});
    placement.LeftClick();
    placement.Escape();
    EXPECT_EQ(placement.ReplaceTarget(), host.Named("R2"));
    placement.Escape();
    EXPECT_FALSE(placement.ReplaceTarget()) << "leaving the kind ends the Replace";
}

TEST_F(SelectMode, RestingOnABodyNamesThePartAndItsValue) {
    PinHover hover(host);
    const struct {
        const char* over;
        const char* note;
    } parts[] = {{"R2", "R2: 1K"}, {"J1", "J1"} /* no value */, {nullptr, ""}};
    for (const auto& part : parts)
        EXPECT_EQ(PartNote(host.doc, At({1, 1}, part.over).key), QString::fromLatin1(part.note));
    hover.Hover(At({4, 6}, "R2"));
    ASSERT_EQ(host.partNotes.size(), 1u);
    EXPECT_EQ(host.partNotes.back(), "R2: 1K");
    hover.Hover(At({2, 6}, "R2"));
    EXPECT_EQ(host.partNotes.back(), "") << "the pin note stands in for it";
    EXPECT_EQ(host.pinNotes.back(), "R2 pin 1; alone on its copper");
    hover.Hover(At({4, 6}, "R2"));
    EXPECT_EQ(host.partNotes.back(), "R2: 1K");
    hover.PointerLeft();
    EXPECT_EQ(host.partNotes.back(), "");
}

}  // namespace
}  // namespace sw
