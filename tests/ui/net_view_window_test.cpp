// SPDX-License-Identifier: GPL-3.0-or-later
// Nets in the real main window, offscreen: the middle button and the key N
// light a net and the status bar names it, Esc and another click put it out,
// and Show Nets is a checked item of the Edit menu.

#include "edit/board_scene.h"
#include "render/board_geometry.h"
#include "session/editor_session.h"
#include "ui/board_view.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "ui/test_main_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QFile>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

const char* const kStrip =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"p\" Credits=\"c\">\n"
    "  <Cut X1=\"6\" Y1=\"2\" />\n"
    "  <Resistor Value=\"1k\" X1=\"3\" Y1=\"2\" X2=\"3\" Y2=\"5\" Name=\"R1\" />\n"
    "  <Resistor Value=\"1k\" X1=\"9\" Y1=\"2\" X2=\"9\" Y2=\"5\" Name=\"R2\" />\n"
    "</Layout>\n";

class NetViewWindow : public ::testing::Test {
protected:
    NetViewWindow() : form(test::OpenWindowOn(dir.filePath(QStringLiteral("strip.swb")), kStrip, dialogs)) {}
    QPoint Hole(int x, int y) const { return test::HoleInView(*form, x, y, 20); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent event(type, at, test::Controls(*form).Board->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(test::Controls(*form).Board, &event);
    }
    void Click(QPoint at, Qt::MouseButton button) {
        Mouse(QEvent::MouseMove, at, Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, at, button);
        Mouse(QEvent::MouseButtonRelease, at, button);
    }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(test::Controls(*form).Board, &press);
    }
    QString Status() const { return test::Controls(*form).NotePane->text(); }

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(NetViewWindow, TheMiddleButtonLightsAStripUpToItsCut) {
    Click(Hole(1, 2), Qt::MiddleButton);
    EXPECT_EQ(Status(), QLatin1String("Net of R1.1: R1.1"));
    EXPECT_EQ(form->Session().Highlight().holes.size(), 5u);
    EXPECT_EQ(form->Session().Highlight().pins.size(), 1u);
    EXPECT_FALSE(form->Scene().Shown() == form->Scene().Image());
    // Esc puts it out and leaves the selection for the next one.
    form->Session().SelectOnly(form->Document().Root().find_child_by_attribute("Name", "R2"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->Session().Highlight().Empty());
    EXPECT_EQ(Status(), QString());
    EXPECT_FALSE(form->Session().Selection().Empty());
    // The key N lights the net under the pointer; a left click puts it out.
    Mouse(QEvent::MouseMove, Hole(12, 5), Qt::NoButton);
    Key(Qt::Key_N);
    EXPECT_EQ(Status(), QLatin1String("Net of R1.2: R1.2, R2.2"));
    Click(Hole(14, 8), Qt::LeftButton);
    EXPECT_TRUE(form->Session().Highlight().Empty());
}

TEST_F(NetViewWindow, ShowNetsIsACheckedItem) {
    QAction* item = form->ActionsOf(Command::ShowNets).value(0);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    item->trigger();
    EXPECT_TRUE(form->Scene().ShowNets());
    EXPECT_FALSE(form->Scene().Shown() == form->Scene().Image());
    item->trigger();
    EXPECT_FALSE(form->Scene().ShowNets());
}

}  // namespace
}  // namespace sw
