#include "edit/selection.h"

#include "edit/explorer_port.h"
#include "model/kinds.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "render/pick_map.h"

namespace sw {

pugi::xml_node PickComponent(const LayoutDocument& doc, const PickMap& pick, int x, int y) {
    const unsigned key = pick.KeyAt(x, y);
    if (key == 0)
        return {};
    const pugi::xml_node node = doc.NodeOfKey(key);
    if (!node || node.type() != pugi::node_element || !LayoutDocument::IsComponentKind(node.name()))
        return {};
    return node;
}

BoardPick BoardRightClick(const LayoutDocument& doc, const PickMap& pick, ExplorerPort& explorer,
                          int x, int y) {
    const pugi::xml_node element = PickComponent(doc, pick, x, y);
    if (!element)
        return BoardPick::Nothing;
    bool listed = false;
    for (const ExplorerCategory& category : explorer.Categories())
        for (const ExplorerEntry& entry : category.entries)
            listed = listed || entry.element == element;
    if (!listed)
        return BoardPick::Nothing;
    const ExplorerCurrent current = explorer.Current();
    if (current.isComponent && current.element == element)
        return BoardPick::OpenMenu;
    explorer.SelectEntry(element);
    return BoardPick::Selected;
}

bool ToggleSelectAll(ExplorerPort& explorer) {
    if (explorer.AllCategoriesSelected()) {
        explorer.ClearSelection();
        return false;
    }
    explorer.SetSuppress(true);
    explorer.SelectAllCategories();
    explorer.SetSuppress(false);
    return true;
}

ContextMenuState PrepareContextMenu(bool isComponent, int kindIndex, int selectedCount) {
    ContextMenuState state;
    const bool single = isComponent && selectedCount == 1;
    const CatalogueEntry* entry = FindKind(kindIndex);
    state.replaceEnabled = single;
    state.changeValueEnabled = single && entry && entry->changeValue;
    state.changeShapeVisible = single && kindIndex == kind::Wire;
    state.renameEnabled = single;
    return state;
}

}  // namespace sw
