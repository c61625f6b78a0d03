#pragma once
// What the placement tool and the editing commands need of the main window: the
// document and the state beside it, the dialogs, the explorer, the status bar
// and the board. The window implements it; tests use a fake that records.

#include "analysis/connectivity.h"

#include <QColor>
#include <QString>
#include <vector>

namespace sw {

class DialogService;
class ExplorerPort;
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
    virtual ~EditorHost() = default;

    virtual LayoutDocument& Document() = 0;
    virtual DialogService& Dialogs() = 0;
    virtual ExplorerPort& Explorer() = 0;

    // Replaces the undo snapshot by the document as it is now.
    virtual void TakeSnapshot() = 0;
    virtual void SetModified() = 0;
    // Renders the whole layout anew (FormPaint).
    virtual void Repaint() = 0;
    // Switches the application's tooltips off.
    virtual void HintsOff() = 0;

    // `StatusPane`.
    virtual void ShowPrompt(const QString& text) = 0;
    // `CompPane`: the active kind's picture and caption; -1 shows neither.
    virtual void ShowActiveKind(int kindIndex) = 0;
    // Dots on the visible board image, in drawing order.
    virtual void DrawMarkers(const std::vector<HoleMarker>& markers) = 0;
};

}  // namespace sw
