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

// A change that only appends parts, kept as a count of parts, returns to the
// same text as a whole step of the same change: two histories driven alike,
// one keeping every state whole, one keeping appends as counts.
TEST(UndoHistory, AppendedStepsGiveBackTheTextsWholeStepsDo) {
    // A: append two parts (one with text that needs escaping and a child of its
    // own); M: change a part (a whole step); N: change the board without a step;
    // U, R: undo and redo.
    const char* const scripts[] = {
        "AUR", "AMUURR", "AAUURRU", "AMUURA", "ANU", "AUNR", "ANUR", "AUNUR",
        "AMNUUR", "AAUNRR", "UAR", "AURURUR",
    };
    for (const char* script : scripts) {
        SCOPED_TRACE(script);
        LayoutDocument whole, counted;
        whole.SetDefault();
        counted.SetDefault();
        UndoHistory wholeHistory, countedHistory;
        UndoHistory::Tag wholeTag = 0, countedTag = 0, next = 0;
        int changes = 0;
        for (const char* op = script; *op; ++op) {
            SCOPED_TRACE(std::string("at ") + *op + " (" + std::to_string(op - script) + ")");
            auto both = [&](auto&& change) {
                change(whole);
                change(counted);
            };
            ++changes;
            switch (*op) {
            case 'A':
                wholeHistory.Take(whole, wholeTag);
                countedHistory.TakeBeforeAppending(countedTag);
                wholeTag = countedTag = ++next;
                both([&](LayoutDocument& doc) {
                    test::AddResistor(doc);
                    pugi::xml_node odd = test::AddResistor(doc);
                    SetAttr(odd, "Value", QStringLiteral("<1 & \"2\"> \u03A9 %1").arg(changes));
                    odd.append_child("Note").append_child(pugi::node_pcdata).set_value(" kept  as is ");
                });
                countedHistory.Appended(2);
                break;
            case 'M':
                wholeHistory.Take(whole, wholeTag);
                countedHistory.Take(counted, countedTag);
                wholeTag = countedTag = ++next;
                both([&](LayoutDocument& doc) {
                    if (pugi::xml_node part = doc.Root().first_child()) SetAttr(part, "X1", changes);
                });
                break;
            case 'N':
                countedHistory.Settle(counted);
                both([&](LayoutDocument& doc) { SetAttr(doc.Root(), "Project", QString::number(changes)); });
                break;
            case 'U':
            case 'R': {
                const bool redo = *op == 'R';
                const LoadResult a = redo ? wholeHistory.Redo(whole, wholeTag) : wholeHistory.Undo(whole, wholeTag);
                const LoadResult b =
                    redo ? countedHistory.Redo(counted, countedTag) : countedHistory.Undo(counted, countedTag);
                EXPECT_EQ(a.ok, b.ok);
                EXPECT_EQ(a.message, b.message);
                break;
            }
            }
            ASSERT_EQ(counted.ToText(), whole.ToText());
            EXPECT_EQ(countedTag, wholeTag);
            EXPECT_EQ(countedHistory.UndoSteps(), wholeHistory.UndoSteps());
            EXPECT_EQ(countedHistory.RedoSteps(), wholeHistory.RedoSteps());
        }
    }
}

// An appended step costs what was appended, not the layout it went into, on
// the undo side and on the redo side; and the history's bounds still hold.
TEST(UndoHistory, AppendedStepsCostWhatWasAppended) {
    LayoutDocument doc;
    doc.SetDefault();
    for (int i = 0; i < 5000; ++i)
        SetAttr(test::AddResistor(doc), "Name", QStringLiteral("R%1").arg(i));
    UndoHistory history(UndoHistory::Limits{3, 1 << 20});
    UndoHistory::Tag tag = 0;
    history.Take(doc, tag);
    const std::size_t wholeStep = history.Bytes();
    history.Clear();
    for (int i = 0; i < 5; ++i) {
        history.TakeBeforeAppending(tag++);
        test::AddResistor(doc);
        history.Appended(1);
    }
    EXPECT_EQ(history.UndoSteps(), 3u);
    EXPECT_LT(history.Bytes(), wholeStep / 10);
    ASSERT_TRUE(history.Undo(doc, tag).ok);
    EXPECT_LT(history.Bytes(), wholeStep / 10) << "the redo step holds the one part taken off";
    EXPECT_EQ(Parts(doc), 5004);
    while (history.Undo(doc, tag).ok) {}
    EXPECT_EQ(Parts(doc), 5002);
    while (history.Redo(doc, tag).ok) {}
    EXPECT_EQ(Parts(doc), 5005);

    // A change without a step writes the next undo step whole: one whole
    // layout more, once.
    history.Settle(doc);
    EXPECT_GT(history.Bytes(), wholeStep / 2);
    const std::size_t settled = history.Bytes();
    history.Settle(doc);
    EXPECT_EQ(history.Bytes(), settled);
    ASSERT_TRUE(history.Undo(doc, tag).ok);
    EXPECT_EQ(Parts(doc), 5004);
}

}  // namespace
}  // namespace sw
