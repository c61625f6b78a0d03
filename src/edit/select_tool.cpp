// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/select_tool.h"

#include "edit/drag_tool.h"
#include "edit/editor_host.h"
#include "edit/selection.h"
#include "model/element_pins.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "session/editor_session.h"

#include <cstdlib>

namespace sw {
namespace {

// A press released within this many pixels of where it began is a click.
constexpr int kClickSlack = 3;

bool SelectModeOn(EditorHost& host) { return InSelectMode(host.Session().Placement()); }

}  // namespace

QRect BandBetween(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

std::vector<pugi::xml_node> ComponentsInBand(const LayoutDocument& doc, const QRect& band) {
    const int x0 = BoardOriginX(kBoardImageWidth, doc.BoardWidth());
    auto inside = [&](int x, int y) { return band.contains(HoleCentre(x0, x, y)); };
    std::vector<pugi::xml_node> found;
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (!inside(IntAttr(element, "X1"), IntAttr(element, "Y1")))
            return;
        if (element.attribute("X2") && !inside(IntAttr(element, "X2"), IntAttr(element, "Y2")))
            return;
        for (const ElementPin& pin : ElementPins(element))
            if (!inside(pin.hole.x, pin.hole.y))
                return;
        found.push_back(element);
    });
    return found;
}

bool SelectTool::Press(const PointerEvent& event) {
    if (event.button != PointerButton::Left || !SelectModeOn(m_host))
        return false;
    EditorSession& session = m_host.Session();
    const pugi::xml_node element = ComponentOfKey(session.Document(), event.key);
    if (element && event.control) {
        // Ctrl+click adds the part or takes it out, as in the explorer.
        if (session.Selection().Contains(element)) {
            SelectionState selection = session.Selection();
            selection.Remove({element.internal_object()});
            session.Select(std::move(selection));
        } else {
            ClickNode(session, {element, -1}, true);
        }
        return true;
    }
    if (element) {
        if (!session.Affects(element))
            ClickNode(session, {element, -1}, false);
        // The selection now holds the part: the press is the drag's.
        PointerEvent press = event;
        press.shift = false;
        m_drag.Press(press);
        return true;
    }
    m_banding = true;
    m_add = event.control;
    m_from = m_to = event.pixel;
    return true;
}

bool SelectTool::Move(const PointerEvent& event) {
    if (!m_banding)
        return false;
    if (!event.leftHeld) {
        // The release went elsewhere: end the band where the pointer is.
        PointerEvent release = event;
        release.button = PointerButton::Left;
        Release(release);
        return true;
    }
    m_to = event.pixel;
    m_host.ShowBand(BandBetween(m_from, m_to));
    return true;
}

bool SelectTool::Release(const PointerEvent& event) {
    if (!m_banding || event.button != PointerButton::Left)
        return false;
    m_to = event.pixel;
    const QRect band = BandBetween(m_from, m_to);
    const bool click = std::abs(m_to.x() - m_from.x()) <= kClickSlack &&
                       std::abs(m_to.y() - m_from.y()) <= kClickSlack;
    const bool add = m_add;
    EndBand();
    EditorSession& session = m_host.Session();
    if (click) {
        if (!add)
            session.ClearSelection();
        return true;
    }
    SelectionState selection = add ? session.Selection() : SelectionState();
    const std::vector<pugi::xml_node> inside = ComponentsInBand(session.Document(), band);
    for (pugi::xml_node element : inside)
        selection.Add(element);
    if (!inside.empty())
        selection.SetCurrent({inside.back(), -1});
    session.Select(std::move(selection));
    return true;
}

bool SelectTool::Cancel() {
    if (!m_banding)
        return false;
    EndBand();
    return true;
}

void SelectTool::EndBand() {
    m_banding = false;
    m_host.ShowBand({});
}

}  // namespace sw
