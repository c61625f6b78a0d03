// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a real X window: start it under Xvfb with an example
// layout, take a screenshot, and check that the board was drawn.

#include "test_support.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Smoke, TheEditorShowsAnExampleLayoutUnderXvfb) {
    for (const char* tool : {"xvfb-run", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SW_PROGRAM"), test::ProgramPath());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // a real X window this time
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(test::ExamplePath(QStringLiteral("../scripts/screenshot")),
                  {test::ExamplePath(QStringLiteral("stripboard.swb")), shot});
    ASSERT_TRUE(process.waitForFinished(60000)) << "the screenshot script did not finish";
    ASSERT_EQ(process.exitCode(), 0) << process.readAll().toStdString();

    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1600, 1000));
    // The stripboard's copper strips (255, 185, 66) are on screen.
    image = image.convertToFormat(QImage::Format_RGB32);
    int copper = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            copper += (line[x] & 0xFFFFFF) == 0xFFB942;
    }
    EXPECT_GT(copper, 1000);
}

}  // namespace
}  // namespace sw
