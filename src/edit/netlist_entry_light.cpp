// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/netlist_entry_light.h"

#include "edit/net_lighting.h"
#include "session/netlist_panel.h"

#include <algorithm>
#include <set>

namespace sw {
namespace {

template <typename T, typename Less>
void SortUnique(std::vector<T>& items, Less less) {
    std::sort(items.begin(), items.end(), less);
    items.erase(std::unique(items.begin(), items.end()), items.end());
}

bool HoleLess(Hole a, Hole b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

}  // namespace

NetHighlight LightEntry(const LayoutDocument& doc, const NetlistPanelEntry& entry) {
    NetHighlight lit;
    lit.caption = entry.text;
    if (!entry.copper) {
        lit.holes = entry.pins;
        lit.pins = entry.pins;
        return lit;
    }
    // One piece of copper is lit once, however many of the entry's pins are on it.
    std::set<std::pair<int, int>> done;
    for (Hole pin : entry.pins) {
        if (done.count({pin.x, pin.y}))
            continue;
        const NetHighlight piece = LightNet(doc, pin);
        for (Hole h : piece.holes)
            done.insert({h.x, h.y});
        lit.holes.insert(lit.holes.end(), piece.holes.begin(), piece.holes.end());
        lit.links.insert(lit.links.end(), piece.links.begin(), piece.links.end());
        lit.pins.insert(lit.pins.end(), piece.pins.begin(), piece.pins.end());
    }
    SortUnique(lit.holes, HoleLess);
    SortUnique(lit.pins, HoleLess);
    SortUnique(lit.links, [](const NetHighlight::Link& a, const NetHighlight::Link& b) {
        return HoleLess(a.a, b.a) || (a.a == b.a && HoleLess(a.b, b.b));
    });
    return lit;
}

}  // namespace sw
