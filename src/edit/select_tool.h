// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The left button while no kind is active (select mode): a click on a part
// selects it alone, Ctrl+click adds it or takes it out, a click on empty board
// clears the selection, and a drag from empty board draws a band that selects
// the parts lying wholly inside it (Ctrl adds them). A press on a part starts
// the drag tool's gesture, so the selection follows the pointer; a press on a
// part not yet selected selects it first.

#include "edit/pointer_tool.h"

#include <QRect>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class DragTool;
class EditorHost;
class LayoutDocument;

// The components whose holes (every point written and every pin) all lie
// inside `band`, in board-image pixels, in document order.
std::vector<pugi::xml_node> ComponentsInBand(const LayoutDocument& doc, const QRect& band);

// The rectangle from `a` to `b` whatever their order, both corners inside.
QRect BandBetween(QPoint a, QPoint b);

class SelectTool : public PointerTool {
public:
    SelectTool(EditorHost& host, DragTool& drag) : m_host(host), m_drag(drag) {}

    bool Press(const PointerEvent& event) override;
    bool Move(const PointerEvent& event) override;
    bool Release(const PointerEvent& event) override;
    // Esc while the band is drawn: the band goes, the selection stays.
    bool Cancel() override;

    // A band being drawn, until the release.
    bool Banding() const { return m_banding; }

private:
    void EndBand();

    EditorHost& m_host;
    DragTool& m_drag;
    bool m_banding = false;
    bool m_add = false;  // Ctrl held at the press: the band adds to the selection
    QPoint m_from;
    QPoint m_to;
};

}  // namespace sw
