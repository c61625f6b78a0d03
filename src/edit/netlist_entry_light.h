// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board lights for an entry of the netlist panel: for an open or a
// short, every piece of copper its pins are on (their holes, traces, wires,
// jumpers and pins); for a part, its pins in question alone. The entry's text
// is the caption.

#include "session/net_highlight.h"

namespace sw {

class LayoutDocument;
struct NetlistPanelEntry;

NetHighlight LightEntry(const LayoutDocument& doc, const NetlistPanelEntry& entry);

}  // namespace sw
