// SPDX-License-Identifier: GPL-3.0-or-later
// Every item a user can reach in the main window after start-up (the toolbar's
// menus and buttons, the Quick Tasks, the Toolbox, the explorer's buttons and
// the component context menu) is connected and does something that can be
// seen: a dialog through the seam, a changed document, or a changed view.

#include "edit/board_scene.h"
#include "ui/main_form_editing.h"
#include "test_main_form.h"
#include "ui/explorer.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace sw {
namespace {

// Answers every dialog the safe way (No, Cancel, nothing) and counts them.
class CountingDialogs : public DialogService {
public:
    int calls = 0;
    MessageAnswer Message(MessageKind, const QString&, MessageButtons buttons) override {
        ++calls;
        return buttons == MessageButtons::YesNo      ? MessageAnswer::No
               : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                     : MessageAnswer::Ok;
    }
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return Counted(); }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return Counted(); }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return Counted(); }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override {
        return Counted();
    }
    bool ShellOpen(const QString&) override { return ++calls > 0; }
    bool HasPrinters() override { return true; }
    bool PrintDialog(QPrinter&) override { return !Counted(); }
    std::optional<ValueEditorResult> EditValue(const ValueEditorSetup&) override {
        ++calls;
        return std::nullopt;
    }
    std::optional<LayoutProperties> EditLayoutProperties(const LayoutProperties&) override {
        ++calls;
        return std::nullopt;
    }

private:
    std::optional<QString> Counted() {
        ++calls;
        return std::nullopt;
    }
};

const char* const kLayout =
    "<Layout Width=\"20\" Height=\"10\" Type=\"PCB\" Project=\"p\" Credits=\"c\" Netlist=\"items.net\">\n"
    "  <Resistor Value=\"10K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\" />\n"
    "  <Wire Color=\"Red\" Seed=\"7\" X1=\"1\" Y1=\"5\" X2=\"5\" Y2=\"8\" Name=\"W1\" />\n"
    "</Layout>\n";

// The items in a fixed order: each tool button's menu or own action, then the
// component context menu.
QList<QAction*> ReachableItems(TMainForm& form) {
    QList<QAction*> items;
    for (QToolButton* button : form.findChildren<QToolButton*>()) {
        if (button->menu()) {
            for (QAction* a : button->menu()->actions())
                if (!a->isSeparator())
                    items << a;
        } else if (button->defaultAction()) {
            items << button->defaultAction();
        }
    }
    for (QAction* a : test::Controls(form).ComponentMenu->actions())
        items << a;
    return items;
}

// What a user can see of the window and its document.
struct Seen {
    int dialogs = 0;
    std::string document;
    QString status, active;
    QString note, clipboard;
    int selected = 0;
    bool editing = false, closing = false, modified = false;
    int windows = 0;
    int zoom = 0;
    QPoint scroll;
    bool showNets = false;
    bool netlistPanel = false;
    bool operator==(const Seen&) const = default;
};

Seen Look(TMainForm& form, const CountingDialogs& dialogs) {
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->isVisible() && w != &form;
    // A closed window has closed its document too.
    const std::string document = form.Closing() ? std::string() : form.Document().ToText();
    return {dialogs.calls,          document,       test::Controls(form).StatusPane->text(),
            test::Controls(form).CompPane->text(),  form.statusBar()->currentMessage() + test::Controls(form).NotePane->text(),
            QGuiApplication::clipboard()->text(), int(test::Controls(form).List->selectedItems().size()), test::Controls(form).List->Editing(),
            form.Closing(),         form.Modified(), windows,
            form.Zoom().Percent(),
            QPoint(test::Controls(form).ScrollBox->horizontalScrollBar()->value(),
                   test::Controls(form).ScrollBox->verticalScrollBar()->value()),
            form.Scene().ShowNets(),
            form.findChild<QDockWidget*>(QStringLiteral("NetlistPanel"))->isVisible()};
}

TEST(MainFormItems, EveryReachableItemIsConnectedAndDoesSomething) {
    // The update check fails at once on a closed local port.
    qputenv("STRIPWRIGHT_UPDATE_URL", "http://127.0.0.1:1/");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("items.swb"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kLayout);
    }
    QStringList skipped;
    int walked = 0;
    for (int i = 0;; ++i) {
        CountingDialogs dialogs;
        MainFormOptions options;
        options.arguments = {path};
        options.dialogs = &dialogs;
        options.registerFileType = false;
        options.hasWingdings = [] { return true; };
        TMainForm form(options);
        form.show();
        // Off 100 %, so that Actual Size has something to do too.
        form.ZoomIn();
        const QList<QAction*> items = ReachableItems(form);
        if (i >= items.size())
            break;
        QAction* item = items[i];
        // The commands act on the explorer's selection: R1, or the wire for
        // what only wires offer.
        for (const char* name : {"R1", "W1"}) {
            test::Controls(form).List->clearSelection();
            const auto element = form.Document().Root().find_child_by_attribute("Name", name);
            test::Controls(form).List->setCurrentItem(test::Controls(form).List->EntryOf(element));
            form.Editing().ListNodeContextMenu();
            if (item->isVisible())
                break;
        }
        if (!item->isVisible()) {
            skipped << item->text();
            continue;
        }
        ++walked;
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
        // A modal window (About) is closed as soon as it shows.
        bool modal = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                modal = true;
                w->close();
            }
        });
        closer.start(10);
        // An unsaved change, so that Save has something to do.
        form.SetModified(true);
        // An empty clipboard, so that Copy has something to do.
        QGuiApplication::clipboard()->clear();
        // A kind active, so that Select Mode has something to do.
        if (form.ActionsOf(Command::SelectMode).contains(item))
            form.ToolboxItem(kind::Jumper)->trigger();
        const Seen before = Look(form, dialogs);
        item->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(modal || !(Look(form, dialogs) == before))
            << "nothing happened: " << item->text().toStdString();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &form)
                w->hide();
    }
    // Everything but the item that is never offered and the board type's
    // hidden toolbox entries (which the Toolbox menu offers) was tried.
    EXPECT_GT(walked, 70);
    EXPECT_TRUE(skipped.contains(QStringLiteral("Change Extra")));
    EXPECT_LE(skipped.size(), 4) << skipped.join(u',').toStdString();
}

}  // namespace
}  // namespace sw
