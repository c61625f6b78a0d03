// SPDX-License-Identifier: GPL-3.0-or-later
// The ratsnest: the shortest links joining the pieces of a broken net, and the
// pins where two shorted nets come nearest.

#include "analysis/netlist_check.h"
#include "analysis/ratsnest.h"
#include "model/layout_document.h"
#include "netlist/netlist.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// A, B, C and D on a stripboard: R1, R2 and R3 share net A on row 2.
constexpr const char* kDeck = R"(ratsnest
R1 A B 1k
R2 A C 1k
R3 A D 1k
.end
)";

Ratsnest Of(const std::string& children) {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadText("<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\">" + children +
                             R"(<Resistor Value="1k" X1="2" Y1="2" X2="2" Y2="5" Name="R1"/>
  <Resistor Value="1k" X1="8" Y1="2" X2="8" Y2="6" Name="R2"/>
  <Resistor Value="1k" X1="15" Y1="2" X2="15" Y2="7" Name="R3"/></Layout>)")
                    .ok);
    const NetlistReadResult read = ReadNetlist(kDeck);
    EXPECT_TRUE(read.netlist) << read.error;
    return MakeRatsnest(CheckLayoutAgainstNetlist(doc, *read.netlist));
}

TEST(Ratsnest, JoinsThePiecesOfABrokenNetByTheShortestLinks) {
    const struct {
        const char* what;
        std::string children;
        std::vector<std::pair<Hole, Hole>> lines;
    } cases[] = {
        {"whole", "", {}},
        {"one cut", R"(<Cut X1="11" Y1="2"/>)", {{{8, 2}, {15, 2}}}},
        // Three pieces: R1 to R2 and R2 to R3, never the long way from R1 to R3.
        {"two cuts", R"(<Cut X1="5" Y1="2"/><Cut X1="12" Y1="2"/>)", {{{2, 2}, {8, 2}}, {{8, 2}, {15, 2}}}},
        // A jumper mends the first cut: one line is left, from the joined piece's nearest pin.
        {"mended", R"(<Cut X1="5" Y1="2"/><Cut X1="12" Y1="2"/><Jumper X1="4" Y1="2" X2="6" Y2="2"/>)",
         {{{8, 2}, {15, 2}}}},
    };
    for (const auto& c : cases) {
        const Ratsnest r = Of(c.children);
        std::vector<std::pair<Hole, Hole>> lines;
        for (const RatsnestLine& l : r.lines)
            lines.push_back({l.a, l.b});
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_TRUE(r.shorts.empty()) << c.what;
    }
}

TEST(Ratsnest, MarksWhereShortedNetsComeNearest) {
    // A jumper puts R2's far lead on row 5 with R1's: B and C meet there.
    const Ratsnest r = Of(R"(<Jumper X1="8" Y1="6" X2="9" Y2="5"/>)");
    ASSERT_EQ(r.shorts.size(), 1u);
    EXPECT_EQ(r.shorts[0].a, (Hole{2, 5}));
    EXPECT_EQ(r.shorts[0].b, (Hole{8, 6}));
    EXPECT_TRUE(r.lines.empty());
}

TEST(Ratsnest, EachLineNamesItsOpen) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Cut X1="5" Y1="2"/><Cut X1="5" Y1="4"/>
  <Resistor Value="1k" X1="2" Y1="2" X2="2" Y2="4" Name="R1"/>
  <Resistor Value="1k" X1="8" Y1="2" X2="8" Y2="4" Name="R2"/></Layout>)")
                    .ok);
    const NetlistReadResult read = ReadNetlist("two\nR1 A B 1k\nR2 A B 1k\n.end\n");
    ASSERT_TRUE(read.netlist);
    const CheckReport report = CheckLayoutAgainstNetlist(doc, *read.netlist);
    const Ratsnest r = MakeRatsnest(report);
    ASSERT_EQ(r.lines.size(), 2u);
    for (const RatsnestLine& l : r.lines) {
        ASSERT_LT(l.difference, report.differences.size());
        const Difference& d = report.differences[l.difference];
        EXPECT_EQ(d.kind, DifferenceKind::Open);
        EXPECT_EQ(d.names.front(), l.a.y == 2 ? "A" : "B");
    }
}

}  // namespace
}  // namespace sw
