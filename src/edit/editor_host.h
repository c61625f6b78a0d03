// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the placement tool, the pointer tools and the editing commands work
// with: the editor session (document, selection, undo, modified flag), the
// dialogs, and what a window shows of their work besides the board (the status
// panes, the pointer's shape, the markers over the board, the context menu).
// The board itself follows the session's changes, so no command repaints it.
// Without a window those show nothing: the editing tests, the editing fuzzer
// and the benchmarks drive an EditorHost as it is; the main window overrides
// what it shows.

#include "analysis/connectivity.h"
#include "edit/net_lighting.h"
#include "edit/placement_ghost.h"
#include "session/placement_state.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace sw {

class DialogService;
class EditorSession;
class LayoutDocument;

// A dot over the board at a hole's centre, shown until the board changes.
struct HoleMarker {
    Hole hole;
    QColor colour;
    friend bool operator==(const HoleMarker&, const HoleMarker&) = default;
};

// What a pointer move shows: the cursor and the position pane.
struct PointerFeedback {
    BoardCursor cursor = BoardCursor::Arrow;
    enum class Position { Unchanged, Show, Clear } position = Position::Unchanged;
    QString positionText;  // "X: 5 Y: 3" when shown
};

class EditorHost {
public:
    EditorHost(EditorSession& session, DialogService& dialogs)
        : m_session(session), m_dialogs(dialogs) {}
    virtual ~EditorHost() = default;
    EditorHost(const EditorHost&) = delete;
    EditorHost& operator=(const EditorHost&) = delete;

    EditorSession& Session() { return m_session; }
    LayoutDocument& Document();
    DialogService& Dialogs() { return m_dialogs; }

    // Switches the application's tooltips off.
    virtual void HintsOff() {}
    // `StatusPane`.
    virtual void ShowPrompt(const QString& text) { (void)text; }
    // A passing note in the status bar (text pasted that holds no parts).
    virtual void ShowNote(const QString& text) { (void)text; }
    // A note that stays in the status bar until replaced; empty takes it away.
    virtual void ShowHint(const QString& text) { (void)text; }
    // The pins under the pointer, shown in place of the hint while the pointer
    // rests there; empty takes it away (the hint, if any, shows again).
    virtual void ShowPinNote(const QString& text) { (void)text; }
    // The part under the pointer, its name and value, shown with the hint
    // while there is no pin note; empty takes it away.
    virtual void ShowPartNote(const QString& text) { (void)text; }
    // `CompPane`: the active kind's picture and caption; -1 shows neither.
    virtual void ShowActiveKind(int kindIndex) { (void)kindIndex; }
    // Dots over the board, in drawing order, in place of those shown so far
    // (none: they go); the board drops them itself when it changes.
    virtual void ShowMarkers(const std::vector<HoleMarker>& markers) { (void)markers; }
    // The part a click would place, drawn lightly over the board; none: it goes.
    virtual void ShowGhost(const std::optional<PlacementGhost>& ghost) { (void)ghost; }
    // The select tool's band over the board, in board-image pixels; none: it goes.
    virtual void ShowBand(const std::optional<QRect>& band) { (void)band; }
    // The pointer's shape and the position pane.
    virtual void ShowPointer(const PointerFeedback& feedback) { (void)feedback; }
    // The component context menu for the session's current node, at a screen position.
    virtual void OpenComponentMenu(QPoint globalPosition) { (void)globalPosition; }
    // Where the names of nets come from: the layout's netlist and its latest check.
    virtual NetNames Nets();

private:
    EditorSession& m_session;
    DialogService& m_dialogs;
};

}  // namespace sw
