// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, Paste and dragging with the mouse in the real main window, offscreen:
// the Edit menu's items, mouse events on the board with Shift held, Undo and
// Redo, and the saved file.

#include "ui/main_form_editing.h"

#include "model/kinds.h"
#include "render/board_geometry.h"
#include "session/layout_fragment.h"
#include "ui/board_view.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "edit/drag_tool.h"
#include "ui/test_main_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

// A PCB: R1 owns P1 and P2, and a wire.
const char* const kPcb =
    "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\" Project=\"p\" Credits=\"c\">\n"
    "  <Pad X1=\"2\" Y1=\"3\" Value=\"15\" Name=\"P1\" Parent=\"R1\" Square=\"False\" />\n"
    "  <Pad X1=\"6\" Y1=\"3\" Value=\"15\" Name=\"P2\" Parent=\"R1\" Square=\"False\" />\n"
    "  <Resistor Value=\"10K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\" />\n"
    "  <Wire Color=\"Red\" Seed=\"7\" X1=\"1\" Y1=\"8\" X2=\"5\" Y2=\"9\" Name=\"W1\" />\n"
    "</Layout>\n";

class ClipboardDragWindow : public ::testing::Test {
protected:
    ClipboardDragWindow()
        : path(dir.filePath(QStringLiteral("pcb.swb"))), form(test::OpenWindowOn(path, kPcb, dialogs)) {}
    QPoint Hole(int x, int y) const { return test::HoleInView(*form, x, y, 20); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::ShiftModifier) {
        QMouseEvent event(type, at, test::Controls(*form).Board->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(test::Controls(*form).Board, &event);
    }
    // Shift and the left button from one hole through others.
    void ShiftDrag(std::initializer_list<QPoint> path, bool release = true) {
        const QPoint* p = path.begin();
        Mouse(QEvent::MouseMove, *p, Qt::NoButton, Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, *p, Qt::LeftButton, Qt::LeftButton);
        for (++p; p != path.end(); ++p)
            Mouse(QEvent::MouseMove, *p, Qt::NoButton, Qt::LeftButton);
        if (release)
            Mouse(QEvent::MouseButtonRelease, *(path.end() - 1), Qt::LeftButton, Qt::NoButton);
    }
    void Trigger(Command command) { form->ActionsOf(command).first()->trigger(); }
    std::string Holes(const char* name) const {
        const pugi::xml_node e = form->Document().Root().find_child_by_attribute("Name", name);
        if (!e)
            return "none";
        std::string s = std::string(e.attribute("X1").value()) + "," + e.attribute("Y1").value();
        if (e.attribute("X2"))
            s += std::string("-") + e.attribute("X2").value() + "," + e.attribute("Y2").value();
        return s;
    }

    QTemporaryDir dir;
    QString path;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(ClipboardDragWindow, CopyPasteDragCutUndoThreeRedoTwoThenSave) {
    const std::string opened = form->Document().ToText();
    // A right click on the resistor's body selects it; Copy puts it on the
    // clipboard with its pads, as the program's own type and as text.
    Mouse(QEvent::MouseMove, Hole(4, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    Mouse(QEvent::MouseButtonPress, Hole(4, 3), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    Mouse(QEvent::MouseButtonRelease, Hole(4, 3), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QGuiApplication::clipboard()->clear();
    Trigger(Command::Copy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QLatin1String(kFragmentMimeType)));
    EXPECT_EQ(data->text(), QString::fromUtf8(data->data(QLatin1String(kFragmentMimeType))));
    EXPECT_TRUE(data->text().contains(QLatin1String("Name=\"P2\" Parent=\"R1\"")));

    // 1: Paste from the menu, one hole right and down, the copies selected.
    Trigger(Command::Paste);
    EXPECT_EQ(Holes("R2"), "3,4-7,4");
    EXPECT_EQ(Holes("P3"), "3,4");
    EXPECT_EQ(Holes("P4"), "7,4");
    // 2: dragged by its body three holes right and two down; the pads follow.
    ShiftDrag({Hole(5, 4), Hole(6, 4), Hole(8, 6)});
    EXPECT_EQ(Holes("R2"), "6,6-10,6");
    EXPECT_EQ(Holes("P3"), "6,6");
    EXPECT_EQ(Holes("P4"), "10,6");
    EXPECT_EQ(Holes("R1"), "2,3-6,3") << "the original stays";
    // 3: Cut takes it away with its pads.
    Trigger(Command::Cut);
    EXPECT_EQ(Holes("R2"), "none");
    EXPECT_EQ(Holes("P4"), "none");
    // The steps carry their names: the items' tooltips, the status bar after
    // Undo and Redo; the menu texts stay.
    const auto tip = [&](Command command) { return form->ActionsOf(command).first()->toolTip(); };
    EXPECT_EQ(tip(Command::Undo), "Undo Cut R2");
    EXPECT_EQ(tip(Command::Redo), "Redo");

    for (int i = 0; i < 3; ++i)
        Trigger(Command::Undo);
    EXPECT_EQ(form->Document().ToText(), opened);
    EXPECT_FALSE(form->Modified());
    // Said beside the prompt, which stays in view.
    EXPECT_EQ(test::Controls(*form).NotePane->text(), "Undone: Paste R2");
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(test::Controls(*form).StatusPane->isVisible());
    EXPECT_EQ(tip(Command::Undo), "Undo");
    EXPECT_EQ(tip(Command::Redo), "Redo Paste R2");
    EXPECT_EQ(form->ActionsOf(Command::Undo).first()->text(), "&Undo");
    Trigger(Command::Redo);
    Trigger(Command::Redo);
    EXPECT_EQ(Holes("R2"), "6,6-10,6");
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(test::Controls(*form).NotePane->text(), "Redone: Move R2");
    EXPECT_EQ(tip(Command::Undo), "Undo Move R2");
    EXPECT_EQ(tip(Command::Redo), "Redo Cut R2");

    Trigger(Command::SaveProject);
    EXPECT_FALSE(form->Modified());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    for (const char* line :
         {R"(<Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1" />)",
          R"(<Pad X1="6" Y1="6" Value="15" Name="P3" Parent="R2" Square="False" />)",
          R"(<Pad X1="10" Y1="6" Value="15" Name="P4" Parent="R2" Square="False" />)",
          R"(<Resistor Value="10K" X1="6" Y1="6" X2="10" Y2="6" Name="R2" />)"})
        EXPECT_TRUE(saved.contains(line)) << line << "\n" << saved.toStdString();
    EXPECT_LT(saved.indexOf("Name=\"W1\""), saved.indexOf("Name=\"P3\"")) << "pasted after the last";
    EXPECT_TRUE(dialogs.Calls().empty());
}

// On a pin the note names it, in place of the part and the drag hint, which
// come back on the body; neither leaves a trace off the parts. In select mode
// the hint names the plain drag.
TEST_F(ClipboardDragWindow, APinsNoteShowsInPlaceOfTheDragHintWhileThePointerIsOnIt) {
    form->Session().SelectOnly(form->Document().Root().find_child_by_attribute("Name", "R1"));
    form->FormPaint();
    const QString body = QStringLiteral("R1: 10K \u2014 ") + QLatin1String(kSelectDragHint);
    const struct {
        QPoint at;
        QString message;
    } steps[] = {
        {Hole(4, 3), body},
        {Hole(2, 3), QStringLiteral("R1 pin 1; alone on its copper")},
        {Hole(4, 3), body},
        {Hole(6, 3), QStringLiteral("R1 pin 2; alone on its copper")},
        {Hole(1, 8), QStringLiteral("W1")},  // a wire's end: copper, no pin; the wire by name
        {Hole(12, 6), QString()},
    };
    for (const auto& step : steps) {
        Mouse(QEvent::MouseMove, step.at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        EXPECT_EQ(test::Controls(*form).NotePane->text(), step.message) << step.message.toStdString();
    }
    EXPECT_EQ(test::Controls(*form).StatusPane->text(), QLatin1String(kSelectPrompt))
        << "the prompt pane keeps its text";
}

TEST_F(ClipboardDragWindow, HintOverSelectedPartsEscPutsBackAShiftClickStaysTheToolsClick) {
    form->Session().SelectOnly(form->Document().Root().find_child_by_attribute("Name", "R1"));
    form->FormPaint();
    form->ToolboxItem(kind::Jumper)->trigger();
    Mouse(QEvent::MouseMove, Hole(4, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    const test::FormControls panes = test::Controls(*form);
    EXPECT_EQ(panes.NotePane->text(), QStringLiteral("R1: 10K \u2014 ") + QLatin1String(kDragHint))
        << "a kind active: the Shift+drag";
    form->show();
    EXPECT_TRUE(panes.NotePane->isVisible());
    EXPECT_TRUE(panes.CompPane->isVisible() && panes.StatusPane->isVisible())
        << "the hint hides neither the active kind nor the prompt";
    EXPECT_EQ(panes.CompPane->text(), QStringLiteral("Active: Jumper"));
    Mouse(QEvent::MouseMove, Hole(12, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(panes.NotePane->text(), QString());
    EXPECT_FALSE(panes.NotePane->isVisible());

    // Esc during the drag: everything back, nothing to undo or save.
    ShiftDrag({Hole(4, 3), Hole(6, 5)}, false);
    EXPECT_EQ(Holes("R1"), "4,5-8,5") << "live while dragging";
    EXPECT_EQ(Holes("P2"), "8,5");
    // Wherever the keyboard focus is: here a pane of the status bar.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(test::Controls(*form).StatusPane, &escape);
    EXPECT_EQ(Holes("R1"), "2,3-6,3");
    EXPECT_EQ(Holes("P2"), "6,3");
    Mouse(QEvent::MouseMove, Hole(9, 7), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, Hole(9, 7), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Holes("R1"), "2,3-6,3") << "the rest of the gesture does nothing";
    EXPECT_FALSE(form->Modified());
    EXPECT_FALSE(form->CanUndo());
    EXPECT_TRUE(form->Session().Selection().Contains(
        form->Document().Root().find_child_by_attribute("Name", "R1")));

    // With Jumper placing, a Shift click on the selected resistor that does not
    // leave its hole takes the hole, as any click would.
    ShiftDrag({Hole(4, 3)});
    EXPECT_TRUE(form->Editing().Tool().AwaitingSecond());
    EXPECT_EQ(Holes("R1"), "2,3-6,3");
}

}  // namespace
}  // namespace sw
