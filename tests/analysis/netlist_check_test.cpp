// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/copper_nets.h"
#include "analysis/netlist_check.h"
#include "model/layout_document.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

LayoutDocument Layout(const std::string& type, const std::string& children,
                      const std::string& rootExtra = "") {
    LayoutDocument doc;
    const LoadResult r = doc.LoadText("<Layout Type=\"" + type +
                                      "\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\" " +
                                      rootExtra + ">" + children + "</Layout>");
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    return doc;
}

std::string Two(const char* kind, const char* name, const char* value, int x1, int y1, int x2,
                int y2) {
    return "<" + std::string(kind) + " Value=\"" + value + "\" X1=\"" + std::to_string(x1) +
           "\" Y1=\"" + std::to_string(y1) + "\" X2=\"" + std::to_string(x2) + "\" Y2=\"" +
           std::to_string(y2) + "\" Name=\"" + name + "\"/>";
}

// A small circuit on a stripboard: row 2 is VCC, row 5 OUT, row 8 GND.
//   R1 10k VCC-OUT, D1 OUT (anode) to GND (cathode), C1 100uF VCC (+) to GND,
//   R2 1k OUT-GND.
std::string Base(const std::string& r1 = "10K", const std::string& d1 = Two("Diode", "D1", "1N4148", 5, 5, 5, 8),
                 const std::string& c1 = Two("Electrolyte", "C1", "100uF", 7, 2, 7, 8)) {
    return Two("Resistor", "R1", r1.c_str(), 3, 2, 3, 5) + d1 + c1 +
           Two("Resistor", "R2", "1K", 9, 5, 9, 8);
}

const char* const kNetlist = R"net((export (version "E")
  (components
    (comp (ref "R1") (value "10k"))
    (comp (ref "D1") (value "1N4148"))
    (comp (ref "C1") (value "100u"))
    (comp (ref "R2") (value "1k"))
    (comp (ref "V1") (value "DC 9"))
    (comp (ref "H1") (value "MountingHole"))
    (comp (ref "J1") (value "Jack_DC")))
  (nets
    (net (code "1") (name "VCC")
      (node (ref "R1") (pin "1")) (node (ref "C1") (pin "1") (pinfunction "+"))
      (node (ref "V1") (pin "1")) (node (ref "J1") (pin "1")))
    (net (code "2") (name "OUT")
      (node (ref "R1") (pin "2")) (node (ref "D1") (pin "2") (pinfunction "A"))
      (node (ref "R2") (pin "1")))
    (net (code "3") (name "GND")
      (node (ref "D1") (pin "1") (pinfunction "K")) (node (ref "C1") (pin "2"))
      (node (ref "R2") (pin "2")) (node (ref "V1") (pin "2")) (node (ref "J1") (pin "2")))
    (net (code "4") (name "unconnected-(H1-Pad1)") (node (ref "H1") (pin "1")))))
)net";

const char* const kSpice = R"net(flasher output
R1 VCC OUT 10k
D1 OUT GND 1N4148
C1 VCC GND 100u
R2 OUT GND 1k
V1 VCC GND DC 9
J1 VCC GND JACK
.end
)net";

Netlist Read(const std::string& text) {
    NetlistReadResult r = ReadNetlist(text);
    EXPECT_TRUE(r.netlist) << r.error;
    return r.netlist ? *r.netlist : Netlist();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// The report's lines without the summary.
std::vector<std::string> Lines(const CheckReport& report) {
    std::vector<std::string> lines;
    std::string text = CheckReportText(report);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.pop_back();
    return lines;
}

const std::string kOffBoard = "OffBoard=\"J1\"";

TEST(NetlistCheck, FindsEachKindOfPlantedFault) {
    struct Case {
        const char* what;
        std::string type;
        std::string children;
        std::string netlist;
        std::vector<std::string> lines;  // the differences, then what is not expected
    };
    const std::string notExpected =
        "not expected on the layout: V1 (a source), H1 (no pin joined to another part), J1 (off the board)";
    const std::vector<Case> cases = {
        {"the circuit as drawn", "Stripboard", Base(), kNetlist, {notExpected}},
        {"the same circuit as a SPICE deck", "Stripboard", Base(), kSpice,
         {"not expected on the layout: V1 (a source), J1 (off the board)"}},
        {"a cut between R1 and D1", "Stripboard", Base() + "<Cut X1=\"4\" Y1=\"5\" Name=\"X1\"/>",
         kNetlist,
         {"open OUT, on 2 pieces of copper: R1-2 (3,5) | D1-2 (5,5), R2-1 (9,5)", notExpected}},
        {"a jumper from VCC to OUT", "Stripboard", Base() + "<Jumper X1=\"11\" Y1=\"2\" X2=\"11\" Y2=\"5\" Name=\"J9\"/>",
         kNetlist,
         {"short VCC OUT, on one piece of copper: VCC at R1-1 (3,2), C1-1 (7,2); OUT at R1-2 (3,5), "
          "D1-2 (5,5), R2-1 (9,5)",
          notExpected}},
        {"a part of the netlist left out", "Stripboard", Base(),
         Replaced(Replaced(kNetlist, "(comp (ref \"R2\") (value \"1k\"))",
                           "(comp (ref \"R2\") (value \"1k\")) (comp (ref \"R3\") (value \"2k2\"))"),
                  "(node (ref \"R2\") (pin \"1\"))", "(node (ref \"R2\") (pin \"1\")) (node (ref \"R3\") (pin \"1\"))"),
         {"missing R3 (2k2): in the netlist, not on the layout", notExpected}},
        {"a part the netlist does not have", "Stripboard", Base() + Two("Resistor", "R9", "47K", 15, 2, 15, 5),
         kNetlist, {"extra R9 (47K) at (15,2): on the layout, not in the netlist", notExpected}},
        {"the diode turned round", "Stripboard", Base("10K", Two("Diode", "D1", "1N4148", 5, 8, 5, 5)),
         kNetlist,
         {"reversed D1: turned round: its cathode (pin 1) at (5,5) sits on the copper of OUT and its "
          "anode (pin 2) at (5,8) on that of GND, the other way round from the netlist",
          notExpected}},
        {"the electrolyte turned round, SPICE", "Stripboard",
         Base("10K", Two("Diode", "D1", "1N4148", 5, 5, 5, 8), Two("Electrolyte", "C1", "100uF", 7, 8, 7, 2)),
         kSpice,
         {"reversed C1: turned round: its plus (pin 1) at (7,8) sits on the copper of GND and its minus "
          "(pin 2) at (7,2) on that of VCC, the other way round from the netlist",
          "not expected on the layout: V1 (a source), J1 (off the board)"}},
        {"another resistance", "Stripboard", Base("47K"), kNetlist,
         {"value R1: 47K on the layout, 10k in the netlist", notExpected}},
        {"a third pin on a resistor", "Stripboard", Base(),
         Replaced(kNetlist, "(node (ref \"R2\") (pin \"2\"))", "(node (ref \"R2\") (pin \"2\")) (node (ref \"R2\") (pin \"3\"))"),
         {"pins R2: 2 on the layout, 3 in the netlist; the kind has no pin 3", notExpected}},
        {"no strips on a perfboard", "Perfboard", Base(), kNetlist,
         {"open VCC, on 2 pieces of copper: R1-1 (3,2) | C1-1 (7,2)",
          "open OUT, on 3 pieces of copper: R1-2 (3,5) | D1-2 (5,5) | R2-1 (9,5)",
          "open GND, on 3 pieces of copper: D1-1 (5,8) | C1-2 (7,8) | R2-2 (9,8)", notExpected}},
        {"wires and a straight trace join a PCB", "PCB",
         Base() + "<Trace Value=\"5px\" Color=\"Black\" X1=\"2\" Y1=\"2\" X2=\"8\" Y2=\"2\" Name=\"T1\"/>"
                  "<Trace Value=\"5px\" Color=\"Black\" X1=\"3\" Y1=\"5\" X2=\"9\" Y2=\"5\" Name=\"T2\"/>"
                  "<Wire Color=\"Red\" Seed=\"1\" X1=\"5\" Y1=\"8\" X2=\"7\" Y2=\"8\" Name=\"W1\"/>"
                  "<Jumper X1=\"7\" Y1=\"8\" X2=\"9\" Y2=\"8\" Name=\"J2\"/>"
                  "<Pad Value=\"15\" X1=\"3\" Y1=\"2\" Parent=\"R1\" Name=\"P1\"/>"
                  "<Pad Value=\"15px\" X1=\"18\" Y1=\"9\" Name=\"P9\"/>",
         kNetlist, {notExpected}},
        {"a slanted trace joins only its ends", "PCB",
         Base() + "<Trace Value=\"5px\" X1=\"3\" Y1=\"2\" X2=\"7\" Y2=\"2\" Name=\"T1\"/>"
                  "<Trace Value=\"5px\" X1=\"3\" Y1=\"5\" X2=\"9\" Y2=\"8\" Name=\"T2\"/>"
                  "<Trace Value=\"5px\" X1=\"9\" Y1=\"8\" X2=\"9\" Y2=\"5\" Name=\"T3\"/>"
                  "<Wire Color=\"Red\" Seed=\"1\" X1=\"5\" Y1=\"8\" X2=\"7\" Y2=\"8\" Name=\"W1\"/>",
         kNetlist,
         {"open OUT, on 2 pieces of copper: R1-2 (3,5), R2-1 (9,5) | D1-2 (5,5)",
          "open GND, on 2 pieces of copper: D1-1 (5,8), C1-2 (7,8) | R2-2 (9,8)",
          "short OUT GND, on one piece of copper: OUT at R1-2 (3,5), R2-1 (9,5); GND at R2-2 (9,8)",
          notExpected}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LayoutDocument doc = Layout(c.type, c.children, kOffBoard);
        const CheckReport report = CheckLayoutAgainstNetlist(doc, Read(c.netlist));
        EXPECT_EQ(Lines(report), c.lines);
        EXPECT_EQ(report.Matches(), c.lines.size() == 1);
    }
}

TEST(NetlistCheck, MatchesPartsByNameWithTheirOwnPinTables) {
    // A user's pad counts as a part only when the netlist names it; a
    // transistor's pins 1, 2, 3 are a SPICE Q line's collector, base, emitter.
    const std::string children =
        Two("Transistor", "Q1", "BC547", 4, 3, 4, 5) + Two("Resistor", "R1", "1k", 2, 3, 2, 6) +
        "<Pad Value=\"15px\" X1=\"6\" Y1=\"5\" Name=\"TP1\"/><Pad Value=\"15px\" X1=\"8\" Y1=\"9\" Name=\"P2\"/>";
    const LayoutDocument doc = Layout("Stripboard", children);
    const char* deck = "amp\nQ1 c b e BC547\nR1 c x 1k\nTP1 e\n";
    EXPECT_TRUE(CheckLayoutAgainstNetlist(doc, Read(deck)).Matches());  // a T line is no part: TP1 is not named
    const char* kicad = R"net((export (components (comp (ref "Q1") (value "BC547")) (comp (ref "R1") (value "1K"))
        (comp (ref "TP1") (value "TestPoint")))
      (nets (net (name "c") (node (ref "Q1") (pin "1")) (node (ref "R1") (pin "1")))
            (net (name "b") (node (ref "Q1") (pin "2")))
            (net (name "e") (node (ref "Q1") (pin "3")) (node (ref "TP1") (pin "1")))
            (net (name "x") (node (ref "R1") (pin "2"))))))net";
    const CheckReport report = CheckLayoutAgainstNetlist(doc, Read(kicad));
    EXPECT_TRUE(report.Matches()) << CheckReportText(report);
    EXPECT_EQ(report.layoutParts, 3);  // Q1, R1, TP1; not P2
    // A SPICE subcircuit call XQ1 is the board's Q1.
    const CheckReport spice = CheckLayoutAgainstNetlist(doc, Read("amp\nXQ1 c b e BC547\nR1 c x 1k\n"));
    EXPECT_TRUE(spice.Matches()) << CheckReportText(spice);
}

TEST(NetlistCheck, TheJsonReportNamesKindsNamesAndHoles) {
    const LayoutDocument doc = Layout("Stripboard", Base("47K") + "<Cut X1=\"4\" Y1=\"5\" Name=\"X1\"/>", kOffBoard);
    const std::string json = CheckReportJson(CheckLayoutAgainstNetlist(doc, Read(kNetlist)));
    EXPECT_EQ(json,
              "{\"matches\":false,\"differences\":[{\"kind\":\"open\",\"net\":\"OUT\",\"pieces\":"
              "[[{\"ref\":\"R1\",\"pin\":\"2\",\"hole\":[3,5]}],[{\"ref\":\"D1\",\"pin\":\"2\","
              "\"hole\":[5,5]},{\"ref\":\"R2\",\"pin\":\"1\",\"hole\":[9,5]}]]},{\"kind\":\"value\","
              "\"ref\":\"R1\",\"layout_value\":\"47K\",\"netlist_value\":\"10k\"}],\"not_expected\":"
              "[{\"ref\":\"V1\",\"reason\":\"source\"},{\"ref\":\"H1\",\"reason\":\"unjoined\"},"
              "{\"ref\":\"J1\",\"reason\":\"off_board\"}],\"netlist_parts\":7,\"netlist_nets\":4,"
              "\"layout_parts\":4,\"warnings\":[]}\n");
    EXPECT_EQ(CheckReportText(CheckLayoutAgainstNetlist(doc, Read(kNetlist))).substr(
                  CheckReportText(CheckLayoutAgainstNetlist(doc, Read(kNetlist))).rfind("2 diff")),
              "2 differences (1 open, 1 value): 7 parts and 4 nets in the netlist, 4 parts on the "
              "layout\n");
}

TEST(NetlistCheck, ANameWithALineBreakStaysOnItsLine) {
    // KiCad writes "\n" in a quoted name as an escape; printed raw it would
    // forge a line of the report.
    const LayoutDocument doc = Layout("Stripboard", Base("47K"), kOffBoard);
    const std::string forged = Replaced(kNetlist, "(value \"10k\")", "(value \"10k\\nmatches: all\")");
    const std::vector<std::string> lines = Lines(CheckLayoutAgainstNetlist(doc, Read(forged)));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "value R1: 47K on the layout, 10k matches: all in the netlist");
}

TEST(CopperPieces, FollowCopperNeverParts) {
    // Small boards are followed hole by hole, vast ones only at the holes that
    // matter: both give the same pieces.
    for (const char* width : {"20", "200000"}) {
        SCOPED_TRACE(width);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadText(std::string("<Layout Type=\"Stripboard\" Width=\"") + width +
                                 "\" Height=\"10\" Project=\"P\" Credits=\"C\">" + Two("Resistor", "R1", "1k", 2, 3, 2, 6) + "<Cut X1=\"10\" Y1=\"3\" Name=\"X1\"/>" +
                              "<Wire Color=\"Red\" Seed=\"1\" X1=\"15\" Y1=\"3\" X2=\"15\" Y2=\"9\" Name=\"W1\"/>" +
                              "<Trace Value=\"5px\" X1=\"4\" Y1=\"8\" X2=\"4\" Y2=\"10\" Name=\"T1\"/></Layout>").ok);
        // (2,3) and (9,3) share the strip; the cut's own hole is alone; beyond it
        // (11,3) reaches (15,9) through the wire; the resistor joins nothing.
        const std::vector<int> p = CopperPieces(
            doc, {{2, 3}, {9, 3}, {10, 3}, {11, 3}, {1, 9}, {2, 6}, {2, 3}, {0, 3}, {4, 9}, {9, 8}, {9, 10}});
        EXPECT_EQ(p[0], p[1]);
        EXPECT_NE(p[2], p[1]);
        EXPECT_NE(p[2], p[3]);
        EXPECT_EQ(p[3], p[4]);  // (1,9) is on row 9's strip with the wire's end
        EXPECT_NE(p[5], p[0]);
        EXPECT_EQ(p[6], p[0]);
        EXPECT_NE(p[7], p[0]);  // off the board: no strip
        EXPECT_EQ(p[8], p[4]);  // the trace's middle hole is on row 9's strip
        EXPECT_EQ(p[9], p[10]);  // rows 8 and 10 meet through the trace
        EXPECT_EQ(p[9], p[4]);
    }
}

}  // namespace
}  // namespace sw
