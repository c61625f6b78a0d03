// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user has selected in the open layout: component elements and whole
// categories (a category stands for every component of its kind), and the
// current node that the single-element commands act on. The explorer and the
// board show it; the commands read it. Elements are compared by identity.

#include "model/catalogue.h"

#include <bitset>
#include <pugixml.hpp>
#include <unordered_set>
#include <vector>

namespace sw {

// The node the explorer's cursor is on: a component element, a category (by
// catalogue index), or nothing.
struct CurrentNode {
    pugi::xml_node element;
    int category = -1;
    bool Exists() const { return element || category >= 0; }
    friend bool operator==(const CurrentNode&, const CurrentNode&) = default;
};

class SelectionState {
public:
    static constexpr int kCategories = kKindCount;

    bool Empty() const { return m_elements.empty() && m_categories.none(); }
    // Selected nodes: elements plus categories.
    int Count() const { return int(m_elements.size() + m_categories.count()); }
    bool Contains(pugi::xml_node element) const {
        return !m_set.empty() && m_set.count(element.internal_object());
    }
    bool CategorySelected(int kindIndex) const {
        return kindIndex >= 0 && kindIndex < kCategories && m_categories.test(size_t(kindIndex));
    }
    bool AllCategoriesSelected() const { return m_categories.all(); }
    // The selected elements in the order they were selected.
    const std::vector<pugi::xml_node>& Elements() const { return m_elements; }
    const CurrentNode& Current() const { return m_current; }

    void Add(pugi::xml_node element);
    void AddCategory(int kindIndex);
    void SetCurrent(CurrentNode current) { m_current = current; }
    // Drops elements (they left the document); a dropped current node goes too.
    void Remove(const std::unordered_set<const void*>& elements);

    friend bool operator==(const SelectionState& a, const SelectionState& b) {
        return a.m_set == b.m_set && a.m_categories == b.m_categories && a.m_current == b.m_current;
    }

private:
    std::vector<pugi::xml_node> m_elements;
    std::unordered_set<const void*> m_set;
    std::bitset<kCategories> m_categories;
    CurrentNode m_current;
};

}  // namespace sw
