// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edit_commands.h"

#include "edit/dialog_service.h"
#include "edit/editor_host.h"
#include "edit/placement_tool.h"
#include "edit/value_editor_setup.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "session/editor_session.h"
#include "session/owned_pads.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace sw {
namespace {

const QString kLongNameWarning = QStringLiteral(
    "It is not recommended to use component names longer than 3 characters. Are you sure?");

// Coordinates are 32-bit in the file; a part at the far end of that range stops
// there instead of wrapping round to the other end.
int ClampToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// (x, y) -> (cx + cy - y, cy - cx + x) on the named pair.
void Turn(pugi::xml_node element, const char* xName, const char* yName, int cx, int cy) {
    const long long x = IntAttr(element, xName);
    const long long y = IntAttr(element, yName);
    SetAttr(element, xName, ClampToInt(0LL + cx + cy - y));
    SetAttr(element, yName, ClampToInt(0LL + cy - cx + x));
}

// A command on the selection starts one undo step and a change to save;
// false when nothing is selected (the command then does nothing).
bool StartSelectionCommand(EditorSession& session) {
    if (session.Selection().Empty())
        return false;
    session.TakeSnapshot();
    session.SetModified(true);
    return true;
}

}  // namespace

int RotationCentre(int min, int max) {
    return int(std::nearbyint((double(min) + double(max)) / 2.0));
}

void DeleteOwnedPads(EditorSession& session, const QString& name) {
    ComponentsWithPads doomed;
    doomed.AddOwnedPads(PadIndex(session.Document()), name);
    session.RemoveComponents(doomed.Elements());
}

void DeleteSelection(EditorHost& host) {
    EditorSession& session = host.Session();
    if (!StartSelectionCommand(session))
        return;
    const PadIndex pads(session.Document());
    ComponentsWithPads doomed;
    for (pugi::xml_node element : session.AffectedComponents()) {
        if (!doomed.Add(element))
            continue;
        if (!IsKind(element, kind::SolderPad))
            doomed.AddOwnedPads(pads, TextAttr(element, "Name"));
    }
    session.RemoveComponents(doomed.Elements());
    host.Repaint();
}

void MoveSelection(EditorHost& host, MoveDirection direction) {
    EditorSession& session = host.Session();
    if (!StartSelectionCommand(session))
        return;
    const int dx = direction == MoveDirection::Left ? -1 : direction == MoveDirection::Right ? 1 : 0;
    const int dy = direction == MoveDirection::Up ? -1 : direction == MoveDirection::Down ? 1 : 0;
    const PadIndex pads(session.Document());
    for (pugi::xml_node element : session.AffectedComponents()) {
        ShiftPoints(element, dx, dy, HasSecondPoint(element));
        for (pugi::xml_node pad : CarriedPads(session.Selection(), pads, element))
            ShiftPoints(pad, dx, dy, false);
    }
    host.Repaint();
}

void RotateSelection(EditorHost& host) {
    EditorSession& session = host.Session();
    if (!StartSelectionCommand(session))
        return;
    const std::vector<pugi::xml_node> affected = session.AffectedComponents();
    if (!affected.empty()) {
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
        auto take = [&](int x, int y) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        };
        for (pugi::xml_node element : affected) {
            take(IntAttr(element, "X1"), IntAttr(element, "Y1"));
            if (HasSecondPoint(element))
                take(IntAttr(element, "X2"), IntAttr(element, "Y2"));
        }
        const int cx = RotationCentre(minX, maxX);
        const int cy = RotationCentre(minY, maxY);
        const PadIndex pads(session.Document());
        for (pugi::xml_node element : affected) {
            Turn(element, "X1", "Y1", cx, cy);
            if (HasSecondPoint(element))
                Turn(element, "X2", "Y2", cx, cy);
            for (pugi::xml_node pad : CarriedPads(session.Selection(), pads, element))
                Turn(pad, "X1", "Y1", cx, cy);
        }
    }
    host.Repaint();
}

void ReplaceCurrent(EditorHost& host, PlacementTool& tool) {
    const pugi::xml_node element = host.Session().Current().element;
    const std::optional<kind::Index> kind = element ? KindOf(element) : std::nullopt;
    if (!kind)
        return;
    tool.StartKind(*kind, element);
    host.Repaint();
}

void ChangeValue(EditorHost& host, PlacementTool& tool) {
    EditorSession& session = host.Session();
    const pugi::xml_node element = session.Current().element;
    if (!element)
        return;
    const QString old = TextAttr(element, "Value");
    const std::optional<QString> answer =
        host.Dialogs().InputBox(QStringLiteral("Change Value"), QStringLiteral("New value:"), old);
    if (!answer) {
        // Cancelled: the document and the undo step stay as they were.
        host.Repaint();
        return;
    }
    // Taken before the value changes: the same state as before the question.
    session.TakeSnapshot();
    const QString text = *answer;
    SetAttr(element, "Value", text);
    // A changed value is a change to save: closing asks before losing it.
    if (text != old)
        session.SetModified(true);
    if (const std::optional<kind::Index> kind = KindOf(element))
        TakeValueAsDefault(tool.Defaults(), *kind, text);
    host.Repaint();
}

void ChangeShape(EditorHost& host, int seed) {
    EditorSession& session = host.Session();
    const pugi::xml_node element = session.Current().element;
    if (!element || !IsKind(element, kind::Wire))
        return;
    SetAttr(element, "Seed", seed);
    // The wire's new bend is a change to save.
    session.SetModified(true);
    host.Repaint();
}

void RenameComponent(EditorHost& host, pugi::xml_node element, const QString& typed) {
    EditorSession& session = host.Session();
    if (!element)
        return;
    const QString name = typed.isEmpty() ? TextAttr(element, "Name") : typed;
    if (name.size() >= 4 && host.Dialogs().Message(MessageKind::Warning, kLongNameWarning,
                                                   MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    session.TakeSnapshot();
    session.RenameComponent(element, name);
    session.ClearSelection();
    host.Repaint();
}

}  // namespace sw
