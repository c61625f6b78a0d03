// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving the selected parts with the mouse: the left button with Shift held,
// pressed over a part the selection acts on; in select mode (no kind active)
// the left button alone, without Ctrl. While a kind is active left clicks stay
// the placement tool's: a Shift press released without leaving its hole is
// handed on to `click` as the press it would have been; in select mode such a
// press is a click on the part, which selects it alone. While the pointer
// rests over a selected part the status bar's hint names the gesture. The drag
// itself (where the parts are, the undo step) is the session's.

#include "edit/pointer_tool.h"
#include "model/hole.h"

#include <QString>

namespace sw {

class EditorHost;

// The hint shown over a selected part while a kind is active, and in select mode.
extern const char* const kDragHint;
extern const char* const kSelectDragHint;

class DragTool : public PointerTool {
public:
    DragTool(EditorHost& host, PointerTool& click) : m_host(host), m_click(click) {}

    bool Press(const PointerEvent& event) override;
    bool Move(const PointerEvent& event) override;
    bool Release(const PointerEvent& event) override;
    // Esc: the parts back where they were, nothing to undo.
    bool Cancel() override;
    // Shows the hint while the pointer is over a selected part.
    void Hover(const PointerEvent& event) override;

    // A Shift press that the drag took, until its release.
    bool Pressed() const { return m_pressed; }
    // The pointer left the board: the hint goes.
    void PointerLeft();

private:
    bool OverSelectedPart(unsigned key) const;
    Hole HoleAt(QPoint pixel) const;
    void End();

    EditorHost& m_host;
    PointerTool& m_click;
    bool m_pressed = false;
    PointerEvent m_press;
    QString m_label;  // "Move R1", for Undo
    QString m_hintShown;  // empty: none
};

}  // namespace sw
