// SPDX-License-Identifier: GPL-3.0-or-later
// File names that are not UTF-8 on the command line: refused, never replaced
// by another name.

#include "cli/cli_run.h"
#include "model/atomic_file.h"
#include "model/file_names.h"
#include "model/layout_file_reader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

// Runs the program through the shell, so that printf can give it arguments
// of any bytes ("\377" is the byte 0xff).
test::ProgramRun RunWithBytes(const QString& folder, const QString& arguments) {
    QProcess process;
    process.setProcessEnvironment(test::OffscreenEnvironment());
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + arguments, test::ProgramPath()});
    test::ProgramRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST(ByteFileNames, ArgumentsThatAreNotUtf8AreRefusedAndNothingIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(test::ExamplePath(QStringLiteral("pcb.swb")), dir.filePath(QStringLiteral("pcb.swb"))));
    // A layout whose own name is not UTF-8 exists beside it.
    ASSERT_TRUE(QFile::copy(test::ExamplePath(QStringLiteral("pcb.swb")),
                            QFile::decodeName(QFile::encodeName(dir.path()) + "/bad\xff\xfe.swb")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    struct Case {
        const char* arguments;
        const char* shown;  // how the message shows the argument
    };
    const Case cases[] = {
        {R"x(bom "$(printf 'bad\377\376.swb')" -)x", R"x(bad\xff\xfe.swb)x"},
        {R"x(bom pcb.swb "$(printf 'out\377.txt')")x", R"x(out\xff.txt)x"},
        {R"x(gerber pcb.swb "$(printf 'dir\377')")x", R"x(dir\xff)x"},
        {R"x(render pcb.swb "$(printf '\303\251t\351.gif')")x", R"x(ét\xe9.gif)x"},
        {R"x(render-board pcb.swb b.png --select "$(printf 'R\377')")x", R"x(R\xff)x"},
    };
    for (const Case& c : cases) {
        const test::ProgramRun run = RunWithBytes(dir.path(), QString::fromUtf8(c.arguments));
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_TRUE(run.err.contains("is not valid UTF-8")) << run.err.constData();
        EXPECT_TRUE(run.err.contains(c.shown)) << run.err.constData();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << c.arguments;
    }
}

TEST(ByteFileNames, NamesWhoseBytesWereLostAreRefusedByEveryWriterAndReader) {
    QTemporaryDir dir;
    const QString lost = dir.filePath(QStringLiteral("out\uFFFD.txt"));  // what Qt makes of out\xff.txt
    EXPECT_TRUE(NameLostItsBytes(lost));
    const WriteResult refused = WriteFileAtomically(lost, "x");
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("not valid UTF-8")));
    EXPECT_FALSE(QFile::exists(lost));
    const FileBytes read = ReadLayoutFileBytes(dir.filePath(QStringLiteral("bad\uFFFD.swb")));
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.message.contains(QStringLiteral("not valid UTF-8")));

    // A name that truly holds U+FFFD is a name like any other once it exists.
    {
        QFile real(lost);
        ASSERT_TRUE(real.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(NameLostItsBytes(lost));
    EXPECT_TRUE(WriteFileAtomically(lost, "y").ok);
}

TEST(ByteFileNames, BytesAreShownReadably) {
    const struct {
        QByteArray bytes;
        const char* shown;
        bool valid;
    } cases[] = {
        {"plain.swb", "plain.swb", true},
        {"\xc3\xa9t\xc3\xa9", "été", true},
        {"bad\xff\xfe.swb", R"(bad\xff\xfe.swb)", false},
        {"\xc3", R"(\xc3)", false},                   // cut short
        {"\xe2\x82\xacok", "€ok", true},
        {"\xed\xa0\x80", R"(\xed\xa0\x80)", false},   // a surrogate
        {"\xc0\xaf", R"(\xc0\xaf)", false},            // overlong
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownBytes(c.bytes), QString::fromUtf8(c.shown)) << c.shown;
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.shown;
    }
}

}  // namespace
}  // namespace sw
