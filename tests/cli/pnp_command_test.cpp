// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright pnp: the toner-transfer picture as GIF, and printed at true scale
// into a PDF.

#include "cli_output_support.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunCli;

const QByteArray kBoard =
    "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"\">"
    "<Trace X1=\"3\" Y1=\"2\" X2=\"7\" Y2=\"2\" Value=\"5px\"/>"
    "<Pad X1=\"1\" Y1=\"1\" Value=\"15\"/><Pad X1=\"20\" Y1=\"10\" Value=\"15\" Square=\"True\"/>"
    "</Layout>";

TEST(PnpCommandTest, GifHasTheCopperCanvasAndItsExactPixels) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "board.swb", kBoard);
    const QString gif = dir.filePath("PnP.gif");
    const test::CommandRun run = RunCli({"pnp", layout, gif});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_EQ(QImageReader::imageFormat(gif), QByteArray("gif"));
    const QImage image = QImage(gif).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(440, 240));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));  // drill of the pad at hole (1, 1)
    EXPECT_EQ(image.pixel(25, 20), qRgb(0, 0, 0));
}

TEST(PnpCommandTest, PdfShowsTheBoardAtTrueScale) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "board.swb", kBoard);
    for (const char* page : {"a4", "letter"}) {
        const QString pdf = dir.filePath(QStringLiteral("pnp-%1.pdf").arg(page));
        const test::CommandRun run = RunCli({"pnp", layout, "--pdf", pdf, "--page", page});
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        // At 200 pixels per inch one tenth of an inch is 20 pixels: the same as
        // the copper canvas, so the outline (10, 10)-(410, 210) is 401 x 201 pixels.
        const QImage rendered = test::RenderPdfPage(pdf, 200);
        if (rendered.isNull())
            GTEST_SKIP() << "pdftoppm is not installed (scripts/setup installs poppler-utils)";
        EXPECT_NEAR(rendered.width(), std::string(page) == "a4" ? 1654 : 1700, 1) << page;
        const QRect board = test::DarkBox(rendered);
        EXPECT_NEAR(board.width(), 401, 2) << page;
        EXPECT_NEAR(board.height(), 201, 2) << page;
        // Centred across the page: the canvas (440 wide) starts 10 pixels left of the outline.
        EXPECT_NEAR(board.left() - 10 + 220, rendered.width() / 2, 3) << page;
        // The pad at hole (1, 1): dark ring left of a white drill, 20 pixels in from the canvas.
        const int cx = board.left() + 10, cy = board.top() + 10;
        EXPECT_LT(qGray(rendered.pixel(cx + 5, cy)), 128);
        EXPECT_GT(qGray(rendered.pixel(cx, cy)), 128);
    }
}

TEST(PnpCommandTest, StripboardAndPerfboardAreRefusedWithNothingWritten) {
    QTemporaryDir dir;
    for (const char* type : {"Stripboard", "Perfboard"}) {
        QByteArray board = kBoard;
        board.replace("Type=\"PCB\"", QByteArray("Type=\"") + type + "\"");
        const QString layout = test::WriteLayout(QDir(dir.path()), "board.swb", board);
        for (const QStringList& output : {QStringList{dir.filePath("PnP.gif")},
                                          QStringList{"--pdf", dir.filePath("PnP.pdf")}}) {
            const test::CommandRun run = RunCli(QStringList{"pnp", layout} + output);
            EXPECT_EQ(run.code, kExitBadInput) << type;
            EXPECT_TRUE(run.err.contains(QLatin1String("is for PCB layouts; this layout's type is \"") +
                                         QLatin1String(type)))
                << run.err.toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.swb"});
}

TEST(PnpCommandTest, RefusesOtherNamesAndPageSizes) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "board.swb", kBoard);
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{"pnp", layout, dir.filePath("PnP.png")}, "GIF"},
        {{"pnp", layout, "--pdf", dir.filePath("PnP.gif")}, "PDF"},
        {{"pnp", layout, "--pdf", dir.filePath("PnP.pdf"), "--page", "a3"}, "a4 or letter"},
        {{"pnp", layout, "--pdf", dir.filePath("PnP.pdf"), "--page"}, "a4 or letter"},
        {{"pnp", layout}, "usage"},
    };
    for (const auto& c : cases) {
        const test::CommandRun run = RunCli(c.args);
        EXPECT_EQ(run.code, kExitBadInput) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"board.swb"});
}

}  // namespace
}  // namespace sw
