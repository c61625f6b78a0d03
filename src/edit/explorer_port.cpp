#include "edit/explorer_port.h"

namespace sw {

std::vector<AffectedEntry> AffectedEntries(const std::vector<ExplorerCategory>& categories) {
    std::vector<AffectedEntry> out;
    for (const ExplorerCategory& category : categories)
        for (const ExplorerEntry& entry : category.entries)
            if ((entry.selected || category.selected) && entry.element)
                out.push_back({entry.element, entry.text, category.kind});
    return out;
}

}  // namespace sw
