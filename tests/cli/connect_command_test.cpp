// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw::test {
namespace {

const QByteArray kLayout =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\">\n"
    "  <Cut X1=\"4\" Y1=\"3\" Name=\"X1\" />\n"
    "  <Jumper X1=\"3\" Y1=\"3\" X2=\"5\" Y2=\"3\" Name=\"J1\" />\n"
    "  <Resistor Value=\"1K\" X1=\"9\" Y1=\"3\" X2=\"9\" Y2=\"6\" Name=\"R1\" />\n"
    "</Layout>\n";

TEST(ConnectCommand, PrintsTheReportAndAnswersInTheExitStatus) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    struct Case {
        QStringList holes;
        int exitCode;
        QByteArray out;
    };
    const std::vector<Case> cases = {
        {{"1", "3", "1", "6"}, 0,
         "Selected holes are connected through at least one component chain:\n\n -> J1 -> R1\n"},
        {{"1", "3", "2", "3"}, 0, "Selected holes are connected through at least one component chain:\n\n\n"},
        {{"4", "3", "5", "3"}, 1, "Selected holes are NOT connected!\n"},
        {{"7", "7", "7", "7"}, 1, "Selected holes are NOT connected!\n"},
        {{"-3", "0", "30", "3"}, 1, "Selected holes are NOT connected!\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(QStringList{QStringLiteral("connect"), layout} + c.holes);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.holes.join(' ').toStdString();
        EXPECT_EQ(run.out, c.out) << c.holes.join(' ').toStdString();
    }
}

// A strip two billion holes long is not walked to the end: the check gives up
// and says so with the status of a refused layout, not "not connected".
TEST(ConnectCommand, CopperTooVastToFollowExitsTwo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("vast.swb"));
    ASSERT_TRUE(WriteTextFile(layout, "<Layout Type=\"Stripboard\" Width=\"2147483647\" Height=\"1\" "
                                      "Project=\"P\" Credits=\"C\" />\n"));
    const ProgramRun run = RunProgram({QStringLiteral("connect"), layout, QStringLiteral("1"),
                                       QStringLiteral("1"), QStringLiteral("2147483647"),
                                       QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("gave up")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(ConnectCommand, BadUseExitsTwo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    const std::vector<std::pair<QStringList, const char*>> cases = {
        {{layout, "1", "1", "2"}, "usage"},
        {{layout, "1", "1", "2", "x"}, "\"x\" is not a hole coordinate"},
        {{layout, "1.5", "1", "2", "2"}, "\"1.5\" is not a hole coordinate"},
        {{dir.filePath("none.swb"), "1", "1", "2", "2"}, "none.swb"},
    };
    for (const auto& [args, message] : cases) {
        const ProgramRun run = RunProgram(QStringList{QStringLiteral("connect")} + args);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

}  // namespace
}  // namespace sw::test
