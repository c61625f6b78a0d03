// SPDX-License-Identifier: GPL-3.0-or-later
// Netlists made to hurt, read as a layout check reads them: each is either read
// whole or refused with a short reason naming where, never a crash, a hang or
// memory without bound; warnings stay few however many oddities a file holds.

#include "cli/cli_run.h"
#include "netlist/netlist.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace sw {
namespace {

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

std::string KiCadParts(int count) {
    std::string text = "(export (version \"E\") (components";
    for (int i = 1; i <= count; ++i)
        text += " (comp (ref \"R" + std::to_string(i) + "\") (value \"1k\"))";
    text += ") (nets (net (code \"1\") (name \"N\")";
    for (int i = 1; i <= count; ++i)
        text += " (node (ref \"R" + std::to_string(i) + "\") (pin \"1\"))";
    return text + ")))";
}

struct HostileNetlist {
    const char* name;
    std::string text;
    std::size_t parts;  // read with this many parts; 0: refused
    const char* says;   // part of the reason when refused
};

std::vector<HostileNetlist> Cases() {
    return {
        {"100 000 parts on one net", KiCadParts(100000), 100000, nullptr},
        {"one net of a million pins of one part",
         "(export (components (comp (ref \"U1\") (value \"x\"))) (nets (net (code \"1\") (name \"N\")" +
             Repeat(" (node (ref \"U1\") (pin \"1\"))", 1000000) + ")))",
         0, "more than"},
        {"a value of 30 MB",
         "(export (components (comp (ref \"R1\") (value \"" + std::string(30 << 20, 'v') + "\"))))", 1, nullptr},
        {"a reference 100 000 times",
         "(export (components" + Repeat(" (comp (ref \"R1\") (value \"1k\"))", 100000) + "))", 1, nullptr},
        {"a million nets without nodes",
         "(export (components (comp (ref \"R1\"))) (nets" + Repeat(" (net (code \"1\") (name \"N\"))", 600000) +
             "))",
         0, "more than"},
        {"a line of 40 MB of spaces", "(export" + std::string(40 << 20, ' ') + "(components (comp (ref R1))))", 1,
         nullptr},
        {"bare carriage returns", "(export\r(components\r(comp (ref R1))\r(comp (ref R2))))", 2, nullptr},
        {"SPICE continued a million times",
         "title\nR1 a b 1k\n" + Repeat("+ x=1\n", 1000000) + ".end\n", 1, nullptr},
        {"SPICE with 200 000 parts", "title\n" + [] {
             std::string lines;
             for (int i = 1; i <= 200000; ++i) lines += "R" + std::to_string(i) + " a b 1k\n";
             return lines;
         }() + ".end\n",
         200000, nullptr},
        {"Tango of half-open blocks", Repeat("[\n", 300000), 0, "line 2"},
        {"OrcadPCB2 opening parts without end",
         "( { EESchema Netlist Version 1.1 }\n" + Repeat(" ( /1 $noname R1 1k\n", 100000), 0, "line"},
        {"binary bytes", [] {
             std::string bytes(1 << 20, '\0');
             for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = char((i * 2654435761u) >> 13);
             return bytes;
         }(),
         0, nullptr},
        {"UTF-16 with its byte order mark", std::string("\xff\xfe(\0e\0x\0", 8), 0, nullptr},
    };
}

TEST(HostileNetlists, AreReadWholeOrRefusedShortlyNamingWhere) {
    for (const HostileNetlist& c : Cases()) {
        SCOPED_TRACE(c.name);
        const NetlistReadResult result = ReadNetlist(c.text);
        if (c.parts > 0) {
            ASSERT_TRUE(result.netlist) << result.error.substr(0, 300);
            EXPECT_EQ(result.netlist->parts.size(), c.parts);
            EXPECT_LE(result.netlist->warnings.size(), 101u);  // 100 and a line counting the rest
            for (const std::string& warning : result.netlist->warnings) EXPECT_LT(warning.size(), 400u);
            continue;
        }
        ASSERT_FALSE(result.netlist);
        EXPECT_FALSE(result.error.empty());
        EXPECT_LT(result.error.size(), 400u) << result.error.substr(0, 400);
        if (c.says) EXPECT_NE(result.error.find(c.says), std::string::npos) << result.error;
    }
}

TEST(HostileNetlists, TheCheckCommandEndsWithItsExitAndABoundedMessage) {
    QTemporaryDir dir;
    for (const HostileNetlist& c : Cases()) {
        if (c.text.size() > (8 << 20)) continue;  // the reader's table covers the large ones
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("hostile.net"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text.data(), qint64(c.text.size()));
        file.close();
        const test::ProgramRun run = test::RunProgram(
            {QStringLiteral("check"), test::ExamplePath(QStringLiteral("stripboard.swb")), path});
        if (c.parts == 0) {
            EXPECT_EQ(run.exitCode, 2) << run.err.left(300).toStdString();
            EXPECT_LT(run.err.size(), 1000) << run.err.left(300).toStdString();
        } else {
            EXPECT_EQ(run.exitCode, 1) << run.err.left(300).toStdString();
        }
    }
}

}  // namespace
}  // namespace sw
