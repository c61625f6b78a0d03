// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Solder pads that placing a component on a PCB layout creates at its pins. A
// pad is owned by the component whose `Name` its `Parent` holds.

#include "analysis/connectivity.h"

#include <QString>

namespace sw {

class LayoutDocument;

// Appends a `Pad` at (x, y) owned by `owner` (X1, Y1, Value = `padSize`, Name =
// the next free "P" name, Parent, Square), unless one with the same hole and
// owner exists or the hole is off the board. True when a pad was made.
bool CreateAutomaticPad(LayoutDocument& doc, int x, int y, bool square, const QString& owner,
                        int padSize);

// The pads of a component of the given kind placed from `source` to
// `destination`, in pin order.
void CreateAutomaticPads(LayoutDocument& doc, int kindIndex, Hole source, Hole destination,
                         const QString& owner, int padSize);

}  // namespace sw
