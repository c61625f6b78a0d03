// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling the value editor for one kind, for a new component or for replacing
// an existing one, from the component catalogue.

#include "edit/dialog_service.h"
#include "model/kinds.h"
#include "session/placement_state.h"

#include <pugixml.hpp>

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

}  // namespace sw
