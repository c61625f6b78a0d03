// SPDX-License-Identifier: GPL-3.0-or-later
// Edits as one transaction: the undo step (by the one list of kinds), the
// modified flag, what the views are told and in which order; the names of the
// steps; New, Open, Undo and Redo replacing the document.

#include "session/edit_labels.h"
#include "session/editor_session.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr const char kPcb[] = R"(<Layout Type="PCB" Width="20" Height="10">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Resistor Value="1K" X1="2" Y1="5" X2="6" Y2="5" Name="R2"/>
  <Text X1="4" Y1="8" Value="hello"/>
</Layout>)";

struct SessionEdit : ::testing::Test {
    EditorSession session;
    std::vector<SessionChange> told;
    SessionEdit() {
        EXPECT_TRUE(session.Document().LoadText(kPcb).ok);
        session.Observe([this](SessionChange change) { told.push_back(change); });
    }
    pugi::xml_node Named(const char* name) const {
        return session.Document().Root().find_child_by_attribute("Name", name);
    }
};

// Which kinds are a step for Undo is one list; every kind ends a drag and
// marks the layout modified when its change says so.
TEST_F(SessionEdit, TakesTheUndoStepOfTheKindsThatHaveOne) {
    const struct {
        EditKind kind;
        bool step;
    } kinds[] = {
        {EditKind::Place, true},     {EditKind::Delete, true},       {EditKind::ChangeValue, true},
        {EditKind::Move, true},      {EditKind::Rotate, true},       {EditKind::Rename, true},
        {EditKind::Paste, true},     {EditKind::Drag, true},         {EditKind::ChangeShape, false},
        {EditKind::BoardProperties, false}, {EditKind::Netlist, true},     {EditKind::OffBoard, true},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(int(k.kind));
        EXPECT_EQ(TakesUndoStep(k.kind), k.step);
        session.ClearUndo();
        session.SetModified(false);
        SelectionState selection;
        selection.Add(Named("R1"));
        session.Select(selection);
        ASSERT_TRUE(session.BeginDrag({2, 3}));
        ASSERT_TRUE(session.DragTo({4, 3}));
        bool sawDrag = true;
        session.Edit(k.kind, QStringLiteral("Edit"), [&] {
            sawDrag = session.Dragging() || IntAttr(Named("R1"), "X1") != 2;
            return EditResult{};
        });
        EXPECT_FALSE(sawDrag) << "the drag ended, the parts back, before the change";
        EXPECT_EQ(session.CanUndo(), k.step);
        EXPECT_TRUE(session.Modified());
    }
}

TEST_F(SessionEdit, TellsEachChangeOnceWhenDoneAndTheDocumentChangeLast) {
    session.Edit(EditKind::Delete, QStringLiteral("Delete 2 parts"), [&] {
        session.RemoveComponents({Named("P1")});
        session.RemoveComponents({Named("R2")});
        SelectionState selection;
        selection.Add(Named("R1"));
        session.Select(selection);
        EXPECT_TRUE(told.empty()) << "nothing is told while the change runs";
        return EditResult{};
    });
    EXPECT_EQ(told, (std::vector{SessionChange::Components, SessionChange::Selection, SessionChange::Modified,
                                 SessionChange::History, SessionChange::DocumentChanged}));
    EXPECT_EQ(session.UndoLabel(), "Delete 2 parts");

    // A change that wrote what was there keeps its step, not the flag; an
    // edit inside an edit is part of it.
    told.clear();
    session.SetModified(false);
    told.clear();
    session.Edit(EditKind::ChangeValue, QStringLiteral("Change Value of R1"), [&] {
        session.Edit(EditKind::Move, QStringLiteral("inner"), [] {
            EditResult unchanged;
            unchanged.modified = false;
            return unchanged;
        });
        EditResult outcome;
        outcome.modified = false;
        outcome.board = true;
        return outcome;
    });
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(session.History().UndoSteps(), 2u);
    EXPECT_EQ(session.UndoLabel(), "Change Value of R1");
    EXPECT_EQ(told, (std::vector{SessionChange::Board, SessionChange::History, SessionChange::DocumentChanged}));
}

// The name goes with the step to the redo side and back; a name known only
// once the change is done replaces the one given.
TEST_F(SessionEdit, StepsKeepTheirNamesThroughUndoAndRedo) {
    session.Edit(EditKind::Move, QStringLiteral("Move R1"), [] { return EditResult{}; });
    session.Edit(EditKind::Paste, QStringLiteral("Paste"), [] {
        EditResult outcome;
        outcome.label = QStringLiteral("Paste R3");
        return outcome;
    });
    session.Edit(EditKind::ChangeShape, QStringLiteral("Change Shape of W1"), [] { return EditResult{}; });
    EXPECT_EQ(session.UndoLabel(), "Paste R3") << "no step of its own";
    told.clear();
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(session.LastStep().label, "Paste R3");
    EXPECT_TRUE(session.LastStep().stepped);
    EXPECT_FALSE(session.LastStep().redo);
    EXPECT_EQ(told.front(), SessionChange::DocumentReplaced) << "before anything reads the new document";
    EXPECT_EQ(session.UndoLabel(), "Move R1");
    EXPECT_EQ(session.RedoLabel(), "Paste R3");
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(session.RedoLabel(), "Move R1");
    ASSERT_TRUE(session.Redo().ok);
    EXPECT_TRUE(session.LastStep().redo);
    EXPECT_EQ(session.LastStep().label, "Move R1");
    EXPECT_EQ(session.UndoLabel(), "Move R1");
    EXPECT_EQ(session.RedoLabel(), "Paste R3");
    // A new edit ends what Redo could replay.
    session.Edit(EditKind::Rotate, QStringLiteral("Rotate R2"), [] { return EditResult{}; });
    EXPECT_EQ(session.RedoLabel(), "");
}

TEST_F(SessionEdit, ReplacingTheDocumentClearsHistoryAndFlagAndAFailureChangesNothing) {
    session.Edit(EditKind::Move, QStringLiteral("Move R1"), [] { return EditResult{}; });
    session.SetFileName(QStringLiteral("/old.swb"));
    const std::string before = session.Document().ToText();
    told.clear();
    const LoadResult refused = session.ReplaceDocument(QStringLiteral("/new.swb"), [](LayoutDocument&) {
        return LoadResult{false, QStringLiteral("damaged")};
    });
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(session.Document().ToText(), before);
    EXPECT_EQ(session.FileName(), "/old.swb");
    EXPECT_TRUE(session.CanUndo());

    const LoadResult made = session.ReplaceDocument(QStringLiteral("/new.swb"), [](LayoutDocument& doc) {
        doc.SetDefault();
        return LoadResult{true, {}};
    });
    EXPECT_TRUE(made.ok);
    EXPECT_EQ(told.front(), SessionChange::DocumentReplaced);
    EXPECT_FALSE(session.LastStep().stepped);
    EXPECT_EQ(session.FileName(), "/new.swb");
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Modified());
}

TEST_F(SessionEdit, EachDragStepTellsTheDocumentChangedAndTheReleaseIsOneNamedStep) {
    SelectionState selection;
    selection.Add(Named("R1"));
    session.Select(selection);
    told.clear();
    ASSERT_TRUE(session.BeginDrag({2, 3}));
    EXPECT_TRUE(told.empty());
    ASSERT_TRUE(session.DragTo({3, 3}));
    EXPECT_FALSE(session.DragTo({3, 3}));
    ASSERT_TRUE(session.DragTo({4, 4}));
    EXPECT_EQ(told, (std::vector{SessionChange::DocumentChanged, SessionChange::DocumentChanged}));
    told.clear();
    ASSERT_TRUE(session.FinishDrag(QStringLiteral("Move R1")));
    EXPECT_EQ(session.UndoLabel(), "Move R1");
    EXPECT_EQ(told.back(), SessionChange::DocumentChanged);
    // A drag back where it began keeps nothing, and the board is told to draw
    // the parts in their layers again.
    ASSERT_TRUE(session.BeginDrag({4, 4}));
    ASSERT_TRUE(session.DragTo({5, 4}));
    ASSERT_TRUE(session.DragTo({4, 4}));
    told.clear();
    EXPECT_FALSE(session.FinishDrag());
    EXPECT_EQ(told, std::vector{SessionChange::DocumentChanged});
    EXPECT_EQ(session.History().UndoSteps(), 1u);
}

TEST(EditLabel, NamesOnePartByNameAndSeveralByNumberLeavingOwnedPadsOut) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kPcb).ok);
    auto named = [&](const char* name) { return doc.Root().find_child_by_attribute("Name", name); };
    const pugi::xml_node text = doc.Root().child("Text");
    const QString longName(300, QLatin1Char('R'));
    pugi::xml_node longPart = test::AddResistor(doc);
    SetAttr(longPart, "Name", longName);
    const struct {
        std::vector<pugi::xml_node> parts;
        const char* label;
    } cases[] = {
        {{}, "Move"},
        {{named("R1")}, "Move R1"},
        {{named("P1"), named("R1")}, "Move R1"},  // the pad goes with its owner
        {{named("P1")}, "Move P1"},               // its owner is not among them
        {{named("R1"), named("R2")}, "Move 2 parts"},
        {{text}, "Move 1 part"},  // no name
        {{named("P1"), named("R1"), named("R2"), text}, "Move 3 parts"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditLabel(QStringLiteral("Move"), c.parts), QLatin1String(c.label));
    const QString shortened = EditLabel(QStringLiteral("Move"), {longPart});
    EXPECT_LT(shortened.size(), 60) << "a hostile name is quoted short";
    EXPECT_TRUE(shortened.startsWith(QStringLiteral("Move RRR")));
}

}  // namespace
}  // namespace sw
