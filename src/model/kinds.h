// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twenty-one component kinds as one enumeration. The value is the kind's
// catalogue index (toolbox order, which is also the picture index of an
// explorer node); the element name that stores a kind in the document is the
// catalogue's. Everything that tells kinds apart uses these, never an element
// name written out or a bare number.

#include <cstring>
#include <iterator>
#include <optional>
#include <pugixml.hpp>

namespace sw::kind {

enum Index : int {
    Text = 0,
    CutTrack = 1,
    SolderPad = 2,
    Trace = 3,
    Jumper = 4,
    Resistor = 5,
    Capacitor = 6,
    Diode = 7,
    Led = 8,
    Electrolyte = 9,
    Transistor = 10,
    DilIc = 11,
    SilIc = 12,
    Trimmer = 13,
    Potentiometer = 14,
    Transformer = 15,
    Switch = 16,
    Wire = 17,
    AudioJack = 18,
    TubeSocket = 19,
    Relay = 20,
};

}  // namespace sw::kind

namespace sw {

// The number of kinds: the size of every table indexed by kind, checked where
// the table is written, so that a new kind does not build until each has its row.
inline constexpr int kKindCount = kind::Relay + 1;

}  // namespace sw

namespace sw {

// The element name that stores each kind in the document, in kind order.
inline constexpr const char* kElementNames[] = {
    "Text",       "Cut",   "Pad",    "Trace",   "Jumper", "Resistor",    "Capacitor",
    "Diode",      "Led",   "Electrolyte", "Transistor", "IC", "LineIC", "Trimmer",
    "Pot",        "Transformer", "Switch", "Wire", "Jack",   "Tube",        "Relay",
};

static_assert(std::size(kElementNames) == kKindCount);

// The element name of a kind ("Pad" for kind::SolderPad).
constexpr const char* ElementName(kind::Index kind) { return kElementNames[kind]; }
// Whether `element` stores a component of `kind`.
inline bool IsKind(pugi::xml_node element, kind::Index kind) {
    return std::strcmp(element.name(), ElementName(kind)) == 0;
}
// Whether `element` stores a component of any of `kinds`.
template <std::size_t N>
bool IsAnyKind(pugi::xml_node element, const kind::Index (&kinds)[N]) {
    for (kind::Index kind : kinds)
        if (IsKind(element, kind))
            return true;
    return false;
}
// The kind `element` stores; nothing for an element that is no component.
std::optional<kind::Index> KindOf(pugi::xml_node element);

}  // namespace sw
