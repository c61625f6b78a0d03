// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pointer input on the board, in board-image pixels whatever the zoom. A tool
// takes a gesture (press, the moves while it lasts, release) or leaves it to
// the next tool; Cancel ends a gesture going on (Esc), Hover is the pointer
// moving while no tool holds a gesture. The window hands every event to its
// tools in order (PointerTools), so a new tool is one more in the list.

#include <QPoint>
#include <vector>

namespace sw {

enum class PointerButton { None, Left, Middle, Right };

struct PointerEvent {
    QPoint pixel;                                // on the board image
    PointerButton button = PointerButton::None;  // pressed or released
    bool leftHeld = false;                       // the left button is down (moves)
    bool shift = false;
    bool control = false;
    unsigned key = 0;       // the pick map's key under the pointer (0: nothing)
    QPoint globalPosition;  // on the screen, for a menu
};

class PointerTool {
public:
    virtual ~PointerTool() = default;
    // Each is true when the tool took the event; the tools after it do not see it.
    virtual bool Press(const PointerEvent& event) { (void)event; return false; }
    virtual bool Move(const PointerEvent& event) { (void)event; return false; }
    virtual bool Release(const PointerEvent& event) { (void)event; return false; }
    // Ends the tool's gesture going on; true when there was one.
    virtual bool Cancel() { return false; }
    // The pointer moved with no gesture going on; every tool sees it.
    virtual void Hover(const PointerEvent& event) { (void)event; }
};

// Tools in the order they are asked.
class PointerTools {
public:
    explicit PointerTools(std::vector<PointerTool*> tools) : m_tools(std::move(tools)) {}

    bool Press(const PointerEvent& event) {
        for (PointerTool* tool : m_tools)
            if (tool->Press(event))
                return true;
        return false;
    }
    // A move a tool's gesture takes, or else a hover for every tool.
    void Move(const PointerEvent& event) {
        for (PointerTool* tool : m_tools)
            if (tool->Move(event))
                return;
        for (PointerTool* tool : m_tools)
            tool->Hover(event);
    }
    bool Release(const PointerEvent& event) {
        for (PointerTool* tool : m_tools)
            if (tool->Release(event))
                return true;
        return false;
    }
    bool Cancel() {
        for (PointerTool* tool : m_tools)
            if (tool->Cancel())
                return true;
        return false;
    }

private:
    std::vector<PointerTool*> m_tools;
};

}  // namespace sw
