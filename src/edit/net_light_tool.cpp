// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/net_light_tool.h"

#include "edit/editor_host.h"
#include "edit/net_lighting.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "session/editor_session.h"

namespace sw {

bool NetLightTool::Press(const PointerEvent& event) {
    m_pointer = event.pixel;
    if (event.button != PointerButton::Middle) {
        // A click elsewhere puts the net out and goes on to the other tools.
        m_host.Session().ClearHighlight();
        return false;
    }
    if (!LightAt(event.pixel))
        m_host.Session().ClearHighlight();
    return true;
}

void NetLightTool::Hover(const PointerEvent& event) { m_pointer = event.pixel; }

bool NetLightTool::LightUnderPointer() { return m_pointer && LightAt(*m_pointer); }

bool NetLightTool::LightAt(QPoint pixel) {
    if (!IsNearHole(pixel.x(), pixel.y()))
        return false;
    const QPoint p = PointToHole(pixel.x(), pixel.y(), m_host.Document().BoardWidth());
    m_host.Session().SetHighlight(LightNet(m_host.Document(), {p.x(), p.y()}, m_host.Nets()));
    return true;
}

}  // namespace sw
