// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright print: the rendered picture printed through the real print path
// into a PDF file.

#include "cli_output_support.h"

#include "cli/pdf_output.h"
#include "model/layout_document.h"
#include "render/export/print_layout.h"
#include "render/export/render_to_image.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunCli;

LayoutDocument LayoutFile(const QString& path) {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadFile(path).ok);
    return doc;
}

TEST(PrintCommandTest, PrintsTheRenderedPictureCentredAtItsWholeScale) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(
        QDir(dir.path()), "narrow.swb",
        "<Layout Type=\"PCB\" Width=\"5\" Height=\"3\" Project=\"\" Credits=\"\" HideList=\"True\"/>");
    const QString pdf = dir.filePath("print.pdf");
    const test::CommandRun run = RunCli({"print", layout, pdf});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    const QImage page = test::RenderPdfPage(pdf, 100);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm is not installed (scripts/setup installs poppler-utils)";
    // The 431-pixel picture at its whole scale on the A4 printer: the board
    // outline (101 pixels of the picture) is scale x 101 printer pixels wide,
    // and centred on the page.
    const QImage picture = RenderToImage(LayoutFile(layout));
    ASSERT_EQ(picture.width(), 431);
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, dir.filePath("probe.pdf"), QPageSize::A4);
    const int scale = IntegerPrintScale({printer.width(), printer.height()}, picture.size());
    ASSERT_GE(scale, 2);
    const QRect board = test::DarkBox(page);
    ASSERT_TRUE(board.isValid());
    EXPECT_NEAR(board.width(), 101.0 * scale * 100 / printer.resolution(), 2);
    EXPECT_NEAR(board.center().x(), page.width() / 2.0, 3);
}

TEST(PrintCommandTest, RefusesANameThatIsNotPdfAndReportsUnwritableOutput) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "l.swb",
                                             "<Layout Type=\"PCB\" Width=\"5\" Height=\"3\"/>");
    EXPECT_EQ(RunCli({"print", layout, dir.filePath("out.png")}).code, kExitBadInput);
    const test::CommandRun failed = RunCli({"print", layout, dir.filePath("missing/out.pdf")});
    EXPECT_EQ(failed.code, kExitOutputFailed);
    EXPECT_TRUE(failed.err.contains(QLatin1String("out.pdf"))) << failed.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"l.swb"});
}

}  // namespace
}  // namespace sw
