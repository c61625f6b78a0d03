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

// Holes x1 ... x2 of row y.
struct HoleRun {
    int y = 0;
    int x1 = 0;
    int x2 = 0;
    friend bool operator==(const HoleRun&, const HoleRun&) = default;
};

// A rectangle of holes, both corners included.
struct HoleBox {
    Hole first;
    Hole last;
    bool Contains(Hole h) const { return h.x >= first.x && h.x <= last.x && h.y >= first.y && h.y <= last.y; }
};

// One piece of copper: its holes as runs of a row, sorted by row and column,
// never overlapping or touching, and the links (indices into
// LayoutCopper::links) that are part of it.
struct CopperPiece {
    std::vector<HoleRun> runs;
    std::vector<std::size_t> links;
    bool Holds(Hole h) const;
    std::vector<Hole> Holes() const;
};

// The piece of copper `hole` is on, with every hole of it that lies in
// `within`: the strip segments up to their cuts (empty holes too), the holes
// a trace runs over, the ends of wires and jumpers. Its links are all there,
// in or out of `within`. The holes come from CopperPieces of the holes that
// matter, so the two never disagree; `within` keeps a damaged, huge board from
// listing more holes than anyone can be shown.
CopperPiece CopperPieceAt(const LayoutCopper& copper, Hole hole, HoleBox within);

}  // namespace sw
