// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright render: the rendered picture in the format its name asks for.

#include "cli_output_support.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunCli;

const QByteArray kLayout =
    "<Layout Type=\"PCB\" Width=\"5\" Height=\"3\" Project=\"\" Credits=\"\" HideList=\"True\">"
    "<Pad X1=\"2\" Y1=\"2\" Value=\"15\" Name=\"P1\"/></Layout>";

TEST(RenderCommandTest, WritesEachFormatByItsExtension) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "narrow.swb", kLayout);
    const struct {
        const char* name;
        const char* format;
    } cases[] = {{"out.gif", "gif"}, {"OUT.JPG", "jpeg"}, {"out.bmp", "bmp"}, {"out.Png", "png"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        const test::CommandRun run = RunCli({"render", layout, path});
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        EXPECT_EQ(QImageReader::imageFormat(path), QByteArray(c.format)) << c.name;
        EXPECT_EQ(QImage(path).width(), 431) << c.name;
    }
}

TEST(RenderCommandTest, RefusesBadArgumentsAndReportsUnwritableOutput) {
    QTemporaryDir dir;
    const QString layout = test::WriteLayout(QDir(dir.path()), "narrow.swb", kLayout);
    const struct {
        QStringList args;
        int code;
        const char* says;
    } cases[] = {
        {{"render", layout}, kExitBadInput, "usage"},
        {{"render", layout, dir.filePath("out.jpeg")}, kExitBadInput, ".gif, .jpg, .bmp or .png"},
        {{"render", layout, dir.filePath("out.tif")}, kExitBadInput, "out.tif"},
        {{"render", dir.filePath("missing.swb"), dir.filePath("out.gif")}, kExitBadInput, "missing.swb"},
        {{"render", layout, dir.filePath("no/such/dir/out.gif")}, kExitOutputFailed, "out.gif"},
    };
    for (const auto& c : cases) {
        const test::CommandRun run = RunCli(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("out.jpeg")));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.gif")));
}

}  // namespace
}  // namespace sw
