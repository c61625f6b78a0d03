// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_tiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sw {
namespace {

// The tiles written out pixel by pixel, one letter per pixel.
using Rows = std::vector<std::string>;

const Rows kPerf = {
    "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB", "CCBBBBBBBBBBBBBBBBCC",
    "CCCCBBBBBBBBBBBBCCCC", "GCCCBBBBBBBBBBBBCCCG", "HGCCCBBBBBBBBBBCCCGH",
    "HHGCCBBBBBBBBBBCCGHH", "HHGCCBBBBBBBBBBCCGHH", "HGCCCBBBBBBBBBBCCCGH",
    "GCCCBBBBBBBBBBBBCCCG", "CCCCBBBBBBBBBBBBCCCC", "CCBBBBBBBBBBBBBBBBCC",
    "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBBBBBBBBB",
};

const Rows kVero = {
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    "GGGGGGGGGGGGGGGGGGGG", "CCCCCCCCCCCCCCCCCCCC", "CCCCCCCCCCCCCCCCCCCC",
    "CCCCCCCCCCCCCCCCCCCC", "GCCCCCCCCCCCCCCCCCCX", "HGCCCCCCCCCCCCCCCCGH",
    "HHGCCCCCCCCCCCCCCGHH", "HHGCCCCCCCCCCCCCCGHH", "HGCCCCCCCCCCCCCCCCGH",
    "GCCCCCCCCCCCCCCCCCCG", "CCCCCCCCCCCCCCCCCCCC", "CCCCCCCCCCCCCCCCCCCC",
    "CCCCCCCCCCCCCCCCCCCC", "GGGGGGGGGGGGGGGGGGGG", "WWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
};

const Rows kPcb = {
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWW", "GWWWWWWWWWWWWWWWWWWG", "GGWWWWWWWWWWWWWWWWGG",
    "GGGWWWWWWWWWWWWWWGGG", "GGGWWWWWWWWWWWWWWGGG", "GGWWWWWWWWWWWWWWWWGG",
    "GWWWWWWWWWWWWWWWWWWG", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
};

const Rows kCut = {
    "MMMMMMMMMMMMMMMM", "MFFFFFFFFFFFFFFM", "MFFFFFFFFFFFFFFM", "MFFWWWWWWWWWWFFM",
    "MFFWWWWWWWWWWFFM", "MFFWWWFFFFWWWFFM", "MFFWWFFFFFFWWFFM", "MFFWWFFFFFFWWFFM",
    "MFFWWFFFFFFWWFFM", "MFFWWFFFFFFWWFFM", "MFFWWWFFFFWWWFFM", "MFFWWWWWWWWWWFFM",
    "MFFWWWWWWWWWWFFM", "MFFFFFFFFFFFFFFM", "MFFFFFFFFFFFFFFM", "MMMMMMMMMMMMMMMM",
};

QRgb Expected(char letter, QRgb f = qRgb(255, 0, 0)) {
    switch (letter) {
    case 'B': return qRgb(246, 241, 195);
    case 'C': return qRgb(255, 185, 66);
    case 'G': return qRgb(189, 189, 189);
    case 'H': return qRgb(254, 254, 254);
    case 'W': return qRgb(255, 255, 255);
    case 'X': return qRgb(181, 173, 173);
    case 'M': return qRgb(255, 0, 255);
    case 'F': return f;
    }
    ADD_FAILURE() << "unknown letter " << letter;
    return 0;
}

// Every pixel of the image against the rows; reports the first few differences.
void ExpectImage(const QImage& image, const Rows& rows, const char* what,
                 QRgb f = qRgb(255, 0, 0)) {
    ASSERT_EQ(image.format(), QImage::Format_RGB32) << what;
    ASSERT_EQ(image.height(), int(rows.size())) << what;
    int reported = 0;
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.width(), int(rows[size_t(y)].size())) << what;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != Expected(rows[size_t(y)][size_t(x)], f) && reported++ < 5)
                ADD_FAILURE() << what << " pixel (" << x << ", " << y << ") should be "
                              << rows[size_t(y)][size_t(x)];
        }
    }
}

// Edge tiles from the middle tile: white margin beside the kept half, in the rows
// from `top` to `bottom` (other rows white).
Rows Edge(const Rows& middle, bool first, int top, int bottom) {
    Rows out;
    for (int y = 0; y < 20; ++y) {
        const std::string& row = middle[size_t(y)];
        if (y < top || y > bottom)
            out.push_back(std::string(20, 'W'));
        else if (first)
            out.push_back(std::string(10, 'W') + row.substr(10));
        else
            out.push_back(row.substr(0, 10) + std::string(10, 'W'));
    }
    return out;
}

Rows Mirror(Rows rows) {
    for (std::string& row : rows)
        row = std::string(row.rbegin(), row.rend());
    return rows;
}

TEST(BoardTiles, MiddleTilesMatchTheirTables) {
    ExpectImage(TileImage(Tile::Perf), kPerf, "Perf");
    ExpectImage(TileImage(Tile::Vero), kVero, "Vero");
    ExpectImage(TileImage(Tile::pcb), kPcb, "pcb");
}

TEST(BoardTiles, EdgeTiles) {
    ExpectImage(TileImage(Tile::PerfFirst), Edge(kPerf, true, 0, 19), "PerfFirst");
    ExpectImage(TileImage(Tile::PerfLast), Edge(kPerf, false, 0, 19), "PerfLast");
    ExpectImage(TileImage(Tile::VeroFirst), Edge(kVero, true, 3, 16), "VeroFirst");
    ExpectImage(TileImage(Tile::VeroLast), Edge(kVero, false, 3, 16), "VeroLast");
    const Rows pcbFirst = {
        "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWG", "WWWWWWWWWWWWWWWWWWGG",
        "WWWWWWWWWWWWWWWWWGGG", "WWWWWWWWWWWWWWWWWGGG", "WWWWWWWWWWWWWWWWWWGG",
        "WWWWWWWWWWWWWWWWWWWG", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
        "WWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWW",
    };
    ExpectImage(TileImage(Tile::pcbFirst), pcbFirst, "pcbFirst");
    ExpectImage(TileImage(Tile::pcbLast), Mirror(pcbFirst), "pcbLast");
}

TEST(BoardTiles, EdgeRowsSpelledOut) {
    // A few rows written directly from the tables, not through the derivations above.
    struct Case { Tile tile; int row; const char* pixels; };
    const Case cases[] = {
        {Tile::PerfFirst, 8, "WWWWWWWWWWBBBBBCCCGH"},
        {Tile::PerfLast, 9, "HHGCCBBBBBWWWWWWWWWW"},
        {Tile::VeroFirst, 7, "WWWWWWWWWWCCCCCCCCCX"},
        {Tile::VeroLast, 7, "GCCCCCCCCCWWWWWWWWWW"},
        {Tile::VeroFirst, 3, "WWWWWWWWWWGGGGGGGGGG"},
        {Tile::VeroLast, 17, "WWWWWWWWWWWWWWWWWWWW"},
        {Tile::pcbLast, 9, "GGGWWWWWWWWWWWWWWWWW"},
    };
    for (const Case& c : cases) {
        const QImage& image = TileImage(c.tile);
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(image.pixel(x, c.row), Expected(c.pixels[x]))
                << "tile " << int(c.tile) << " row " << c.row << " x " << x;
    }
}

TEST(BoardTiles, OneHoleBoardShowsOneWholeHole) {
    // First and last tile side by side: the two half holes meet in a ring that
    // is symmetric about the seam.
    for (const char* type : {"Perfboard", "PCB"}) {
        const auto set = TilesForBoardType(QString::fromLatin1(type));
        ASSERT_TRUE(set);
        const QImage& first = TileImage(set->first);
        const QImage& last = TileImage(set->last);
        for (int y = 0; y < 20; ++y)
            for (int d = 0; d < 10; ++d)
                EXPECT_EQ(first.pixel(19 - d, y), last.pixel(d, y)) << type << " " << d << "," << y;
    }
}

TEST(BoardTiles, CutMarks) {
    ExpectImage(CutImage(false), kCut, "Cut", qRgb(255, 0, 0));
    ExpectImage(CutImage(true), kCut, "CutSelected", qRgb(0, 0, 255));
    EXPECT_EQ(&CutImage(false), &TileImage(Tile::Cut));
    EXPECT_EQ(&CutImage(true), &TileImage(Tile::CutSelected));
}

TEST(BoardTiles, TilesPerBoardTypeAndCaching) {
    struct Case { const char* type; bool known; Tile first, middle, last; };
    const Case cases[] = {
        {"Perfboard", true, Tile::PerfFirst, Tile::Perf, Tile::PerfLast},
        {"Stripboard", true, Tile::VeroFirst, Tile::Vero, Tile::VeroLast},
        {"PCB", true, Tile::pcbFirst, Tile::pcb, Tile::pcbLast},
        {"pcb", false, {}, {}, {}},
        {"", false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        const auto set = TilesForBoardType(QString::fromLatin1(c.type));
        ASSERT_EQ(set.has_value(), c.known) << c.type;
        if (!set)
            continue;
        EXPECT_EQ(set->first, c.first);
        EXPECT_EQ(set->middle, c.middle);
        EXPECT_EQ(set->last, c.last);
    }
    // Built once: the same image every time.
    EXPECT_EQ(TileImage(Tile::Vero).cacheKey(), TileImage(Tile::Vero).cacheKey());
    EXPECT_EQ(&TileImage(Tile::Perf), &TileImage(Tile::Perf));
}

}  // namespace
}  // namespace sw
