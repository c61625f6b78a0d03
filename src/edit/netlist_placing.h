// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placing a part of the schematic's netlist that the layout does not have yet:
// the kind that fits it, and its name and value in the value editor.

#include "edit/dialog_service.h"
#include "model/kinds.h"

#include <QString>

namespace sw {

struct NetlistPart;

// The kind a netlist part is placed as, from its reference's letters, its
// footprint, its symbol and its pin count: R a resistor; C a capacitor, an
// electrolyte when symbol or footprint is polarised; D a diode, an LED when
// either says LED; Q a transistor; U or IC a DIL IC, a SIL IC for a single
// row footprint, a transistor with three pins or fewer (a regulator); J, P and
// CONN a SIL IC, an audio jack for a jack; RV and VR a potentiometer, a
// trimmer when either says trimmer; T a transformer; SW and S a switch; K and
// RL a relay; a tube or valve symbol or footprint a tube socket. Nothing when
// none fits.
std::optional<kind::Index> GuessKind(const NetlistPart& part);

// Whether a component of this kind can be a netlist's part and so takes its
// name: not the copper (cuts, traces, jumpers, wires) nor a text.
bool TakesNetlistName(kind::Index kind);

// The value editor of a new component, named and valued as the netlist has
// it. For kinds with units a value that reads as a number is written with the
// listed unit that gives the plainest number ("4k7" with R, K and M: "4.7K";
// "100n" with pF, nF and uF: "100nF"), so the editor takes the typed unit;
// any other value is put in whole.
ValueEditorSetup FilledFromNetlist(ValueEditorSetup setup, const QString& name, const QString& value);

}  // namespace sw
