// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor_session.h"

#include <QTemporaryDir>
#include "test_support.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

struct Recorder {
    std::vector<SessionChange> changes;
    explicit Recorder(EditorSession& session) {
        session.Observe([this](SessionChange change) { changes.push_back(change); });
    }
};

TEST(EditorSession, TellsItsViewsOfFileNameAndModifiedChangesOnce) {
    EditorSession session;
    Recorder views(session);
    session.SetModified(true);
    session.SetModified(true);  // no change, nothing told
    session.SetFileName(QStringLiteral("/tmp/a.swb"));
    session.SetModified(false);
    EXPECT_EQ(views.changes, (std::vector{SessionChange::Modified, SessionChange::FileName,
                                          SessionChange::Modified}));
}

TEST(EditorSession, SavingMakesTheFileTheLayoutsOnlyWhenItIsWritten) {
    QTemporaryDir dir;
    EditorSession session;
    session.Document().SetDefault();
    const QString kept = dir.filePath(QStringLiteral("kept.swb"));
    ASSERT_TRUE(session.SaveTo(kept).ok);
    EXPECT_EQ(session.FileName(), kept);

    session.SetModified(true);
    const WriteResult failed = session.SaveTo(dir.filePath(QStringLiteral("no/such/folder/x.swb")));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(session.FileName(), kept) << "Save still goes where the layout came from";
    EXPECT_TRUE(session.Modified()) << "the changes still count as unsaved";

    ASSERT_TRUE(session.SaveTo(kept).ok);
    EXPECT_FALSE(session.Modified());
}

// An edit as the editing commands make it: one step, the change, the flag.
void Edit(EditorSession& session) {
    session.Edit(EditKind::Place, QStringLiteral("Place R1"), [&] {
        test::AddResistor(session.Document());
        return EditResult{};
    });
}

int Parts(const EditorSession& session) {
    int n = 0;
    session.Document().ForEachComponent([&](pugi::xml_node, unsigned) { ++n; });
    return n;
}

// The modified flag after any mix of edits, saves, undo and redo: clear exactly
// when the document is back at the state last saved. Each script starts from a
// saved layout with no parts. E edit, S save, U undo, R redo, C change without
// a snapshot (as Change Shape and Board Properties do).
TEST(EditorSession, ModifiedAfterUndoAndRedoMeansDifferentFromTheSavedFile) {
    struct Case { const char* script; int parts; bool modified; };
    const Case cases[] = {
        {"EU", 0, false},          // back at the saved state
        {"EEUU", 0, false},
        {"EEU", 1, true},
        {"EUR", 1, true},
        {"EESU", 1, true},         // saved after two edits: one undo leaves it
        {"EESUR", 2, false},       // and redo comes back to it
        {"EESUUURR", 2, false},    // the extra undo says "Can not undo!" and changes nothing
        {"EEUSRU", 1, false},      // saved at 1 with a redo pending
        {"CEU", 0, true},          // the change without a snapshot is still there
        {"SCEUR", 1, true},
        {"EUE", 1, true},          // a new edit after undo: redo is gone
        {"EUER", 1, true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout.swb"));
    for (const Case& c : cases) {
        EditorSession session;
        session.Document().SetDefault();
        ASSERT_TRUE(session.SaveTo(path).ok);
        for (const char* op = c.script; *op; ++op) {
            switch (*op) {
            case 'E': Edit(session); break;
            case 'S': ASSERT_TRUE(session.SaveTo(path).ok); break;
            case 'U': session.Undo(); break;
            case 'R': session.Redo(); break;
            case 'C':
                session.Edit(EditKind::BoardProperties, QStringLiteral("Board Properties"), [&] {
                    SetAttr(session.Document().Root(), "Credits", QStringLiteral("changed"));
                    return EditResult{};
                });
                break;
            }
        }
        EXPECT_EQ(Parts(session), c.parts) << c.script;
        EXPECT_EQ(session.Modified(), c.modified) << c.script;
    }
}

TEST(EditorSession, UndoAndRedoSayWhenThereIsNothingAndClearForgetsBoth) {
    EditorSession session;
    session.Document().SetDefault();
    Recorder views(session);
    EXPECT_EQ(session.Undo().message, "Can not undo!");
    EXPECT_EQ(session.Redo().message, "Can not redo!");
    EXPECT_TRUE(views.changes.empty()) << "nothing to undo changes nothing";

    for (int i = 0; i < 150; ++i)
        Edit(session);
    int undone = 0;
    while (session.Undo().ok)
        ++undone;
    EXPECT_EQ(undone, 150) << "at least 100 steps";
    EXPECT_EQ(Parts(session), 0);
    ASSERT_TRUE(session.Redo().ok);
    EXPECT_TRUE(session.CanRedo());
    session.ClearUndo();
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.CanRedo());
}

}  // namespace
}  // namespace sw
