// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing in the main window: connects the toolbox, the board's mouse events,
// the explorer's keys and context menu, the status bar panes and the editing
// commands to the placement tool and the commands, which work on holes and the
// session's selection and know no widgets. The board handlers only translate
// events into pixels of the board image and buttons.

#include "edit/editor_host.h"
#include "edit/placement_tool.h"

#include <QObject>
#include <memory>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPoint;

namespace sw {

class MainFormClipboard;
class MainFormDrag;
class TMainForm;

class MainFormEditing : public QObject, public EditorHost {
    Q_OBJECT
public:
    explicit MainFormEditing(TMainForm& form);
    ~MainFormEditing() override;

    PlacementTool& Tool() { return m_tool; }

    // ---- the board's mouse handlers ---------------------------------------------
    // (x, y) in board-image pixels.
    void BoardMouseDown(Qt::MouseButton button, int x, int y, const QPoint& globalPosition);
    void BoardMouseMove(int x, int y);
    // Keys of the explorer and the main window; true when the key was used.
    bool ListKeyDown(QKeyEvent* event);
    // Prepares `CompPopup` for the explorer's current node.
    void ListNodeContextMenu();
    void SelectAllComponents();

    // ---- what EditorHost shows in the window ----------------------------------------
    void Repaint() override;
    void HintsOff() override;
    void ShowPrompt(const QString& text) override;
    void ShowNote(const QString& text) override;
    void ShowActiveKind(int kindIndex) override;
    void DrawMarkers(const std::vector<HoleMarker>& markers) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void ShowComponentMenu(const QPoint& globalPosition);

    TMainForm& m_form;
    PlacementTool m_tool;
    MainFormClipboard* m_clipboard = nullptr;  // a child QObject of the window
    MainFormDrag* m_drag = nullptr;            // a child QObject of the window
    QLabel* m_compIcon = nullptr;  // the kind's picture inside `CompPane`
};

}  // namespace sw
