// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copper of a layout as pieces: holes joined by the strips of a stripboard
// (which a Cut breaks on both sides of its hole), by traces (a straight one
// joins every hole it runs over, a slanted one its two ends), by wires and by
// jumpers. Two leads in one hole are one hole. Parts never conduct here: a
// resistor's two holes are two pieces unless copper joins them.
//
// Only the holes asked about are followed, so the cost grows with the parts
// and the copper elements, never with the board.

#include "model/hole.h"

#include <vector>

namespace sw {

class LayoutDocument;

// For each of `holes`, the number of its piece of copper: two holes have the
// same number exactly when copper joins them. Numbers run from 0 and are
// otherwise meaningless.
std::vector<int> CopperPieces(const LayoutDocument& doc, const std::vector<Hole>& holes);

}  // namespace sw
