// SPDX-License-Identifier: GPL-3.0-or-later
// Editing in the real main window, offscreen: toolbox items, board clicks in
// pixels, the status panes, the context menu and the explorer's keys, with the
// dialogs scripted.

#include "ui/main_form_editing.h"

#include "model/kinds.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "test_support.h"
#include "ui/board_view.h"
#include "ui/explorer.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "ui/test_main_form.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;
using Type = ScriptedDialogs::Type;

class MainFormEditingTest : public ::testing::Test {
protected:
    MainFormEditingTest() {
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs));
        form->FormPaint();
    }
    MainFormEditing& editing() { return form->Editing(); }
    QPoint Hole(int x, int y) const {
        return HoleCentre(BoardOriginX(kBoardImageWidth, form->Document().BoardWidth()), x, y);
    }
    void Move(QPoint p) { editing().BoardMouseMove(p.x(), p.y()); }
    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        Move(p);
        editing().BoardMouseDown(button, p.x(), p.y(), QPoint());
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        editing().ListKeyDown(&event);
    }
    QAction* Action(Command command) const { return form->ActionsOf(command).value(0); }
    // What the board view shows, the overlays included.
    QRgb BoardPixel(QPoint p) const { return form->Scene().Shown().pixel(p) & 0xFFFFFF; }
    pugi::xml_node Named(const char* name) const {
        return form->Document().Root().find_child_by_attribute("Name", name);
    }
    // Whether the element is selected, as the session keeps it; the explorer
    // must show the same.
    bool ShownSelected(pugi::xml_node element) const {
        const QTreeWidgetItem* entry = test::Controls(*form).List->EntryOf(element);
        const bool selected = form->Session().Selection().Contains(element);
        EXPECT_EQ(entry && entry->isSelected(), selected) << element.attribute("Name").value();
        return selected;
    }
    // Places a resistor from the toolbox by two clicks and the dialog.
    void PlaceResistor(QPoint a, QPoint b, const char* name) {
        dialogs.AnswerEditValue(ValueEditorResult{QLatin1String(name), "10", "K", {}});
        form->ToolboxItem(kind::Resistor)->trigger();
        Click(a);
        Click(b);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormEditingTest, ToolboxItemStartsPlacingWithPromptsAndMarkers) {
    QAction* item = form->ToolboxItem(kind::Transistor);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(test::Controls(*form).CompPane->text(), "Active: Transistor");
    EXPECT_EQ(test::Controls(*form).StatusPane->text(), "Click on source hole...");
    Click(Hole(5, 5));
    EXPECT_EQ(test::Controls(*form).StatusPane->text(), "Click on destination hole marked green...");
    EXPECT_EQ(BoardPixel(Hole(5, 5)), 0x800080u);
    EXPECT_EQ(BoardPixel(Hole(7, 5)), 0x00FF00u);
    EXPECT_EQ(BoardPixel(Hole(5, 3)), 0x00FF00u);
    // The markers lie over the board, not in its picture.
    EXPECT_NE(form->BoardImage().pixel(Hole(5, 5)) & 0xFFFFFF, 0x800080u);
    // A refused pair: the error, and a repaint that takes the markers away.
    dialogs.AnswerMessage(MessageAnswer::Ok);
    Click(Hole(8, 5));
    EXPECT_EQ(dialogs.CallsOf(Type::Message).at(0).text,
              "Source and destination holes must separated with one hole!");
    EXPECT_NE(BoardPixel(Hole(7, 5)), 0x00FF00u);
    EXPECT_EQ(test::Controls(*form).StatusPane->text(), "Click on source hole...");
}

TEST_F(MainFormEditingTest, PointerFeedbackShowsTheHoleAndCursorWithoutRepainting) {
    form->ToolboxItem(kind::Resistor)->trigger();
    Move(Hole(5, 3));
    EXPECT_EQ(test::Controls(*form).PosPane->text(), "X: 5 Y: 3");
    EXPECT_EQ(test::Controls(*form).Board->cursor().shape(), Qt::PointingHandCursor);
    // Between holes: the arrow, an empty pane; the board is not rendered again.
    const unsigned renders = form->Scene().Renders();
    Move(Hole(5, 3) + QPoint(10, 0));
    EXPECT_EQ(test::Controls(*form).PosPane->text(), "");
    EXPECT_EQ(test::Controls(*form).Board->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form->Scene().Renders(), renders);
    form->ToolboxItem(kind::Text)->trigger();
    Move(Hole(5, 3) + QPoint(10, 0));
    EXPECT_EQ(test::Controls(*form).Board->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(MainFormEditingTest, PlacingSelectsTheNewPartAndRightClicksOpenTheMenu) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    const pugi::xml_node r1 = Named("R1");
    ASSERT_TRUE(r1);
    EXPECT_STREQ(r1.attribute("Value").value(), "10K");
    EXPECT_TRUE(form->Modified());
    EXPECT_TRUE(ShownSelected(r1));
    PlaceResistor(Hole(2, 6), Hole(6, 6), "R2");
    // A right click on R1 selects it; a second one prepares the menu.
    Click(Hole(4, 3), Qt::RightButton);
    EXPECT_TRUE(ShownSelected(r1));
    EXPECT_FALSE(ShownSelected(Named("R2")));
    Click(Hole(4, 3), Qt::RightButton);
    EXPECT_TRUE(Action(Command::Replace)->isEnabled());
    EXPECT_TRUE(Action(Command::ChangeValue)->isEnabled());
    EXPECT_FALSE(Action(Command::ChangeShape)->isVisible());
    EXPECT_TRUE(Action(Command::Rename)->isEnabled());
    test::Controls(*form).ComponentMenu->hide();
    // Both selected: only Delete.
    test::Controls(*form).List->EntryOf(Named("R2"))->setSelected(true);
    editing().ListNodeContextMenu();
    EXPECT_FALSE(Action(Command::Replace)->isEnabled());
    EXPECT_FALSE(Action(Command::Rename)->isEnabled());
    EXPECT_TRUE(Action(Command::Delete)->isEnabled());
    // A left click never changes the selection; it belongs to placing.
    Click(Hole(15, 9));
    EXPECT_TRUE(ShownSelected(r1));
}

// The commands of one turn of the event loop (a selection, three moves, the
// explorer following) cost one render, when the board is next painted or read,
// and it is the picture of where they left the layout.
TEST_F(MainFormEditingTest, CommandsWithinOneTurnOfTheEventLoopCostOneRender) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    form->show();
    // The window's start (100 ms after it is made) paints the board once more;
    // let it pass first, so a busy machine cannot land it among the commands.
    QTest::qWait(150);
    form->BoardImage();
    const unsigned renders = form->Scene().Renders();
    Action(Command::SelectAll)->trigger();
    for (int i = 0; i < 3; ++i)
        Action(Command::MoveRight)->trigger();
    EXPECT_EQ(form->Scene().Renders(), renders) << "no command renders the board itself";
    EXPECT_TRUE(form->Scene().Stale());
    QApplication::processEvents();
    form->BoardImage();
    EXPECT_EQ(form->Scene().Renders(), renders + 1);
    EXPECT_EQ(IntAttr(Named("R1"), "X1"), 5);
    EXPECT_EQ(form->Session().UndoLabel(), "Move R1");
}

// The board as it must look with only `selected` selected.
QImage BoardWith(const LayoutDocument& doc, pugi::xml_node selected) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderOptions options;
    options.isSelected = [selected](pugi::xml_node e) { return e == selected; };
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    return image;
}

TEST_F(MainFormEditingTest, TheBoardShowsTheSelectionARightClickInTheExplorerMakes) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    PlaceResistor(Hole(2, 6), Hole(6, 6), "R2");
    form->show();
    QTreeWidgetItem* r1 = test::Controls(*form).List->EntryOf(Named("R1"));
    ASSERT_TRUE(ShownSelected(Named("R2")));
    const QPoint at = test::Controls(*form).List->visualItemRect(r1).center();
    QTest::mousePress(test::Controls(*form).List->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(test::Controls(*form).List->viewport(), Qt::RightButton, {}, at);
    QApplication::processEvents();
    test::Controls(*form).ComponentMenu->hide();
    ASSERT_TRUE(ShownSelected(Named("R1")));
    ASSERT_FALSE(ShownSelected(Named("R2")));
    EXPECT_TRUE(form->BoardImage() == BoardWith(form->Document(), Named("R1")));
    // Delete takes the part the board shows selected.
    Key(Qt::Key_Delete);
    EXPECT_FALSE(Named("R1"));
    EXPECT_TRUE(Named("R2"));
}

TEST_F(MainFormEditingTest, KeysDeleteSelectAllEscapeAndReveal) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    Key(Qt::Key_Space);
    EXPECT_TRUE(form->Reveal());
    EXPECT_EQ(test::Controls(*form).RevealPane->text(), "Reveal: ON");
    Key(Qt::Key_Space);
    EXPECT_EQ(test::Controls(*form).RevealPane->text(), "Reveal: OFF");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(test::Controls(*form).List->selectedItems().isEmpty());
    EXPECT_TRUE(form->Session().Selection().Empty());
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(test::Controls(*form).List->selectedItems().size(), 21);
    EXPECT_EQ(form->Session().Selection().Count(), 21);
    // Select All toggles between everything and nothing.
    Action(Command::SelectAll)->trigger();
    EXPECT_TRUE(test::Controls(*form).List->selectedItems().isEmpty());
    EXPECT_TRUE(form->Session().Selection().Empty());
    Action(Command::SelectAll)->trigger();
    Key(Qt::Key_Delete);
    EXPECT_FALSE(Named("R1"));
    EXPECT_TRUE(test::Controls(*form).List->EntryOf(form->Document().Root()) == nullptr);
    EXPECT_EQ(test::Controls(*form).List->CategoryItem(kind::Resistor)->text(0), "[Resistors]");
}

TEST_F(MainFormEditingTest, MovesRotationAndUndoThroughTheExplorerButtons) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    Action(Command::MoveUp)->trigger();
    Action(Command::RotateLeft)->trigger();
    pugi::xml_node r1 = Named("R1");
    EXPECT_EQ(IntAttr(r1, "X1"), 4);
    EXPECT_EQ(IntAttr(r1, "Y1"), 0);
    EXPECT_EQ(IntAttr(r1, "Y2"), 4);
    form->UndoLastChange();
    r1 = Named("R1");
    EXPECT_EQ(IntAttr(r1, "Y1"), 2);
    EXPECT_EQ(IntAttr(r1, "X2"), 6);
}

TEST_F(MainFormEditingTest, UndoUnderAWaitingReplacePlacesANewComponent) {
    PlaceResistor(Hole(2, 3), Hole(6, 3), "R1");
    Action(Command::MoveDown)->trigger();  // something to undo
    Click(Hole(4, 4), Qt::RightButton);    // already current: the menu
    test::Controls(*form).ComponentMenu->hide();
    Action(Command::Replace)->trigger();
    ASSERT_TRUE(editing().Tool().ReplaceTarget());
    form->UndoLastChange();
    EXPECT_FALSE(editing().Tool().ReplaceTarget());
    EXPECT_EQ(editing().Tool().ActiveKind(), kind::Resistor);
    dialogs.AnswerEditValue(ValueEditorResult{"R2", "1", "M", {}});
    Click(Hole(2, 8));
    Click(Hole(6, 8));
    EXPECT_EQ(dialogs.CallsOf(Type::EditValue).back().valueSetup.caption, "New component");
    EXPECT_TRUE(Named("R1"));
    EXPECT_STREQ(Named("R2").attribute("Value").value(), "1M");
}

TEST_F(MainFormEditingTest, CheckConnectivityPicksTwoHolesAndReports) {
    dialogs.AnswerMessage(MessageAnswer::Ok);
    Action(Command::CheckConnectivity)->trigger();
    EXPECT_EQ(test::Controls(*form).CompPane->text(), "");
    Click(Hole(1, 1));
    Click(Hole(5, 1));
    const auto messages = dialogs.CallsOf(Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Selected holes are connected through at least one component chain:\r\r");
    EXPECT_EQ(test::Controls(*form).StatusPane->text(), "Click on source hole...");
}

// ---- zoom ----------------------------------------------------------------------

namespace zoomed {

void Send(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace zoomed

// At every zoom a click on the picture of a hole takes that hole: the pointer is
// mapped back to board-image pixels before the placement tool sees it.
TEST_F(MainFormEditingTest, ZoomedClicksTakeTheHoleUnderThePointer) {
    struct Step { std::vector<Command> commands; const char* pane; QSize board; };
    const Step steps[] = {
        {{Command::ZoomIn}, "150%", {3000, 1800}},
        {{Command::ZoomIn}, "200%", {4000, 2400}},
        {{Command::ZoomOut, Command::ZoomOut, Command::ZoomOut, Command::ZoomOut}, "50%", {1000, 600}},
        {{Command::ZoomOut, Command::ZoomOut}, "25%", {500, 300}},  // the second stays at 25 %
        {{Command::ActualSize}, "100%", {2000, 1200}},
    };
    for (int n = 0; n < int(std::size(steps)); ++n) {
        for (Command command : steps[n].commands)
            Action(command)->trigger();
        EXPECT_EQ(test::Controls(*form).ZoomPane->text(), steps[n].pane);
        EXPECT_EQ(test::Controls(*form).Board->size(), steps[n].board);
        dialogs.AnswerEditValue(ValueEditorResult{QStringLiteral("R%1").arg(n + 1), "10", "K", {}});
        form->ToolboxItem(kind::Resistor)->trigger();
        for (QPoint hole : {Hole(3 + n, 2 + n), Hole(8 + n, 2 + n)}) {
            // A little off the centre, as a hand clicks, at a whole pixel of the view.
            const QPointF at = form->Zoom().ToView(QPointF(hole) + QPointF(3, -2)).toPoint();
            zoomed::Send(test::Controls(*form).Board, QEvent::MouseMove, at, Qt::NoButton);
            zoomed::Send(test::Controls(*form).Board, QEvent::MouseButtonPress, at, Qt::LeftButton);
        }
        const pugi::xml_node placed = Named(qPrintable(QStringLiteral("R%1").arg(n + 1)));
        ASSERT_TRUE(placed) << steps[n].pane;
        EXPECT_EQ(placed.attribute("X1").as_int(), 3 + n);
        EXPECT_EQ(placed.attribute("X2").as_int(), 8 + n);
        EXPECT_EQ(placed.attribute("Y1").as_int(), 2 + n);
        EXPECT_EQ(test::Controls(*form).PosPane->text(), QStringLiteral("X: %1 Y: %2").arg(8 + n).arg(2 + n));
    }
    // Fit Board shows the whole board with its rulers in the viewport.
    // The window as a user first sees it, at the size it keeps.
    form->MaximiseAfterStart();
    QApplication::processEvents();
    Action(Command::FitBoard)->trigger();
    QApplication::processEvents();
    const QRect area = BoardAreaRect(20, 10);
    const QWidget* viewport = test::Controls(*form).ScrollBox->viewport();
    const QPoint topLeft = test::Controls(*form).Board->mapTo(viewport, form->Zoom().ToView(area.topLeft()).toPoint());
    const QPoint bottomRight =
        test::Controls(*form).Board->mapTo(viewport, form->Zoom().ToView(area.bottomRight()).toPoint());
    EXPECT_TRUE(viewport->rect().contains(topLeft)) << topLeft.x() << "," << topLeft.y();
    EXPECT_TRUE(viewport->rect().contains(bottomRight)) << bottomRight.x() << "," << bottomRight.y();
    EXPECT_GT(form->Zoom().Factor(), 1.0);
    EXPECT_EQ(test::Controls(*form).ZoomPane->text(), QStringLiteral("%1%").arg(form->Zoom().Percent()));
}

TEST_F(MainFormEditingTest, CtrlWheelZoomsAboutThePointerAndPlainWheelScrolls) {
    // The window as a user first sees it, at the size it keeps.
    form->MaximiseAfterStart();
    QApplication::processEvents();
    const QWidget* viewport = test::Controls(*form).ScrollBox->viewport();
    const QPoint pointer = viewport->rect().center() + QPoint(-100, 50);
    const QPoint before = test::Controls(*form).Board->BoardPoint(test::Controls(*form).Board->mapFrom(viewport, QPointF(pointer)));
    auto wheel = [&](Qt::KeyboardModifiers modifiers, int delta) {
        const QPointF at = test::Controls(*form).Board->mapFrom(viewport, QPointF(pointer));
        QWheelEvent event(at, test::Controls(*form).Board->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(test::Controls(*form).Board, &event);
    };
    for (int notch : {120, 120, 60, 60, -120}) {
        wheel(Qt::ControlModifier, notch);
        const QPoint under = test::Controls(*form).Board->BoardPoint(test::Controls(*form).Board->mapFrom(viewport, QPointF(pointer)));
        EXPECT_NEAR(under.x(), before.x(), 1) << form->Zoom().Percent();
        EXPECT_NEAR(under.y(), before.y(), 1) << form->Zoom().Percent();
    }
    EXPECT_EQ(test::Controls(*form).ZoomPane->text(), "200%");  // 150, 200, (half, half) 250, back to 200
    const int percent = form->Zoom().Percent();
    wheel(Qt::NoModifier, -120);
    EXPECT_EQ(form->Zoom().Percent(), percent);
}

}  // namespace
}  // namespace sw
