#include "edit/edit_commands.h"

#include "edit/dialog_service.h"
#include "edit/editor_host.h"
#include "edit/explorer_port.h"
#include "edit/placement_tool.h"
#include "edit/value_editor_setup.h"
#include "model/kinds.h"
#include "model/layout_document.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <unordered_map>

namespace sw {
namespace {

using ElementSet = std::set<pugi::xml_node_struct*>;

const ExplorerCategory* PadsCategory(const std::vector<ExplorerCategory>& categories) {
    for (const ExplorerCategory& category : categories)
        if (category.kind == kind::SolderPad)
            return &category;
    return nullptr;
}

void RemoveElement(LayoutDocument& doc, ExplorerPort& explorer, pugi::xml_node element) {
    explorer.RemoveEntry(element);
    doc.Root().remove_child(element);
}

// The entries of the pads category grouped by their `Parent`, in tree order, so
// that finding a component's pads does not walk every pad for every component.
class PadIndex {
public:
    explicit PadIndex(const ExplorerCategory* pads) {
        if (!pads)
            return;
        m_pads = pads->entries;
        for (size_t i = 0; i < m_pads.size(); ++i)
            if (m_pads[i].element)
                m_byParent[TextAttr(m_pads[i].element, "Parent")].push_back(i);
    }
    const std::vector<size_t>& Owned(const QString& owner) const {
        static const std::vector<size_t> none;
        const auto it = m_byParent.find(owner);
        return it == m_byParent.end() ? none : it->second;
    }
    const ExplorerEntry& Pad(size_t i) const { return m_pads[i]; }

private:
    std::vector<ExplorerEntry> m_pads;
    std::unordered_map<QString, std::vector<size_t>> m_byParent;
};

void DeleteOwnedPadsOf(LayoutDocument& doc, ExplorerPort& explorer, const PadIndex& pads,
                       const QString& name, ElementSet& removed) {
    if (name.isEmpty())
        return;
    for (size_t i : pads.Owned(name)) {
        const ExplorerEntry& pad = pads.Pad(i);
        if (removed.count(pad.element.internal_object()))
            continue;
        // Marked first, so a pad owned (through others) by itself is visited once.
        removed.insert(pad.element.internal_object());
        DeleteOwnedPadsOf(doc, explorer, pads, TextAttr(pad.element, "Name"), removed);
        RemoveElement(doc, explorer, pad.element);
    }
}

// The points of an element: (X1, Y1) and, when it has X2, (X2, Y2).
bool HasSecondPoint(pugi::xml_node element) { return bool(element.attribute("X2")); }

// The pads that move or turn with the entry: those of the pads category whose
// `Parent` is the entry's shown name, unless the pads category or the pad's own
// entry is selected (a selected pad moves by itself, once).
std::vector<pugi::xml_node> CarriedPads(const ExplorerCategory* padsCategory, const PadIndex& pads,
                                        const QString& owner) {
    std::vector<pugi::xml_node> out;
    if (!padsCategory || padsCategory->selected)
        return out;
    for (size_t i : pads.Owned(owner))
        if (!pads.Pad(i).selected)
            out.push_back(pads.Pad(i).element);
    return out;
}

// Coordinates are 32-bit in the file; a part at the far end of that range stops
// there instead of wrapping round to the other end.
int ClampToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

void Shift(pugi::xml_node element, int dx, int dy, bool both) {
    SetAttr(element, "X1", ClampToInt(0LL + IntAttr(element, "X1") + dx));
    SetAttr(element, "Y1", ClampToInt(0LL + IntAttr(element, "Y1") + dy));
    if (both) {
        SetAttr(element, "X2", ClampToInt(0LL + IntAttr(element, "X2") + dx));
        SetAttr(element, "Y2", ClampToInt(0LL + IntAttr(element, "Y2") + dy));
    }
}

// (x, y) -> (cx + cy - y, cy - cx + x) on the named pair.
void Turn(pugi::xml_node element, const char* xName, const char* yName, int cx, int cy) {
    const long long x = IntAttr(element, xName);
    const long long y = IntAttr(element, yName);
    SetAttr(element, xName, ClampToInt(0LL + cx + cy - y));
    SetAttr(element, yName, ClampToInt(0LL + cy - cx + x));
}

}  // namespace

int RotationCentre(int min, int max) {
    return int(std::nearbyint((double(min) + double(max)) / 2.0));
}

void DeleteOwnedPads(LayoutDocument& doc, ExplorerPort& explorer, const QString& name) {
    const std::vector<ExplorerCategory> categories = explorer.Categories();
    const ExplorerCategory* pads = PadsCategory(categories);
    if (!pads)
        return;
    ElementSet removed;
    DeleteOwnedPadsOf(doc, explorer, PadIndex(pads), name, removed);
}

void DeleteSelection(EditorHost& host) {
    ExplorerPort& explorer = host.Explorer();
    if (explorer.SelectedCount() == 0)
        return;
    LayoutDocument& doc = host.Document();
    host.TakeSnapshot();
    host.SetModified();
    const std::vector<ExplorerCategory> categories = explorer.Categories();
    const PadIndex pads(PadsCategory(categories));
    ElementSet removed;
    for (const ExplorerCategory& category : categories) {
        for (const ExplorerEntry& entry : category.entries) {
            if (!(entry.selected || category.selected) || !entry.element ||
                removed.count(entry.element.internal_object()))
                continue;
            removed.insert(entry.element.internal_object());
            if (category.kind != kind::SolderPad)
                DeleteOwnedPadsOf(doc, explorer, pads, entry.text, removed);
            RemoveElement(doc, explorer, entry.element);
        }
    }
    explorer.UpdateCounts();
    host.Repaint();
    explorer.SetSuppress(false);
}

void MoveSelection(EditorHost& host, MoveDirection direction) {
    ExplorerPort& explorer = host.Explorer();
    if (explorer.SelectedCount() == 0)
        return;
    host.TakeSnapshot();
    host.SetModified();
    const int dx = direction == MoveDirection::Left ? -1 : direction == MoveDirection::Right ? 1 : 0;
    const int dy = direction == MoveDirection::Up ? -1 : direction == MoveDirection::Down ? 1 : 0;
    const std::vector<ExplorerCategory> categories = explorer.Categories();
    const ExplorerCategory* padsCategory = PadsCategory(categories);
    const PadIndex pads(padsCategory);
    for (const AffectedEntry& entry : AffectedEntries(categories)) {
        Shift(entry.element, dx, dy, HasSecondPoint(entry.element));
        for (pugi::xml_node pad : CarriedPads(padsCategory, pads, entry.text))
            Shift(pad, dx, dy, false);
    }
    host.Repaint();
}

void RotateSelection(EditorHost& host) {
    ExplorerPort& explorer = host.Explorer();
    if (explorer.SelectedCount() == 0)
        return;
    const std::vector<ExplorerCategory> categories = explorer.Categories();
    const std::vector<AffectedEntry> affected = AffectedEntries(categories);
    host.TakeSnapshot();
    host.SetModified();
    if (!affected.empty()) {
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
        auto take = [&](int x, int y) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        };
        for (const AffectedEntry& entry : affected) {
            take(IntAttr(entry.element, "X1"), IntAttr(entry.element, "Y1"));
            if (HasSecondPoint(entry.element))
                take(IntAttr(entry.element, "X2"), IntAttr(entry.element, "Y2"));
        }
        const int cx = RotationCentre(minX, maxX);
        const int cy = RotationCentre(minY, maxY);
        const ExplorerCategory* padsCategory = PadsCategory(categories);
        const PadIndex pads(padsCategory);
        for (const AffectedEntry& entry : affected) {
            Turn(entry.element, "X1", "Y1", cx, cy);
            if (HasSecondPoint(entry.element))
                Turn(entry.element, "X2", "Y2", cx, cy);
            for (pugi::xml_node pad : CarriedPads(padsCategory, pads, entry.text))
                Turn(pad, "X1", "Y1", cx, cy);
        }
    }
    host.Repaint();
}

void ReplaceCurrent(EditorHost& host, PlacementTool& tool) {
    const ExplorerCurrent current = host.Explorer().Current();
    if (!current.isComponent || !current.element)
        return;
    tool.StartKind(current.kind, current.element);
    host.Repaint();
}

void ChangeValue(EditorHost& host, PlacementTool& tool) {
    const ExplorerCurrent current = host.Explorer().Current();
    if (!current.isComponent || !current.element)
        return;
    const QString old = TextAttr(current.element, "Value");
    const std::optional<QString> answer =
        host.Dialogs().InputBox(QStringLiteral("Change Value"), QStringLiteral("New value:"), old);
    if (!answer) {
        // Cancelled: the document and the undo step stay as they were.
        host.Repaint();
        return;
    }
    // Taken before the value changes: the same state as before the question.
    host.TakeSnapshot();
    const QString text = *answer;
    SetAttr(current.element, "Value", text);
    // A changed value is a change to save: closing asks before losing it.
    if (text != old)
        host.SetModified();
    if (const std::optional<kind::Index> kind = KindOf(current.element))
        TakeValueAsDefault(tool.Defaults(), *kind, text);
    host.Repaint();
}

void ChangeShape(EditorHost& host, int seed) {
    const ExplorerCurrent current = host.Explorer().Current();
    if (!current.isComponent || !current.element || !IsKind(current.element, kind::Wire))
        return;
    SetAttr(current.element, "Seed", seed);
    // The wire's new bend is a change to save.
    host.SetModified();
    host.Repaint();
}

}  // namespace sw
