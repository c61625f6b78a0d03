// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor session: the open layout and what lives beside it, without a
// widget. It owns the document, the file it came from, the modified flag, the
// selection and the undo history, and tells its views what changed. The main
// window, the explorer and the board are views of it; the tests drive it
// directly.
//
// Every change of the document goes through Edit, one transaction: it ends a
// drag, takes the undo step where the kind of edit is one, runs the change,
// marks the layout modified and then tells the views, each change once.
// New, Open, Undo and Redo put another document in place and say so.

#include "model/layout_document.h"
#include "model/undo_history.h"
#include "model/write_result.h"
#include "session/file_stamp.h"
#include "session/layout_census.h"
#include "session/net_highlight.h"
#include "session/netlist_link.h"
#include "session/placement_state.h"
#include "session/selection_drag.h"
#include "session/selection_state.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace sw {

class NetlistWatch;

enum class SessionChange {
    FileName,  // the layout now belongs to another file (or to none)
    Modified,  // the modified flag was set or cleared
    Selection,   // other nodes are selected, or another node is current
    Components,  // components were added, removed or renamed
    Board,       // the board's own attributes (type, size, project, credits)
    // The document changed: told once at the end of each edit (after the
    // edit's Components, Selection, Board and Modified), and on each step of a
    // drag that moves the parts.
    DocumentChanged,
    // New, Open, Undo or Redo put another document in place: every element
    // handle of the last one is gone, nothing is selected.
    DocumentReplaced,
    History,  // the steps Undo and Redo would take (or their names) changed
    Highlight,  // other copper is lit, or none
    // The netlist beside the layout: its file, what was read from it, how the
    // file stands or the latest check. Told after the DocumentChanged or
    // DocumentReplaced that made the check again, so those views see the
    // check of the document they are shown.
    Netlist,
};

// The kinds of edit. Which of them is a step for Undo is TakesUndoStep's list.
enum class EditKind {
    Place,  // a new component, or one replaced (with its old pads removed)
    Delete,
    ChangeValue,
    Move,  // Move Up, Down, Left, Right
    Rotate,
    Rename,
    Paste,  // only appends children to the root, which its undo step relies on
    Drag,  // the selection moved with the mouse
    ChangeShape,  // a wire's new `Seed`
    BoardProperties,
    Netlist,   // the layout's netlist imported or forgotten
    OffBoard,  // a part marked off the board, or back on it
};

// Whether an edit of this kind is one step for Undo. The others change the
// document without a step of their own: Undo right after one takes back the
// edit before it, and theirs with it.
constexpr bool TakesUndoStep(EditKind kind) {
    switch (kind) {
    case EditKind::Place:
    case EditKind::Delete:
    case EditKind::ChangeValue:
    case EditKind::Move:
    case EditKind::Rotate:
    case EditKind::Rename:
    case EditKind::Paste:
    case EditKind::Drag:
    case EditKind::Netlist:
    case EditKind::OffBoard:
        return true;
    case EditKind::ChangeShape:
    case EditKind::BoardProperties:
        return false;
    }
    return false;
}

// What an edit's change reports.
struct EditResult {
    // The layout differs from before: a change to save. False for a command
    // that wrote what was there (a value confirmed unchanged): the undo step
    // stays, the modified flag as it was.
    bool modified = true;
    // The board's own attributes were written.
    bool board = false;
    // The edit's name when it is known only once done (the fresh names of
    // pasted parts); empty: the name Edit was given.
    QString label;
};

class EditorSession {
public:
    using Observer = std::function<void(SessionChange)>;

    EditorSession();
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

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

    // ---- edits ----------------------------------------------------------------------
    // One change of the document, `label` its name for Undo and Redo ("Move
    // R1", "Delete 3 parts"). A drag going on is cancelled first, so no edit
    // sees parts half moved; an edit of a kind that TakesUndoStep keeps the
    // document as it is for Undo (ending what Redo could replay); then `change`
    // runs, and an outcome that says so marks the layout modified. The views
    // are told when the change is done, each kind of change once, and
    // DocumentChanged last. An edit inside another one is part of it.
    void Edit(EditKind kind, const QString& label, const std::function<EditResult()>& change);
    // While the views are told of an edit that only appended children to the
    // root (Paste), the first child it appended; null at any other time. A
    // view told Components then may take in just the children from there on.
    pugi::xml_node AppendedFrom() const { return m_appendedFrom; }
    bool Editing() const { return m_editDepth > 0; }

    // Puts another document in place (New, Open, start-up): `make` fills or
    // loads the session's document. When it succeeds the layout belongs to
    // `fileName` (empty: to no file), has nothing to undo or redo and nothing
    // to save, and the views are told DocumentReplaced; a failure changes
    // nothing (the document stays what it was, as a failed load leaves it).
    LoadResult ReplaceDocument(const QString& fileName,
                               const std::function<LoadResult(LayoutDocument&)>& make);

    // ---- component edits that keep the views in step (inside an Edit) ------------
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
    // Ends the drag: a move becomes one undo step named `label` and a change
    // to save; true when the parts moved. A drag that ends where it began
    // changes nothing.
    bool FinishDrag(const QString& label = QStringLiteral("Move"));
    // Ends the drag with every part back where it was, nothing to undo.
    void CancelDrag();

    // ---- the lit net -------------------------------------------------------------
    // The copper lit on the board (empty: none). Any change of the document
    // clears it, since the copper it names may be gone; the views are told
    // Highlight whenever it changes.
    const NetHighlight& Highlight() const { return m_highlight; }
    void SetHighlight(NetHighlight highlight);
    void ClearHighlight() { SetHighlight({}); }

    // ---- undo and redo ---------------------------------------------------------
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // The names of the edits the next Undo takes back and the next Redo makes again.
    QString UndoLabel() const { return m_history.UndoLabel(); }
    QString RedoLabel() const { return m_history.RedoLabel(); }
    // Forgets the history (a new or opened layout has nothing to undo or redo).
    void ClearUndo();
    // Returns the document to the state before the last change undone so far;
    // Redo replays the last change undone. With nothing to undo ("Can not
    // undo!") or redo ("Can not redo!") the document stays and the result says why.
    LoadResult Undo();
    LoadResult Redo();
    const UndoHistory& History() const { return m_history; }
    // What the last Undo or Redo stepped over, for the views told DocumentReplaced.
    struct HistoryStep {
        bool stepped = false;  // false: New or Open replaced it
        bool redo = false;
        QString label;
    };
    const HistoryStep& LastStep() const { return m_lastStep; }

    // ---- what a paste needs of the layout ---------------------------------------
    // The census of the document as it is now: its components, a bound of its
    // saved size and the names in use. Open takes it, and a paste, its Undo and
    // its Redo keep it as they change the document, each for what it appends or
    // takes off; any other change leaves it to be taken anew (one walk of the
    // layout), when the program has been idle for a moment or at the next call,
    // whichever comes first.
    LayoutCensus& Census();
    bool CensusCurrent() const { return m_censusCurrent && m_censusGeneration == m_doc.Generation(); }

    // ---- the netlist beside the layout -----------------------------------------
    // The netlist the layout's `Netlist` attribute names, read when a layout
    // naming it is put in place or the attribute changes, and read again when
    // its file is written (watched while the program runs); the check of the
    // layout against it made again after every change of the document.
    const NetlistLink& NetlistState() const { return m_netlist; }
    const Netlist* LinkedNetlist() const { return m_netlist.LastRead(); }
    const CheckReport* LatestCheck() const { return m_netlist.LatestCheck(); }
    // Whether the netlist panel is shown: it opens when the layout comes to
    // name a netlist (opened or imported), closes when it names none, and the
    // Edit menu shows and hides it between. Told as Netlist.
    bool NetlistPanelShown() const { return m_netlistPanelShown; }
    void ShowNetlistPanel(bool shown);
    // The panel's entry last chosen (its text), so it stays chosen while the
    // check still has it.
    const QString& ChosenNetlistEntry() const { return m_chosenNetlistEntry; }
    void SetChosenNetlistEntry(const QString& text) { m_chosenNetlistEntry = text; }
    // Reads the netlist's file again now (the watch does it by itself).
    void RereadNetlist();
    // Whether the file is watched: off for sessions that never run an event
    // loop (the command line, benchmarks). On by default.
    void SetWatchNetlist(bool watch);

private:
    void Tell(SessionChange change);
    // Follows the document with the netlist (the layout's file `layoutPath`)
    // and watches the file it names.
    bool FollowNetlist(const QString& layoutPath, bool documentChanged);
    // Tells the views the changes an edit gathered, each once, in a fixed order.
    void TellGathered();
    void TakeSnapshot(const QString& label, bool appending = false);
    // The document changed in a way the census did not follow.
    void LoseCensus();
    // The census follows the document as it is now.
    void KeepCensus();
    void SetModifiedFlag(bool modified);
    LoadResult Step(bool redo);

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
    int m_editDepth = 0;
    pugi::xml_node m_appendedFrom;
    unsigned m_gathered = 0;  // bits of SessionChange told during an edit
    HistoryStep m_lastStep;
    NetHighlight m_highlight;
    NetlistLink m_netlist;
    std::unique_ptr<NetlistWatch> m_watch;
    LayoutCensus m_census;
    bool m_censusCurrent = false;
    unsigned m_censusGeneration = 0;
    std::unique_ptr<QTimer> m_censusTimer;  // takes the census when idle
    bool m_watchNetlist = true;
    bool m_netlistPanelShown = false;
    QString m_chosenNetlistEntry;
    // While ReplaceDocument puts a document in place: the file it belongs to,
    // which the netlist's relative path is taken from.
    const QString* m_replacingFile = nullptr;
};

}  // namespace sw
