// SPDX-License-Identifier: GPL-3.0-or-later
// The piece of copper under a hole, with all its holes: strips up to their
// cuts, traces over the holes they run across, wires and jumpers at their ends;
// the same pieces CopperPieces numbers, on a board of any size.

#include "analysis/copper_nets.h"
#include "model/layout_document.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

LayoutDocument Layout(const std::string& type, int width, int height, const std::string& children) {
    LayoutDocument doc;
    const LoadResult r = doc.LoadText("<Layout Type=\"" + type + "\" Width=\"" + std::to_string(width) +
                                      "\" Height=\"" + std::to_string(height) + "\">" + children + "</Layout>");
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    return doc;
}

constexpr HoleBox kAll{{-5, -5}, {100, 100}};

// Row 1 cut at 4, row 2 at 7; a jumper from row 1 to row 3, a wire from row 3 to row 4.
constexpr const char* kStrips = R"(<Cut X1="4" Y1="1"/><Cut X1="7" Y1="2"/>
  <Jumper X1="2" Y1="1" X2="2" Y2="3"/><Wire X1="9" Y1="3" X2="9" Y2="4" Seed="1"/>)";

TEST(CopperPiece, StripsStopAtTheirCutsAndLinksCarryOn) {
    const LayoutDocument doc = Layout("Stripboard", 10, 4, kStrips);
    const LayoutCopper copper = ReadLayoutCopper(doc);
    const struct {
        Hole hole;
        HoleBox within;
        std::vector<HoleRun> runs;
        std::size_t links;
    } cases[] = {
        {{1, 1}, kAll, {{1, 1, 3}, {3, 1, 10}, {4, 1, 10}}, 2},
        {{9, 4}, kAll, {{1, 1, 3}, {3, 1, 10}, {4, 1, 10}}, 2},  // from the other end
        {{4, 1}, kAll, {{1, 4, 4}}, 0},                         // a cut hole is strip of its own
        {{5, 1}, kAll, {{1, 5, 10}}, 0},
        {{3, 2}, kAll, {{2, 1, 6}}, 0},
        {{8, 2}, kAll, {{2, 8, 10}}, 0},
        {{0, 0}, kAll, {{0, 0, 0}}, 0},                         // beside the board: the hole alone
        {{1, 3}, {{1, 1}, {5, 4}}, {{1, 1, 3}, {3, 1, 5}, {4, 1, 5}}, 2},  // only what is within
        {{1, 3}, {{1, 2}, {10, 2}}, {}, 2},
    };
    for (const auto& c : cases) {
        const CopperPiece piece = CopperPieceAt(copper, c.hole, c.within);
        EXPECT_EQ(piece.runs, c.runs) << c.hole.x << "," << c.hole.y;
        EXPECT_EQ(piece.links.size(), c.links) << c.hole.x << "," << c.hole.y;
    }
}

TEST(CopperPiece, TracesJoinTheHolesTheyRunOver) {
    const LayoutDocument doc = Layout("Perfboard", 10, 4,
                                      R"(<Trace X1="2" Y1="2" X2="6" Y2="2" Value="5px"/>
  <Trace X1="3" Y1="1" X2="3" Y2="4" Value="5px"/><Wire X1="6" Y1="2" X2="8" Y2="4" Seed="1"/>
  <Trace X1="1" Y1="4" X2="2" Y2="3" Value="5px"/>)");
    const LayoutCopper copper = ReadLayoutCopper(doc);
    const CopperPiece joined = CopperPieceAt(copper, {4, 2}, kAll);
    EXPECT_EQ(joined.runs, (std::vector<HoleRun>{{1, 3, 3}, {2, 2, 6}, {3, 3, 3}, {4, 3, 3}, {4, 8, 8}}));
    EXPECT_EQ(joined.links, (std::vector<std::size_t>{0, 1, 2}));
    // A slanted trace joins its ends only; an empty perfboard hole is alone.
    EXPECT_EQ(CopperPieceAt(copper, {1, 4}, kAll).runs, (std::vector<HoleRun>{{3, 2, 2}, {4, 1, 1}}));
    EXPECT_EQ(CopperPieceAt(copper, {5, 3}, kAll).runs, (std::vector<HoleRun>{{3, 5, 5}}));
    EXPECT_TRUE(CopperPieceAt(copper, {5, 3}, kAll).links.empty());
}

// Every hole's piece holds exactly the holes CopperPieces gives the same number.
TEST(CopperPiece, AgreesWithThePiecesNumbered) {
    const LayoutDocument doc = Layout("Stripboard", 12, 6, std::string(kStrips) + R"(
  <Trace X1="11" Y1="1" X2="11" Y2="6" Value="5px"/><Cut X1="11" Y1="5"/><Cut X1="3" Y1="6"/>)");
    std::vector<Hole> all;
    for (int y = 1; y <= 6; ++y)
        for (int x = 1; x <= 12; ++x)
            all.push_back({x, y});
    const std::vector<int> numbers = CopperPieces(doc, all);
    const LayoutCopper copper = ReadLayoutCopper(doc);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const CopperPiece piece = CopperPieceAt(copper, all[i], kAll);
        for (std::size_t j = 0; j < all.size(); ++j)
            ASSERT_EQ(piece.Holds(all[j]), numbers[i] == numbers[j])
                << "from " << all[i].x << "," << all[i].y << " to " << all[j].x << "," << all[j].y;
    }
}

// A board too large to follow hole by hole: the same strips, only as far as asked.
TEST(CopperPiece, AHugeBoardListsOnlyTheHolesWithin) {
    const LayoutDocument doc = Layout("Stripboard", 3000, 1000,
                                      R"(<Cut X1="5" Y1="3"/><Jumper X1="1" Y1="3" X2="1" Y2="700"/>)");
    const CopperPiece piece = CopperPieceAt(ReadLayoutCopper(doc), {2, 3}, {{1, 1}, {40, 800}});
    EXPECT_EQ(piece.runs, (std::vector<HoleRun>{{3, 1, 4}, {700, 1, 40}}));
    EXPECT_TRUE(piece.Holds({40, 700}));
    EXPECT_FALSE(piece.Holds({5, 3}));
    EXPECT_EQ(piece.Holes().size(), 44u);
}

}  // namespace
}  // namespace sw
