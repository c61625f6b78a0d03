// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the copper still lacks and where it has too much, as lines over the
// board: for each net whose pins lie on separate pieces of copper, the
// shortest links that join the pieces (a minimum spanning tree between them,
// each link from a pin of one piece to the nearest pin of another), and for
// each short the two pins of different nets that lie nearest each other on
// the copper they share, where a cut would part them.

#include "analysis/netlist_check.h"
#include "model/hole.h"

#include <string>
#include <vector>

namespace sw {

struct RatsnestLine {
    Hole a;
    Hole b;
    std::size_t difference = 0;  // the open in the report's differences
    friend bool operator==(const RatsnestLine&, const RatsnestLine&) = default;
};

// Two pins of different nets on one piece of copper.
struct ShortMark {
    Hole a;
    Hole b;
    std::size_t difference = 0;  // the short in the report's differences
    friend bool operator==(const ShortMark&, const ShortMark&) = default;
};

struct Ratsnest {
    std::vector<RatsnestLine> lines;
    std::vector<ShortMark> shorts;
    bool Empty() const { return lines.empty() && shorts.empty(); }
};

Ratsnest MakeRatsnest(const CheckReport& report);

}  // namespace sw
