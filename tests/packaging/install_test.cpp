// SPDX-License-Identifier: GPL-3.0-or-later
// `cmake --install` into a temporary root (DESTDIR): the program, its tutorial
// pages, the desktop entry, the MIME type, the icons, the manual page, the
// completion and the software centre's entry land where a Linux desktop looks
// for them, and the installed program runs and finds its pages.

#include "packaging_support.h"
#include "ui/file_type_registration.h"
#include "ui/tutorial_form.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ReadFile;
using test::RunTool;
using test::ToolRun;

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root->path());
        install = new ToolRun(RunTool(QStringLiteral("cmake"),
                                {QStringLiteral("--install"), QStringLiteral(SW_BUILD_DIR),
                                 QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                env));
    }
    static void TearDownTestSuite() {
        delete install;
        delete root;
    }
    static QString Path(const QString& relative) { return root->path() + QStringLiteral("/usr/") + relative; }

    static QTemporaryDir* root;
    static ToolRun* install;
};
QTemporaryDir* Installed::root = nullptr;
ToolRun* Installed::install = nullptr;

TEST_F(Installed, PutsEveryFileWhereTheDesktopLooks) {
    ASSERT_EQ(install->exitCode, 0) << (install->out + install->err).toStdString();
    const QFileInfo program(Path(QStringLiteral("bin/stripwright")));
    EXPECT_TRUE(program.isFile() && program.isExecutable());
    for (const QString& file : test::InstalledFiles())
        EXPECT_TRUE(QFileInfo(Path(file)).isFile()) << file.toStdString();
    EXPECT_EQ(ReadFile(Path(QStringLiteral("share/icons/hicolor/scalable/apps/stripwright.svg"))),
              ReadFile(QStringLiteral(SW_SOURCE_DIR "/data/icons/stripwright-layout.svg")));
}

// The installed MIME package is the one the editor registers for a user, and
// the desktop's own tool reads *.swb from it.
TEST_F(Installed, MimeTypeClaimsLayoutFiles) {
    ASSERT_EQ(install->exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(ReadFile(Path(QStringLiteral("share/mime/packages/stripwright-layout.xml")))),
              MimePackageXml());
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const ToolRun update = RunTool(tool, {Path(QStringLiteral("share/mime"))},
                             QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(update.exitCode, 0) << (update.out + update.err).toStdString();
    EXPECT_TRUE(ReadFile(Path(QStringLiteral("share/mime/globs2")))
                    .contains(QByteArray(kLayoutMimeType) + ":*.swb"));
}

TEST_F(Installed, DesktopEntryIsValidAndOpensLayouts) {
    ASSERT_EQ(install->exitCode, 0);
    const QString entry = Path(QStringLiteral("share/applications/stripwright.desktop"));
    const QByteArray text = ReadFile(entry);
    EXPECT_TRUE(text.contains("Exec=stripwright %f\n"));
    EXPECT_TRUE(text.contains(QByteArray("MimeType=") + kLayoutMimeType + ";\n"));
    EXPECT_TRUE(text.contains("Icon=stripwright\n"));
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ToolRun check = RunTool(validate, {entry}, QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(check.exitCode, 0) << (check.out + check.err).toStdString();
    EXPECT_TRUE((check.out + check.err).isEmpty()) << (check.out + check.err).toStdString();
}

TEST_F(Installed, ProgramRunsAndFindsItsTutorials) {
    ASSERT_EQ(install->exitCode, 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun help = RunTool(Path(QStringLiteral("bin/stripwright")), {QStringLiteral("--help")}, env);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"render-board", "render ", "pnp", "print", "bom", "connect"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    EXPECT_TRUE(help.out.contains("Exit status: 0 success; 1")) << help.out.toStdString();
    EXPECT_EQ(FindTutorialsFolder(Path(QStringLiteral("bin"))),
              QDir::cleanPath(Path(QStringLiteral("share/stripwright/Tutorials"))));
}

}  // namespace
}  // namespace sw
