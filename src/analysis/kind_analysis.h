// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the analyses take each kind for, one row per kind: how it conducts in
// the connectivity check and whether the bill of materials lists it.

#include "model/kinds.h"

#include <pugixml.hpp>

namespace sw {

enum class Conduction {
    None,      // joins nothing: the check follows only what certainly conducts end to end
    EndToEnd,  // pins 1 and 2 joined, the link named by the element
    Copper,    // a trace: its ends joined (and a straight one's holes between), named by nothing
    Cut,       // breaks the strip on both sides of its hole
};

enum class Listing {
    Never,
    Always,            // even with an empty value
    WithValue,         // only with a value
    WithValueAndTaper, // only with a value, the taper after it
};

struct KindAnalysis {
    Conduction conducts;
    Listing billOfMaterials;
};

const KindAnalysis& AnalysisOf(kind::Index kind);
// The row of the kind `element` stores; nothing for an element that is no component.
const KindAnalysis* AnalysisOf(pugi::xml_node element);

}  // namespace sw
