// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The net under a hole, as the board lights it and the status bar names it:
// the piece of copper the hole is on (analysis/copper_nets.h), the traces,
// wires and jumpers that are part of it and the pins of the parts on it. With
// a netlist the net is called by the netlist's name for the pins on it; else
// after the first pin on it ("Net of R1.2"). Nothing here draws.

#include "model/hole.h"
#include "session/net_highlight.h"

#include <QString>

namespace sw {

class LayoutDocument;
struct CheckReport;
struct HoleBox;
struct Netlist;

// Where the netlist's names come from: the netlist and the check of the
// layout against it (either missing: no names).
struct NetNames {
    const Netlist* netlist = nullptr;
    const CheckReport* check = nullptr;
};

// The holes the board image can show, on the board or beside it.
HoleBox BoardImageHoles(const LayoutDocument& doc);

// The net at `hole`, lit: caption "GND: R1.2, C3.1, IC1.4".
NetHighlight LightNet(const LayoutDocument& doc, Hole hole, const NetNames& names = {});

// The net of a pin for the pin note: "net GND", "net of R1.2" (no netlist
// name), "alone on its copper" (no other pin there), or empty when no part
// has a pin on the copper at `hole`.
QString PinNetText(const LayoutDocument& doc, Hole hole, const NetNames& names = {});

}  // namespace sw
