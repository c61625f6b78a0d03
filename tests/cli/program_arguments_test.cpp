// Arguments the program must not ignore or misreport: an unknown command word,
// a start-up file without a display, inputs that never end or never answer,
// boards that have no copper picture, numbers out of range. Each ends at once
// with exit 2 and a line that says why.

#include "cli/cli_run.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sw {
namespace {

const QByteArray kLayout =
    "<Layout Type=\"PCB\" Width=\"10\" Height=\"5\"><Pad Value=\"9px\" X1=\"2\" Y1=\"2\" Name=\"P1\"/></Layout>";

TEST(ProgramArguments, AreRefusedClearlyWithExit2) {
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("L.swb"));
    ASSERT_TRUE(test::WriteTextFile(layout, kLayout));
    const QString noHoles = dir.filePath(QStringLiteral("flat.swb"));
    ASSERT_TRUE(test::WriteTextFile(noHoles, "<Layout Type=\"PCB\" Width=\"0\" Height=\"5\"/>"));
    const QString huge = dir.filePath(QStringLiteral("huge.swb"));
    ASSERT_TRUE(test::WriteTextFile(huge, "<Layout Type=\"PCB\" Width=\"2000000000\" Height=\"2000000000\"/>"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.swb"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.swb"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString gif = dir.filePath(QStringLiteral("out.gif"));

    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        noDisplay.remove(QLatin1String(name));

    const struct {
        QStringList args;
        QProcessEnvironment env;
        const char* says;
    } cases[] = {
        {{QStringLiteral("frobnicate"), layout}, test::OffscreenEnvironment(), "unknown command \"frobnicate\"\n\nUsage:"},
        {{layout, layout}, test::OffscreenEnvironment(), "unknown command"},
        {{QStringLiteral("missing.swb")}, noDisplay, "the editor's window cannot be opened (no usable display, DISPLAY is not set)"},
        {{QStringLiteral("bom"), QStringLiteral("/dev/zero"), QStringLiteral("-")}, test::OffscreenEnvironment(), "it is a device"},
        {{QStringLiteral("bom"), zero, QStringLiteral("-")}, test::OffscreenEnvironment(), "it is a device"},
        {{QStringLiteral("render"), pipe, gif}, test::OffscreenEnvironment(), "it is a pipe"},
        {{QStringLiteral("pnp"), noHoles, gif}, test::OffscreenEnvironment(), "The board has no holes"},
        {{QStringLiteral("pnp"), huge, gif}, test::OffscreenEnvironment(), "too large to render"},
        {{QStringLiteral("pnp"), noHoles, QStringLiteral("--pdf"), dir.filePath(QStringLiteral("o.pdf"))},
         test::OffscreenEnvironment(), "The board has no holes"},
        {{QStringLiteral("connect"), layout, QStringLiteral("99999999999"), QStringLiteral("1"),
          QStringLiteral("2"), QStringLiteral("2")},
         test::OffscreenEnvironment(), "\"99999999999\" is out of range for a hole coordinate"},
        {{QStringLiteral("connect"), layout, QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2"),
          QStringLiteral("2")},
         test::OffscreenEnvironment(), "\"x\" is not a hole coordinate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const test::ProgramRun run = test::RunProgram(c.args, c.env);
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
        EXPECT_LT(run.err.size(), 4000);
        EXPECT_FALSE(QFile::exists(gif));
    }
}

}  // namespace
}  // namespace sw
