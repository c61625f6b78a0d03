// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_editing.h"

#include "ui/application_hints.h"
#include "edit/board_scene.h"
#include "edit/edit_commands.h"
#include "session/editor_session.h"
#include "model/catalogue.h"
#include "render/board_geometry.h"
#include "ui/board_view.h"
#include "ui/explorer.h"
#include "ui/kind_pictures.h"
#include "ui/main_form.h"
#include "ui/main_form_clipboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace sw {
namespace {

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
    case BoardCursor::ClosedHand:
        return Qt::ClosedHandCursor;
    case BoardCursor::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

PointerButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::MiddleButton:
        return PointerButton::Middle;
    case Qt::RightButton:
        return PointerButton::Right;
    default:
        return PointerButton::None;
    }
}

}  // namespace

MainFormEditing::MainFormEditing(TMainForm& form)
    : QObject(&form),
      EditorHost(form.Session(), form.Dialogs()),
      m_form(form),
      m_tool(*this),
      m_selectionClick(*this),
      m_drag(*this, m_tool),
      m_select(*this, m_drag),
      m_pinHover(*this),
      m_netLight(*this),
      m_tools({&m_pinHover, &m_netLight, &m_drag, &m_selectionClick, &m_select, &m_tool}) {
    // Tooltips are off in the editor.
    SetApplicationHints(false);

    // The kind's picture sits at the left of `CompPane`, the caption after it.
    m_compIcon = new QLabel(form.CompPane);
    m_compIcon->setGeometry(3, 2, 16, 16);
    form.CompPane->setIndent(22);

    // The handlers see board-image pixels whatever the zoom.
    connect(form.Board, &BoardView::BoardMouseDown, this, [this](QMouseEvent* event) {
        const QPoint p = m_form.Board->BoardPoint(event->position());
        BoardMouseDown(event->button(), p.x(), p.y(), event->globalPosition().toPoint(), event->modifiers());
    });
    connect(form.Board, &BoardView::BoardMouseMove, this, [this](QMouseEvent* event) {
        const QPoint p = m_form.Board->BoardPoint(event->position());
        BoardMouseMove(p.x(), p.y(), event->buttons());
    });
    connect(form.Board, &BoardView::BoardMouseUp, this, [this](QMouseEvent* event) {
        const QPoint p = m_form.Board->BoardPoint(event->position());
        BoardMouseUp(event->button(), p.x(), p.y());
    });
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
    // No kind is chosen at start-up: the status bar says select mode is on.
    if (InSelectMode(Session().Placement()))
        m_tool.LeaveKind();
    // The lit net's caption stays in the status bar while it is lit.
    form.Session().Observe([this](SessionChange change) {
        if (change == SessionChange::Highlight)
            ShowLastingNote();
        // A drag's steps change the document too, but its press took the
        // notes away already.
        if ((change == SessionChange::DocumentChanged || change == SessionChange::DocumentReplaced) &&
            !Session().Dragging())
            m_pinHover.DocumentChanged();
    });
}

MainFormEditing::~MainFormEditing() = default;

void MainFormEditing::ConnectCommands() {
    TMainForm& f = m_form;
    f.ConnectToolbox([this](int kind) { m_tool.StartKind(kind); });
    f.ConnectCommand(Command::CheckConnectivity, [this] { m_tool.StartConnectivity(); });
    f.ConnectCommand(Command::SelectMode, [this] { m_tool.LeaveKind(); });
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

PointerEvent MainFormEditing::EventAt(int x, int y) const {
    PointerEvent event;
    event.pixel = QPoint(x, y);
    event.key = m_form.Scene().Pick().KeyAt(x, y);
    return event;
}

void MainFormEditing::BoardMouseMove(int x, int y, Qt::MouseButtons buttons) {
    PointerEvent event = EventAt(x, y);
    event.leftHeld = buttons & Qt::LeftButton;
    m_tools.Move(event);
}

void MainFormEditing::BoardMouseDown(Qt::MouseButton button, int x, int y, const QPoint& globalPosition,
                                     Qt::KeyboardModifiers modifiers) {
    PointerEvent event = EventAt(x, y);
    event.button = ButtonOf(button);
    event.shift = modifiers & Qt::ShiftModifier;
    event.control = modifiers & Qt::ControlModifier;
    event.globalPosition = globalPosition;
    m_tools.Press(event);
    WatchEscape();
}

void MainFormEditing::BoardMouseUp(Qt::MouseButton button, int x, int y) {
    PointerEvent event = EventAt(x, y);
    event.button = ButtonOf(button);
    m_tools.Release(event);
    WatchEscape();
}

void MainFormEditing::WatchEscape() {
    // An application event filter rather than a keyboard grab, which would
    // shut out a dialog that a shortcut opens during the drag.
    const bool watch = m_drag.Pressed() || m_select.Banding();
    if (watch == m_watchingEscape)
        return;
    m_watchingEscape = watch;
    if (watch)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void MainFormEditing::OpenComponentMenu(QPoint globalPosition) {
    ListNodeContextMenu();
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
        return true;
    }
    if (key == Qt::Key_Escape) {
        Escape();
        return true;
    }
    if (key == Qt::Key_N && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return m_netLight.LightUnderPointer();
    return false;
}

void MainFormEditing::Escape() {
    // Esc during a drag puts the parts back and keeps the selection; during a
    // band the band goes.
    if (m_tools.Cancel())
        return;
    // A lit net goes out first, and nothing else.
    if (!Session().Highlight().Empty()) {
        Session().ClearHighlight();
        return;
    }
    m_tool.Escape();
    Session().ClearSelection();
}

bool MainFormEditing::eventFilter(QObject* watched, QEvent* event) {
    if (m_watchingEscape && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_tools.Cancel()) {
        WatchEscape();
        return true;
    }
    if (watched == m_form.Board && event->type() == QEvent::Leave) {
        m_drag.PointerLeft();
        m_pinHover.PointerLeft();
        m_netLight.PointerLeft();
        m_tool.PointerLeft();
    }
    if (event->type() == QEvent::KeyPress && (watched == m_form.Board || watched == m_form.ScrollBox)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                           key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        // Arrows scroll the board view; the other keys are the editor's.
        if (!arrow && ListKeyDown(key))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void MainFormEditing::HintsOff() { SetApplicationHints(false); }
void MainFormEditing::ShowPrompt(const QString& text) { m_form.StatusPane->setText(text); }
void MainFormEditing::ShowNote(const QString& text) { ShowPassingNote(text, kNoteMilliseconds); }

void MainFormEditing::ShowPassingNote(const QString& text, int milliseconds) {
    if (!m_passingTimer) {
        m_passingTimer = new QTimer(this);
        m_passingTimer->setSingleShot(true);
        connect(m_passingTimer, &QTimer::timeout, this, [this] {
            m_passingNote.clear();
            ShowLastingNote();
        });
    }
    m_passingNote = text;
    m_passingTimer->start(milliseconds);
    ShowLastingNote();
}

void MainFormEditing::ShowHint(const QString& text) {
    m_hint = text;
    ShowLastingNote();
}

void MainFormEditing::ShowPinNote(const QString& text) {
    m_pinNote = text;
    ShowLastingNote();
}

void MainFormEditing::ShowPartNote(const QString& text) {
    m_partNote = text;
    ShowLastingNote();
}

void MainFormEditing::ShowLastingNote() {
    QString text = m_passingNote;
    if (text.isEmpty())
        text = m_pinNote;
    if (text.isEmpty())
        text = Session().Highlight().caption;
    if (text.isEmpty())
        text = m_partNote.isEmpty() || m_hint.isEmpty() ? m_partNote + m_hint
                                                         : m_partNote + QStringLiteral(" \u2014 ") + m_hint;
    m_form.NotePane->setText(text);
    m_form.NotePane->setVisible(!text.isEmpty());
}

void MainFormEditing::ShowActiveKind(int kindIndex) {
    const CatalogueEntry* kind = FindKind(kindIndex);
    const bool selecting = !kind && InSelectMode(Session().Placement());
    m_form.CompPane->setText(kind        ? QLatin1String(kind->statusCaption)
                             : selecting ? QLatin1String(kSelectModeCaption)
                                         : QString());
    if (kind)
        m_compIcon->setPixmap(KindPicture(kind->picture));
    else
        m_compIcon->clear();
}

void MainFormEditing::ShowMarkers(const std::vector<HoleMarker>& markers) {
    m_form.Scene().ShowMarkers(markers);
}

void MainFormEditing::ShowGhost(const std::optional<PlacementGhost>& ghost) { m_form.Scene().ShowGhost(ghost); }

void MainFormEditing::ShowBand(const std::optional<QRect>& band) { m_form.Scene().ShowBand(band); }

void MainFormEditing::ShowPointer(const PointerFeedback& feedback) {
    m_form.Board->setCursor(CursorShapeOf(feedback.cursor));
    if (feedback.position == PointerFeedback::Position::Show)
        m_form.PosPane->setText(feedback.positionText);
    else if (feedback.position == PointerFeedback::Position::Clear)
        m_form.PosPane->clear();
}

}  // namespace sw
