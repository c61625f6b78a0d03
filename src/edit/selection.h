#pragma once
// Selection on the board and the component context menu. The selection itself
// is the explorer's; the board finds the component under the pointer through
// the pick map.

#include <pugixml.hpp>

namespace sw {

class ExplorerPort;
class LayoutDocument;
class PickMap;

// The component element whose key the pick map holds at (x, y), or a null node
// (nothing there, or a key that names no component of this document).
pugi::xml_node PickComponent(const LayoutDocument& doc, const PickMap& pick, int x, int y);

enum class BoardPick {
    Nothing,   // empty board: nothing happens
    Selected,  // the component's entry became the selected node: repaint
    OpenMenu,  // it already was the current node: show the context menu
};
// A right-button press on the board at (x, y).
BoardPick BoardRightClick(const LayoutDocument& doc, const PickMap& pick, ExplorerPort& explorer,
                          int x, int y);

// The Select All command: all category nodes, or nothing when they all are
// selected already. True when it selected.
bool ToggleSelectAll(ExplorerPort& explorer);

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
// `isComponent`: the node is a component entry (level 1); `kindIndex`: its
// picture's catalogue index; `selectedCount`: how many nodes are selected.
ContextMenuState PrepareContextMenu(bool isComponent, int kindIndex, int selectedCount);

}  // namespace sw
