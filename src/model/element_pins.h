// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pins of a component: which holes its copper reaches, in pin-number
// order, and what a pin is for where the kind says (a diode's anode, an
// electrolyte's plus, a trimmer's wiper). Automatic pads, the connectivity
// check, body placement and the netlist check all ask here, so a pin is where
// the drawing puts its lug.
//
// The numbering:
//   two-lead kinds   pin 1 at hole 1 (X1, Y1), pin 2 at hole 2; Diode and Led
//                    anode, cathode; Electrolyte plus, minus
//   Jumper, Wire     their two ends as pins 1 and 2
//   Pad              one pin at X1, Y1
//   Transistor       1, 2, 3 at hole 1, the hole halfway, hole 2
//   DIL IC, Relay    pin 1 at hole 1, counterclockwise seen from the parts'
//                    side: along the pin row of hole 1 to its far end, then
//                    back along the other row from hole 2 (pin n/2 + 1)
//   SIL IC           1 to n from hole 1 to hole 2
//   Trimmer          pin 2 (wiper) at hole 1, pin 1 at hole 2, pin 3 beyond
//                    the wiper
//   Potentiometer    pin 2 (wiper) at hole 1, pin 1 at hole 2, pin 3 the far
//                    lug two holes beyond the wiper
//   Transformer      pin 1 at hole 1, 2 the other end of its winding, 3 at
//                    hole 2, then the centre tap where there is one, then the
//                    last corner: counterclockwise like an IC
//   Switch           a pin on every hole of the rectangle, line by line along
//                    its longer side (along the row when square), each line
//                    from hole 1's end, the line of hole 1 first
//   Audio Jack       1 the tip at hole 1, 2 the sleeve beside it, 3 the ring
//                    four rows below (stereo)
//   Tube Socket      counterclockwise seen from the parts' side from the key
//                    (the Noval gap, the Octal spigot's key), each pin at the
//                    hole nearest its drawn place (halves away from the centre)

#include "model/hole.h"
#include "model/kinds.h"

#include <optional>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

namespace sw {

enum class PinRole { None, Anode, Cathode, Plus, Minus, Wiper };

struct ElementPin {
    int number;
    Hole hole;
    PinRole role;
    friend bool operator==(const ElementPin&, const ElementPin&) = default;
};

// A component with more pins than this is a damaged file (an IC spanning a
// million columns): it has no pins rather than a list that fills the memory.
inline constexpr long long kMaxElementPins = 1 << 16;

// The pins of a component element in pin-number order (pin 1 first). Empty for
// Text, Cut and Trace. Jumper and Wire give their two ends as pins 1 and 2 (the
// netlist check treats them as copper, not parts); a Pad gives one pin at X1, Y1.
// Empty also where the drawing shows no pin: hole coordinates that are not
// integers, a DIL IC or Relay whose holes share a row or a column, a
// Transistor, Potentiometer or Tube Socket whose holes share neither, a tube
// socket of an unknown type, more than kMaxElementPins pins.
std::vector<ElementPin> ElementPins(pugi::xml_node element);

// What a kind's pins depend on besides its two holes: the element's `Type`
// (tube sockets: "Noval", "Octal"; jacks: "Stereo") and the layout's `Width`
// (a jack in the right half of the board is drawn mirrored).
struct PinContext {
    std::string_view type;
    int boardWidth = 0;
};

// The pins of a component of `kind` placed from `hole1` to `hole2` (one-hole
// kinds read only `hole1`), as ElementPins gives them.
std::vector<ElementPin> KindPins(kind::Index kind, Hole hole1, Hole hole2,
                                 const PinContext& context = {});

// A trimmer's footprint from its wiper (hole 1) and its pin 1 (hole 2): the
// body's shape (1 a diagonal neighbour, 2 or 4 two or four away and one
// across, 5 a direct neighbour, 0 none of these) and its turn in quarters
// clockwise, and pin 3, which lies across the wiper from pin 1 (for a pin 1
// further away along a row or a column, one hole beyond the wiper).
struct TrimmerFootprint {
    int shape = 0;
    int quarterTurns = 0;
    std::optional<Hole> thirdPin;
};
TrimmerFootprint TrimmerFootprintOf(Hole wiper, Hole pin1);

}  // namespace sw
