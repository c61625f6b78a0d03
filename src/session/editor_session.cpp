// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor_session.h"

#include "model/kinds.h"

#include <array>

namespace sw {

void EditorSession::Tell(SessionChange change) {
    for (const Observer& observer : m_observers)
        observer(change);
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

void EditorSession::TakeSnapshot() {
    CancelDrag();
    m_history.Take(m_doc, m_state);
    m_state = ++m_lastTag;
}

WriteResult EditorSession::SaveTo(const QString& path) {
    const WriteResult result = m_doc.SaveFile(path);
    if (!result.ok)
        return result;
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

bool EditorSession::DragTo(Hole hole) { return m_drag.MoveTo(hole); }

bool EditorSession::FinishDrag() {
    const QPoint offset = m_drag.Offset();
    m_drag.Restore();
    SelectionDrag drag = std::move(m_drag);
    m_drag.End();
    if (!drag.Active() || offset.isNull())
        return false;
    TakeSnapshot();
    drag.Place(offset);
    drag.End();
    SetModified(true);
    return true;
}

void EditorSession::CancelDrag() {
    m_drag.Restore();
    m_drag.End();
}

void EditorSession::RemoveComponents(const std::vector<pugi::xml_node>& elements) {
    if (elements.empty())
        return;
    CancelDrag();
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
    // A new name is an unsaved change, so closing asks before it is lost.
    if (name != TextAttr(element, "Name"))
        SetModified(true);
    SetAttr(element, "Name", name);
    Tell(SessionChange::Components);
}

LoadResult EditorSession::Step(LoadResult (UndoHistory::*step)(LayoutDocument&, UndoHistory::Tag&)) {
    CancelDrag();
    const LoadResult result = (m_history.*step)(m_doc, m_state);
    if (result.ok)
        SetModifiedFlag(m_state != m_savedState);
    return result;
}

LoadResult EditorSession::Undo() { return Step(&UndoHistory::Undo); }
LoadResult EditorSession::Redo() { return Step(&UndoHistory::Redo); }

}  // namespace sw
