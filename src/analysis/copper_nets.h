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
#include "model/kinds.h"

#include <cstdint>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class LayoutDocument;

// The copper elements of a layout as read from its document.
struct LayoutCopper {
    struct Link {
        Hole a;
        Hole b;
        bool trace;  // a trace joins the holes it runs over, a wire or jumper its ends
    };
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool strips = false;              // a stripboard
    std::vector<Link> links;
    std::vector<std::int64_t> cuts;   // board hole indices of the cuts, in any order
    bool columnTraces = false;        // some trace runs down a column

    // Takes the copper of one component element (anything else is passed
    // over), for callers that walk the document themselves.
    void Add(pugi::xml_node element);
    void Add(pugi::xml_node element, kind::Index kind);
};

LayoutCopper ReadLayoutCopper(const LayoutDocument& doc);
// The board of `doc` without its elements, to Add them one by one.
LayoutCopper EmptyLayoutCopper(const LayoutDocument& doc);

// For each of `holes`, the number of its piece of copper (see below).
std::vector<int> CopperPieces(LayoutCopper copper, const std::vector<Hole>& holes);

// For each of `holes`, the number of its piece of copper: two holes have the
// same number exactly when copper joins them. Numbers run from 0 and are
// otherwise meaningless.
std::vector<int> CopperPieces(const LayoutDocument& doc, const std::vector<Hole>& holes);

}  // namespace sw
