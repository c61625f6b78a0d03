// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling the value editor for one kind, for a new component or for replacing
// an existing one, from the component catalogue.

#include "edit/dialog_service.h"
#include "model/kinds.h"
#include "session/placement_state.h"

#include <pugixml.hpp>

#include <optional>

namespace sw {

struct CatalogueEntry;


// A pad's or a trace's value, when it is a whole number, becomes the size the
// next pad or trace starts with; any other kind or value changes nothing.
void TakeValueAsDefault(PlacementDefaults& defaults, kind::Index kind, const QString& value);

// A new component of `kind` named `name` (the next free name for its prefix).
ValueEditorSetup NewComponentSetup(const CatalogueEntry& kind, const QString& name,
                                   const PlacementDefaults& defaults);
// Replacing `element` (a component of `kind`): its name, its value (split into
// number and unit for kinds with units; kept whole when the rest is no listed
// unit) and its extra choice (added to the list when the list lacks it).
ValueEditorSetup ReplaceComponentSetup(const CatalogueEntry& kind, pugi::xml_node element);

// Splits a stored value at its first character that is not a digit, "." or ",":
// 4.7K -> (4.7, K), "10K Log" -> (10, "K Log"), 15px -> (15, px).
struct SplitValue {
    QString number;
    QString unit;
};
SplitValue SplitStoredValue(const QString& value);

// A value typed with its unit ("47K" while the list offers R, K and M, "10uF"
// while it offers pF, nF and uF): the number before the unit and the listed
// unit it ends in, the longest one when several fit ("10K Log" is K Log, not
// Log). Nothing when the value ends in no listed unit. Units match exactly, so
// "47k" is not taken for K.
std::optional<SplitValue> SplitTypedUnit(const QString& value, const QStringList& units);

// What the value editor hands back: a value typed with a listed unit keeps
// that unit (the list's entry follows it), so the stored text is what was
// typed and never the typed unit with the list's unit appended.
ValueEditorResult WithTypedUnit(ValueEditorResult result, const QStringList& units);

}  // namespace sw
