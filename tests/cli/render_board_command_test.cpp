// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw::test {
namespace {

// A 20 x 10 PCB: x0 = 800, so hole (5, 5) is at (900, 290).
const QByteArray kLayout =
    "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\" Project=\"Board\" Credits=\"Ann\">\n"
    "  <Pad X1=\"5\" Y1=\"5\" Value=\"15\" Color=\"Black\" Name=\"P1\" />\n"
    "  <Resistor Value=\"10K\" X1=\"2\" Y1=\"8\" X2=\"9\" Y2=\"8\" Name=\"R1\" />\n"
    "</Layout>\n";

// The program's own lines on standard error (the platform may add its own notes).
QList<QByteArray> OwnLines(const QByteArray& err) {
    QList<QByteArray> lines;
    for (const QByteArray& line : err.split('\n'))
        if (line.startsWith("stripwright"))
            lines << line;
    return lines;
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(RenderBoardCommand, WritesTheBoardImageAsTheEditorShowsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    const QString selected = dir.filePath(QStringLiteral("selected.png"));
    const QString revealed = dir.filePath(QStringLiteral("revealed.png"));

    ProgramRun run = RunProgram({QStringLiteral("render-board"), layout, plain});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(OwnLines(run.err).isEmpty()) << run.err.toStdString();
    const QImage image(plain);
    ASSERT_EQ(image.size(), QSize(2000, 1200));
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(20, 150) & 0xFFFFFF, 0xF5F5F5u);  // the screen grid
    EXPECT_EQ(image.pixel(905, 290) & 0xFFFFFF, 0x000000u);  // the black pad

    // Options may stand anywhere after the command.
    run = RunProgram({QStringLiteral("render-board"), QStringLiteral("--select"),
                      QStringLiteral("P1"), layout, selected});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(selected).pixel(905, 290) & 0xFFFFFF, 0xFF0000u);  // selected: red

    run = RunProgram({QStringLiteral("render-board"), layout, revealed, QStringLiteral("--reveal")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage revealedImage(revealed);
    EXPECT_EQ(revealedImage.pixel(905, 290) & 0xFFFFFF, 0x000000u);  // pads are unaffected
    EXPECT_NE(revealedImage, image);  // the resistor's leads and body are not

    // The same layout renders to the same picture every time.
    run = RunProgram({QStringLiteral("render-board"), layout, selected});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(FileBytes(selected), FileBytes(plain));
}

TEST(RenderBoardCommand, RefusesBadInputWithoutTouchingTheOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    const QString broken = dir.filePath(QStringLiteral("broken.swb"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    ASSERT_TRUE(WriteTextFile(broken, "<Layout Width=\"20\""));
    ASSERT_TRUE(WriteTextFile(damaged, "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\">"
                                       "<Pad Y1=\"5\" Value=\"15\" Name=\"P1\"/></Layout>"));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    ASSERT_TRUE(WriteTextFile(out, "earlier picture"));
    const QString render = QStringLiteral("render-board");
    struct Case {
        const char* what;
        QStringList args;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"help", {QStringLiteral("--help")}, 2, "--help"},
        {"no arguments", {}, 2, "usage"},
        {"one file", {layout}, 2, "usage"},
        {"three files", {layout, out, out}, 2, "usage"},
        {"select without a name", {layout, out, QStringLiteral("--select")}, 2, "--select"},
        {"unknown option", {layout, out, QStringLiteral("--fast")}, 2, "--fast"},
        {"unknown image type", {layout, dir.filePath(QStringLiteral("out.tif"))}, 2, "out.tif"},
        {"missing layout", {dir.filePath(QStringLiteral("none.swb")), out}, 2, "none.swb"},
        {"XML that does not parse", {broken, out}, 2, "not a valid layout"},
        {"damaged layout", {damaged, out}, 2, "X1"},
        {"no such component", {layout, out, QStringLiteral("--select"), QStringLiteral("R9")}, 2,
         "R9"},
        {"folder missing", {layout, dir.filePath(QStringLiteral("no/out.png"))}, 1, "no/out.png"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(QStringList{render} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        EXPECT_TRUE(run.err.contains(c.message)) << c.what << ": " << run.err.toStdString();
        EXPECT_EQ(OwnLines(run.err).size(), 1) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.what;
    }
    EXPECT_EQ(FileBytes(out), QByteArray("earlier picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no stray files";
}

}  // namespace
}  // namespace sw::test
