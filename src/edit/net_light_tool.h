// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lighting a net with the pointer: a middle click on a hole, or the key N with
// the pointer over one (for two-button mice), lights the net there and names it
// in the status bar; a middle click off the holes puts it out, and so does any
// other click on the board, which it leaves to the other tools.

#include "edit/pointer_tool.h"

#include <QPoint>
#include <optional>

namespace sw {

class EditorHost;

class NetLightTool : public PointerTool {
public:
    explicit NetLightTool(EditorHost& host) : m_host(host) {}

    bool Press(const PointerEvent& event) override;
    void Hover(const PointerEvent& event) override;
    // The key N: lights the net under the pointer; false when it rests on no hole.
    bool LightUnderPointer();
    // The pointer left the board.
    void PointerLeft() { m_pointer.reset(); }

private:
    bool LightAt(QPoint pixel);

    EditorHost& m_host;
    std::optional<QPoint> m_pointer;  // where the pointer last rested on the board
};

}  // namespace sw
