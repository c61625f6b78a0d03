// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board background is a row of 20 x 20 tiles per hole row, three tiles per
// board type: a first column (white margin and the left half of the first hole),
// middle columns (the right half of one hole and the left half of the next), and
// a last column (the mirror of the first). Strip cuts are 16 x 16 marks whose
// magenta pixels are the key colour, never drawn.
//
// The images are generated from their run tables once and cached; they are
// Format_RGB32 and must not be modified.

#include <QImage>
#include <QString>
#include <optional>

namespace sw {

enum class Tile {
    PerfFirst, Perf, PerfLast,
    VeroFirst, Vero, VeroLast,
    pcbFirst, pcb, pcbLast,
    Cut, CutSelected,
};

constexpr int kTileSize = 20;
constexpr int kCutSize = 16;

// The named image (20 x 20 for the board tiles, 16 x 16 for the cut marks).
const QImage& TileImage(Tile tile);
// The strip cut mark: red, or blue when the cut is selected.
const QImage& CutImage(bool selected);

// The largest scale the enlarged tiles are made at.
constexpr int kMaxTileScale = 8;
// The image enlarged `scale` times (1 ... 8) for an enlarged canvas: the holes'
// rings drawn round at that resolution, the straight strips and edges as they
// are; scale 1 is the image above.
const QImage& TileImage(Tile tile, int scale);
const QImage& CutImage(bool selected, int scale);

struct BoardTileSet {
    Tile first;
    Tile middle;
    Tile last;
};
// The tiles of "Perfboard", "Stripboard" and "PCB"; nothing for any other type,
// which draws no board background.
std::optional<BoardTileSet> TilesForBoardType(const QString& boardType);

}  // namespace sw
