// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the placement tool and the editing commands work with: the editor
// session (document, selection, undo, modified flag), the dialogs, and what a
// window shows of their work (the board repainted, the status panes, the
// markers). Without a window those show nothing: the editing tests, the
// editing fuzzer and the benchmarks drive an EditorHost as it is; the main
// window overrides what it shows.

#include "analysis/connectivity.h"

#include <QColor>
#include <QString>
#include <vector>

namespace sw {

class DialogService;
class EditorSession;
class LayoutDocument;

// A dot drawn straight onto the visible board image at a hole's centre; it
// vanishes at the next repaint.
struct HoleMarker {
    Hole hole;
    QColor colour;
    friend bool operator==(const HoleMarker&, const HoleMarker&) = default;
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

    // Renders the whole layout anew (FormPaint).
    virtual void Repaint() {}
    // Switches the application's tooltips off.
    virtual void HintsOff() {}
    // `StatusPane`.
    virtual void ShowPrompt(const QString& text) { (void)text; }
    // A passing note in the status bar (text pasted that holds no parts).
    virtual void ShowNote(const QString& text) { (void)text; }
    // `CompPane`: the active kind's picture and caption; -1 shows neither.
    virtual void ShowActiveKind(int kindIndex) { (void)kindIndex; }
    // Dots on the visible board image, in drawing order.
    virtual void DrawMarkers(const std::vector<HoleMarker>& markers) { (void)markers; }

private:
    EditorSession& m_session;
    DialogService& m_dialogs;
};

}  // namespace sw
