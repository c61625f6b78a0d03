// `cmake --install` into a temporary root (DESTDIR): the program, its tutorial
// pages, the desktop entry, the MIME type and the icons land where a Linux
// desktop looks for them, and the installed program runs and finds its pages.

#include "test_support.h"
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

struct ProcessRun {
    int exitCode = -1;
    QByteArray out;
};

ProcessRun Start(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    ProcessRun run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAll();
    return run;
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root->path());
        install = new ProcessRun(Start(QStringLiteral("cmake"),
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
    static ProcessRun* install;
};
QTemporaryDir* Installed::root = nullptr;
ProcessRun* Installed::install = nullptr;

TEST_F(Installed, PutsEveryFileWhereTheDesktopLooks) {
    ASSERT_EQ(install->exitCode, 0) << install->out.toStdString();
    const QFileInfo program(Path(QStringLiteral("bin/stripwright")));
    EXPECT_TRUE(program.isFile() && program.isExecutable());
    for (const char* file : {"share/stripwright/Tutorials/index.html",
                             "share/applications/stripwright.desktop",
                             "share/mime/packages/stripwright-layout.xml",
                             "share/icons/hicolor/scalable/apps/stripwright.svg",
                             "share/icons/hicolor/scalable/mimetypes/application-x-stripwright-layout.svg",
                             "share/stripwright/examples/stripboard.swb"})
        EXPECT_TRUE(QFileInfo(Path(QLatin1String(file))).isFile()) << file;
    EXPECT_EQ(Read(Path(QStringLiteral("share/icons/hicolor/scalable/apps/stripwright.svg"))),
              Read(QStringLiteral(SW_SOURCE_DIR "/data/icons/stripwright-layout.svg")));
}

// The installed MIME package is the one the editor registers for a user, and
// the desktop's own tool reads *.swb from it.
TEST_F(Installed, MimeTypeClaimsLayoutFiles) {
    ASSERT_EQ(install->exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(Read(Path(QStringLiteral("share/mime/packages/stripwright-layout.xml")))),
              MimePackageXml());
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const ProcessRun update = Start(tool, {Path(QStringLiteral("share/mime"))},
                             QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(update.exitCode, 0) << update.out.toStdString();
    EXPECT_TRUE(Read(Path(QStringLiteral("share/mime/globs2")))
                    .contains(QByteArray(kLayoutMimeType) + ":*.swb"));
}

TEST_F(Installed, DesktopEntryIsValidAndOpensLayouts) {
    ASSERT_EQ(install->exitCode, 0);
    const QString entry = Path(QStringLiteral("share/applications/stripwright.desktop"));
    const QByteArray text = Read(entry);
    EXPECT_TRUE(text.contains("Exec=stripwright %f\n"));
    EXPECT_TRUE(text.contains(QByteArray("MimeType=") + kLayoutMimeType + ";\n"));
    EXPECT_TRUE(text.contains("Icon=stripwright\n"));
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ProcessRun check = Start(validate, {entry}, QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_TRUE(check.out.isEmpty()) << check.out.toStdString();
}

TEST_F(Installed, ProgramRunsAndFindsItsTutorials) {
    ASSERT_EQ(install->exitCode, 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProcessRun help = Start(Path(QStringLiteral("bin/stripwright")), {QStringLiteral("--help")}, env);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"render-board", "render ", "pnp", "print", "bom", "connect"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    EXPECT_TRUE(help.out.contains("Exit status: 0 success; 1")) << help.out.toStdString();
    EXPECT_EQ(FindTutorialsFolder(Path(QStringLiteral("bin"))),
              QDir::cleanPath(Path(QStringLiteral("share/stripwright/Tutorials"))));
}

}  // namespace
}  // namespace sw
