// SPDX-License-Identifier: GPL-3.0-or-later
// Scenarios on the main window, offscreen, through the scripted dialogs: layout
// in, command, then document, title, flags and the questions asked.

#include "ui/main_form.h"
#include "ui/main_form_probe.h"

#include "model/catalogue.h"
#include "test_main_form.h"
#include "test_support.h"
#include "ui/explorer.h"
#include "ui/group_bar.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <optional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sw {
namespace {

using test::ScriptedDialogs;
using Type = ScriptedDialogs::Type;

const QString kDiscard = QStringLiteral("Current project is not saved. Continue without saving?");

const char* const kSmall =
    "<Layout Width=\"12\" Height=\"6\" Type=\"Perfboard\" Project=\"Small\" Credits=\"me\">\n"
    "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
    "</Layout>\n";

class MainFormTest : public ::testing::Test {
protected:
    void Start(QStringList arguments = {}) {
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs, std::move(arguments)));
    }
    QString Write(const QString& name, const char* text) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<QString> Messages() const {
        std::vector<QString> texts;
        for (const auto& call : dialogs.CallsOf(Type::Message))
            texts.push_back(call.text);
        return texts;
    }
    // Whether the Quick Tasks or Toolbox item of `action` is shown in its group.
    bool ItemShown(QAction* action) const {
        for (QToolButton* button : form->findChildren<QToolButton*>())
            if (button->defaultAction() == action)
                return !button->isHidden();
        ADD_FAILURE() << "no item for " << action->text().toStdString();
        return false;
    }
    QString RootText() const { return QString::fromStdString(form->Document().ToText()); }
    // Opens `path` through the Open command.
    void Open(const QString& path) {
        dialogs.AnswerOpenFile(path);
        form->OpenProject();
    }
    void Touch() { form->SetModified(true); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

// ---- start-up ---------------------------------------------------------------

TEST_F(MainFormTest, StartsWithTheDefaultLayoutUnmodified) {
    Start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
    EXPECT_EQ(form->FileName(), QString());
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(form->PaintingEnabled());
    EXPECT_EQ(form->Document().GetRootAttribute("Project"), QStringLiteral("New Project"));
    EXPECT_EQ(form->Document().BoardWidth(), 20);
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_FALSE(form->ExportGerberItem()->isVisible());  // a stripboard has no Gerber output
}

TEST_F(MainFormTest, StartsWithTheLayoutNamedOnTheCommandLine) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright - ") + path);
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->ProposedFileName(), path);
    EXPECT_FALSE(form->Modified());
    // Painting waits for the start timer when a file was given.
    EXPECT_FALSE(form->PaintingEnabled());
    form->MaximiseAfterStart();
    EXPECT_TRUE(form->PaintingEnabled());
    EXPECT_EQ(test::Controls(*form).List->CategoryItem(FindKind("Resistor")->index)->text(0),
              QStringLiteral("[Resistors] (1)"));
}

TEST_F(MainFormTest, AStartFileThatCannotBeOpenedIsSaidSoThenTheDefaultLayout) {
    dialogs.AutoAcknowledge();
    const QString pipe = dir.filePath(QStringLiteral("pipe.swb"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QString path;
        const char* says;
    } cases[] = {
        {dir.filePath(QStringLiteral("absent.swb")), "No such file"},
        {Write(QStringLiteral("broken.swb"), "<Layout Width="), "is not a valid layout file"},
        {pipe, "it is a pipe"},  // no writer: must not wait for one
        {dir.path(), "it is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const size_t before = Messages().size();
        Start({c.path});
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
        EXPECT_EQ(form->FileName(), QString());
        ASSERT_EQ(Messages().size(), before + 1);
        const auto box = dialogs.CallsOf(Type::Message).back();
        EXPECT_EQ(box.kind, MessageKind::Error);
        EXPECT_TRUE(box.text.contains(c.path)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QLatin1String(c.says))) << box.text.toStdString();
        EXPECT_EQ(form->Document().GetRootAttribute("Project"), QStringLiteral("New Project"));
    }
}

TEST_F(MainFormTest, PaintRequestsBeforePaintingIsEnabledDoNothing) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    const QImage before = form->BoardImage();
    form->FormPaint();
    EXPECT_EQ(form->BoardImage(), before);
    form->MaximiseAfterStart();
    EXPECT_NE(form->BoardImage(), before);
}

// ---- New Project --------------------------------------------------------------

TEST_F(MainFormTest, NewWithoutChangesOpensTheDialogAtOnceWithItsDefaults) {
    Start();
    dialogs.AcceptLayoutProperties();
    form->NewProject();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    const LayoutProperties shown = dialogs.Calls()[0].properties;
    EXPECT_EQ(shown.type, QStringLiteral("Stripboard"));
    EXPECT_EQ(shown.width, 20);
    EXPECT_EQ(shown.height, 10);
    EXPECT_EQ(RootText(), QStringLiteral("<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" "
                                         "Project=\"\" Credits=\"\" HideList=\"False\" />\n"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
    EXPECT_FALSE(form->Modified());
}

TEST_F(MainFormTest, NewWithChangesAsksFirst) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    Touch();
    const QString before = RootText();

    dialogs.AnswerMessage(MessageAnswer::No);
    form->NewProject();
    EXPECT_EQ(Messages(), std::vector<QString>{kDiscard});
    EXPECT_EQ(RootText(), before);
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(form->FileName(), path);

    dialogs.AnswerMessage(MessageAnswer::Yes);
    dialogs.AnswerLayoutProperties(LayoutProperties{QStringLiteral("PCB"), 0, -3,
                                                    QStringLiteral("Amp"), {}, true});
    form->NewProject();
    EXPECT_EQ(RootText(), QStringLiteral("<Layout Type=\"PCB\" Width=\"0\" Height=\"-3\" "
                                         "Project=\"Amp\" Credits=\"\" HideList=\"True\" />\n"));
    EXPECT_EQ(form->FileName(), QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(form->RenderPnpTask()->isVisible());
}

TEST_F(MainFormTest, CancelledNewChangesNothing) {
    Start();
    Touch();
    dialogs.AnswerMessage(MessageAnswer::Yes);
    dialogs.AnswerLayoutProperties(std::nullopt);
    const QString before = RootText();
    form->NewProject();
    EXPECT_EQ(RootText(), before);
    EXPECT_TRUE(form->Modified());
}

// ---- Open Project ---------------------------------------------------------------

TEST_F(MainFormTest, OpenSetsTitleFileAndClearsUndo) {
    Start();
    form->Session().Edit(EditKind::Move, QStringLiteral("Move"), [] {
        EditResult unchanged;
        unchanged.modified = false;
        return unchanged;
    });
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Open(path);
    const auto request = dialogs.CallsOf(Type::OpenFile).at(0).request;
    EXPECT_EQ(request.filter, QStringLiteral("SWB Layouts (*.swb);;All Files (*)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("swb"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright - ") + path);
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->ProposedFileName(), path);
    EXPECT_FALSE(form->Modified());
    EXPECT_EQ(form->Document().GetRootAttribute("Project"), QStringLiteral("Small"));
    // Perfboard: no cut tracks, pads or traces in the toolbox.
    EXPECT_FALSE(ItemShown(form->ToolboxItem(FindKind("Cut")->index)));
    EXPECT_FALSE(ItemShown(form->ToolboxItem(FindKind("Pad")->index)));
    EXPECT_TRUE(ItemShown(form->ToolboxItem(FindKind("Resistor")->index)));

    dialogs.AnswerMessage(MessageAnswer::Ok);
    form->UndoLastChange();
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("Can not undo!")});
    EXPECT_EQ(dialogs.CallsOf(Type::Message)[0].kind, MessageKind::Information);
}

TEST_F(MainFormTest, AFailedOpenKeepsDocumentFileAndTitle) {
    const QString good = Write(QStringLiteral("good.swb"), kSmall);
    Start({good});
    Touch();
    const QString before = RootText();
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"notxml.swb", "<Layout Width=\"3\""},
        {"damaged.swb", "<Layout Width=\"20\" Height=\"10\"><Cut X1=\"a\" Y1=\"1\" Name=\"X1\"/></Layout>"},
        {"absent.swb", nullptr},
    };
    for (const auto& c : cases) {
        const QString path = c.text ? Write(QLatin1String(c.name), c.text)
                                    : dir.filePath(QLatin1String(c.name));
        dialogs.AnswerMessage(MessageAnswer::Yes);  // discard the changes
        dialogs.AnswerMessage(MessageAnswer::Ok);   // the error
        Open(path);
        const auto messages = dialogs.CallsOf(Type::Message);
        EXPECT_EQ(messages.back().kind, MessageKind::Error) << c.name;
        EXPECT_FALSE(messages.back().text.isEmpty()) << c.name;
        EXPECT_EQ(RootText(), before) << c.name;
        EXPECT_EQ(form->FileName(), good) << c.name;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright - ") + good) << c.name;
        EXPECT_TRUE(form->Modified()) << c.name;
    }
    EXPECT_TRUE(dialogs.ScriptUsedUp());
    // The next save goes to the file that was open, with the shown layout.
    form->SaveProject();
    EXPECT_EQ(QString::fromUtf8(Read(good)), before);
}

TEST_F(MainFormTest, CancelledOpenChangesNothing) {
    Start();
    dialogs.AnswerOpenFile(std::nullopt);
    form->OpenProject();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
    EXPECT_FALSE(form->Modified());
}

// ---- Save ------------------------------------------------------------------------

TEST_F(MainFormTest, SaveOfANeverSavedLayoutAsksForAFileAndCancelKeepsItModified) {
    Start();
    Touch();
    dialogs.AnswerSaveFile(std::nullopt);
    form->SaveProject();
    ASSERT_EQ(dialogs.CallsOf(Type::SaveFile).size(), 1u);
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright"));
    // So closing still asks.
    dialogs.AnswerMessage(MessageAnswer::No);
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(Messages(), std::vector<QString>{kDiscard});
}

TEST_F(MainFormTest, SaveAsWritesTheFileSetsTheTitleAndKeepsUndo) {
    Start();
    Touch();
    form->Session().Edit(EditKind::Move, QStringLiteral("Move"), [] {
        EditResult unchanged;
        unchanged.modified = false;
        return unchanged;
    });
    const QString path = dir.filePath(QStringLiteral("out.swb"));
    dialogs.AnswerSaveFile(path);
    form->SaveProjectAs();
    EXPECT_EQ(QString::fromUtf8(Read(path)), RootText());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright - ") + path);
    EXPECT_FALSE(form->Modified());
    EXPECT_TRUE(form->CanUndo());
    // Save now writes to that file without asking.
    Touch();
    form->SaveProject();
    EXPECT_EQ(dialogs.CallsOf(Type::SaveFile).size(), 1u);
    EXPECT_FALSE(form->Modified());
}

TEST_F(MainFormTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndTheModifiedFlag) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    Touch();
    // A folder where the file should be: nothing can be written there.
    const QString blocked = dir.filePath(QStringLiteral("folder.swb"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    dialogs.AnswerSaveFile(blocked);
    dialogs.AnswerMessage(MessageAnswer::Ok);
    form->SaveProjectAs();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(dialogs.CallsOf(Type::Message)[0].kind, MessageKind::Error);
    EXPECT_TRUE(form->Modified());
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(Read(path), QByteArray(kSmall));
}

// ---- Board Properties ------------------------------------------------------------

TEST_F(MainFormTest, BoardPropertiesWritesTheRootAndCountsAsAnUnsavedChangeWithoutUndo) {
    Start();
    dialogs.AnswerLayoutProperties(LayoutProperties{QStringLiteral("PCB"), 30, 12,
                                                    QStringLiteral("Amp"), QStringLiteral("by me"),
                                                    false});
    form->EditBoardProperties();
    const LayoutProperties shown = dialogs.Calls().at(0).properties;
    EXPECT_EQ(shown.type, QStringLiteral("Stripboard"));
    EXPECT_EQ(shown.project, QStringLiteral("New Project"));
    EXPECT_FALSE(shown.hideList);
    EXPECT_EQ(RootText(), QStringLiteral("<Layout Width=\"30\" Height=\"12\" Type=\"PCB\" "
                                         "Project=\"Amp\" Credits=\"by me\" HideList=\"False\" />\n"));
    // Changed properties must not be lost silently on close.
    EXPECT_TRUE(form->Modified());
    EXPECT_FALSE(form->CanUndo());
    EXPECT_TRUE(ItemShown(form->ToolboxItem(FindKind("Pad")->index)));
    EXPECT_TRUE(ItemShown(form->ToolboxItem(FindKind("Trace")->index)));
    EXPECT_FALSE(ItemShown(form->ToolboxItem(FindKind("Cut")->index)));
    EXPECT_TRUE(ItemShown(form->RenderPnpTask()));
    EXPECT_TRUE(form->ExportGerberItem()->isVisible());
    EXPECT_TRUE(form->ExportGerberItem()->isEnabled());
}

TEST_F(MainFormTest, BoardPropertiesConfirmedUnchangedLeavesTheLayoutUnmodified) {
    Start();
    dialogs.AcceptLayoutProperties();
    form->EditBoardProperties();
    EXPECT_FALSE(form->Modified());
}

TEST_F(MainFormTest, BoardPropertiesKeepsAnUnknownTypeConfirmedAsShown) {
    const QString path = Write(
        QStringLiteral("odd.swb"),
        "<Layout Width=\"20\" Height=\"10\" Type=\"Gadget\" Project=\"P\" Credits=\"C\"/>");
    Start({path});
    dialogs.AcceptLayoutProperties();
    form->EditBoardProperties();
    EXPECT_EQ(dialogs.Calls().at(0).properties.type, QStringLiteral("Gadget"));
    EXPECT_EQ(form->Document().BoardType(), QStringLiteral("Gadget"));
}

// ---- Undo ------------------------------------------------------------------------

TEST_F(MainFormTest, UndoThreeRedoTwoThroughTheEditMenuWithTheModifiedFlagRight) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    auto resistor = [this] {
        return test::Controls(*form).List->CategoryItem(FindKind("Resistor")->index)->child(0)->text(0);
    };
    // Three renames in the explorer, each an undo step.
    for (const char* name : {"R2", "R3", "R4"})
        test::Controls(*form).List->ListEdited(test::Controls(*form).List->CategoryItem(FindKind("Resistor")->index)->child(0),
                               QLatin1String(name));
    ASSERT_EQ(resistor(), "R4");
    QAction* undo = form->ActionsOf(Command::Undo).first();
    QAction* redo = form->ActionsOf(Command::Redo).first();
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    struct Step { QAction* action; const char* name; bool modified; };
    const Step steps[] = {{undo, "R3", true},  {undo, "R2", true}, {undo, "R1", false},
                          {redo, "R2", true},  {redo, "R3", true}};
    for (const Step& step : steps) {
        step.action->trigger();
        EXPECT_EQ(resistor(), step.name);
        EXPECT_EQ(form->Modified(), step.modified) << step.name;
        EXPECT_EQ(form->Document().Root().child("Resistor").attribute("Name").as_string(),
                  std::string(step.name));
    }
    EXPECT_EQ(form->FileName(), path);
    EXPECT_TRUE(Messages().empty());

    // Saved at R3: undo leaves the file's state, redo comes back to it.
    form->SaveProject();
    EXPECT_TRUE(Read(path).contains("Name=\"R3\""));
    undo->trigger();
    EXPECT_TRUE(form->Modified());
    redo->trigger();
    EXPECT_FALSE(form->Modified());
    redo->trigger();
    EXPECT_EQ(resistor(), "R4");
    dialogs.AnswerMessage(MessageAnswer::Ok);
    redo->trigger();
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("Can not redo!")});
    EXPECT_EQ(dialogs.CallsOf(Type::Message)[0].kind, MessageKind::Information);

    // A new change ends the redo steps.
    undo->trigger();
    test::Controls(*form).List->ListEdited(test::Controls(*form).List->CategoryItem(FindKind("Resistor")->index)->child(0),
                           QStringLiteral("R9"));
    EXPECT_FALSE(form->CanRedo());

    // A failed Open keeps the history; a successful one clears it.
    const QString damaged = Write(QStringLiteral("damaged.swb"), "<Layout Width=\"x\"");
    Touch();
    dialogs.AnswerMessage(MessageAnswer::Yes);  // discard the changes
    dialogs.AnswerMessage(MessageAnswer::Ok);   // the file is damaged
    Open(damaged);
    EXPECT_TRUE(form->CanUndo());
    EXPECT_EQ(resistor(), "R9");
    dialogs.AnswerMessage(MessageAnswer::Yes);
    Open(path);
    EXPECT_FALSE(form->CanUndo());
    EXPECT_FALSE(form->CanRedo());
    dialogs.AnswerMessage(MessageAnswer::Ok);
    undo->trigger();
    EXPECT_EQ(Messages().back(), QStringLiteral("Can not undo!"));
}

// ---- closing ---------------------------------------------------------------------

TEST_F(MainFormTest, ClosingAsksOnlyWithUnsavedChanges) {
    Start();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_TRUE(form->Closing());

    Start();
    Touch();
    dialogs.AnswerMessage(MessageAnswer::No);
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->Closing());
    dialogs.AnswerMessage(MessageAnswer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->Closing());
    EXPECT_EQ(Messages(), (std::vector<QString>{kDiscard, kDiscard}));
    // Nothing is drawn once the window is closing.
    const QImage before = form->BoardImage();
    form->FormPaint();
    EXPECT_EQ(form->BoardImage(), before);
}

// ---- the window's parts ---------------------------------------------------------

TEST_F(MainFormTest, ToolboxMenuListsEveryKindEvenOnAPerfboard) {
    const QString path = Write(QStringLiteral("small.swb"), kSmall);
    Start({path});
    const QList<QAction*> items = test::Controls(*form).ToolboxMenu->actions();
    ASSERT_EQ(items.size(), kKindCount);
    for (int i = 0; i < kKindCount; ++i) {
        EXPECT_EQ(items[i]->text(), QLatin1String(FindKind(i)->toolboxCaption));
        EXPECT_TRUE(items[i]->isVisible());
    }
}

TEST_F(MainFormTest, MenusInOrderWithTheirCaptions) {
    Start();
    auto captions = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    EXPECT_EQ(captions(test::Controls(*form).ProjectMenu),
              (QStringList{"&New Project", "&Open Project", "&Save Project", "Save Project &As...",
                           "-", "Export &Bill of Materials", "&Render Image", "&Print",
                           "Print PnP", "Render PnP", "Export Gerber...", "-", "Import &Netlist...",
                           "Forget Netlist", "-", "E&xit"}));
    EXPECT_EQ(captions(test::Controls(*form).EditMenu),
              (QStringList{"&Undo", "Board Properties", "Select All", "-", "Check Connectivity", "-",
                           "&Redo", "Cu&t", "&Copy", "&Paste", "-", "Zoom In", "Zoom Out",
                           "Actual Size", "Fit Board", "-", "Select Mode", "Show Nets", "-",
                           "Netlist Panel"}));
    EXPECT_EQ(captions(test::Controls(*form).HelpMenu).size(), 7);
    EXPECT_EQ(captions(test::Controls(*form).ComponentMenu),
              (QStringList{"Replace", "Change Value", "Change Extra", "Change Shape", "Rename",
                           "Delete", "Off Board"}));
    EXPECT_EQ(form->ActionsOf(Command::SaveProjectAs).first()->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(form->ActionsOf(Command::Exit).first()->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(form->ActionsOf(Command::SelectMode).first()->shortcut(), QKeySequence(QStringLiteral("S")));
}

// An in-place rename still open when the window closes or goes is dropped, not
// written into the document that closing has released.
TEST_F(MainFormTest, ClosingOrDestroyingTheWindowDuringARenameDropsIt) {
    for (bool destroy : {false, true}) {
        Start({Write("small.swb", kSmall)});
        form->show();
        const auto r1 = form->Document().Root().child("Resistor");
        test::Controls(*form).List->setCurrentItem(test::Controls(*form).List->EntryOf(r1));
        test::Controls(*form).List->RenameSelected();
        QApplication::processEvents();  // the editor takes the focus
        ASSERT_TRUE(test::Controls(*form).List->Editing());
        if (!destroy) {
            EXPECT_TRUE(form->close());
            EXPECT_TRUE(form->Closing());
            EXPECT_FALSE(test::Controls(*form).List->Editing());
        }
        form.reset();
    }
    EXPECT_TRUE(dialogs.Calls().empty());
}

// In a small window the Toolbox scrolls instead of squashing its items, and a
// folded group keeps its header at the top of its panel.
TEST_F(MainFormTest, AtSmallSizesTheToolboxScrollsAndFoldedHeadersStayOnTop) {
    Start();
    form->resize(900, 480);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QToolButton* previous = nullptr;
    for (int i = 0; i < kKindCount; ++i) {
        QToolButton* item = nullptr;
        for (QToolButton* button : test::Controls(*form).Toolbox->findChildren<QToolButton*>())
            if (button->defaultAction() == form->ToolboxItem(i))
                item = button;
        ASSERT_TRUE(item);
        if (item->isHidden())
            continue;
        EXPECT_GE(item->height(), item->sizeHint().height()) << i;
        if (previous)
            EXPECT_GT(item->mapTo(form.get(), QPoint()).y(),
                      previous->mapTo(form.get(), QPoint(0, previous->height() - 1)).y())
                << i;
        previous = item;
    }
    auto* scroll = test::Controls(*form).Toolbox->findChild<QScrollArea*>();
    ASSERT_TRUE(scroll);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    for (BarGroup* group : {test::Controls(*form).ListGroup, test::Controls(*form).Toolbox}) {
        GroupBar* bar = group == test::Controls(*form).ListGroup ? test::Controls(*form).ListBar : test::Controls(*form).MainBar;
        const int top = group->Header()->mapTo(bar, QPoint()).y();
        group->SetFolded(true);
        QApplication::processEvents();
        EXPECT_EQ(group->Header()->mapTo(bar, QPoint()).y(), top);
        group->SetFolded(false);
    }
}

// With the explorer's scroll bar shown, every category caption is drawn whole
// beside its picture, never shortened with "...".
TEST_F(MainFormTest, CategoryCaptionsFitBesideTheScrollBar) {
    Start({test::ExamplePath("pcb.swb")});
    form->resize(900, 480);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ExplorerTree* tree = test::Controls(*form).List;
    ASSERT_TRUE(tree->verticalScrollBar()->isVisible());
    auto* delegate = static_cast<ExplorerDelegate*>(tree->itemDelegate());
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QStyleOptionViewItem option;
        option.initFrom(tree->viewport());
        option.rect = tree->visualItemRect(tree->topLevelItem(i));
        delegate->initStyleOption(&option, tree->model()->index(i, 0));
        const QRect text = tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, tree);
        EXPECT_EQ(option.textElideMode, Qt::ElideNone);
        EXPECT_GE(text.width(), option.fontMetrics.horizontalAdvance(option.text))
            << option.text.toStdString();
    }
}

TEST_F(MainFormTest, SlideLabelsHideAndRestoreTheSidePanels) {
    Start();
    form->show();
    form->ToggleToolbox();
    EXPECT_FALSE(test::Controls(*form).MainBar->isVisible());
    EXPECT_EQ(test::Controls(*form).LeftSlide->text(), QStringLiteral(">>"));
    form->ToggleToolbox();
    EXPECT_TRUE(test::Controls(*form).MainBar->isVisible());
    EXPECT_EQ(test::Controls(*form).LeftSlide->text(), QStringLiteral("<<"));
    form->ToggleExplorer();
    EXPECT_FALSE(test::Controls(*form).ListBar->isVisible());
    EXPECT_EQ(test::Controls(*form).RightSlide->text(), QStringLiteral("<<"));
    form->ToggleExplorer();
    EXPECT_TRUE(test::Controls(*form).ListBar->isVisible());
    EXPECT_EQ(test::Controls(*form).RightSlide->text(), QStringLiteral(">>"));
}

TEST_F(MainFormTest, BannerAndMissingSymbolFontWarning) {
    MainFormOptions options = test::TestFormOptions(dialogs);
    options.hasWingdings = [] { return false; };
    options.bannerSeed = 7;
    form = std::make_unique<TMainForm>(options);
    form->FormShow();
    const int n = form->Banner();
    ASSERT_GE(n, 0);
    ASSERT_LT(n, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(test::Controls(*form).Ad[size_t(i)]->isVisibleTo(form.get()), i == n);
    const QColor colours[4] = {{57, 181, 74}, {247, 148, 29}, {236, 0, 140}, {68, 140, 203}};
    EXPECT_EQ(test::Controls(*form).AdPanel->palette().color(QPalette::Window), colours[n]);

    dialogs.AnswerMessage(MessageAnswer::Ok);
    form->FormActivate();
    form->FormActivate();  // warned once, not at every activation
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], QStringLiteral("Font \"Wingdings\" is not installed. Please install "
                                            "it in order to display all elements correctly."));
}

TEST_F(MainFormTest, RevealPaneTogglesAndThePanesCentreTheirTexts) {
    Start();
    for (QLabel* pane : {test::Controls(*form).StatusPane, test::Controls(*form).RevealPane, test::Controls(*form).PosPane})
        EXPECT_EQ(pane->alignment(), Qt::AlignCenter);
    EXPECT_EQ(test::Controls(*form).RevealPane->text(), QStringLiteral("Reveal: OFF"));
    form->SetReveal(true);
    EXPECT_EQ(test::Controls(*form).RevealPane->text(), QStringLiteral("Reveal: ON"));
}

}  // namespace
}  // namespace sw
