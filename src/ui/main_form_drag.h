// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving the selected parts with the mouse in the main window: the left button
// with Shift held, pressed over a part the selection acts on. Left clicks stay
// the placement tool's: a Shift press that is released without leaving its
// hole is handed on to the tool as the click it would have been. While the
// pointer is over a selected part the status bar's hint names the gesture.
// The drag itself (where the parts are, the undo step) is the session's.

#include "model/hole.h"

#include <QObject>
#include <QPoint>

namespace sw {

class MainFormEditing;
class TMainForm;

class MainFormDrag : public QObject {
    Q_OBJECT
public:
    MainFormDrag(TMainForm& form, MainFormEditing& editing);

    // A press at board-image pixel `pixel`; true when it starts a drag.
    bool Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel);
    // A pointer move; true when it belongs to a drag (the parts follow it).
    bool Move(QPoint pixel, Qt::MouseButtons buttons);
    // A release; true when it ended a drag.
    bool Release(Qt::MouseButton button);
    // Esc: true when it cancelled a drag, the parts back where they were.
    bool Cancel();
    bool Pressed() const { return m_pressed; }

    // Whether `pixel` shows a part that the selection acts on.
    bool OverSelectedPart(QPoint pixel) const;
    // Shows the hint while the pointer is over a selected part, and takes it
    // away when it leaves.
    void UpdateHint(QPoint pixel);
    void HideHint();

protected:
    // Esc anywhere in the program while a drag is pressed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Hole HoleAt(QPoint pixel) const;
    void End();

    TMainForm& m_form;
    MainFormEditing& m_editing;
    bool m_pressed = false;  // a Shift press that the drag took
    QPoint m_pressPixel;
    bool m_hintShown = false;
};

// The hint shown over a selected part.
extern const char* const kDragHint;

}  // namespace sw
