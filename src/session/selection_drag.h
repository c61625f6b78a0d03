// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving the selected components with the mouse. While the drag lasts the
// document holds the parts where the pointer has taken them, so every repaint
// shows them there; the drag keeps each part's coordinates as they were and
// puts them back when it is cancelled, or before the move becomes one undo
// step at its end. Offsets are in whole holes.

#include "model/hole.h"

#include <QPoint>
#include <pugixml.hpp>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace sw {

class LayoutDocument;
class SelectionState;

class SelectionDrag {
public:
    // Takes hold of `components`, of the pads they carry and, on a PCB, of the
    // trace ends on those pads, at hole `start`.
    void Begin(LayoutDocument& doc, const SelectionState& selection,
               const std::vector<pugi::xml_node>& components, Hole start);
    // Holding parts of the document as it is now (not of a replaced one).
    bool Active() const;
    Hole Start() const { return m_start; }
    QPoint Offset() const { return m_offset; }
    // Whether the parts have been away from where they were (a drag, not a click).
    bool LeftStart() const { return m_leftStart; }
    // Puts the parts `hole - start` away from where they were; true when
    // that is another place than before.
    bool MoveTo(Hole hole);
    // Every part back where it was, as its own text.
    void Restore();
    // Puts the parts `offset` away from where they were.
    void Place(QPoint offset);
    // Lets go of the parts.
    void End();
    // Whether `element` is one of the parts held.
    bool Holds(pugi::xml_node element) const { return m_held.count(element.internal_object()); }

private:
    struct Part {
        pugi::xml_node element;
        bool first = true;    // X1, Y1 move (a trace's second end alone: not)
        bool second = false;  // X2, Y2 move too
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        // X1, Y1, X2, Y2 as they were written; nothing where one was absent.
        std::optional<std::string> text[4];
    };
    void Hold(pugi::xml_node element, bool first, bool second);

    const LayoutDocument* m_doc = nullptr;
    unsigned m_generation = 0;
    Hole m_start;
    QPoint m_offset;
    bool m_leftStart = false;
    std::vector<Part> m_parts;
    std::unordered_set<const void*> m_held;
};

}  // namespace sw
