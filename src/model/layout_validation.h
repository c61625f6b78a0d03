// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check made once when a layout is opened, so that a damaged file is refused
// with a clear message instead of failing on every repaint.

#include <QString>
#include <pugixml.hpp>

namespace sw {

// Empty when the document is a usable layout; otherwise a message naming the
// element (its kind and `Name`) and the attribute that is missing or not an
// integer.
QString FindLayoutDamage(const pugi::xml_document& doc);

// The same check for one component element: empty when its hole coordinates
// are integers, otherwise a sentence naming the element and the attribute
// ("Resistor "R1" has no X2."). Pasted parts are checked with it.
QString FindComponentDamage(pugi::xml_node component);

}  // namespace sw
