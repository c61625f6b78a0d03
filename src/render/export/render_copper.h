// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toner-transfer ("PnP") picture: only the copper of the layout, traces and
// pads black on white with the pads' drill marks, on a canvas with 20 pixels per
// hole pitch, so 20 canvas pixels print as one tenth of an inch.

#include <QSize>
#include <QString>
#include <pugixml.hpp>

namespace sw {

class Canvas;
class LayoutDocument;

// The copper canvas for a layout of Width x Height holes: 20 (Width + 2) by
// 20 (Height + 2) pixels. Empty (and `error` set) when the board's size gives no
// sensible canvas (no holes, or so many that the picture cannot be made).
QSize CopperCanvasSize(const LayoutDocument& doc, QString* error = nullptr);

// Hole (X, Y) on the copper canvas: (x0 + 20 X, 20 Y), x0 being the board origin
// for this canvas (0 on a canvas of the size above).
int CopperOriginX(int canvasWidth, int layoutWidth);

// The numbers the picture is drawn with, shared by every other copper output
// (the Gerber and drill files) so they give the same sizes.
//
// Diameter in pixels of the white drill mark at every pad.
constexpr int kCopperDrillMark = 5;
// A trace's or pad's size number: the number at the start of its `Value`, to
// the nearest integer with halves to the even neighbour, never below 0 and
// capped far beyond any canvas.
int CopperSizeNumber(pugi::xml_node node);
// A trace's pen width: its size number, at least 1 (a width without a number
// draws the thinnest line, as on screen).
int CopperTraceWidth(pugi::xml_node node);
// The side of a `Square` pad of size number s: 2 (s div 2) pixels. The square
// covers the pixels from h - 1 left of and above the hole to h right of and
// below it (h = s div 2); sizes 0 and 1 draw no square.
int CopperSquareSide(int sizeNumber);
// The copper a pad has: its diameter, or the side of its square; 0 for none
// (a size of 0, a square of size 1, a value that is no number). A pad without
// copper is no pad of the board: the picture draws no drill mark for it and
// the drill file has no hole, so picture, copper and drill always agree.
int PadCopperPixels(pugi::xml_node pad);

// Draws the white page, the board outline, every trace and then every pad with
// its drill mark, and nothing else. Draws nothing when the document has no root.
void RenderCopper(const LayoutDocument& doc, Canvas& canvas, int width, int height);

}  // namespace sw
