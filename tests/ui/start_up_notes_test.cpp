// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up says without a box: a file-type registration that fails (an
// unwritable home, XDG_DATA_HOME naming a file) is a note in the status bar.

#include "test_main_form.h"
#include "ui/file_type_registration.h"
#include "ui/main_form_probe.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(StartUpNotes, AFailedRegistrationIsANoteNotABox) {
    if (IsSwbTypeKnown()) GTEST_SKIP() << "*.swb is registered on this machine: nothing is written";
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("data"));
    {
        QFile file(notAFolder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(notAFolder));
    test::ScriptedDialogs dialogs;  // any box would fail the test
    MainFormOptions options = test::TestFormOptions(dialogs);
    options.registerFileType = true;
    TMainForm window(options);
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_FALSE(test::Controls(window).StatusPane->text().isEmpty());
    EXPECT_FALSE(test::Controls(window).StatusPane->text().contains(QLatin1Char('\n')));
    if (saved.isNull()) qunsetenv("XDG_DATA_HOME"); else qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
}  // namespace sw
