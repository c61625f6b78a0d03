// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/drag_tool.h"

#include "edit/editor_host.h"
#include "edit/selection.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "session/edit_labels.h"
#include "session/editor_session.h"

namespace sw {

const char* const kDragHint = "Shift+drag moves the selected parts; Esc puts them back";
const char* const kSelectDragHint = "Drag moves the selected parts; Esc puts them back";

Hole DragTool::HoleAt(QPoint pixel) const {
    const QPoint hole = PointToHole(pixel.x(), pixel.y(), m_host.Document().BoardWidth());
    return {hole.x(), hole.y()};
}

bool DragTool::OverSelectedPart(unsigned key) const {
    return key != 0 && m_host.Session().Affects(m_host.Document().NodeOfKey(key));
}

bool DragTool::Press(const PointerEvent& event) {
    const bool selectMode = InSelectMode(m_host.Session().Placement());
    if (event.button != PointerButton::Left || !OverSelectedPart(event.key) ||
        !(event.shift || (selectMode && !event.control)))
        return false;
    EditorSession& session = m_host.Session();
    const QString label = EditLabel(QStringLiteral("Move"), session.AffectedComponents());
    if (!session.BeginDrag(HoleAt(event.pixel)))
        return false;
    m_pressed = true;
    m_press = event;
    m_label = label;
    return true;
}

bool DragTool::Move(const PointerEvent& event) {
    if (!m_pressed)
        return false;
    EditorSession& session = m_host.Session();
    if (!event.leftHeld) {
        // The release went elsewhere (the window lost the pointer): end here.
        PointerEvent release = event;
        release.button = PointerButton::Left;
        Release(release);
        return true;
    }
    if (!session.Dragging())
        return true;  // cancelled: the rest of the gesture does nothing
    const Hole hole = HoleAt(event.pixel);
    PointerFeedback feedback;
    feedback.cursor = BoardCursor::ClosedHand;
    feedback.position = PointerFeedback::Position::Show;
    feedback.positionText = QStringLiteral("X: %1 Y: %2").arg(hole.x).arg(hole.y);
    m_host.ShowPointer(feedback);
    session.DragTo(hole);
    return true;
}

bool DragTool::Release(const PointerEvent& event) {
    if (!m_pressed || event.button != PointerButton::Left)
        return false;
    EditorSession& session = m_host.Session();
    const bool dragging = session.Dragging();
    const bool leftItsHole = dragging && session.DragLeftStart();
    End();
    if (!dragging)
        return true;  // cancelled
    if (!leftItsHole) {
        session.CancelDrag();
        if (InSelectMode(session.Placement())) {
            // A click on a part in select mode selects it alone.
            if (const pugi::xml_node element = ComponentOfKey(session.Document(), m_press.key))
                ClickNode(session, {element, -1}, false);
            return true;
        }
        // Never left its hole: the click it would have been is the next tool's.
        m_click.Press(m_press);
        return true;
    }
    session.FinishDrag(m_label);
    return true;
}

bool DragTool::Cancel() {
    if (!m_pressed)
        return false;
    m_host.Session().CancelDrag();
    return true;
}

void DragTool::End() {
    m_pressed = false;
    m_host.ShowPointer({});
}

void DragTool::Hover(const PointerEvent& event) {
    QString hint;
    if (OverSelectedPart(event.key))
        hint = QString::fromLatin1(InSelectMode(m_host.Session().Placement()) ? kSelectDragHint : kDragHint);
    if (hint != m_hintShown)
        m_host.ShowHint(hint);
    m_hintShown = hint;
}

void DragTool::PointerLeft() {
    if (!m_hintShown.isEmpty())
        m_host.ShowHint({});
    m_hintShown.clear();
}

}  // namespace sw
