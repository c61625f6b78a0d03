// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor_session.h"

#include "model/kinds.h"
#include "session/netlist_watch.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <array>

namespace sw {

namespace {

// How long the program is idle before the census of a changed layout is taken.
constexpr int kCensusIdleMs = 200;

constexpr unsigned Bit(SessionChange change) { return 1u << unsigned(change); }

// The order in which the changes an edit gathered are told: the lists first,
// then what they select, the board's own attributes, the flag and the
// history, and last that the document changed, when the rest is in step.
constexpr SessionChange kGatheredOrder[] = {
    SessionChange::Components, SessionChange::Selection, SessionChange::Board,
    SessionChange::Modified,   SessionChange::History,   SessionChange::DocumentChanged,
};

}  // namespace

EditorSession::EditorSession() = default;
EditorSession::~EditorSession() = default;

void EditorSession::Tell(SessionChange change) {
    // The lit copper belongs to the document it was found in.
    if ((change == SessionChange::DocumentChanged || change == SessionChange::DocumentReplaced) &&
        !m_highlight.Empty() && m_editDepth == 0)
        ClearHighlight();
    if (m_editDepth > 0) {
        for (SessionChange gathered : kGatheredOrder)
            if (gathered == change) {
                m_gathered |= Bit(change);
                return;
            }
    }
    // The check is made again before the views hear of the change, so each
    // view shown this change reads the check of this document.
    bool netlist = false;
    if (change == SessionChange::DocumentChanged || change == SessionChange::DocumentReplaced)
        netlist = FollowNetlist(m_replacingFile ? *m_replacingFile : m_fileName, true);
    else if (change == SessionChange::FileName)
        netlist = FollowNetlist(m_fileName, false);
    for (const Observer& observer : m_observers)
        observer(change);
    if (netlist)
        for (const Observer& observer : m_observers)
            observer(SessionChange::Netlist);
}

bool EditorSession::FollowNetlist(const QString& layoutPath, bool documentChanged) {
    const bool named = !m_netlist.Path().isEmpty();
    const bool changed = m_netlist.Follow(m_doc, layoutPath, documentChanged);
    if (named != !m_netlist.Path().isEmpty())
        m_netlistPanelShown = !named;
    if (m_watchNetlist && QCoreApplication::instance()) {
        if (!m_watch)
            m_watch = std::make_unique<NetlistWatch>([this] { RereadNetlist(); });
        m_watch->Watch(QDir::isAbsolutePath(m_netlist.Path()) ? m_netlist.Path() : QString());
    }
    return changed;
}

void EditorSession::RereadNetlist() {
    // A drag going on keeps the document as it is shown; the check follows it.
    if (m_netlist.Reread(m_doc))
        Tell(SessionChange::Netlist);
}

void EditorSession::ShowNetlistPanel(bool shown) {
    if (shown == m_netlistPanelShown)
        return;
    m_netlistPanelShown = shown;
    Tell(SessionChange::Netlist);
}

void EditorSession::SetWatchNetlist(bool watch) {
    m_watchNetlist = watch;
    if (!watch)
        m_watch.reset();
    else
        FollowNetlist(m_fileName, false);
}

void EditorSession::SetHighlight(NetHighlight highlight) {
    if (highlight == m_highlight)
        return;
    m_highlight = std::move(highlight);
    Tell(SessionChange::Highlight);
}

void EditorSession::TellGathered() {
    const unsigned gathered = m_gathered;
    m_gathered = 0;
    for (SessionChange change : kGatheredOrder)
        if (gathered & Bit(change))
            Tell(change);
}

void EditorSession::Edit(EditKind kind, const QString& label, const std::function<EditResult()>& change) {
    if (m_editDepth > 0) {
        // Part of the edit going on: its undo step holds this change too.
        LoseCensus();
        const EditResult outcome = change();
        if (outcome.modified)
            SetModified(true);
        if (outcome.board)
            Tell(SessionChange::Board);
        return;
    }
    CancelDrag();
    m_appendedFrom = pugi::xml_node();  // an edit begun while the views hear of a paste
    // A paste is followed by the census child by child; anything else is counted anew.
    const bool followCensus = kind == EditKind::Paste && CensusCurrent();
    if (!followCensus)
        LoseCensus();
    ++m_editDepth;
    // A paste only appends: its step keeps how many parts, not the layout.
    const pugi::xml_node lastBefore = kind == EditKind::Paste ? m_doc.Root().last_child() : pugi::xml_node();
    if (kind == EditKind::Paste)
        TakeSnapshot(label, true);
    else if (TakesUndoStep(kind))
        TakeSnapshot(label);
    else
        m_history.Settle(m_doc);
    const EditResult outcome = change();
    if (kind == EditKind::Paste) {
        m_appendedFrom = lastBefore ? lastBefore.next_sibling() : m_doc.Root().first_child();
        const bool counted = followCensus && CensusCurrent();
        std::size_t appended = 0;
        for (pugi::xml_node node = m_appendedFrom; node; node = node.next_sibling()) {
            ++appended;
            if (counted)
                m_census.Add(node);
        }
        m_history.Appended(appended);
    }
    if (TakesUndoStep(kind) && !outcome.label.isEmpty())
        m_history.RenameLast(outcome.label);
    if (outcome.modified)
        SetModified(true);
    if (outcome.board)
        Tell(SessionChange::Board);
    m_gathered |= Bit(SessionChange::DocumentChanged);
    --m_editDepth;
    TellGathered();
    m_appendedFrom = pugi::xml_node();
}

LoadResult EditorSession::ReplaceDocument(const QString& fileName,
                                          const std::function<LoadResult(LayoutDocument&)>& make) {
    CancelDrag();
    m_appendedFrom = pugi::xml_node();
    const LoadResult result = make(m_doc);
    if (!result.ok)
        return result;
    // Opening reads the whole layout anyway; the census costs a third as much.
    m_census.Take(m_doc);
    KeepCensus();
    m_lastStep = {};
    m_history.Clear();
    // The netlist is taken from the folder of the file the layout now belongs to.
    m_replacingFile = &fileName;
    Tell(SessionChange::DocumentReplaced);
    m_replacingFile = nullptr;
    SetFileName(fileName);
    SetModified(false);
    Tell(SessionChange::History);
    return result;
}

void EditorSession::ClearUndo() {
    m_history.Clear();
    Tell(SessionChange::History);
}

void EditorSession::SetFileName(const QString& path) {
    m_fileName = path;
    m_fileStamp = StampOf(path);
    Tell(SessionChange::FileName);
}

bool EditorSession::FileChangedOnDisk() const {
    if (m_fileName.isEmpty()) return false;
    const FileStamp now = StampOf(m_fileName);
    return now.exists && !(now == m_fileStamp);
}

void EditorSession::SetModifiedFlag(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    Tell(SessionChange::Modified);
}

void EditorSession::SetModified(bool modified) {
    if (!modified)
        m_savedState = m_state;
    else if (m_state == m_savedState)
        m_state = ++m_lastTag;  // changed without a snapshot: no longer the saved state
    SetModifiedFlag(modified);
}

LayoutCensus& EditorSession::Census() {
    if (!CensusCurrent()) {
        m_census.Take(m_doc);
        KeepCensus();
    }
    return m_census;
}

void EditorSession::KeepCensus() {
    m_censusCurrent = true;
    m_censusGeneration = m_doc.Generation();
    if (m_censusTimer)
        m_censusTimer->stop();
}

void EditorSession::LoseCensus() {
    m_censusCurrent = false;
    if (!QCoreApplication::instance())
        return;
    if (!m_censusTimer) {
        m_censusTimer = std::make_unique<QTimer>();
        m_censusTimer->setSingleShot(true);
        m_censusTimer->setInterval(kCensusIdleMs);
        QObject::connect(m_censusTimer.get(), &QTimer::timeout, [this] {
            // A drag going on changes the document at every step: it waits.
            if (!Dragging() && m_editDepth == 0)
                Census();
        });
    }
    m_censusTimer->start();  // a change within the interval starts it again
}

void EditorSession::TakeSnapshot(const QString& label, bool appending) {
    if (appending)
        m_history.TakeBeforeAppending(m_state, label);
    else
        m_history.Take(m_doc, m_state, label);
    m_state = ++m_lastTag;
    Tell(SessionChange::History);
}

WriteResult EditorSession::SaveTo(const QString& path) {
    // The netlist's path is written relative to the folder the layout goes to
    // (an unsaved layout holds it whole), so it names the same file from there.
    pugi::xml_node root = m_doc.Root();
    const std::optional<QString> netlistBefore = m_doc.GetRootAttribute("Netlist");
    if (netlistBefore && QDir::isAbsolutePath(m_netlist.Path())) {
        SetAttr(root, "Netlist", NetlistAttributeFor(m_netlist.Path(), path));
        LoseCensus();
    }
    const WriteResult result = m_doc.SaveFile(path);
    if (!result.ok) {
        if (netlistBefore)
            SetAttr(root, "Netlist", *netlistBefore);
        return result;
    }
    SetFileName(path);
    SetModified(false);
    return result;
}

const SelectionState& EditorSession::Selection() const {
    static const SelectionState kNothing;
    return m_selectionGeneration == m_doc.Generation() ? m_selection : kNothing;
}

void EditorSession::Select(SelectionState selection) {
    const bool changed = !(Selection() == selection);
    m_selection = std::move(selection);
    m_selectionGeneration = m_doc.Generation();
    if (changed)
        Tell(SessionChange::Selection);
}

void EditorSession::SelectOnly(pugi::xml_node element) {
    SelectionState only;
    only.Add(element);
    only.SetCurrent({element, -1});
    Select(std::move(only));
}

CurrentNode EditorSession::Current() const {
    const SelectionState& selection = Selection();
    const CurrentNode& current = selection.Current();
    if (current.element ? selection.Contains(current.element)
                        : selection.CategorySelected(current.category))
        return current;
    return {};
}

std::vector<pugi::xml_node> EditorSession::AffectedComponents() const {
    const SelectionState& selection = Selection();
    std::vector<pugi::xml_node> out;
    if (selection.Empty())
        return out;
    // The element names of the selected categories: with few of them, an
    // element is matched against those names instead of the whole catalogue.
    std::vector<kind::Index> categories;
    for (int kind = 0; kind < kKindCount; ++kind)
        if (selection.CategorySelected(kind))
            categories.push_back(kind::Index(kind));
    const bool fewCategories = categories.size() <= 3;
    auto selectedCategoryOf = [&](pugi::xml_node element) -> std::optional<kind::Index> {
        for (kind::Index kind : categories)
            if (IsKind(element, kind))
                return kind;
        return std::nullopt;
    };
    std::array<std::vector<pugi::xml_node>, kKindCount> byKind;
    // Every component has a kind; other children have none.
    for (pugi::xml_node element = m_doc.Root().first_child(); element; element = element.next_sibling()) {
        std::optional<kind::Index> kind = fewCategories ? selectedCategoryOf(element) : KindOf(element);
        if (kind && !fewCategories && !selection.CategorySelected(*kind) && !selection.Contains(element))
            continue;
        if (!kind && fewCategories && selection.Contains(element))
            kind = KindOf(element);
        if (kind)
            byKind[size_t(*kind)].push_back(element);
    }
    for (const std::vector<pugi::xml_node>& elements : byKind)
        out.insert(out.end(), elements.begin(), elements.end());
    return out;
}

PlacementState& EditorSession::Placement() {
    if (m_placementGeneration != m_doc.Generation()) {
        m_placement.replaceTarget = pugi::xml_node();
        m_placementGeneration = m_doc.Generation();
    }
    return m_placement;
}

bool EditorSession::Affects(pugi::xml_node element) const {
    const SelectionState& selection = Selection();
    if (!element || selection.Empty())
        return false;
    if (selection.Contains(element))
        return true;
    const std::optional<kind::Index> kind = KindOf(element);
    return kind && selection.CategorySelected(*kind);
}

bool EditorSession::BeginDrag(Hole start) {
    CancelDrag();
    const std::vector<pugi::xml_node> components = AffectedComponents();
    if (components.empty())
        return false;
    m_drag.Begin(m_doc, Selection(), components, start);
    ++m_dragNumber;
    return true;
}

bool EditorSession::DragTo(Hole hole) {
    const bool moved = m_drag.MoveTo(hole);
    if (moved) {
        LoseCensus();
        Tell(SessionChange::DocumentChanged);
    }
    return moved;
}

bool EditorSession::FinishDrag(const QString& label) {
    const QPoint offset = m_drag.Offset();
    m_drag.Restore();
    SelectionDrag drag = std::move(m_drag);
    m_drag.End();
    if (!drag.Active())
        return false;
    if (offset.isNull()) {
        // Back where it began: nothing to keep, but the board shows the parts
        // in their layers again.
        Tell(SessionChange::DocumentChanged);
        return false;
    }
    Edit(EditKind::Drag, label, [&] {
        drag.Place(offset);
        drag.End();
        return EditResult{};
    });
    return true;
}

void EditorSession::CancelDrag() {
    if (!m_drag.Active())
        return;
    m_drag.Restore();
    m_drag.End();
    LoseCensus();
    Tell(SessionChange::DocumentChanged);
}

void EditorSession::RemoveComponents(const std::vector<pugi::xml_node>& elements) {
    if (elements.empty())
        return;
    CancelDrag();
    LoseCensus();
    std::unordered_set<const void*> gone;
    pugi::xml_node root = m_doc.Root();
    SelectionState selection = Selection();
    for (pugi::xml_node element : elements)
        gone.insert(element.internal_object());
    selection.Remove(gone);
    const bool selectionChanged = !(Selection() == selection);
    // The selection lets go of the elements before they are freed.
    m_selection = std::move(selection);
    m_selectionGeneration = m_doc.Generation();
    PlacementState& placement = Placement();
    if (placement.replaceTarget && gone.count(placement.replaceTarget.internal_object()))
        placement.replaceTarget = pugi::xml_node();
    std::unordered_set<const void*> removed;
    for (pugi::xml_node element : elements)
        if (removed.insert(element.internal_object()).second && element.parent() == root)
            root.remove_child(element);
    Tell(SessionChange::Components);
    if (selectionChanged)
        Tell(SessionChange::Selection);
}

void EditorSession::RenameComponent(pugi::xml_node element, const QString& name) {
    if (!element)
        return;
    LoseCensus();
    // A new name is an unsaved change, so closing asks before it is lost.
    if (name != TextAttr(element, "Name"))
        SetModified(true);
    SetAttr(element, "Name", name);
    Tell(SessionChange::Components);
}

LoadResult EditorSession::Step(bool redo) {
    if (!(redo ? CanRedo() : CanUndo()))
        return redo ? m_history.Redo(m_doc, m_state) : m_history.Undo(m_doc, m_state);  // says why
    CancelDrag();
    m_appendedFrom = pugi::xml_node();
    const QString label = redo ? RedoLabel() : UndoLabel();
    // A step that takes children off the root or appends them is followed by
    // the census child by child; a whole document is counted anew.
    const UndoHistory::NextStep next = m_history.Next(redo);
    const bool followCensus = CensusCurrent() && next.form != UndoHistory::Form::Whole;
    if (followCensus && next.form == UndoHistory::Form::Trimmed) {
        pugi::xml_node child = m_doc.Root().last_child();
        for (std::size_t i = 0; child && i < next.children; ++i, child = child.previous_sibling())
            m_census.Remove(child);
    }
    const pugi::xml_node lastBefore = m_doc.Root().last_child();
    const LoadResult result = redo ? m_history.Redo(m_doc, m_state) : m_history.Undo(m_doc, m_state);
    if (followCensus && result.ok && next.form == UndoHistory::Form::Extended)
        for (pugi::xml_node child = lastBefore ? lastBefore.next_sibling() : m_doc.Root().first_child(); child;
             child = child.next_sibling())
            m_census.Add(child);
    if (followCensus && result.ok)
        KeepCensus();
    else
        LoseCensus();
    if (result.ok) {
        // The views let go of the old document's elements before anything else.
        m_lastStep = {true, redo, label};
        Tell(SessionChange::DocumentReplaced);
        SetModifiedFlag(m_state != m_savedState);
    }
    Tell(SessionChange::History);
    return result;
}

LoadResult EditorSession::Undo() { return Step(false); }
LoadResult EditorSession::Redo() { return Step(true); }

}  // namespace sw
