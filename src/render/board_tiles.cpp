// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_tiles.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <span>

namespace sw {
namespace {

// Colours of the tile tables: board, copper, grey, hole, white, the dark pixel at
// the end of a strip's top edge, and for the cut marks the key colour magenta.
QRgb Colour(char letter, QRgb cutColour) {
    switch (letter) {
    case 'B': return qRgb(246, 241, 195);
    case 'C': return qRgb(255, 185, 66);
    case 'G': return qRgb(189, 189, 189);
    case 'H': return qRgb(254, 254, 254);
    case 'W': return qRgb(255, 255, 255);
    case 'X': return qRgb(181, 173, 173);
    case 'M': return qRgb(255, 0, 255);
    case 'F': return cutColour;
    }
    std::abort();  // the tables below use only the letters above
}

// Paints one row from runs such as "1H 1G 3C 10B 3C 1G 1H".
void PaintRow(QImage& image, int y, const char* runs, QRgb cutColour) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    int x = 0;
    const char* p = runs;
    while (*p) {
        char* end = nullptr;
        const long count = std::strtol(p, &end, 10);
        const QRgb colour = Colour(*end, cutColour);
        if (count < 1 || x + count > image.width())
            std::abort();  // a run table row longer than its image
        for (long i = 0; i < count; ++i)
            line[x++] = colour;
        p = end + 1;
        while (*p == ' ')
            ++p;
    }
    if (x != image.width())
        std::abort();  // a run table row that does not fill its row
}

// A square image with one run text per row.
QImage FromRuns(std::span<const char* const> rows, QRgb cutColour = 0) {
    const int size = int(rows.size());
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        PaintRow(image, y, rows[size_t(y)], cutColour);
    return image;
}

QImage FromRuns(std::initializer_list<const char*> rows, QRgb cutColour = 0) {
    return FromRuns(std::span<const char* const>(rows.begin(), rows.size()), cutColour);
}

// Rows of the middle perfboard tile: a copper ring around a half hole at each side.
QImage MakePerf() {
    const char* r5 = "2C 16B 2C";
    const char* r6 = "4C 12B 4C";
    const char* r7 = "1G 3C 12B 3C 1G";
    const char* r8 = "1H 1G 3C 10B 3C 1G 1H";
    const char* r9 = "2H 1G 2C 10B 2C 1G 2H";
    const char* b = "20B";
    return FromRuns(
                    {b, b, b, b, b, r5, r6, r7, r8, r9, r9, r8, r7, r6, r5, b, b, b, b, b});
}

// Rows of the middle stripboard tile: one copper strip edged grey, pierced by a
// half hole at each side.
QImage MakeVero() {
    const char* w = "20W";
    const char* g = "20G";
    const char* c = "20C";
    return FromRuns({w, w, w, g, c, c, c, "1G 18C 1X", "1H 1G 16C 1G 1H",
                                "2H 1G 14C 1G 2H", "2H 1G 14C 1G 2H", "1H 1G 16C 1G 1H",
                                "1G 18C 1G", c, c, c, g, w, w, w});
}

QImage MakePcb() {
    const char* w = "20W";
    return FromRuns({w, w, w, w, w, w, w, "1G 18W 1G", "2G 16W 2G", "3G 14W 3G",
                                "3G 14W 3G", "2G 16W 2G", "1G 18W 1G", w, w, w, w, w, w, w});
}

QImage MakePcbFirst() {
    const char* w = "20W";
    return FromRuns({w, w, w, w, w, w, w, "19W 1G", "18W 2G", "17W 3G", "17W 3G",
                                "18W 2G", "19W 1G", w, w, w, w, w, w, w});
}

// The first (or last) column tile: the middle tile's right (or left) half beside
// a white margin, in the rows from `top` to `bottom`; the other rows are white.
QImage EdgeTile(const QImage& middle, bool first, int top, int bottom) {
    QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    const int half = kTileSize / 2;
    for (int y = top; y <= bottom; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(middle.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (first)
            std::memcpy(to + half, from + half, sizeof(QRgb) * size_t(half));
        else
            std::memcpy(to, from, sizeof(QRgb) * size_t(half));
    }
    return image;
}

QImage MakeCut(QRgb colour) {
    const char* edge = "16M";
    const char* full = "1M 14F 1M";
    const char* ring = "1M 2F 10W 2F 1M";
    const char* inner = "1M 2F 3W 4F 3W 2F 1M";
    const char* bar = "1M 2F 2W 6F 2W 2F 1M";
    return FromRuns({edge, full, full, ring, ring, inner, bar, bar, bar, bar, inner, ring, ring,
                     full, full, edge},
                    colour);
}

struct TileSet {
    std::array<QImage, 11> images;
};

TileSet Build() {
    TileSet set;
    auto at = [&set](Tile t) -> QImage& { return set.images[size_t(t)]; };
    at(Tile::Perf) = MakePerf();
    at(Tile::PerfFirst) = EdgeTile(at(Tile::Perf), true, 0, kTileSize - 1);
    at(Tile::PerfLast) = EdgeTile(at(Tile::Perf), false, 0, kTileSize - 1);
    at(Tile::Vero) = MakeVero();
    at(Tile::VeroFirst) = EdgeTile(at(Tile::Vero), true, 3, 16);
    at(Tile::VeroLast) = EdgeTile(at(Tile::Vero), false, 3, 16);
    at(Tile::pcb) = MakePcb();
    at(Tile::pcbFirst) = MakePcbFirst();
    at(Tile::pcbLast) = at(Tile::pcbFirst).mirrored(true, false).convertToFormat(QImage::Format_RGB32);
    at(Tile::Cut) = MakeCut(qRgb(255, 0, 0));
    at(Tile::CutSelected) = MakeCut(qRgb(0, 0, 255));
    return set;
}

}  // namespace

const QImage& TileImage(Tile tile) {
    static const TileSet set = Build();
    return set.images[size_t(tile)];
}

const QImage& CutImage(bool selected) { return TileImage(selected ? Tile::CutSelected : Tile::Cut); }

std::optional<BoardTileSet> TilesForBoardType(const QString& boardType) {
    if (boardType == QLatin1String("Perfboard"))
        return BoardTileSet{Tile::PerfFirst, Tile::Perf, Tile::PerfLast};
    if (boardType == QLatin1String("Stripboard"))
        return BoardTileSet{Tile::VeroFirst, Tile::Vero, Tile::VeroLast};
    if (boardType == QLatin1String("PCB"))
        return BoardTileSet{Tile::pcbFirst, Tile::pcb, Tile::pcbLast};
    return std::nullopt;
}

}  // namespace sw
