// SPDX-License-Identifier: GPL-3.0-or-later
// Every input with which the editing fuzzer once found a fault, and hand-made
// ones in its format (tests/data/edit-fuzz-regressions), replayed: the commands
// run to the end, the explorer holds only elements of the document, and the
// edited layout and its undo snapshot open again.

#include "edit_sequence.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(EditFuzzRegressions, EveryFoundInputNowEndsWell) {
    const QDir dir(test::DataPath(QStringLiteral("edit-fuzz-regressions")));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const EditOutcome o = RunEditSequence(bytes);
        if (!o.opened) {
            EXPECT_FALSE(o.refusal.isEmpty());
            continue;
        }
        EXPECT_EQ(o.commandsRun, SplitEditInput(bytes).commands.size() / kEditCommandBytes);
        EXPECT_TRUE(o.selectionInStep);
        EXPECT_TRUE(o.reopened) << o.reopenProblem.toStdString();
        EXPECT_TRUE(o.undoRestores);
        EXPECT_TRUE(o.censusTrue);
    }
}

TEST(EditInput, SplitsIntoCommandsAndLayoutAndJoinsBack) {
    const QByteArray commands(3 * kEditCommandBytes, '\x04');
    const QByteArray layout("<Layout Width=\"2\" Height=\"2\"/>");
    const EditInput input = SplitEditInput(JoinEditInput(commands, layout));
    EXPECT_EQ(input.commands, commands);
    EXPECT_EQ(input.layout, layout);
    // A count past the bytes there are takes what there is.
    EXPECT_EQ(SplitEditInput(QByteArray("\x10\x01\x02", 3)).commands, QByteArray("\x01\x02"));
    EXPECT_TRUE(SplitEditInput(QByteArray("\x10\x01\x02", 3)).layout.isEmpty());
}

}  // namespace
}  // namespace sw
