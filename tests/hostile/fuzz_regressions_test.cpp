// SPDX-License-Identifier: GPL-3.0-or-later
// Every input with which the fuzzer once found a fault
// (tests/data/fuzz-regressions/*.swb) runs through the whole open sequence again
// and must now be refused with a reason or open whole.

#include "open_pipeline.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(FuzzRegressions, EveryFoundInputNowEndsWell) {
    const QDir dir(test::DataPath(QStringLiteral("fuzz-regressions")));
    const QStringList files = dir.entryList({QStringLiteral("*.swb")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const OpenOutcome o = RunOpenPipeline(file.readAll());
        if (!o.opened) {
            EXPECT_FALSE(o.refusal.isEmpty());
            continue;
        }
        EXPECT_EQ(o.boardImage, QSize(2000, 1200));
        EXPECT_GE(o.picture.width(), 400);
        EXPECT_TRUE(o.billOfMaterials.endsWith("\r\n"));
        EXPECT_EQ(o.copperMade, o.copperRefusal.isEmpty()) << o.copperRefusal.toStdString();
        EXPECT_TRUE(o.reopened) << o.reopenProblem.toStdString();
    }
}

}  // namespace
}  // namespace sw
