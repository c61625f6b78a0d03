// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/kinds.h"

#include "model/catalogue.h"

namespace sw {

std::optional<kind::Index> KindOf(pugi::xml_node element) {
    if (const CatalogueEntry* entry = FindKind(element.name()))
        return kind::Index(entry->index);
    return std::nullopt;
}

}  // namespace sw
