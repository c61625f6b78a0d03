#pragma once
// What the editing code needs of the explorer tree, which is the program's
// selection model. The main window's tree implements it; tests use a small fake.

#include <QString>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class LayoutDocument;

struct ExplorerEntry {
    pugi::xml_node element;  // null for an entry that no longer carries one
    QString text;            // the name as the tree shows it
    bool selected = false;
};

struct ExplorerCategory {
    int kind = 0;  // catalogue index
    bool selected = false;
    std::vector<ExplorerEntry> entries;  // in the order the tree shows them
};

// The explorer's current node (the one the single-element commands act on).
struct ExplorerCurrent {
    bool exists = false;
    bool isComponent = false;  // a level-1 entry (else a category)
    int kind = -1;             // catalogue index of its picture
    pugi::xml_node element;
};

class ExplorerPort {
public:
    virtual ~ExplorerPort() = default;

    // The categories in catalogue order with their entries.
    virtual std::vector<ExplorerCategory> Categories() const = 0;
    virtual ExplorerCurrent Current() const = 0;
    virtual int SelectedCount() const = 0;

    // Removes the entry that carries `element` (compared by identity only; the
    // element may already be gone from the document).
    virtual void RemoveEntry(pugi::xml_node element) = 0;
    // Rewrites the category captions with their counts.
    virtual void UpdateCounts() = 0;
    // Replaces the entries of the pads category by one per `Pad` of `doc`.
    virtual void ReloadPads(const LayoutDocument& doc) = 0;
    // After placing (`replaced` false) or replacing: add the entry or rename the
    // existing one, select it unless its category starts collapsed, sort, count.
    virtual void AddOrUpdateEntry(pugi::xml_node element, bool replaced) = 0;
    // Expands the entry's category and makes the entry the selected, current node.
    virtual void SelectEntry(pugi::xml_node element) = 0;
    // The flag that keeps clicks on entries from repainting the board.
    virtual void SetSuppress(bool on) = 0;

    // Select All: true when every category node is selected.
    virtual bool AllCategoriesSelected() const = 0;
    virtual void ClearSelection() = 0;
    // Adds every category node to the selection (Ctrl+A).
    virtual void SelectAllCategories() = 0;
};

// The element and shown name of every entry that a command on the selection
// acts on: each selected entry and every entry of a selected category, in
// tree order, skipping entries without an element.
struct AffectedEntry {
    pugi::xml_node element;
    QString text;
    int kind = 0;
};
std::vector<AffectedEntry> AffectedEntries(const std::vector<ExplorerCategory>& categories);

}  // namespace sw
