// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright gerber: the three files in a folder made when missing, the drill
// option, and the exit codes of refusals and failed writes.

#include "cli_output_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunCli;

const QByteArray kPcb =
    "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\"><Pad X1=\"1\" Y1=\"1\" Value=\"15\"/>"
    "<Trace X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Value=\"5\"/></Layout>";

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GerberCommandTest, WritesTheThreeFilesNamedAfterTheLayoutIntoANewFolder) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "my.amp.swb", kPcb);
    const QString out = dir.filePath("fab/rev1");
    const test::CommandRun run = RunCli({"gerber", layout, out, "--drill", "0.8"});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    for (const char* name : {"my.amp-B_Cu.gbr", "my.amp-Edge_Cuts.gbr", "my.amp.drl"}) {
        EXPECT_TRUE(QFile::exists(out + "/" + name)) << name;
        EXPECT_TRUE(run.out.contains(out + "/" + name)) << run.out.toStdString();
    }
    EXPECT_TRUE(ReadFile(out + "/my.amp.drl").contains("\nT1C0.8\n"));
    EXPECT_TRUE(ReadFile(out + "/my.amp-B_Cu.gbr").contains("X127000Y2413000D03*"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 3);  // no temporary file left behind
}

TEST(GerberCommandTest, DrillIsPointEightMillimetresWhenNotGiven) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "board.swb", kPcb);
    ASSERT_EQ(RunCli({"gerber", layout, dir.filePath("out")}).code, kExitOk);
    EXPECT_TRUE(ReadFile(dir.filePath("out/board.drl")).contains("\nT1C0.8\n"));
}

TEST(GerberCommandTest, RefusalsExitTwoAndFailedWritesOneWithoutFiles) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    const QString pcb = test::WriteLayout(d, "board.swb", kPcb);
    const QString strip = test::WriteLayout(
        d, "strip.swb", "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\"/>");
    const QString blocker = test::WriteLayout(d, "blocker", "not a folder");
    const QString drl = test::WriteLayout(d, "board.drl", kPcb);  // its drill file is itself
    const struct {
        QStringList args;
        int code;
        const char* says;
    } rows[] = {
        {{"gerber", pcb}, kExitBadInput, "usage: stripwright gerber LAYOUT.swb OUTDIR [--drill MM]"},
        {{"gerber", pcb, d.filePath("o"), "--drill"}, kExitBadInput, "usage:"},
        {{"gerber", pcb, d.filePath("o"), "--drill", "0"}, kExitBadInput, "(got \"0\")"},
        {{"gerber", pcb, d.filePath("o"), "--drill", "12"}, kExitBadInput, "at most 10"},
        {{"gerber", strip, d.filePath("o")}, kExitBadInput,
         "Gerber output is for PCB layouts; this layout's type is \"Stripboard\"."},
        {{"gerber", d.filePath("missing.swb"), d.filePath("o")}, kExitBadInput, "missing.swb"},
        {{"gerber", pcb, blocker + "/o"}, kExitOutputFailed, "Cannot create the folder"},
        {{"gerber", drl, dir.path()}, kExitBadInput, "is the layout"},
    };
    for (const auto& row : rows) {
        const test::CommandRun run = RunCli(row.args);
        EXPECT_EQ(run.code, row.code) << row.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.says))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(d.filePath("o")));
    EXPECT_EQ(ReadFile(drl), kPcb);
}

}  // namespace
}  // namespace sw
