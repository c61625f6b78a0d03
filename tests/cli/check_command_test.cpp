// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw::test {
namespace {

// Row 2 is VCC, row 5 OUT; the layout names its own netlist in a subfolder.
const QByteArray kLayout =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\" "
    "Netlist=\"sch/a.net\">\n"
    "  <Resistor Value=\"4K7\" X1=\"3\" Y1=\"2\" X2=\"3\" Y2=\"5\" Name=\"R1\" />\n"
    "  <Led Value=\"red\" X1=\"6\" Y1=\"2\" X2=\"6\" Y2=\"5\" Name=\"D1\" />\n"
    "</Layout>\n";
const QByteArray kNetlist =
    "(export (version \"E\")\n"
    " (components (comp (ref \"R1\") (value \"4.7k\")) (comp (ref \"D1\") (value \"red\")))\n"
    " (nets (net (code \"1\") (name \"VCC\") (node (ref \"R1\") (pin \"1\"))\n"
    "         (node (ref \"D1\") (pin \"2\") (pinfunction \"A\")))\n"
    "       (net (code \"2\") (name \"OUT\") (node (ref \"R1\") (pin \"2\"))\n"
    "         (node (ref \"D1\") (pin \"1\") (pinfunction \"K\")))))\n";

TEST(CheckCommand, ReportsAndAnswersInTheExitStatus) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sch")));
    const QString layout = dir.filePath(QStringLiteral("a.swb"));
    const QString own = dir.filePath(QStringLiteral("sch/a.net"));
    const QString turned = dir.filePath(QStringLiteral("turned.net"));
    const QString spice = dir.filePath(QStringLiteral("a.cir"));
    const QString broken = dir.filePath(QStringLiteral("broken.net"));
    const QString bare = dir.filePath(QStringLiteral("bare.swb"));
    ASSERT_TRUE(WriteTextFile(layout, kLayout));
    ASSERT_TRUE(WriteTextFile(own, kNetlist));
    QByteArray t = kNetlist;
    t.replace("(pin \"2\") (pinfunction \"A\")", "(pin \"2\") (pinfunction \"K\")")
        .replace("(pin \"1\") (pinfunction \"K\")", "(pin \"1\") (pinfunction \"A\")");
    ASSERT_TRUE(WriteTextFile(turned, t));
    ASSERT_TRUE(WriteTextFile(spice, "title\nR1 VCC OUT 4k7\nD1 VCC OUT red\n"));
    ASSERT_TRUE(WriteTextFile(broken, kNetlist.left(60)));
    ASSERT_TRUE(WriteTextFile(bare, QByteArray(kLayout).replace(" Netlist=\"sch/a.net\"", "")));
    struct Case {
        QStringList args;
        int exitCode;
        QByteArray out;  // the first line, or all of it
        const char* err;
    };
    const QByteArray matches = "matches: 2 parts and 2 nets in the netlist, 2 parts on the layout\n";
    const std::vector<Case> cases = {
        {{layout}, 0, matches, ""},
        {{layout, own}, 0, matches, ""},
        {{layout, spice}, 0, matches, ""},
        {{layout, spice, "--format", "spice"}, 0, matches, ""},
        {{layout, turned}, 1,
         "reversed D1: turned round: its cathode (pin 2) at (6,5) sits on the copper of OUT and its anode "
         "(pin 1) at (6,2) on that of VCC, the other way round from the netlist\n",
         ""},
        {{layout, "--json"}, 0, "{\"matches\":true,\"differences\":[],\"not_expected\":[],", ""},
        {{layout, own, "--format", "tango"}, 2, "", "line 1: expected \"[\" or \"(\""},
        {{layout, own, "--format", "gerber"}, 2, "", "\"gerber\" is no netlist format"},
        {{layout, own, "--format"}, 2, "", "--format needs a format"},
        {{layout, own, "--frobnicate"}, 2, "", "unknown option \"--frobnicate\""},
        {{layout, broken}, 2, "", "broken.net: line 2: a string that is not closed"},
        {{layout, dir.filePath(QStringLiteral("none.net"))}, 2, "", "none.net\": No such file"},
        {{layout, dir.path()}, 2, "", "it is a folder, not a netlist"},
        {{bare}, 2, "", "names no netlist of its own"},
        {{}, 2, "", "usage: stripwright check LAYOUT.swb [NETLIST]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun run = RunProgram(QStringList{QStringLiteral("check")} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out.left(c.out.size()), c.out);
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace sw::test
