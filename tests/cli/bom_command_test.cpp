// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw::test {
namespace {

const QByteArray kLayout =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"Fuzz\" Credits=\"Ann\">\n"
    "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"4\" Y2=\"1\" Name=\"R2\" />\n"
    "  <Capacitor Value=\"4.7\xC2\xB5" "F\" X1=\"1\" Y1=\"2\" X2=\"4\" Y2=\"2\" Name=\"C1\" />\n"
    "  <Resistor Value=\"1K\" X1=\"1\" Y1=\"3\" X2=\"4\" Y2=\"3\" Name=\"R10\" />\n"
    "</Layout>\n";
const QByteArray kExpected =
    "Project: Fuzz\r\nCredits: Ann\r\n\r\nC1: 4.7\xC2\xB5" "F\r\nR10: 1K\r\nR2: 10K\r\n\r\n\r\n"
    "http://www.stripwright.org/swb/\r\n";

TEST(BomCommand, WritesTheFileOrStandardOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    const QString out = dir.filePath(QStringLiteral("bom.txt"));

    ProgramRun run = RunProgram({QStringLiteral("bom"), layout, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kExpected);

    run = RunProgram({QStringLiteral("bom"), layout, QStringLiteral("-")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kExpected);
}

TEST(BomCommand, RefusesBadUseAndUnwritableOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    const QString broken = dir.filePath(QStringLiteral("broken.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    ASSERT_TRUE(WriteTextFile(broken, "<Layout Width=\"20\""));
    const QString out = dir.filePath(QStringLiteral("bom.txt"));
    struct Case {
        const char* what;
        QStringList args;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no arguments", {}, 2, "usage"},
        {"one argument", {layout}, 2, "usage"},
        {"missing layout", {dir.filePath(QStringLiteral("none.swb")), out}, 2, "none.swb"},
        {"broken layout", {broken, out}, 2, "not a valid layout"},
        {"folder missing", {layout, dir.filePath(QStringLiteral("no/bom.txt"))}, 1, "no/bom.txt"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(QStringList{QStringLiteral("bom")} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        EXPECT_TRUE(run.err.contains(c.message)) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.what;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no output written";
}

}  // namespace
}  // namespace sw::test
