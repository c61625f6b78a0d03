// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The placement tool's state in the session: the kind the toolbox or Replace
// started, where the clicks have got to, the holes clicked so far, the element
// Replace re-places, the pointer's hole and shape, and the values a new
// component's dialog starts from. The tool in edit/ works on it.

#include "model/hole.h"

#include <QString>
#include <pugixml.hpp>

namespace sw {

// ClosedHand is the drag's, while parts follow the pointer.
enum class BoardCursor { Arrow, Hand, IBeam, Cross, ClosedHand };

// The per-run values that a new component's dialog starts from.
struct PlacementDefaults {
    int padSize = 15;
    int traceWidth = 5;
    QString lastColour;  // empty: none chosen yet
};

struct PlacementState {
    int kind = -1;  // catalogue index; -1: none chosen yet
    bool awaitingFirst = false;
    bool awaitingSecond = false;
    bool connectivity = false;  // the two holes of the connectivity check
    // The element Replace re-places; null for a new component. The session
    // drops it when the element leaves the document.
    pugi::xml_node replaceTarget;
    Hole current;      // the hole under the pointer
    Hole source;       // the first hole clicked
    Hole destination;  // the second
    BoardCursor cursor = BoardCursor::Arrow;
    PlacementDefaults defaults;
    // A part of the netlist being placed: the next new component's dialog
    // starts with its name and value, whichever kind the toolbox chose, until
    // one is placed. Empty names: none.
    struct NetlistPart {
        QString name;
        QString value;
    } fromNetlist;
};

// No kind is active and no holes are being picked: the left button selects
// and moves parts instead of placing them.
inline bool InSelectMode(const PlacementState& s) { return s.kind < 0 && !s.connectivity; }

}  // namespace sw
