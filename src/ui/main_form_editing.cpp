// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_editing.h"

#include "ui/application_hints.h"
#include "edit/edit_commands.h"
#include "edit/selection.h"
#include "session/editor_session.h"
#include "model/catalogue.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "ui/board_view.h"
#include "ui/explorer.h"
#include "ui/kind_pictures.h"
#include "ui/main_form.h"
#include "ui/main_form_clipboard.h"
#include "ui/main_form_drag.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace sw {
namespace {

constexpr int kMarkerWidth = 5;
// How long a note stays in the status bar.
constexpr int kNoteMilliseconds = 5000;

Qt::CursorShape CursorShapeOf(BoardCursor cursor) {
    switch (cursor) {
    case BoardCursor::Hand:
        return Qt::PointingHandCursor;
    case BoardCursor::IBeam:
        return Qt::IBeamCursor;
    case BoardCursor::Cross:
        return Qt::CrossCursor;
    case BoardCursor::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

MainFormEditing::MainFormEditing(TMainForm& form)
    : QObject(&form), EditorHost(form.Session(), form.Dialogs()), m_form(form), m_tool(*this) {
    // Tooltips are off in the editor.
    SetApplicationHints(false);

    // The kind's picture sits at the left of `CompPane`, the caption after it.
    m_compIcon = new QLabel(form.CompPane);
    m_compIcon->setGeometry(3, 2, 16, 16);
    form.CompPane->setIndent(22);

    // The handlers see board-image pixels whatever the zoom. Shift and the
    // left button over a selected part drag the selection.
    m_drag = new MainFormDrag(form, *this);
    connect(form.Board, &BoardView::BoardMouseDown, this, [this](QMouseEvent* event) {
        const QPoint p = m_form.Board->BoardPoint(event->position());
        if (m_drag->Press(event->button(), event->modifiers(), p))
            return;
        BoardMouseDown(event->button(), p.x(), p.y(), event->globalPosition().toPoint());
    });
    connect(form.Board, &BoardView::BoardMouseMove, this, [this](QMouseEvent* event) {
        const QPoint p = m_form.Board->BoardPoint(event->position());
        if (m_drag->Move(p, event->buttons()))
            return;
        BoardMouseMove(p.x(), p.y());
        m_drag->UpdateHint(p);
    });
    connect(form.Board, &BoardView::BoardMouseUp, this,
            [this](QMouseEvent* event) { m_drag->Release(event->button()); });
    connect(form.List, &ExplorerTree::ListKeyDown, this, [this](QKeyEvent* event) {
        if (ListKeyDown(event))
            event->accept();
    });
    form.List->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form.List, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!m_form.List->itemAt(pos))
            return;
        ListNodeContextMenu();
        m_form.ComponentMenu->popup(m_form.List->viewport()->mapToGlobal(pos));
    });
    connect(form.HintTimer, &QTimer::timeout, this, [this] {
        HintsOff();
        m_form.HintTimer->stop();
    });
    // Keys pressed while the board has the focus go to the same handler.
    form.ScrollBox->installEventFilter(this);
    form.Board->installEventFilter(this);
    ConnectCommands();
    m_clipboard = new MainFormClipboard(form, *this);
}

MainFormEditing::~MainFormEditing() = default;

void MainFormEditing::ConnectCommands() {
    TMainForm& f = m_form;
    f.ConnectToolbox([this](int kind) { m_tool.StartKind(kind); });
    f.ConnectCommand(Command::CheckConnectivity, [this] { m_tool.StartConnectivity(); });
    f.ConnectCommand(Command::SelectAll, [this] { SelectAllComponents(); });
    f.ConnectCommand(Command::Delete, [this] { DeleteSelection(*this); });
    f.ConnectCommand(Command::RotateLeft, [this] { RotateSelection(*this); });
    f.ConnectCommand(Command::MoveUp, [this] { MoveSelection(*this, MoveDirection::Up); });
    f.ConnectCommand(Command::MoveDown, [this] { MoveSelection(*this, MoveDirection::Down); });
    f.ConnectCommand(Command::MoveLeft, [this] { MoveSelection(*this, MoveDirection::Left); });
    f.ConnectCommand(Command::MoveRight, [this] { MoveSelection(*this, MoveDirection::Right); });
    f.ConnectCommand(Command::Replace, [this] { ReplaceCurrent(*this, m_tool); });
    f.ConnectCommand(Command::ChangeValue, [this] { ChangeValue(*this, m_tool); });
    f.ConnectCommand(Command::ChangeShape, [this] { ChangeShape(*this, m_tool.NextSeed()); });
    for (QAction* action : f.ActionsOf(Command::ChangeExtra))
        action->setVisible(false);
}

void MainFormEditing::BoardMouseMove(int x, int y) {
    const bool overComponent = m_form.Pick().KeyAt(x, y) != 0;
    const PointerFeedback feedback = m_tool.PointerMove(x, y, overComponent);
    m_form.Board->setCursor(CursorShapeOf(feedback.cursor));
    if (feedback.position == PointerFeedback::Position::Show)
        m_form.PosPane->setText(feedback.positionText);
    else if (feedback.position == PointerFeedback::Position::Clear)
        m_form.PosPane->clear();
}

void MainFormEditing::BoardMouseDown(Qt::MouseButton button, int x, int y,
                                     const QPoint& globalPosition) {
    if (button == Qt::RightButton) {
        switch (BoardRightClick(Session(), m_form.Pick(), x, y)) {
        case BoardPick::Nothing:
            break;
        case BoardPick::Selected:
            Repaint();
            break;
        case BoardPick::OpenMenu:
            ListNodeContextMenu();
            ShowComponentMenu(globalPosition);
            break;
        }
        return;
    }
    // The press happens where the pointer last moved; keep the hole in step with it.
    BoardMouseMove(x, y);
    m_tool.LeftClick();
}

void MainFormEditing::ShowComponentMenu(const QPoint& globalPosition) {
    m_form.ComponentMenu->popup(globalPosition);
}

void MainFormEditing::ListNodeContextMenu() {
    const ContextMenuState state = PrepareContextMenu(Session());
    auto set = [&](Command command, bool enabled, bool visible = true) {
        for (QAction* action : m_form.ActionsOf(command)) {
            action->setEnabled(enabled);
            action->setVisible(visible);
        }
    };
    set(Command::Replace, state.replaceEnabled);
    set(Command::ChangeValue, state.changeValueEnabled);
    set(Command::ChangeExtra, false, state.changeExtraVisible);
    set(Command::ChangeShape, state.changeShapeVisible, state.changeShapeVisible);
    set(Command::Rename, state.renameEnabled);
    set(Command::Delete, state.deleteEnabled);
}

void MainFormEditing::SelectAllComponents() {
    if (ToggleSelectAll(Session()))
        m_form.List->setFocus();
    Repaint();
}

bool MainFormEditing::ListKeyDown(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space) {
        m_form.SetReveal(!m_form.Reveal());
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (!Session().Selection().Empty() && !m_form.List->Editing())
            DeleteSelection(*this);
        return true;
    }
    if (key == Qt::Key_A && (event->modifiers() & Qt::ControlModifier)) {
        SelectEveryCategory(Session());
        Repaint();
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Esc during a drag puts the parts back and keeps the selection.
        if (m_drag->Cancel())
            return true;
        Session().ClearSelection();
        // The board drops the highlight at once.
        Repaint();
        return true;
    }
    return false;
}

bool MainFormEditing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_form.Board && event->type() == QEvent::Leave)
        m_drag->HideHint();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                           key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        // Arrows scroll the board view; the other keys are the editor's.
        if (!arrow && ListKeyDown(key))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void MainFormEditing::Repaint() { m_form.FormPaint(); }
void MainFormEditing::HintsOff() { SetApplicationHints(false); }
void MainFormEditing::ShowPrompt(const QString& text) { m_form.StatusPane->setText(text); }
void MainFormEditing::ShowNote(const QString& text) {
    m_form.statusBar()->showMessage(text, kNoteMilliseconds);
}

void MainFormEditing::ShowActiveKind(int kindIndex) {
    const CatalogueEntry* kind = FindKind(kindIndex);
    m_form.CompPane->setText(kind ? QLatin1String(kind->statusCaption) : QString());
    if (kind)
        m_compIcon->setPixmap(KindPicture(kind->picture));
    else
        m_compIcon->clear();
}

void MainFormEditing::DrawMarkers(const std::vector<HoleMarker>& markers) {
    Canvas canvas(m_form.MutableBoardImage());
    const int x0 = BoardOriginX(kBoardImageWidth, m_form.Document().BoardWidth());
    for (const HoleMarker& marker : markers) {
        const QPoint centre = HoleCentre(x0, marker.hole.x, marker.hole.y);
        canvas.SetBrush(MakeRgb(marker.colour.red(), marker.colour.green(), marker.colour.blue()));
        canvas.SetPen(MakeRgb(marker.colour.red(), marker.colour.green(), marker.colour.blue()));
        canvas.Dot(centre.x(), centre.y(), kMarkerWidth);
    }
    m_form.Board->update();
}

}  // namespace sw
