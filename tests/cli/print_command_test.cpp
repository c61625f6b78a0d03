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

// The copper strips' extent in one row of a rendered page: from the first
// hole's left half-tile to the last hole's right one, 20 pixels of the picture
// a hole.
int StripExtent(const QImage& page) {
    int best = 0;
    for (int y = 0; y < page.height(); ++y) {
        int left = -1, right = -1;
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qAbs(qRed(p) - 255) < 12 && qAbs(qGreen(p) - 185) < 12 && qAbs(qBlue(p) - 66) < 12) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        best = std::max(best, right - left + 1);
    }
    return best;
}

// --actual-size prints a stripboard as a template: its hole pitch on paper is
// 2.54 mm, read from the PDF drawn at two resolutions, on both paper sizes;
// the page-filling print of the same layout has a larger pitch.
TEST(PrintCommandTest, ActualSizePrintsAHolePitchOfTwoPointFiveFourMillimetres) {
    QTemporaryDir dir;
    const int holes = 24;
    const QString layout = test::WriteLayout(
        QDir(dir.path()), "strip.swb",
        "<Layout Type=\"Stripboard\" Width=\"24\" Height=\"8\" Project=\"\" Credits=\"\" "
        "HideList=\"True\"/>");
    const struct {
        const char* page;
        bool actual;
        int dpi;
    } cases[] = {{"a4", true, 200}, {"a4", true, 300}, {"letter", true, 300}, {"a4", false, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.page) + (c.actual ? " actual" : " fill") + std::to_string(c.dpi));
        const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(c.page).arg(c.actual));
        QStringList args = {"print", layout, pdf, "--page", c.page};
        if (c.actual)
            args << "--actual-size";
        const test::CommandRun run = RunCli(args);
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        const QImage page = test::RenderPdfPage(pdf, c.dpi);
        if (page.isNull())
            GTEST_SKIP() << "pdftoppm is not installed (scripts/setup installs poppler-utils)";
        const double pitchMm = StripExtent(page) * 25.4 / c.dpi / holes;
        if (c.actual)
            EXPECT_NEAR(pitchMm, 2.54, 0.02);
        else
            EXPECT_GT(pitchMm, 2 * 2.54);  // this small board fills the page at a larger scale
    }
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
