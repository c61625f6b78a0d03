#include "session/editor_session.h"

#include <QTemporaryDir>
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

TEST(EditorSession, UndoReturnsToTheSnapshotOnce) {
    EditorSession session;
    session.Document().SetDefault();
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Undo().ok);

    session.TakeSnapshot();
    session.Document().AppendComponent("Resistor");
    ASSERT_TRUE(session.CanUndo());
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_TRUE(session.Document().Root().first_child().empty());
    EXPECT_FALSE(session.CanUndo()) << "one level: the snapshot is used up";

    session.TakeSnapshot();
    session.ClearUndo();
    EXPECT_FALSE(session.CanUndo());
}

}  // namespace
}  // namespace sw
