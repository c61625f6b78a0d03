// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/selection_state.h"

#include <algorithm>

namespace sw {

void SelectionState::Add(pugi::xml_node element) {
    if (element && m_set.insert(element.internal_object()).second)
        m_elements.push_back(element);
}

void SelectionState::AddCategory(int kindIndex) {
    if (kindIndex >= 0 && kindIndex < kCategories)
        m_categories.set(size_t(kindIndex));
}

void SelectionState::Remove(const std::unordered_set<const void*>& elements) {
    if (elements.empty())
        return;
    std::erase_if(m_elements, [&](pugi::xml_node e) { return elements.count(e.internal_object()); });
    for (const void* element : elements)
        m_set.erase(element);
    if (m_current.element && elements.count(m_current.element.internal_object()))
        m_current = {};
}

}  // namespace sw
