// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor session: the open layout and what lives beside it, without a
// widget. It owns the document, the file it came from, the modified flag, the
// selection and the undo history, and tells its views what changed. The main
// window, the explorer and the board are views of it; the tests drive it
// directly.

#include "model/layout_document.h"
#include "model/undo_history.h"
#include "model/write_result.h"
#include "session/file_stamp.h"
#include "session/placement_state.h"
#include "session/selection_drag.h"
#include "session/selection_state.h"

#include <QString>
#include <functional>
#include <vector>

namespace sw {

enum class SessionChange {
    FileName,  // the layout now belongs to another file (or to none)
    Modified,  // the modified flag was set or cleared
    Selection,   // other nodes are selected, or another node is current
    Components,  // components were added, removed or renamed
};

class EditorSession {
public:
    using Observer = std::function<void(SessionChange)>;

    // `observer` is told of every change from now on.
    void Observe(Observer observer) { m_observers.push_back(std::move(observer)); }

    LayoutDocument& Document() { return m_doc; }
    const LayoutDocument& Document() const { return m_doc; }

    // The file the layout is saved to; empty for a layout never saved.
    const QString& FileName() const { return m_fileName; }
    // The layout now belongs to `path`, as the file is on disk at this moment
    // (called once the layout was read from it or written to it).
    void SetFileName(const QString& path);
    // Whether the layout's file was written by someone else since it was
    // opened or last saved (a file since removed has nothing to lose).
    bool FileChangedOnDisk() const;

    // Whether the layout has changes that are not saved. Setting it says that
    // the document now differs from the saved file (true) or is what the file
    // holds (false); Undo and Redo set it themselves, clear exactly when they
    // come back to the state last saved.
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // Writes the layout to `path`. On success the layout belongs to that file
    // and has no unsaved changes; a failure changes neither, so the file name
    // stays the one the layout came from and the changes still count.
    WriteResult SaveTo(const QString& path);

    // ---- selection ------------------------------------------------------------
    // What is selected. Empty again once the document is replaced (New, Open,
    // Undo), since the elements it named are gone.
    const SelectionState& Selection() const;
    // Replaces the selection; the views are told when it differs.
    void Select(SelectionState selection);
    // The element alone, as the current node.
    void SelectOnly(pugi::xml_node element);
    void ClearSelection() { Select({}); }
    // The current node while it is selected (nothing otherwise): what Replace,
    // Change Value, Change Shape and the context menu act on.
    CurrentNode Current() const;
    // The components a command on the selection acts on: each selected element
    // and every component of a selected category, by category in catalogue
    // order, in document order within one.
    std::vector<pugi::xml_node> AffectedComponents() const;
    // Whether a command on the selection acts on `element`.
    bool Affects(pugi::xml_node element) const;

    // ---- placement -------------------------------------------------------------
    // The placement tool's state. A Replace target of a document since replaced
    // (New, Open, Undo) reads as none: the placement carries on as a new one.
    PlacementState& Placement();

    // ---- component edits that keep the views in step ------------------------------
    // Takes the elements out of the document, the selection and the Replace target.
    void RemoveComponents(const std::vector<pugi::xml_node>& elements);
    // Gives a component a new `Name`; a different name is a change to save.
    void RenameComponent(pugi::xml_node element, const QString& name);
    // Components were added or renamed by other code (placing): the views list
    // them anew.
    void ComponentsChanged() { Tell(SessionChange::Components); }

    // ---- moving the selection with the mouse -----------------------------------
    // Takes hold of what the selection acts on, with the pads they carry, at
    // hole `start`; false when nothing is selected.
    bool BeginDrag(Hole start);
    bool Dragging() const { return m_drag.Active(); }
    // Whether a drag going on moves `element`.
    bool DragMoves(pugi::xml_node element) const { return m_drag.Active() && m_drag.Holds(element); }
    // Counts the drags begun: tells one drag from the next.
    unsigned DragNumber() const { return m_dragNumber; }
    // The parts `hole - start` away from where they were: the document holds
    // them there until the drag ends, so a repaint shows them. True when they
    // moved to another place.
    bool DragTo(Hole hole);
    QPoint DragOffset() const { return m_drag.Offset(); }
    // Whether the parts have been away from where the drag began.
    bool DragLeftStart() const { return m_drag.Active() && m_drag.LeftStart(); }
    // Ends the drag: a move becomes one undo step and a change to save; true
    // when the parts moved. A drag that ends where it began changes nothing.
    bool FinishDrag();
    // Ends the drag with every part back where it was, nothing to undo.
    void CancelDrag();

    // ---- undo and redo ---------------------------------------------------------
    // Keeps the document as it is now as the state Undo returns to; called by
    // each editing command once it has decided to act, before its first change.
    // It ends what Redo could replay. A drag still going is cancelled first, so
    // no command sees the parts half moved.
    void TakeSnapshot();
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // Forgets the history (a new or opened layout has nothing to undo or redo).
    void ClearUndo() { m_history.Clear(); }
    // Returns the document to the state before the last change undone so far;
    // Redo replays the last change undone. With nothing to undo ("Can not
    // undo!") or redo ("Can not redo!") the document stays and the result says why.
    LoadResult Undo();
    LoadResult Redo();
    const UndoHistory& History() const { return m_history; }

private:
    void Tell(SessionChange change);
    void SetModifiedFlag(bool modified);
    LoadResult Step(LoadResult (UndoHistory::*step)(LayoutDocument&, UndoHistory::Tag&));

    LayoutDocument m_doc;
    QString m_fileName;
    FileStamp m_fileStamp;
    bool m_modified = false;
    UndoHistory m_history;
    SelectionState m_selection;
    SelectionDrag m_drag;
    unsigned m_dragNumber = 0;
    unsigned m_selectionGeneration = 0;  // the document's generation it belongs to
    PlacementState m_placement;
    unsigned m_placementGeneration = 0;  // the generation of its Replace target
    // Each state of the document that the history can return to has a tag; the
    // saved state's tag tells whether Undo or Redo came back to the file.
    UndoHistory::Tag m_state = 0;
    UndoHistory::Tag m_savedState = 0;
    UndoHistory::Tag m_lastTag = 0;
    std::vector<Observer> m_observers;
};

}  // namespace sw
