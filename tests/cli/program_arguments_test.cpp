// SPDX-License-Identifier: GPL-3.0-or-later
// Arguments the program must not ignore or misreport: an unknown command word,
// a start-up file without a display, inputs that never end or never answer,
// boards that have no copper picture, numbers out of range. Each ends at once
// with exit 2 and a line that says why.

#include "cli/cli_run.h"
#include "cli/command_line.h"

#include <QDir>
#include <QProcess>
#include <QFileInfo>
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
        {{QStringLiteral("--version"), QStringLiteral("extra")}, test::OffscreenEnvironment(),
         "--version takes no further arguments (got \"extra\")"},
        {{QStringLiteral("--help"), QStringLiteral("bom")}, test::OffscreenEnvironment(),
         "--help takes no further arguments"},
        {{QStringLiteral("gerber"), layout, QString()}, test::OffscreenEnvironment(), "argument 3 is empty"},
        {{QStringLiteral("bom"), layout, QString()}, test::OffscreenEnvironment(), "argument 3 is empty"},
        {{QStringLiteral("--"), layout, layout}, test::OffscreenEnvironment(), "the editor opens one layout"},
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

TEST(ProgramArguments, DoubleDashEndsTheOptions) {
    const struct {
        QStringList args;
        bool command;
    } cases[] = {
        {{QStringLiteral("--"), QStringLiteral("-x.swb")}, false},  // the editor opens "-x.swb"
        {{QStringLiteral("--")}, false},
        {{QStringLiteral("-x.swb")}, true},                         // an unknown option
        {{QStringLiteral("--"), QStringLiteral("a.swb"), QStringLiteral("b.swb")}, true},  // refused
        {{QStringLiteral("--"), QStringLiteral("bom")}, false},     // a layout named "bom"
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCommandLineCommand(c.args), c.command) << c.args.join(QLatin1Char(' ')).toStdString();
}

TEST(ProgramArguments, DoubleDashEndsACommandsOptions) {
    QTemporaryDir dir;
    ASSERT_TRUE(test::WriteTextFile(dir.filePath(QStringLiteral("-x.swb")), kLayout));
    QProcess process;
    process.setProcessEnvironment(test::OffscreenEnvironment());
    process.setWorkingDirectory(dir.path());
    const struct {
        QStringList args;
        int exit;
        const char* writes;  // the file it must have made, or nothing
    } cases[] = {
        {{QStringLiteral("bom"), QStringLiteral("--"), QStringLiteral("-x.swb"), QStringLiteral("-")}, 0, nullptr},
        {{QStringLiteral("bom"), QStringLiteral("./-x.swb"), QStringLiteral("--"), QStringLiteral("-bom.txt")}, 0, "-bom.txt"},
        {{QStringLiteral("gerber"), QStringLiteral("--"), QStringLiteral("-x.swb"), QStringLiteral("-out")}, 0, "-out/-x.drl"},
    };
    for (const auto& c : cases) {
        process.start(test::ProgramPath(), c.args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.exit)
            << c.args.join(QLatin1Char(' ')).toStdString() << ": " << process.readAllStandardError().toStdString();
        if (c.writes) EXPECT_TRUE(QFile::exists(dir.filePath(QString::fromLatin1(c.writes)))) << c.writes;
    }
}

// An output that is the layout itself (by name, by another name, through a link)
// is refused with exit 2 and the layout stays; a failed write to standard output
// or a device exits 1 with the system's reason; a device stays a device.
TEST(ProgramOutputs, NeverDestroyTheLayoutAndFailuresAreSaid) {
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("L.swb"));
    ASSERT_TRUE(test::WriteTextFile(layout, kLayout));
    const QString gifLayout = dir.filePath(QStringLiteral("L.gif"));  // a layout saved under a picture's name
    ASSERT_TRUE(test::WriteTextFile(gifLayout, kLayout));
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(layout, link));
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));

    const struct {
        QStringList args;
        int exit;
        const char* says;
        QString standardOutput;  // a file standard output goes to, or none
    } cases[] = {
        {{QStringLiteral("bom"), layout, layout}, 2, "is the layout", {}},
        {{QStringLiteral("render"), gifLayout, gifLayout}, 2, "is the layout", {}},
        {{QStringLiteral("print"), layout, link}, 2, "is the layout", {}},
        {{QStringLiteral("pnp"), layout, QStringLiteral("--pdf"), link}, 2, "is the layout", {}},
        {{QStringLiteral("render-board"), gifLayout, gifLayout}, 2, "is the layout", {}},
        {{QStringLiteral("bom"), layout, QStringLiteral("-")}, 1,
         "cannot write to standard output: No space left on device", QStringLiteral("/dev/full")},
        {{QStringLiteral("bom"), layout, QStringLiteral("/dev/full")}, 1,
         "Cannot write \"/dev/full\": No space left on device", {}},
        {{QStringLiteral("bom"), layout, QStringLiteral("/dev/null")}, 0, "", {}},
        {{QStringLiteral("print"), layout, pdf}, 0, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QProcess process;
        QProcessEnvironment env = test::OffscreenEnvironment();
        // The temporary folder may be closed: the PDF is made beside its target.
        env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("no-such-folder")));
        process.setProcessEnvironment(env);
        if (!c.standardOutput.isEmpty())
            process.setStandardOutputFile(c.standardOutput);
        process.start(test::ProgramPath(), c.args);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QByteArray err = process.readAllStandardError();
        EXPECT_EQ(process.exitCode(), c.exit) << err.toStdString();
        EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
        EXPECT_EQ(test::ReadFile(layout), kLayout);
        EXPECT_EQ(test::ReadFile(gifLayout), kLayout);
    }
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists());
    struct stat null {};
    ASSERT_EQ(stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
    EXPECT_TRUE(test::ReadFile(pdf).startsWith("%PDF"));
    // Nothing of the printer's is left beside the page.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
}

}  // namespace
}  // namespace sw
