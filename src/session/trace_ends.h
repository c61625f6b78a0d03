// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// On a PCB a trace stays joined to the pads it was drawn to: when parts move
// or turn, the ends of the traces that sit on their pads go with them, and a
// trace whose two ends sit on moving pads moves whole. Other boards keep their
// traces where they are.

#include <pugixml.hpp>
#include <unordered_set>
#include <vector>

namespace sw {

class LayoutDocument;

// One end of a trace: (X1, Y1), or (X2, Y2) when `second`.
struct TraceEnd {
    pugi::xml_node trace;
    bool second = false;
    friend bool operator==(const TraceEnd&, const TraceEnd&) = default;
};

// The ends of the traces of a PCB layout that lie on the hole of a pad among
// `moving` (elements by their internal object), in document order; traces
// that are among `moving` themselves are left out. Nothing on other boards.
std::vector<TraceEnd> TraceEndsOnPads(const LayoutDocument& doc,
                                      const std::unordered_set<const void*>& moving);

// The attribute names of an end's column and row.
inline const char* EndX(const TraceEnd& end) { return end.second ? "X2" : "X1"; }
inline const char* EndY(const TraceEnd& end) { return end.second ? "Y2" : "Y1"; }

}  // namespace sw
