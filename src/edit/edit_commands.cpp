// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edit_commands.h"

#include "edit/dialog_service.h"
#include "edit/editor_host.h"
#include "edit/placement_tool.h"
#include "edit/value_editor_setup.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "session/edit_labels.h"
#include "session/editor_session.h"
#include "session/owned_pads.h"
#include "session/trace_ends.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

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

// A command on the selection is one edit of `kind`, named by `verb` and what
// it acts on; nothing selected, it does nothing.
void EditSelection(EditorSession& session, EditKind kind, const QString& verb,
                   const std::function<void(const std::vector<pugi::xml_node>&)>& change) {
    if (session.Selection().Empty())
        return;
    const std::vector<pugi::xml_node> affected = session.AffectedComponents();
    session.Edit(kind, EditLabel(verb, affected), [&] {
        change(affected);
        return EditResult{};
    });
}

// What a move or a turn of `affected` carries along besides them: the pads
// each carries, and on a PCB the trace ends on any pad that moves.
struct Carried {
    std::vector<std::vector<pugi::xml_node>> pads;  // per affected element
    std::vector<TraceEnd> traceEnds;
};

Carried CarriedBy(const EditorSession& session, const std::vector<pugi::xml_node>& affected) {
    const PadIndex index(session.Document());
    Carried carried;
    std::unordered_set<const void*> moving;
    for (pugi::xml_node element : affected) {
        moving.insert(element.internal_object());
        carried.pads.push_back(CarriedPads(session.Selection(), index, element));
        for (pugi::xml_node pad : carried.pads.back())
            moving.insert(pad.internal_object());
    }
    carried.traceEnds = TraceEndsOnPads(session.Document(), moving);
    return carried;
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

void DeleteSelection(EditorHost& host, const QString& verb) {
    EditorSession& session = host.Session();
    EditSelection(session, EditKind::Delete, verb, [&](const std::vector<pugi::xml_node>& affected) {
        const PadIndex pads(session.Document());
        ComponentsWithPads doomed;
        for (pugi::xml_node element : affected) {
            if (!doomed.Add(element))
                continue;
            if (!IsKind(element, kind::SolderPad))
                doomed.AddOwnedPads(pads, TextAttr(element, "Name"));
        }
        session.RemoveComponents(doomed.Elements());
    });
}

void MoveSelection(EditorHost& host, MoveDirection direction) {
    EditorSession& session = host.Session();
    const int dx = direction == MoveDirection::Left ? -1 : direction == MoveDirection::Right ? 1 : 0;
    const int dy = direction == MoveDirection::Up ? -1 : direction == MoveDirection::Down ? 1 : 0;
    EditSelection(session, EditKind::Move, QStringLiteral("Move"), [&](const std::vector<pugi::xml_node>& affected) {
        const Carried carried = CarriedBy(session, affected);
        for (size_t i = 0; i < affected.size(); ++i) {
            ShiftPoints(affected[i], dx, dy, HasSecondPoint(affected[i]));
            for (pugi::xml_node pad : carried.pads[i])
                ShiftPoints(pad, dx, dy, false);
        }
        for (const TraceEnd& end : carried.traceEnds) {
            SetAttr(end.trace, EndX(end), ClampToInt(0LL + IntAttr(end.trace, EndX(end)) + dx));
            SetAttr(end.trace, EndY(end), ClampToInt(0LL + IntAttr(end.trace, EndY(end)) + dy));
        }
    });
}

void RotateSelection(EditorHost& host) {
    EditorSession& session = host.Session();
    EditSelection(session, EditKind::Rotate, QStringLiteral("Rotate"), [&](const std::vector<pugi::xml_node>& affected) {
        if (affected.empty())
            return;
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
        const Carried carried = CarriedBy(session, affected);
        for (size_t i = 0; i < affected.size(); ++i) {
            Turn(affected[i], "X1", "Y1", cx, cy);
            if (HasSecondPoint(affected[i]))
                Turn(affected[i], "X2", "Y2", cx, cy);
            for (pugi::xml_node pad : carried.pads[i])
                Turn(pad, "X1", "Y1", cx, cy);
        }
        for (const TraceEnd& end : carried.traceEnds)
            Turn(end.trace, EndX(end), EndY(end), cx, cy);
    });
}

void ReplaceCurrent(EditorHost& host, PlacementTool& tool) {
    const pugi::xml_node element = host.Session().Current().element;
    const std::optional<kind::Index> kind = element ? KindOf(element) : std::nullopt;
    if (!kind)
        return;
    tool.StartKind(*kind, element);
    host.ShowMarkers({});
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
        host.ShowMarkers({});
        return;
    }
    // The undo step holds the state as before the question.
    const QString text = *answer;
    session.Edit(EditKind::ChangeValue, EditLabel(QStringLiteral("Change Value of"), {element}), [&] {
        SetAttr(element, "Value", text);
        // A changed value is a change to save: closing asks before losing it.
        EditResult outcome;
        outcome.modified = text != old;
        return outcome;
    });
    if (const std::optional<kind::Index> kind = KindOf(element))
        TakeValueAsDefault(tool.Defaults(), *kind, text);
}

void ChangeShape(EditorHost& host, int seed) {
    EditorSession& session = host.Session();
    const pugi::xml_node element = session.Current().element;
    if (!element || !IsKind(element, kind::Wire))
        return;
    // The wire's new bend is a change to save.
    session.Edit(EditKind::ChangeShape, EditLabel(QStringLiteral("Change Shape of"), {element}), [&] {
        SetAttr(element, "Seed", seed);
        return EditResult{};
    });
}

void RenameComponent(EditorHost& host, pugi::xml_node element, const QString& typed) {
    EditorSession& session = host.Session();
    if (!element)
        return;
    const QString name = typed.isEmpty() ? TextAttr(element, "Name") : typed;
    if (name.size() >= 4 && host.Dialogs().Message(MessageKind::Warning, kLongNameWarning,
                                                   MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const QString label = EditLabel(QStringLiteral("Rename"), {element}) + QStringLiteral(" to ") + Excerpt(name);
    session.Edit(EditKind::Rename, label, [&] {
        EditResult outcome;
        outcome.modified = name != TextAttr(element, "Name");
        session.RenameComponent(element, name);
        session.ClearSelection();
        return outcome;
    });
}

}  // namespace sw
