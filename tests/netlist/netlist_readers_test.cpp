// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/netlist.h"
#include "test_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace sw {
namespace {

std::string Sample(const char* name) {
    QFile file(test::DataPath(QStringLiteral("netlists/") + QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

// "REF-PIN=NET" for a pin, or "" when the part or pin is not there.
std::string PinNet(const Netlist& n, const std::string& ref, const std::string& pin) {
    const int part = n.FindPart(ref);
    if (part < 0)
        return "";
    for (const NetlistPin& p : n.parts[std::size_t(part)].pins)
        if (p.name == pin)
            return n.nets[std::size_t(p.net)];
    return "";
}

struct SampleCase {
    const char* file;
    NetlistFormat format;
    std::size_t parts;
    std::vector<std::array<std::string, 3>> pins;  // ref, pin, net
    std::vector<std::array<std::string, 2>> values;
    std::vector<std::string> sources;
    std::size_t warnings;
};

TEST(NetlistReaders, ReadTheFormatsAsTheirExportersWriteThem) {
    const std::vector<SampleCase> cases = {
        {"flasher-kicad8.net", NetlistFormat::KiCad, 6,
         {{"C1", "1", "+9V"}, {"D1", "1", "GND"}, {"U1", "3", "Net-(D1-A)"},
          {"U1", "7", "unconnected-(U1-DIS-Pad7)"}, {"H1", "1", "unconnected-(H1-Pad1)"}},
         {{"R1", "4K7"}, {"U1", "NE555P"}, {"C1", "10uF"}},
         {"V1"},
         0},
        {"flasher-kicad5.net", NetlistFormat::KiCad, 5,
         {{"C1", "2", "GND"}, {"D1", "2", "Net-(D1-Pad2)"}, {"U1", "7", "Net-(U1-Pad7)"}},
         {{"R1", "4.7k"}, {"C1", "10uF"}},
         {"V1"},
         0},
        {"flasher-orcadpcb2.net", NetlistFormat::OrcadPcb2, 4,
         {{"U1", "8", "+9V"}, {"U1", "2", "unconnected-(U1-Pad2)"}, {"D1", "2", "Net-(D1-A)"}},
         {{"D1", "red LED"}, {"R1", "4K7"}},
         {},
         0},
        {"flasher-tango.net", NetlistFormat::Tango, 4,
         {{"C1", "2", "GND"}, {"U1", "3", "LEDA"}, {"R1", "1", "VCC"}},
         {{"C1", "10uF"}, {"R1", "4K7"}, {"D1", "LED"}, {"U1", "NE555"}},
         {},
         0},
        {"flasher-spice.cir", NetlistFormat::Spice, 8,
         {{"R1", "2", "led_a"}, {"D1", "2", "0"}, {"X1", "1", "0"}, {"X1", "8", "vcc"},
          {"Q1", "3", "0"}, {"C1", "1", "vcc"}},
         {{"R1", "4.7k"}, {"D1", "D_RED"}, {"X1", "NE555"}, {"Q1", "BC547"}, {"C1", "10u"}},
         {"V1"},
         0},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = Sample(c.file);
        EXPECT_EQ(DetectNetlistFormat(text), c.format);
        const NetlistReadResult r = ReadNetlist(text);
        ASSERT_TRUE(r.netlist) << r.error;
        const Netlist& n = *r.netlist;
        EXPECT_EQ(n.format, c.format);
        EXPECT_EQ(n.parts.size(), c.parts);
        for (const auto& [ref, pin, net] : c.pins)
            EXPECT_EQ(PinNet(n, ref, pin), net) << ref << "-" << pin;
        for (const auto& [ref, value] : c.values) {
            ASSERT_GE(n.FindPart(ref), 0) << ref;
            EXPECT_EQ(n.parts[std::size_t(n.FindPart(ref))].value, value) << ref;
        }
        for (const NetlistPart& p : n.parts)
            EXPECT_EQ(p.source, std::find(c.sources.begin(), c.sources.end(), p.ref) != c.sources.end())
                << p.ref;
        EXPECT_EQ(n.warnings.size(), c.warnings) << (n.warnings.empty() ? "" : n.warnings.front());
    }
}

TEST(NetlistReaders, KeepWhatMattersOfEachFormat) {
    const NetlistReadResult kicad = ReadNetlist(Sample("flasher-kicad8.net"));
    ASSERT_TRUE(kicad.netlist);
    const NetlistPart& d1 = kicad.netlist->parts[std::size_t(kicad.netlist->FindPart("D1"))];
    ASSERT_EQ(d1.pins.size(), 2u);
    EXPECT_EQ(d1.pins[0].function, "K");
    EXPECT_TRUE(kicad.netlist->listsAllPins);

    const NetlistReadResult tango = ReadNetlist(Sample("flasher-tango.net"));
    ASSERT_TRUE(tango.netlist);
    EXPECT_FALSE(tango.netlist->listsAllPins);

    // Elements inside .subckt ... .ends and after .end are no parts; the
    // continuation line belongs to R1.
    const NetlistReadResult spice = ReadNetlist(Sample("flasher-spice.cir"));
    ASSERT_TRUE(spice.netlist);
    EXPECT_LT(spice.netlist->FindPart("R9"), 0);
    EXPECT_LT(spice.netlist->FindPart("R99"), 0);
    EXPECT_EQ(spice.netlist->parts[std::size_t(spice.netlist->FindPart("Q1"))].pins.size(), 3u);
}

TEST(NetlistReaders, TolerateWhatRealFilesHoldWithAWarning) {
    struct Case {
        const char* what;
        std::string text;
        std::optional<NetlistFormat> forced;
        const char* warning;  // a part of the first warning
        std::size_t parts;
    };
    const std::vector<Case> cases = {
        {"a node naming an unlisted part",
         "(export (components (comp (ref R1) (value 1k)))\n(nets (net (code 1) (name A)\n"
         " (node (ref R1) (pin 1)) (node (ref R7) (pin 2)))))",
         {}, "line 3: the net A names the part R7, which the parts list does not have", 2},
        {"a reference listed twice",
         "(export (components (comp (ref R1) (value 1k))\n (comp (ref R1) (value 2k))))",
         {}, "line 2: the part R1 is listed again (first on line 1)", 1},
        {"a pin on two nets",
         "(export (components (comp (ref R1)))\n(nets (net (name A) (node (ref R1) (pin 1)))\n"
         "(net (name B) (node (ref R1) (pin 1)))))",
         {}, "pin 1 of R1 is on two nets; the first is kept", 1},
        {"unknown tags and empty pins", "(export (frobnicate 1) (components (comp (ref R1) "
         "(value 1k) (newtag (x y)))) (nets (net (name A) (node (ref R1) (pin \"\")))))",
         {}, nullptr, 1},
        {"a Tango node without a pin", "[\nR1\nAXIAL\n1k\n]\n(\nN1\nR1\nR1-2\n)\n", {},
         "line 8: \"R1\" is not a node REF-PIN", 1},
        {"a reference with parentheses and dashes in Tango", "[\nU(1)-A\nDIP8\nLM358\n]\n"
         "(\nOUT\nU(1)-A-1\n)\n", {}, nullptr, 1},
        {"a SPICE element this check does not know", "title\nK1 L1 L2 0.99\nR1 a b 1k\n", {},
         "line 2: K1 is no part a board holds", 1},
        {"SPICE forced on a title-only deck", "just a title\nR1 1 2 10k\n",
         NetlistFormat::Spice, nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NetlistReadResult r = ReadNetlist(c.text, c.forced);
        ASSERT_TRUE(r.netlist) << r.error;
        EXPECT_EQ(r.netlist->parts.size(), c.parts);
        if (c.warning == nullptr) {
            EXPECT_TRUE(r.netlist->warnings.empty()) << r.netlist->warnings.front();
        } else {
            ASSERT_FALSE(r.netlist->warnings.empty());
            EXPECT_NE(r.netlist->warnings.front().find(c.warning), std::string::npos)
                << r.netlist->warnings.front();
        }
    }
    // A reference with a dash keeps it: the node splits at the last one.
    const NetlistReadResult tango = ReadNetlist("[\nU(1)-A\nDIP8\nLM358\n]\n(\nOUT\nU(1)-A-1\n)\n");
    ASSERT_TRUE(tango.netlist);
    EXPECT_EQ(tango.netlist->parts[0].ref, "U(1)-A");
    EXPECT_EQ(tango.netlist->parts[0].pins[0].name, "1");
}

TEST(NetlistReaders, RefuseBadInputNamingWhere) {
    std::string deep(1'000'000, '(');
    std::string huge = "(export (components";
    huge.resize(kMaxNetlistBytes + 1, ' ');
    const std::string kicad = ReadNetlist(Sample("flasher-kicad8.net")).netlist ? Sample("flasher-kicad8.net") : "";
    struct Case {
        const char* what;
        std::string text;
        const char* error;
    };
    const std::vector<Case> cases = {
        {"empty", "", "the netlist is empty"},
        {"no format", "hello world\nthis is prose\n", "not a netlist this program reads"},
        {"XML", "<?xml version=\"1.0\"?>\n<export/>", "XML netlist"},
        {"truncated KiCad", kicad.substr(0, kicad.size() / 2), "lists not closed, the innermost opened on line 58"},
        {"an extra parenthesis", "(export (components (comp (ref R1)))))\n)",
         nullptr},  // read: the text after the first expression is not looked at
        {"unterminated string", "(export\n (components (comp (ref \"R1))))", "line 2: a string that is not closed"},
        {"NUL", std::string("(export (components\n (comp (ref R1)\0)))", 36),
         "byte 35 (line 2): the netlist holds the character NUL"},
        {"nesting a million deep", "(export " + deep, "line 1: lists nested deeper than 256 levels"},
        {"over the size cap", huge, "larger than 64 MiB"},
        {"not export", "(kicad_sch (version 20231120))", "begins with (export, not (kicad_sch"},
        {"truncated OrcadPCB2", "( { EESchema Netlist Version 1.1 }\n ( /1 $noname R1 1k\n  ( 1 A )\n",
         "line 2: the part R1 is not closed"},
        {"OrcadPCB2 pin outside a part", "( { EESchema Netlist Version 1.1 }\n  ( 1 A )\n)\n*\n",
         "line 2: a pin outside a part"},
        {"OrcadPCB2 without its end", "( { EESchema }\n ( /1 $noname R1 1k\n  ( 1 A )\n )\n",
         "is not closed with \")\""},
        {"truncated Tango", "[\nR1\nAXIAL\n1k\n]\n(\nN1\nR1-1\n", "line 6: this net is not closed"},
        {"Tango block in a block", "[\nR1\n(\nN1\n)\n]\n", "line 3: a block begins inside the block from line 1"},
        {"SPICE without parts", "title\n.tran 1m 2\n.end\n", "the SPICE netlist lists no parts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NetlistReadResult r = ReadNetlist(c.text);
        if (c.error == nullptr) {
            EXPECT_TRUE(r.netlist) << r.error;
            continue;
        }
        EXPECT_FALSE(r.netlist);
        EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
    }
}

TEST(NetlistReaders, TheFormatWordsGoBothWays) {
    for (NetlistFormat f : {NetlistFormat::KiCad, NetlistFormat::OrcadPcb2, NetlistFormat::Tango,
                            NetlistFormat::Spice})
        EXPECT_EQ(NetlistFormatFromWord(NetlistFormatWord(f)), f);
    EXPECT_FALSE(NetlistFormatFromWord("KiCad"));
}

}  // namespace
}  // namespace sw
