// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A component's own pads: the `Pad` elements whose `Parent` is its name. They
// move and turn with it, go with it when it is deleted, and go with it onto
// the clipboard. The link is by name only.

#include "session/selection_state.h"

#include <QHash>
#include <QString>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace sw {

class LayoutDocument;

// The pads of the document grouped by their `Parent`, in document order, so
// that finding a component's pads does not walk every pad for every component.
class PadIndex {
public:
    explicit PadIndex(const LayoutDocument& doc);
    const std::vector<pugi::xml_node>& Owned(const QString& owner) const;

private:
    std::unordered_map<QString, std::vector<pugi::xml_node>> m_byParent;
};

// Elements collected once each, with the pads they own: what Delete removes and
// Copy puts on the clipboard.
class ComponentsWithPads {
public:
    // False when `element` is collected already.
    bool Add(pugi::xml_node element);
    // The pads owned by `name`, each after the pads owned by its own name. A
    // chain of pads that owns itself ends instead of recursing without end.
    void AddOwnedPads(const PadIndex& pads, const QString& name);
    bool Contains(pugi::xml_node element) const { return m_seen.count(element.internal_object()); }
    const std::vector<pugi::xml_node>& Elements() const { return m_elements; }

private:
    std::unordered_set<const void*> m_seen;
    std::vector<pugi::xml_node> m_elements;
};

// The pads that move or turn with `owner`: those whose `Parent` is its name,
// unless the pads category or the pad itself is selected (a selected pad
// moves by itself, once).
std::vector<pugi::xml_node> CarriedPads(const SelectionState& selection, const PadIndex& pads,
                                        pugi::xml_node owner);

// Whether the element has a second point (X2, Y2) that moves with the first.
inline bool HasSecondPoint(pugi::xml_node element) { return bool(element.attribute("X2")); }

// Moves (X1, Y1) and, when `second`, (X2, Y2) by whole holes. Coordinates are
// 32-bit in the file; a part at the far end of that range stops there instead
// of wrapping round to the other end.
void ShiftPoints(pugi::xml_node element, long long dx, long long dy, bool second);

}  // namespace sw
