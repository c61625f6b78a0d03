// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging the selection: the parts and the pads they carry follow the
// pointer hole by hole, the move is one undo step at the end, and a cancelled
// or stale drag leaves the document exactly as it was.

#include "session/editor_session.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// R1 owns P1 and P2; the wire's X1 is written with a leading zero.
constexpr const char kPcb[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
  <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1" Square="False"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Wire Color="Red" Seed="7" X1="01" Y1="1" X2="5" Y2="5" Name="W1"/>
</Layout>)";

struct Drag : ::testing::Test {
    EditorSession session;
    LayoutDocument& doc = session.Document();
    Drag() {
        EXPECT_TRUE(doc.LoadText(kPcb).ok);
        session.ClearUndo();
    }
    pugi::xml_node Named(const char* name) const {
        return doc.Root().find_child_by_attribute("Name", name);
    }
    void Select(std::initializer_list<const char*> names) {
        SelectionState selection;
        for (const char* name : names)
            selection.Add(Named(name));
        session.Select(std::move(selection));
    }
    // "X1,Y1[-X2,Y2]" of every child, as written.
    std::string Holes() const {
        std::string s;
        for (pugi::xml_node c : doc.Root().children()) {
            s += std::string(c.attribute("X1").value()) + "," + c.attribute("Y1").value();
            if (c.attribute("X2"))
                s += std::string("-") + c.attribute("X2").value() + "," + c.attribute("Y2").value();
            s += " ";
        }
        return s;
    }
};

TEST_F(Drag, PartsFollowThePointerAndTheMoveIsOneUndoStepAtTheEnd) {
    const std::string before = Holes();
    Select({"R1"});
    ASSERT_TRUE(session.BeginDrag({4, 3}));
    EXPECT_FALSE(session.DragTo({4, 3})) << "the same hole: nothing moves";
    EXPECT_TRUE(session.DragTo({6, 3}));
    EXPECT_TRUE(session.DragTo({7, 4}));
    // Live: the document holds them where the pointer is, pads included; not
    // yet a change to save or to undo.
    EXPECT_EQ(Holes(), "5,4 9,4 5,4-9,4 01,1-5,5 ");
    EXPECT_FALSE(session.Modified());
    EXPECT_FALSE(session.CanUndo());
    EXPECT_TRUE(session.FinishDrag());
    EXPECT_FALSE(session.Dragging());
    EXPECT_EQ(Holes(), "5,4 9,4 5,4-9,4 01,1-5,5 ");
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.Selection().Contains(Named("R1"))) << "still selected";
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(Holes(), before) << "one step back to where they were";
}

TEST_F(Drag, CancelledOrEndedWhereItBeganItLeavesEveryTextAsItWas) {
    const std::string before = doc.ToText();
    Select({"W1", "P1"});
    ASSERT_TRUE(session.BeginDrag({1, 1}));
    ASSERT_TRUE(session.DragTo({3, 2}));
    EXPECT_EQ(Holes(), "4,4 6,3 2,3-6,3 3,2-7,6 ");
    session.CancelDrag();
    EXPECT_EQ(doc.ToText(), before) << "01 is put back as 01";

    ASSERT_TRUE(session.BeginDrag({1, 1}));
    ASSERT_TRUE(session.DragTo({3, 2}));
    ASSERT_TRUE(session.DragTo({1, 1}));
    EXPECT_TRUE(session.DragLeftStart());
    EXPECT_FALSE(session.FinishDrag()) << "back where it began: no change";
    EXPECT_EQ(doc.ToText(), before);
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Modified());
}

TEST_F(Drag, ASelectedPadMovesOnceAndNothingSelectedIsNoDrag) {
    EXPECT_FALSE(session.BeginDrag({1, 1}));
    EXPECT_FALSE(session.Dragging());
    Select({"R1", "P2"});
    ASSERT_TRUE(session.BeginDrag({2, 3}));
    ASSERT_TRUE(session.DragTo({2, 5}));
    EXPECT_EQ(Holes(), "2,5 6,5 2,5-6,5 01,1-5,5 ");
}

TEST_F(Drag, AnotherChangeDuringTheDragCancelsItFirst) {
    Select({"R1"});
    ASSERT_TRUE(session.BeginDrag({2, 3}));
    ASSERT_TRUE(session.DragTo({5, 3}));
    // An edit ends the drag before its undo step: the parts are back, so the
    // step and the command see the layout as the user left it.
    session.Edit(EditKind::Rotate, QStringLiteral("Rotate"), [&] {
        EXPECT_FALSE(session.Dragging());
        EXPECT_EQ(Holes(), "2,3 6,3 2,3-6,3 01,1-5,5 ");
        return EditResult{};
    });
    EXPECT_FALSE(session.Dragging());
    EXPECT_EQ(Holes(), "2,3 6,3 2,3-6,3 01,1-5,5 ");
    EXPECT_FALSE(session.DragTo({7, 3}));
    EXPECT_FALSE(session.FinishDrag());

    // A document replaced under a drag is not touched by it.
    ASSERT_TRUE(session.BeginDrag({2, 3}));
    ASSERT_TRUE(session.DragTo({5, 3}));
    ASSERT_TRUE(doc.LoadText(kPcb).ok);
    EXPECT_FALSE(session.Dragging());
    EXPECT_FALSE(session.FinishDrag());
    session.CancelDrag();
    EXPECT_EQ(Holes(), "2,3 6,3 2,3-6,3 01,1-5,5 ");
}

}  // namespace
}  // namespace sw
