// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

// Qt's file dialog writes QtProject.conf as it closes; with the run's settings
// in place it is written into the run's own folder, gone with it, and nothing
// reaches the configuration folder of a HOME of the test's own.
TEST(RunSettings, FileDialogHistoryStaysInTheRunAndLeavesNoConfigurationFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString config = home.filePath(QStringLiteral(".config"));
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    QString folder;
    {
        const RunSettings run;
        folder = run.Folder();
        ASSERT_FALSE(folder.isEmpty());
        for (const QString& visited : {home.path(), QDir::tempPath()}) {
            QFileDialog dialog(nullptr, QStringLiteral("Open"), visited);
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setDirectory(visited);
        }
        // The dialogs did write their history, where the run keeps it.
        EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/QtProject.conf")))
            << QDir(folder).entryList().join(u' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(QFileInfo::exists(config + QStringLiteral("/QtProject.conf")));
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

}  // namespace
}  // namespace sw
