// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing in the main window: connects the toolbox, the board's mouse events,
// the explorer's keys and context menu, the status bar panes and the editing
// commands to the pointer tools and the commands, which work on holes and the
// session's selection and know no widgets. The board's mouse events become
// pointer events in board-image pixels, handed to the tools in order: the pin
// and part note, the lit net (the middle button), the drag (Shift and the
// left button over a selected part, or the left button alone in select mode),
// the selection click (the right button), the select tool (the left button in
// select mode) and the placement tool.

#include "edit/drag_tool.h"
#include "edit/editor_host.h"
#include "edit/net_light_tool.h"
#include "edit/pin_hover.h"
#include "edit/placement_tool.h"
#include "edit/pointer_tool.h"
#include "edit/select_tool.h"
#include "edit/selection.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPoint;

namespace sw {

class MainFormClipboard;
class TMainForm;

class MainFormEditing : public QObject, public EditorHost {
    Q_OBJECT
public:
    explicit MainFormEditing(TMainForm& form);
    ~MainFormEditing() override;

    PlacementTool& Tool() { return m_tool; }
    DragTool& Drag() { return m_drag; }

    // ---- the board's mouse handlers ---------------------------------------------
    // (x, y) in board-image pixels.
    void BoardMouseDown(Qt::MouseButton button, int x, int y, const QPoint& globalPosition,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void BoardMouseMove(int x, int y, Qt::MouseButtons buttons = Qt::NoButton);
    void BoardMouseUp(Qt::MouseButton button, int x, int y);
    // Keys of the explorer and the main window; true when the key was used.
    bool ListKeyDown(QKeyEvent* event);
    // Prepares `CompPopup` for the explorer's current node.
    void ListNodeContextMenu();
    void SelectAllComponents();

    // ---- what EditorHost shows in the window ----------------------------------------
    void HintsOff() override;
    void ShowPrompt(const QString& text) override;
    void ShowNote(const QString& text) override;
    // A note that passes (what Undo stepped over, why nothing was pasted):
    // shown in the note pane for `milliseconds`, before the lasting note, so
    // the active kind and the prompt stay in view.
    void ShowPassingNote(const QString& text, int milliseconds);
    void ShowHint(const QString& text) override;
    void ShowPinNote(const QString& text) override;
    void ShowPartNote(const QString& text) override;
    void ShowActiveKind(int kindIndex) override;
    void ShowMarkers(const std::vector<HoleMarker>& markers) override;
    void ShowBand(const std::optional<QRect>& band) override;
    void ShowGhost(const std::optional<PlacementGhost>& ghost) override;
    void ShowPointer(const PointerFeedback& feedback) override;
    void OpenComponentMenu(QPoint globalPosition) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void ShowLastingNote();
    PointerEvent EventAt(int x, int y) const;
    // Esc reaches a drag or a band wherever the keyboard focus is while its button is held.
    void WatchEscape();
    // Esc with no gesture going on: the placement's step back, then the selection goes.
    void Escape();

    TMainForm& m_form;
    PlacementTool m_tool;
    SelectionClick m_selectionClick;
    DragTool m_drag;
    SelectTool m_select;
    PinHover m_pinHover;
    NetLightTool m_netLight;
    PointerTools m_tools;
    MainFormClipboard* m_clipboard = nullptr;  // a child QObject of the window
    QLabel* m_compIcon = nullptr;  // the kind's picture inside `CompPane`
    bool m_watchingEscape = false;
    // The status bar's lasting note: the pin note while there is one, else the
    // lit net's caption, else the part under the pointer and the hint; a
    // passing note goes before it while it lasts.
    QString m_passingNote;
    QTimer* m_passingTimer = nullptr;  // a child of this object
    QString m_hint;
    QString m_pinNote;
    QString m_partNote;
};

}  // namespace sw
