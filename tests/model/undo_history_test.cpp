// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// The document's state as the number of resistors it holds.
int Parts(const LayoutDocument& doc) {
    int n = 0;
    doc.ForEachComponent([&](pugi::xml_node, unsigned) { ++n; });
    return n;
}

// Each edit: keep the state, then add a part; state n has n parts and tag n.
void Edit(UndoHistory& history, LayoutDocument& doc, UndoHistory::Tag& tag) {
    history.Take(doc, tag);
    test::AddResistor(doc);
    ++tag;
}

TEST(UndoHistory, UndoAndRedoWalkTheStatesUntilANewChange) {
    LayoutDocument doc;
    doc.SetDefault();
    UndoHistory history;
    UndoHistory::Tag tag = 0;
    EXPECT_EQ(history.Undo(doc, tag).message, "Can not undo!");
    EXPECT_EQ(history.Redo(doc, tag).message, "Can not redo!");
    for (int i = 0; i < 5; ++i)
        Edit(history, doc, tag);

    // Undo three, redo two, undo one: each step lands on the state with its tag.
    struct Step { bool redo; int parts; };
    const Step steps[] = {{false, 4}, {false, 3}, {false, 2}, {true, 3}, {true, 4}, {false, 3}};
    for (const Step& step : steps) {
        const LoadResult r = step.redo ? history.Redo(doc, tag) : history.Undo(doc, tag);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(Parts(doc), step.parts);
        EXPECT_EQ(tag, UndoHistory::Tag(step.parts));
    }
    EXPECT_EQ(history.UndoSteps(), 3u);
    EXPECT_EQ(history.RedoSteps(), 2u);

    // A new change ends what Redo could replay.
    Edit(history, doc, tag);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Redo(doc, tag).message, "Can not redo!");
    EXPECT_EQ(Parts(doc), 4);

    // Undo to the start, then once more: nothing, and the document stays.
    while (history.CanUndo())
        ASSERT_TRUE(history.Undo(doc, tag).ok);
    EXPECT_EQ(Parts(doc), 0);
    EXPECT_FALSE(history.Undo(doc, tag).ok);
    EXPECT_EQ(Parts(doc), 0);
    EXPECT_EQ(history.RedoSteps(), 4u);

    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Bytes(), 0u);
}

// Past its bounds the history forgets the oldest undo steps first, then the
// redo steps farthest away, and always keeps the next step of each.
TEST(UndoHistory, BoundedByStepsAndBytes) {
    LayoutDocument doc;
    doc.SetDefault();
    UndoHistory history(UndoHistory::Limits{5, 1 << 20});
    UndoHistory::Tag tag = 0;
    for (int i = 0; i < 12; ++i)
        Edit(history, doc, tag);
    EXPECT_EQ(history.UndoSteps(), 5u);
    const std::size_t fiveSteps = history.Bytes();
    EXPECT_GT(fiveSteps, 5 * sizeof(UndoHistory::Tag));
    int undone = 0;
    while (history.Undo(doc, tag).ok)
        ++undone;
    EXPECT_EQ(undone, 5);
    EXPECT_EQ(Parts(doc), 7);  // states 0 ... 6 were forgotten
    EXPECT_EQ(history.RedoSteps(), 5u);
    int redone = 0;
    while (history.Redo(doc, tag).ok)
        ++redone;
    EXPECT_EQ(redone, 5);
    EXPECT_EQ(Parts(doc), 12);

    // A byte budget smaller than one step still keeps one level of undo.
    UndoHistory tiny(UndoHistory::Limits{200, 10});
    tag = 0;
    for (int i = 0; i < 3; ++i)
        Edit(tiny, doc, tag);
    EXPECT_EQ(tiny.UndoSteps(), 1u);
    ASSERT_TRUE(tiny.Undo(doc, tag).ok);
    EXPECT_EQ(tiny.UndoSteps(), 0u);
    EXPECT_EQ(tiny.RedoSteps(), 1u);
    ASSERT_TRUE(tiny.Redo(doc, tag).ok);
    EXPECT_EQ(Parts(doc), 15);
}

TEST(UndoHistory, KeepsTextBeyondAscii) {
    LayoutDocument doc;
    doc.SetDefault();
    UndoHistory history;
    UndoHistory::Tag tag = 0;
    SetAttr(doc.Root(), "Project", QStringLiteral("R\u00F6hre \u03A9 \u65E5\u672C"));
    history.Take(doc, tag);
    SetAttr(doc.Root(), "Project", QStringLiteral("plain"));
    ASSERT_TRUE(history.Undo(doc, tag).ok);
    EXPECT_EQ(doc.GetRootAttribute("Project").value_or(QString()), QStringLiteral("R\u00F6hre \u03A9 \u65E5\u672C"));
    ASSERT_TRUE(history.Redo(doc, tag).ok);
    EXPECT_EQ(doc.GetRootAttribute("Project").value_or(QString()), QStringLiteral("plain"));
}

}  // namespace
}  // namespace sw
