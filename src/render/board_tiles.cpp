// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_tiles.h"

#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <vector>
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
// An enlarged middle tile gives the enlarged edge tile.
QImage EdgeTile(const QImage& middle, bool first, int top, int bottom, int scale = 1) {
    const int side = kTileSize * scale;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    const int half = side / 2;
    for (int y = top * scale; y < (bottom + 1) * scale; ++y) {
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

// How a tile is drawn enlarged: its holes are rings about centres (in pixel
// coordinates of the tile, pixel (i, j) centred on (i, j)), each ring a colour
// out to a radius; elsewhere the enlarged tile takes the nearest pixel of the
// tile, except that a ring pixel there gives `around`, the colour the rings
// lie on, so the rings come out round and the straight edges straight.
struct Ring {
    double radius;
    QRgb colour;
};
struct TileShape {
    std::vector<QPointF> centres;
    std::vector<Ring> rings;  // by radius, innermost first
    QRgb around;
};

QImage Enlarge(const QImage& tile, const TileShape& shape, int scale) {
    const int size = tile.width() * scale;
    QImage image(size, tile.height() * scale, QImage::Format_RGB32);
    const double outer = shape.rings.empty() ? 0 : shape.rings.back().radius;
    auto nearest = [&](double x, double y) {
        double best = 1e9;
        for (const QPointF& c : shape.centres)
            best = std::min(best, std::hypot(x - c.x(), y - c.y()));
        return best;
    };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = (y + 0.5) / scale - 0.5;
        const int row = std::clamp(int(std::floor(double(y) / scale)), 0, tile.height() - 1);
        const auto* from = reinterpret_cast<const QRgb*>(tile.constScanLine(row));
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / scale - 0.5;
            const double r = nearest(u, v);
            QRgb colour = 0;
            bool ring = false;
            for (const Ring& band : shape.rings)
                if (r < band.radius) {
                    colour = band.colour;
                    ring = true;
                    break;
                }
            if (!ring) {
                const int column = std::clamp(x / scale, 0, tile.width() - 1);
                colour = from[column];
                // A pixel of the tile's own ring, seen from outside the round one.
                if (nearest(column, row) < outer + 0.75 &&
                    std::any_of(shape.rings.begin(), shape.rings.end(),
                                [&](const Ring& band) { return (band.colour | 0xFF000000u) == (colour | 0xFF000000u); }))
                    colour = shape.around;
            }
            line[x] = 0xFF000000u | colour;
        }
    }
    return image;
}

// The middle tiles' holes sit on the tile's left and right edges, half a
// pixel above the middle row, as the even-sized rings of the tables do.
const std::vector<QPointF> kEdgeHoles{QPointF(-0.5, 9.5), QPointF(19.5, 9.5)};

TileShape PerfShape() {
    return {kEdgeHoles,
            {{1.85, qRgb(254, 254, 254)}, {2.74, qRgb(189, 189, 189)}, {5.05, qRgb(255, 185, 66)}},
            qRgb(246, 241, 195)};
}

TileShape VeroShape() {
    return {kEdgeHoles, {{1.85, qRgb(254, 254, 254)}, {2.74, qRgb(189, 189, 189)}}, qRgb(255, 185, 66)};
}

TileShape PcbShape(bool bothSides) {
    return {bothSides ? kEdgeHoles : std::vector<QPointF>{QPointF(19.5, 9.5)},
            {{2.74, qRgb(189, 189, 189)}},
            qRgb(255, 255, 255)};
}

// The cut mark: a square frame round a white field with a round spot.
TileShape CutShape(QRgb colour) {
    return {{QPointF(7.5, 7.5)}, {{3.2, colour}, {3.6, qRgb(255, 255, 255)}}, qRgb(255, 255, 255)};
}

TileSet BuildScaled(const TileSet& plain, int scale) {
    TileSet set;
    auto at = [&set](Tile t) -> QImage& { return set.images[size_t(t)]; };
    auto from = [&plain](Tile t) -> const QImage& { return plain.images[size_t(t)]; };
    at(Tile::Perf) = Enlarge(from(Tile::Perf), PerfShape(), scale);
    at(Tile::PerfFirst) = EdgeTile(at(Tile::Perf), true, 0, kTileSize - 1, scale);
    at(Tile::PerfLast) = EdgeTile(at(Tile::Perf), false, 0, kTileSize - 1, scale);
    at(Tile::Vero) = Enlarge(from(Tile::Vero), VeroShape(), scale);
    at(Tile::VeroFirst) = EdgeTile(at(Tile::Vero), true, 3, 16, scale);
    at(Tile::VeroLast) = EdgeTile(at(Tile::Vero), false, 3, 16, scale);
    at(Tile::pcb) = Enlarge(from(Tile::pcb), PcbShape(true), scale);
    at(Tile::pcbFirst) = Enlarge(from(Tile::pcbFirst), PcbShape(false), scale);
    at(Tile::pcbLast) = at(Tile::pcbFirst).mirrored(true, false).convertToFormat(QImage::Format_RGB32);
    at(Tile::Cut) = Enlarge(from(Tile::Cut), CutShape(qRgb(255, 0, 0)), scale);
    at(Tile::CutSelected) = Enlarge(from(Tile::CutSelected), CutShape(qRgb(0, 0, 255)), scale);
    return set;
}

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

const QImage& TileImage(Tile tile, int scale) {
    if (scale <= 1)
        return TileImage(tile);
    scale = std::min(scale, kMaxTileScale);
    static std::array<std::once_flag, kMaxTileScale + 1> made;
    static std::array<TileSet, kMaxTileScale + 1> sets;
    std::call_once(made[size_t(scale)], [scale] {
        TileSet plain;
        for (size_t i = 0; i < plain.images.size(); ++i)
            plain.images[i] = TileImage(Tile(i));
        sets[size_t(scale)] = BuildScaled(plain, scale);
    });
    return sets[size_t(scale)].images[size_t(tile)];
}

const QImage& CutImage(bool selected) { return TileImage(selected ? Tile::CutSelected : Tile::Cut); }

const QImage& CutImage(bool selected, int scale) {
    return TileImage(selected ? Tile::CutSelected : Tile::Cut, scale);
}

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
