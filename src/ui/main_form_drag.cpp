// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_drag.h"

#include "render/board_geometry.h"
#include "session/editor_session.h"
#include "ui/board_view.h"
#include "ui/main_form.h"
#include "ui/main_form_editing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace sw {

const char* const kDragHint = "Shift+drag moves the selected parts; Esc puts them back";

MainFormDrag::MainFormDrag(TMainForm& form, MainFormEditing& editing)
    : QObject(&form), m_form(form), m_editing(editing) {}

Hole MainFormDrag::HoleAt(QPoint pixel) const {
    const QPoint hole = PointToHole(pixel.x(), pixel.y(), m_form.Document().BoardWidth());
    return {hole.x(), hole.y()};
}

bool MainFormDrag::OverSelectedPart(QPoint pixel) const {
    const unsigned key = m_form.Pick().KeyAt(pixel.x(), pixel.y());
    return key != 0 && m_form.Session().Affects(m_form.Document().NodeOfKey(key));
}

bool MainFormDrag::Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel) {
    if (button != Qt::LeftButton || !(modifiers & Qt::ShiftModifier) || !OverSelectedPart(pixel))
        return false;
    if (!m_form.Session().BeginDrag(HoleAt(pixel)))
        return false;
    m_pressed = true;
    m_pressPixel = pixel;
    // Esc reaches the drag wherever the keyboard focus is. (A keyboard grab
    // would shut out a dialog that a shortcut opens during the drag.)
    qApp->installEventFilter(this);
    return true;
}

bool MainFormDrag::Move(QPoint pixel, Qt::MouseButtons buttons) {
    if (!m_pressed)
        return false;
    EditorSession& session = m_form.Session();
    if (!(buttons & Qt::LeftButton)) {
        // The release went elsewhere (the window lost the pointer): end here.
        Release(Qt::LeftButton);
        return true;
    }
    if (!session.Dragging())
        return true;  // cancelled: the rest of the gesture does nothing
    const Hole hole = HoleAt(pixel);
    m_form.Board->setCursor(Qt::ClosedHandCursor);
    m_form.PosPane->setText(QStringLiteral("X: %1 Y: %2").arg(hole.x).arg(hole.y));
    if (session.DragTo(hole))
        m_editing.Repaint();
    return true;
}

bool MainFormDrag::Release(Qt::MouseButton button) {
    if (!m_pressed || button != Qt::LeftButton)
        return false;
    EditorSession& session = m_form.Session();
    const bool dragging = session.Dragging();
    const bool leftItsHole = dragging && session.DragLeftStart();
    End();
    if (!dragging)
        return true;  // cancelled
    if (!leftItsHole) {
        // Never left its hole: the click it would have been is the tool's.
        session.CancelDrag();
        m_editing.BoardMouseDown(Qt::LeftButton, m_pressPixel.x(), m_pressPixel.y(), {});
        return true;
    }
    session.FinishDrag();
    m_editing.Repaint();
    return true;
}

bool MainFormDrag::Cancel() {
    if (!m_pressed)
        return false;
    EditorSession& session = m_form.Session();
    if (session.Dragging()) {
        session.CancelDrag();
        m_editing.Repaint();
    }
    return true;
}

void MainFormDrag::End() {
    m_pressed = false;
    qApp->removeEventFilter(this);
    m_form.Board->unsetCursor();
}

bool MainFormDrag::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        Cancel())
        return true;
    return QObject::eventFilter(watched, event);
}

void MainFormDrag::UpdateHint(QPoint pixel) {
    const bool over = OverSelectedPart(pixel);
    if (over && !m_hintShown)
        m_form.statusBar()->showMessage(QString::fromLatin1(kDragHint));
    else if (!over && m_hintShown)
        m_form.statusBar()->clearMessage();
    m_hintShown = over;
}

}  // namespace sw

namespace sw {

void MainFormDrag::HideHint() {
    if (m_hintShown)
        m_form.statusBar()->clearMessage();
    m_hintShown = false;
}

}  // namespace sw
