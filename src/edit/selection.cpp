// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/selection.h"

#include "edit/editor_host.h"

#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/pick_map.h"
#include "session/editor_session.h"

namespace sw {

pugi::xml_node PickComponent(const LayoutDocument& doc, const PickMap& pick, int x, int y) {
    return ComponentOfKey(doc, pick.KeyAt(x, y));
}

pugi::xml_node ComponentOfKey(const LayoutDocument& doc, unsigned key) {
    if (key == 0)
        return {};
    const pugi::xml_node node = doc.NodeOfKey(key);
    if (!node || node.type() != pugi::node_element || !LayoutDocument::IsComponentKind(node.name()))
        return {};
    return node;
}

void ClickNode(EditorSession& session, const CurrentNode& node, bool add) {
    SelectionState selection = add ? session.Selection() : SelectionState();
    if (node.element)
        selection.Add(node.element);
    else
        selection.AddCategory(node.category);
    selection.SetCurrent(node);
    session.Select(std::move(selection));
}

BoardPick BoardRightClick(EditorSession& session, const PickMap& pick, int x, int y) {
    return BoardRightClick(session, pick.KeyAt(x, y));
}

BoardPick BoardRightClick(EditorSession& session, unsigned key) {
    const pugi::xml_node element = ComponentOfKey(session.Document(), key);
    if (!element)
        return BoardPick::Nothing;
    if (session.Current().element == element)
        return BoardPick::OpenMenu;
    ClickNode(session, {element, -1}, false);
    return BoardPick::Selected;
}

bool SelectionClick::Press(const PointerEvent& event) {
    if (event.button != PointerButton::Right)
        return false;
    // A part newly selected needs nothing more: the board and the explorer follow the session.
    if (BoardRightClick(m_host.Session(), event.key) == BoardPick::OpenMenu)
        m_host.OpenComponentMenu(event.globalPosition);
    return true;
}

namespace {

// The selection with every category added; the current node stays.
SelectionState WithEveryCategory(SelectionState selection) {
    for (int kind = 0; kind < kKindCount; ++kind)
        selection.AddCategory(kind);
    return selection;
}

SelectionState KeepingCurrentOnly(const SelectionState& selection) {
    SelectionState nothing;
    nothing.SetCurrent(selection.Current());
    return nothing;
}

}  // namespace

bool ToggleSelectAll(EditorSession& session) {
    const SelectionState& selection = session.Selection();
    if (selection.AllCategoriesSelected()) {
        session.Select(KeepingCurrentOnly(selection));
        return false;
    }
    session.Select(WithEveryCategory(selection));
    return true;
}

void SelectEveryCategory(EditorSession& session) {
    session.Select(WithEveryCategory(KeepingCurrentOnly(session.Selection())));
}

ContextMenuState PrepareContextMenu(const EditorSession& session) {
    const CurrentNode current = session.Current();
    const std::optional<kind::Index> kind =
        current.element ? KindOf(current.element) : std::nullopt;
    ContextMenuState state;
    const bool single = kind && session.Selection().Count() == 1;
    const CatalogueEntry* entry = single ? FindKind(*kind) : nullptr;
    state.replaceEnabled = single;
    state.changeValueEnabled = single && entry && entry->changeValue;
    state.changeShapeVisible = single && *kind == kind::Wire;
    state.renameEnabled = single;
    return state;
}

}  // namespace sw
