#pragma once
// The explorer kept as plain lists, for code that edits a layout without a
// window: the editing tests and the editing fuzzer. It behaves like the real
// tree (entries per category in document order, a selection, a current node)
// and counts the calls the tests look at.

#include "edit/explorer_port.h"
#include "model/catalogue.h"
#include "model/layout_document.h"

#include <algorithm>

namespace sw {

class ListExplorer : public ExplorerPort {
public:
    ListExplorer() { Clear(); }

    void Clear() {
        m_categories.clear();
        for (int i = 0; i < kKindCount; ++i)
            m_categories.push_back({i, false, {}});
        m_current = {};
    }
    // Like the real tree's rebuild: every component in document order, none selected.
    void Rebuild(const LayoutDocument& doc) {
        Clear();
        doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
            m_categories[size_t(FindKind(element.name())->index)].entries.push_back(
                {element, TextAttr(element, "Name"), false});
        });
    }

    // ---- selection as the user makes it ----------------------------------------
    void Select(pugi::xml_node element, bool add = false) {
        if (!add)
            ClearSelection();
        for (ExplorerCategory& category : m_categories)
            for (ExplorerEntry& entry : category.entries)
                if (entry.element == element) {
                    entry.selected = true;
                    m_current = {true, true, category.kind, element};
                }
    }
    void SelectCategory(int kind, bool add = false) {
        if (!add)
            ClearSelection();
        m_categories[size_t(kind)].selected = true;
        m_current = {true, false, kind, {}};
    }
    const ExplorerCategory& Category(int kind) const { return m_categories[size_t(kind)]; }
    int suppressChanges = 0;
    bool suppress = false;

    // ---- ExplorerPort --------------------------------------------------------------
    std::vector<ExplorerCategory> Categories() const override { return m_categories; }
    ExplorerCurrent Current() const override { return m_current; }
    int SelectedCount() const override {
        int n = 0;
        for (const ExplorerCategory& category : m_categories) {
            n += category.selected;
            for (const ExplorerEntry& entry : category.entries)
                n += entry.selected;
        }
        return n;
    }
    void RemoveEntry(pugi::xml_node element) override {
        for (ExplorerCategory& category : m_categories)
            std::erase_if(category.entries,
                          [&](const ExplorerEntry& entry) { return entry.element == element; });
        if (m_current.element == element)
            m_current = {};
    }
    void UpdateCounts() override { ++countUpdates; }
    void ReloadPads(const LayoutDocument& doc) override {
        std::vector<ExplorerEntry>& pads = m_categories[size_t(FindKind("Pad")->index)].entries;
        pads.clear();
        for (pugi::xml_node pad = doc.Root().child("Pad"); pad; pad = pad.next_sibling("Pad"))
            pads.push_back({pad, TextAttr(pad, "Name"), false});
    }
    void AddOrUpdateEntry(pugi::xml_node element, bool replaced) override {
        const CatalogueEntry* kind = FindKind(element.name());
        std::vector<ExplorerEntry>& entries = m_categories[size_t(kind->index)].entries;
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const ExplorerEntry& e) { return e.element == element; });
        if (replaced && it != entries.end())
            it->text = TextAttr(element, "Name");
        else
            entries.push_back({element, TextAttr(element, "Name"), false});
        if (kind->startsExpanded)
            Select(element);
    }
    void SelectEntry(pugi::xml_node element) override { Select(element); }
    void SetSuppress(bool on) override {
        suppress = on;
        ++suppressChanges;
    }
    bool AllCategoriesSelected() const override {
        return std::all_of(m_categories.begin(), m_categories.end(),
                           [](const ExplorerCategory& c) { return c.selected; });
    }
    void ClearSelection() override {
        for (ExplorerCategory& category : m_categories) {
            category.selected = false;
            for (ExplorerEntry& entry : category.entries)
                entry.selected = false;
        }
        m_current = {};
    }
    void SelectAllCategories() override {
        for (ExplorerCategory& category : m_categories)
            category.selected = true;
    }

    int countUpdates = 0;

private:
    std::vector<ExplorerCategory> m_categories;
    ExplorerCurrent m_current;
};

}  // namespace sw
