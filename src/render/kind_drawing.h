// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the renderer draws each kind, one row per kind: which body layer its
// image goes in and the placer that builds it, whether it has two leads, and
// where the parts list under the board lists it.

#include "model/kinds.h"
#include "render/body_placers.h"

#include <optional>
#include <pugixml.hpp>

namespace sw {

enum class BodyLayer {
    None,    // no body image (text, copper, jumpers, wires)
    Panel,   // under the jumpers and wires with the other panel parts (layer 4)
    Bodies,  // above the wiring, every such body in one walk (layer 8)
};

// The groups of the parts list in the order its walks run: resistors in the
// first column, capacitors in the second, the rest in the third.
enum class ListGroup {
    None,
    Resistors,
    Capacitors,
    DilIc,
    SilIc,
    Transistor,
    Diode,
    Led,
    Trimmer,
    Potentiometer,
    Transformer,
    Switch,
    TubeSocket,
    Relay,
};
inline constexpr int kListGroups = int(ListGroup::Relay) + 1;

struct KindDrawing {
    BodyLayer layer;
    Placer place;  // null exactly when the layer is None
    bool leads;    // two leads from the holes to the body (layer 7)
    ListGroup list;
};

const KindDrawing& DrawingOf(kind::Index kind);
// The row of the kind `element` stores; nothing for an element that is no component.
const KindDrawing* DrawingOf(pugi::xml_node element);

}  // namespace sw
