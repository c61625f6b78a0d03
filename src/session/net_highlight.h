// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The copper lit on the board: the holes of one or more pieces of copper, the
// traces, wires and jumpers that join them, the pins of the parts on them and
// a caption naming the net ("GND: R1.2, C3.1"). A middle click on a hole
// lights its net; the netlist panel lights the copper of an entry. It is the
// session's, so the board and the status bar show the same thing, and it goes
// with the copper it was made for: any change of the document clears it.

#include "model/hole.h"

#include <QString>
#include <vector>

namespace sw {

struct NetHighlight {
    // A straight piece of copper from hole to hole: a trace, a wire or a jumper.
    struct Link {
        Hole a;
        Hole b;
        friend bool operator==(const Link&, const Link&) = default;
    };
    std::vector<Hole> holes;  // every hole of the lit copper, empty strip holes too
    std::vector<Link> links;
    std::vector<Hole> pins;   // holes where a part has a pin on the lit copper
    QString caption;          // what the status bar says while it is lit

    bool Empty() const { return holes.empty() && links.empty() && pins.empty(); }
    friend bool operator==(const NetHighlight&, const NetHighlight&) = default;
};

}  // namespace sw
