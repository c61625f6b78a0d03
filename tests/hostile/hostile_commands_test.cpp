// SPDX-License-Identifier: GPL-3.0-or-later
// Every hostile file through every command of the command line, in process: a
// refused file makes each command exit 2 with the refusal on stderr and write
// nothing; an opened one gives each command's output (pnp: or a clear reason
// when the board has no copper picture).

#include "cli/command_line.h"
#include "model/layout_document.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

struct CommandRun {
    int exit = -1;
    QString out;
    QString err;
};

CommandRun RunCommand(const QStringList& args) {
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exit = RunCommandLine(args, out, err);
    out.flush();
    err.flush();
    return run;
}

TEST(HostileCommands, EveryCommandRefusesOrWritesForEveryFile) {
    const QDir dir(test::DataPath(QStringLiteral("hostile")));
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        SCOPED_TRACE(name.toStdString());
        const QString layout = dir.filePath(name);
        LayoutDocument doc;
        const LoadResult opened = doc.LoadFile(layout);

        const QString board = out.filePath(QStringLiteral("board.bmp"));
        const QString picture = out.filePath(QStringLiteral("render.bmp"));
        const QString copper = out.filePath(QStringLiteral("PnP.gif"));
        const QString pdf = out.filePath(QStringLiteral("print.pdf"));
        const QString bom = out.filePath(QStringLiteral("bom.txt"));
        const CommandRun runs[] = {
            RunCommand({QStringLiteral("bom"), layout, bom}),
            RunCommand({QStringLiteral("connect"), layout, QStringLiteral("1"), QStringLiteral("1"),
                        QStringLiteral("2"), QStringLiteral("1")}),
            RunCommand({QStringLiteral("render-board"), layout, board}),
            RunCommand({QStringLiteral("render"), layout, picture}),
            RunCommand({QStringLiteral("pnp"), layout, copper}),
            RunCommand({QStringLiteral("print"), layout, pdf}),
        };
        const QString outputs[] = {bom, QString(), board, picture, copper, pdf};
        for (int i = 0; i < 6; ++i) {
            const CommandRun& run = runs[i];
            SCOPED_TRACE(i);
            if (!opened.ok) {
                EXPECT_EQ(run.exit, kExitBadInput);
                // The first line of the refusal, as the editor would show it.
                EXPECT_TRUE(run.err.contains(opened.message))
                    << run.err.toStdString();
                if (!outputs[i].isEmpty())
                    EXPECT_FALSE(QFile::exists(outputs[i]));
                continue;
            }
            if (i == 1) {
                // Connected, not connected, or copper too vast to follow.
                if (run.exit == kExitBadInput) {
                    EXPECT_TRUE(run.err.contains(QLatin1String("gave up"))) << run.err.toStdString();
                    continue;
                }
                EXPECT_TRUE(run.exit == kExitOk || run.exit == kExitOutputFailed) << run.err.toStdString();
                EXPECT_FALSE(run.out.isEmpty());
                continue;
            }
            if (i == 4 && run.exit != kExitOk) {
                // No copper picture for this board (no holes, or too many, or
                // a stripboard or perfboard): bad input, said, and nothing written.
                EXPECT_EQ(run.exit, kExitBadInput);
                EXPECT_TRUE(run.err.contains(QLatin1String("no holes")) || run.err.contains(QLatin1String("too large")) ||
                            run.err.contains(QLatin1String("is for PCB layouts")))
                    << run.err.toStdString();
                EXPECT_FALSE(QFile::exists(copper));
                continue;
            }
            EXPECT_EQ(run.exit, kExitOk) << run.err.toStdString();
            EXPECT_GT(QFileInfo(outputs[i]).size(), 0);
        }
        for (const QString& output : outputs)
            if (!output.isEmpty())
                QFile::remove(output);
    }
}

}  // namespace
}  // namespace sw
