// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hole read from two coordinate attributes of an element.

#include "model/hole.h"
#include "model/layout_document.h"

#include <optional>

namespace sw {

// The hole (xAttr, yAttr) names, or nothing when either is not an integer.
inline std::optional<Hole> ReadHole(pugi::xml_node e, const char* xAttr, const char* yAttr) {
    const std::optional<int> x = ParseInt(e.attribute(xAttr).value());
    const std::optional<int> y = ParseInt(e.attribute(yAttr).value());
    if (!x || !y)
        return std::nullopt;
    return Hole{*x, *y};
}

}  // namespace sw
