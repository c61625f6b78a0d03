// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Selecting on the board, Select All, and the component context menu. The
// selection itself is the session's; the board finds the component under the
// pointer through the pick map.

#include "edit/pointer_tool.h"

#include <pugixml.hpp>

namespace sw {

class EditorHost;

class EditorSession;
struct CurrentNode;
class LayoutDocument;
class PickMap;

// The component element whose key the pick map holds at (x, y), or a null node
// (nothing there, or a key that names no component of this document).
pugi::xml_node PickComponent(const LayoutDocument& doc, const PickMap& pick, int x, int y);
// The same for a key read from the pick map.
pugi::xml_node ComponentOfKey(const LayoutDocument& doc, unsigned key);

// A click on a node (a component element or a category): it alone is selected
// and current; `add` (a Ctrl+click) adds it to the selection instead.
void ClickNode(EditorSession& session, const CurrentNode& node, bool add);

enum class BoardPick {
    Nothing,   // empty board: nothing happens
    Selected,  // the component became the selected, current node: repaint
    OpenMenu,  // it already was the current node: show the context menu
};
// A right-button press on the board at (x, y).
BoardPick BoardRightClick(EditorSession& session, const PickMap& pick, int x, int y);
// The same on the component of pick key `key`.
BoardPick BoardRightClick(EditorSession& session, unsigned key);

// The right button on the board as a pointer tool: it selects the part under
// the pointer, and a second press on the current part opens its context menu.
class SelectionClick : public PointerTool {
public:
    explicit SelectionClick(EditorHost& host) : m_host(host) {}
    bool Press(const PointerEvent& event) override;

private:
    EditorHost& m_host;
};

// The Select All command: adds all categories to the selection, or selects
// nothing when they all are selected already. True when it selected.
bool ToggleSelectAll(EditorSession& session);
// Ctrl+A: all categories and nothing else.
void SelectEveryCategory(EditorSession& session);

// The items of the component context menu `CompPopup` for a node.
struct ContextMenuState {
    bool replaceEnabled = false;
    bool changeValueEnabled = false;
    bool changeExtraVisible = false;  // never shown
    bool changeShapeVisible = false;
    bool renameEnabled = false;
    bool deleteEnabled = true;
    friend bool operator==(const ContextMenuState&, const ContextMenuState&) = default;
};
// For the session's current node and the number of selected nodes.
ContextMenuState PrepareContextMenu(const EditorSession& session);

}  // namespace sw
