// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copper of a PCB layout as a board house reads it: RS-274X Gerber files for
// the copper and the board outline and an Excellon drill file, built from the
// same numbers as the toner-transfer picture.
//
// One copper-picture pixel is 0.127 mm (20 pixels per 2.54 mm hole pitch).
// Coordinates are millimetres with five decimals (format 4.5: units of 10 nm),
// x to the right and y upward, with the origin at the lower-left corner of the
// board outline; hole (X, Y) of a W x H board is at (2.54 X - 1.27,
// 2.54 (H - Y) + 1.27) mm. The files show the board from the component side,
// as the picture does (not mirrored). Every feature sits exactly on its hole;
// the picture's half-pixel offset of even widths and squares is a raster effect
// and is not copied.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace sw {

class LayoutDocument;

// One copper-picture pixel in units of 10 nm.
constexpr std::int64_t kGerberUnitsPerPixel = 12700;
// The drill of a pad when none is asked for: 0.8 mm, the usual hole for
// component leads (the picture's 5-pixel drill mark, 0.635 mm, is too small
// for most of them).
constexpr std::int64_t kDefaultDrillUnits = 80000;
// The largest drill accepted, 10 mm, in units of 10 nm.
constexpr std::int64_t kLargestDrillUnits = 1000000;

// Why the layout cannot be written as Gerber files (not a PCB, no sensible
// board, a feature too far off the board for the coordinate format), or
// nothing when it can.
std::optional<QString> GerberRefusal(const LayoutDocument& doc);

// The files' texts; call only when GerberRefusal gives nothing.
// The copper: every `Trace` drawn with a round aperture of its width, then
// every `Pad` flashed with a round aperture of its size or a square one of its
// `Square` side.
QByteArray GerberCopperText(const LayoutDocument& doc);
// The board outline, the rectangle the picture draws, with a 1-pixel line.
QByteArray GerberOutlineText(const LayoutDocument& doc);
// A hole of `drillUnits` (10 nm) at every pad, in the Gerber files' frame.
QByteArray ExcellonDrillText(const LayoutDocument& doc, std::int64_t drillUnits);

// Millimetres in units of 10 nm from a user's text such as "0.8"; nothing
// when the text is not a number greater than 0 and at most 10 mm.
std::optional<std::int64_t> DrillUnitsFromText(const QString& millimetres);
// Why `text` is no drill diameter, in lower case for the command line's
// "stripwright: " to go before it.
QString DrillRefusal(const QString& text);
// The other way: "0.8" for 80000, "0.635" for 63500.
QString DrillUnitsText(std::int64_t units);

}  // namespace sw
