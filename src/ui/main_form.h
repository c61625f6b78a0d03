// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the board image in the middle, Quick Tasks and Toolbox on the
// left, the explorer on the right, the menu toolbar under the board, the banner
// strip and the status bar. It owns the editor session (document, file name,
// modified flag, selection, placement state, undo) and the board scene (board
// image, pick map, zoom, reveal flag, the screen's render caches, overlays);
// the explorer, the board and the status bar are views of the session. Its
// controls are its own: the helpers that wire them (editing, clipboard, tool
// windows) are parts of the window, and the tests reach them through their
// adapter (tests/ui/main_form_probe.h).
//
// The window is split by concern: main_form.cpp (start-up and shutdown),
// main_form_compose.cpp (the controls), main_form_menus.cpp (menus, Quick Tasks,
// toolbox), main_form_project.cpp (New, Open, Save, Save As, Board Properties,
// Undo, Redo, the close question), main_form_view.cpp (painting, resizing, centring,
// board type, banner, slide labels).
//
// Commands that other parts of the program provide are offered from the start
// but stay disabled until a handler is connected with ConnectCommand (or
// ConnectToolbox for the toolbox items).

#include "edit/dialog_service.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "edit/board_scene.h"
#include "render/board_zoom.h"
#include "render/pick_map.h"
#include "session/editor_session.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QMenu;
class QScrollArea;
class QTimer;
class QToolButton;
class QPushButton;

namespace sw {

class BarGroup;
class BoardRulers;
class BoardView;
class ExplorerTree;
class GroupBar;
class MainFormClipboard;
class MainFormEditing;
class MainFormNetlist;
class ToolWindows;
namespace test {
class MainFormProbe;
}

// Every command of the menus and the Quick Tasks group.
enum class Command {
    NewProject, OpenProject, SaveProject, SaveProjectAs, ExportBom, RenderImage, Print, PrintPnp,
    RenderPnp, ExportGerber, Exit, Undo, BoardProperties, SelectAll, CheckConnectivity, Tutorials,
    LayoutsOnline, SubmitLayout, CheckForUpdate, Forum, ResistorCalculator, About, Donate,
    RotateLeft, MoveUp, MoveLeft, MoveDown, MoveRight,
    Replace, ChangeValue, ChangeExtra, ChangeShape, Rename, Delete,
    ZoomIn, ZoomOut, ActualSize, FitBoard, Redo, Cut, Copy, Paste,
    SelectMode, ShowNets,
    ImportNetlist, ForgetNetlist, NetlistPanel, OffBoard,
};

struct MainFormOptions {
    // The program's arguments after its name; the first names a layout to open.
    QStringList arguments;
    // The dialog seam; null: the real Qt dialogs.
    DialogService* dialogs = nullptr;
    // Register the .swb file type at start-up (off in tests).
    bool registerFileType = true;
    // Whether the "Wingdings" font is installed; null: ask the font database.
    std::function<bool()> hasWingdings;
    // Seed of the banner choice; null: the clock.
    std::optional<unsigned> bannerSeed;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormOptions options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- state beside the document -------------------------------------------
    // The editor session: document, file name, modified flag, undo.
    EditorSession& Session() { return m_session; }
    LayoutDocument& Document() { return m_session.Document(); }
    const QString& FileName() const { return m_session.FileName(); }
    bool Modified() const { return m_session.Modified(); }
    void SetModified(bool modified) { m_session.SetModified(modified); }
    bool PaintingEnabled() const { return m_paintingEnabled; }
    bool Closing() const { return m_closing; }
    bool Reveal() const { return m_scene->Reveal(); }
    void SetReveal(bool on);
    // The board as the window shows it; the picture and the pick map are
    // rendered anew when read after a change.
    BoardScene& Scene() { return *m_scene; }
    const PickMap& Pick() { return m_scene->Pick(); }
    const QImage& BoardImage() { return m_scene->Image(); }
    // Placing, selecting and the editing commands.
    MainFormEditing& Editing() { return *m_editing; }
    DialogService& Dialogs() { return *m_dialogs; }
    // The calculator, update, tutorials, About and wait windows (main_form_tools.h).
    ToolWindows& Tools() { return *m_tools; }
    // Import Netlist, Forget Netlist, the netlist panel, off-board parts.
    MainFormNetlist& Nets() { return *m_nets; }
    // The save dialog's proposed file name (the file last chosen in the open dialog).
    const QString& ProposedFileName() const { return m_proposedFileName; }

    // ---- undo history ----------------------------------------------------------
    bool CanUndo() const { return m_session.CanUndo(); }
    bool CanRedo() const { return m_session.CanRedo(); }

    // ---- commands ------------------------------------------------------------
    void NewProject();
    void OpenProject();
    void SaveProject();
    void SaveProjectAs();
    void EditBoardProperties();
    void UndoLastChange();
    void RedoLastUndone();
    // The unsaved-changes question, when the modified flag is set; true: go on.
    bool AskDiscardChanges();
    // The close question; true lets the window close.
    bool FormCloseQuery();
    // After a recovery copy was read into the document: the layout belongs to
    // `fileName` (empty: never saved) and has unsaved changes.
    void AdoptRecoveredLayout(const QString& fileName);

    // ---- the board view --------------------------------------------------------
    // Renders the board now and shows it; every change of the session makes
    // the board render itself once before it is next shown, so only the
    // window's start and the tests call it.
    void FormPaint();
    void FormResize();
    void CentreView();
    void ApplyBoardType();
    void MaximiseAfterStart();
    void FormShow();
    void FormActivate();
    void ToggleToolbox();
    void ToggleExplorer();
    // The zoom of the board view (25 % ... 400 %); the board image itself is
    // always rendered at 20 pixels per hole pitch.
    const BoardZoom& Zoom() const { return m_scene->Zoom(); }
    void ZoomIn();
    void ZoomOut();
    void ZoomToActualSize();
    // The largest zoom that shows the whole board with its rulers, centred.
    void FitBoard();
    // Ctrl and the wheel: `steps` zoom steps in (negative: out) about the
    // pointer at `viewportPosition` of the scroll box's viewport.
    void ZoomWheel(int steps, QPointF viewportPosition);
    // The banner chosen at start-up (0 ... 3).
    int Banner() const { return m_banner; }

    // ---- hooks for the commands of other parts ---------------------------------
    QList<QAction*> ActionsOf(Command command) const { return m_actions.value(command); }
    // Connects `handler` to every item of `command` and enables them.
    void ConnectCommand(Command command, std::function<void()> handler);
    // Connects the toolbox items (group and menu) to `handler`(catalogue index).
    void ConnectToolbox(std::function<void(int)> handler);
    QAction* ToolboxItem(int index) const { return m_toolboxItems[size_t(index)]; }
    QAction* RenderPnpTask() const { return m_renderPnpTask; }
    // The Project menu's "Export Gerber...", shown like the Render PnP task (PCB layouts).
    QAction* ExportGerberItem() const { return m_exportGerberItem; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The parts of the window that wire its controls, and the tests' adapter.
    friend class MainFormClipboard;
    friend class MainFormEditing;
    friend class MainFormNetlist;
    friend class ToolWindows;
    friend class test::MainFormProbe;

    // ---- controls, named as the handlers know them; they show the session's
    // state and hold none ------------------------------------------------------
    GroupBar* MainBar = nullptr;
    BarGroup* Toolbox = nullptr;
    GroupBar* ListBar = nullptr;
    BarGroup* ListGroup = nullptr;
    ExplorerTree* List = nullptr;
    QScrollArea* ScrollBox = nullptr;
    BoardView* Board = nullptr;
    BoardRulers* m_rulers = nullptr;  // over the scroll box's viewport
    QMenu* ProjectMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ToolboxMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* ComponentMenu = nullptr;  // context menu of a component
    QLabel* LeftSlide = nullptr;
    QLabel* RightSlide = nullptr;
    QWidget* AdPanel = nullptr;
    std::array<QLabel*, 4> Ad{};
    QLabel* CompPane = nullptr;
    QLabel* StatusPane = nullptr;
    // The lasting notes (the drag hint, the pin and part under the pointer, a lit
    // net) beside the prompt, shown only while there is one, so neither the
    // active kind nor the prompt is ever hidden by them.
    QLabel* NotePane = nullptr;
    QLabel* RevealPane = nullptr;
    QLabel* PosPane = nullptr;
    QLabel* ZoomPane = nullptr;
    QTimer* HintTimer = nullptr;
    BarGroup* Project = nullptr;  // "Quick Tasks"
    QWidget* LeftLine = nullptr;
    QWidget* RightLine = nullptr;
    QToolButton* ProjectButton = nullptr;
    QToolButton* EditButton = nullptr;
    QToolButton* ToolboxButton = nullptr;
    QToolButton* HelpButton = nullptr;
    QToolButton* DonateButton = nullptr;
    QTimer* StartTimer = nullptr;

    // main_form.cpp
    void FormCreate(const QStringList& arguments);
    void FormClose();
    // main_form_compose.cpp
    void ComposeWindow();
    QWidget* ComposeCentre();
    void ComposeExplorer();
    void ComposeStatusBar();
    void ComposeBanner();
    // main_form_menus.cpp
    QAction* AddCommand(Command command, const QString& caption, QObject* owner);
    void BuildMenus();
    void BuildQuickTasks();
    void BuildToolboxGroup();
    void BuildToolboxMenu();
    void BuildComponentMenu();
    void BuildExplorerButtons(QWidget* parent);
    void ConnectOwnCommands();
    // main_form_project.cpp
    FileDialogRequest LayoutFileRequest(const QString& caption) const;
    void ShowFileNameInTitle();
    bool WriteLayout(const QString& path);
    // Undo or Redo: the session's step; the views follow.
    void StepHistory(bool redo);
    // What the window shows of the session's changes beside the board and the explorer.
    void SessionChanged(SessionChange change);
    // The tooltips of the Undo and Redo items name their steps.
    void ShowHistoryLabels();
    // main_form_view.cpp
    // Applies `change` to the zoom, keeping the board point under the viewport
    // position `anchor` where it is, and shows the new zoom.
    void ChangeZoom(const std::function<bool(BoardZoom&)>& change, QPointF anchor);
    QPointF ViewportCentre() const;

    MainFormOptions m_options;
    std::unique_ptr<DialogService> m_ownDialogs;
    DialogService* m_dialogs = nullptr;
    EditorSession m_session;
    QString m_proposedFileName;
    std::unique_ptr<BoardScene> m_scene;
    bool m_paintingEnabled = false;
    bool m_closing = false;
    bool m_wingdingsWarned = false;
    int m_banner = 0;
    QMap<Command, QList<QAction*>> m_actions;
    std::array<QAction*, kKindCount> m_toolboxItems{};
    std::array<QAction*, kKindCount> m_toolboxMenuItems{};
    QAction* m_renderPnpTask = nullptr;
    QAction* m_exportGerberItem = nullptr;
    MainFormEditing* m_editing = nullptr;
    ToolWindows* m_tools = nullptr;  // a child QObject of the window
    MainFormNetlist* m_nets = nullptr;  // a child QObject of the window
};

}  // namespace sw
