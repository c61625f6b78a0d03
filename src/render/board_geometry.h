// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hole lattice: holes 20 pixels apart, rows from a fixed height, columns from
// a board origin that centres the board horizontally on the canvas.

#include <QPoint>
#include <QRect>
#include <QString>

namespace sw {

constexpr int kHolePitch = 20;
constexpr int kBoardImageWidth = 2000;   // the editor's board image
constexpr int kBoardImageHeight = 1200;

// x0 = 20 * round((canvasWidth - 20 * (layoutWidth + 1)) / 40), halves to even.
// Absurd widths give an origin far off the canvas rather than an overflow.
int BoardOriginX(int canvasWidth, int layoutWidth);
// Centre of hole (X, Y): (x0 + 20 X, 190 + 20 Y). Not clamped to the board, only
// kept within about a billion pixels so that absurd coordinates cannot overflow.
QPoint HoleCentre(int x0, int column, int row);
// Board-image pixel to (column, row), with x0 taken for the 2000-pixel image.
QPoint PointToHole(int x, int y, int layoutWidth);
// True within a little under 8 pixels of any lattice hole, on or off the board.
bool IsNearHole(int x, int y);
// A closed range of tile indices; empty when first > last.
struct TileRange {
    int first;
    int last;
    bool Empty() const { return first > last; }
};
// The tile columns i (0 ... layoutWidth) whose tile, left edge x0 + 20 i, lies at
// least partly on a canvas `canvasWidth` pixels wide. Drawing only these keeps a
// layout with an absurd width from stalling the repaint.
TileRange VisibleTileColumns(int x0, int layoutWidth, int canvasWidth);
// The tile rows Y (1 ... layoutHeight) whose tile, top edge 180 + 20 Y, lies at
// least partly on a canvas `canvasHeight` pixels high.
TileRange VisibleTileRows(int layoutHeight, int canvasHeight);

// The board with its rulers on the board image (the tiles, a hole pitch of
// margin around them for the labels), clipped to the image: what Fit Board shows.
// Empty when no part of the board lies on the image.
QRect BoardAreaRect(int layoutWidth, int layoutHeight);

// The label of a row: "a" ... "z" for rows 1 to 26, then the character with
// code row + 38 ("A" for row 27). Empty for rows below 1 and codes that are no
// character.
QString RowLabel(int row);

}  // namespace sw
