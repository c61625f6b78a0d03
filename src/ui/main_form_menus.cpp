// SPDX-License-Identifier: GPL-3.0-or-later
// Menus, the Quick Tasks and Toolbox groups, the explorer's buttons and the
// component context menu. Every item exists from the start; the ones whose
// command another part of the program provides stay disabled until that part
// connects its handler.

#include "ui/main_form.h"

#include "model/catalogue.h"
#include "ui/explorer.h"
#include "ui/group_bar.h"
#include "ui/kind_pictures.h"
#include "ui/main_form_output.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>

namespace sw {

QAction* TMainForm::AddCommand(Command command, const QString& caption, QObject* owner) {
    auto* action = new QAction(caption, owner);
    action->setEnabled(false);
    m_actions[command].append(action);
    return action;
}

void TMainForm::ConnectCommand(Command command, std::function<void()> handler) {
    for (QAction* action : m_actions.value(command)) {
        connect(action, &QAction::triggered, this, [handler] { handler(); });
        action->setEnabled(true);
    }
}

void TMainForm::ConnectToolbox(std::function<void(int)> handler) {
    for (int i = 0; i < kKindCount; ++i) {
        for (QAction* action : {m_toolboxItems[size_t(i)], m_toolboxMenuItems[size_t(i)]}) {
            connect(action, &QAction::triggered, this, [handler, i] { handler(i); });
            action->setEnabled(true);
        }
    }
}

void TMainForm::BuildMenus() {
    auto add = [this](QMenu* menu, Command command, const QString& caption,
                      const QKeySequence& shortcut = {}) {
        QAction* action = AddCommand(command, caption, menu);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            // The menus hang off tool buttons; the window holds the shortcuts.
            addAction(action);
        }
        menu->addAction(action);
        return action;
    };
    add(ProjectMenu, Command::NewProject, QStringLiteral("&New Project"), QKeySequence::New);
    add(ProjectMenu, Command::OpenProject, QStringLiteral("&Open Project"), QKeySequence::Open);
    add(ProjectMenu, Command::SaveProject, QStringLiteral("&Save Project"), QKeySequence::Save);
    add(ProjectMenu, Command::SaveProjectAs, QStringLiteral("Save Project &As..."),
        QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    ProjectMenu->addSeparator();
    add(ProjectMenu, Command::ExportBom, QStringLiteral("Export &Bill of Materials"));
    add(ProjectMenu, Command::RenderImage, QStringLiteral("&Render Image"));
    add(ProjectMenu, Command::Print, QStringLiteral("&Print"), QKeySequence::Print);
    add(ProjectMenu, Command::PrintPnp, QStringLiteral("Print PnP"));
    add(ProjectMenu, Command::RenderPnp, QStringLiteral("Render PnP"));
    m_exportGerberItem = add(ProjectMenu, Command::ExportGerber, QStringLiteral("Export Gerber..."));
    ProjectMenu->addSeparator();
    add(ProjectMenu, Command::Exit, QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));

    add(EditMenu, Command::Undo, QStringLiteral("&Undo"), QKeySequence::Undo);
    add(EditMenu, Command::BoardProperties, QStringLiteral("Board Properties"));
    add(EditMenu, Command::SelectAll, QStringLiteral("Select All"));
    EditMenu->addSeparator();
    add(EditMenu, Command::CheckConnectivity, QStringLiteral("Check Connectivity"));
    // The items this editor adds come after the ones the menu has always had, so
    // each of those keeps its place: first the history and the clipboard, then zoom.
    EditMenu->addSeparator();
    add(EditMenu, Command::Redo, QStringLiteral("&Redo"), QKeySequence(QStringLiteral("Ctrl+Y")))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    add(EditMenu, Command::Cut, QStringLiteral("Cu&t"), QKeySequence::Cut);
    add(EditMenu, Command::Copy, QStringLiteral("&Copy"), QKeySequence::Copy);
    add(EditMenu, Command::Paste, QStringLiteral("&Paste"), QKeySequence::Paste);
    EditMenu->addSeparator();
    QAction* zoomIn = add(EditMenu, Command::ZoomIn, QStringLiteral("Zoom In"), QKeySequence::ZoomIn);
    // Ctrl+= is the plus key without Shift on most keyboards.
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))});
    add(EditMenu, Command::ZoomOut, QStringLiteral("Zoom Out"), QKeySequence::ZoomOut);
    add(EditMenu, Command::ActualSize, QStringLiteral("Actual Size"), QKeySequence(QStringLiteral("Ctrl+0")));
    add(EditMenu, Command::FitBoard, QStringLiteral("Fit Board"));
    EditMenu->addSeparator();
    // No kind active: the left button selects and moves parts (Esc gets there too).
    add(EditMenu, Command::SelectMode, QStringLiteral("Select Mode"), QKeySequence(QStringLiteral("S")));
    // Every piece of copper in a colour of its own, on screen only.
    add(EditMenu, Command::ShowNets, QStringLiteral("Show Nets"), QKeySequence(QStringLiteral("Ctrl+Shift+N")))
        ->setCheckable(true);

    add(HelpMenu, Command::Tutorials, QStringLiteral("Tutorials"));
    add(HelpMenu, Command::LayoutsOnline, QStringLiteral("Layouts Online"));
    add(HelpMenu, Command::SubmitLayout, QStringLiteral("Submit Layout"));
    add(HelpMenu, Command::CheckForUpdate, QStringLiteral("Check for Update"));
    add(HelpMenu, Command::Forum, QStringLiteral("Hobbyist Forum"));
    add(HelpMenu, Command::ResistorCalculator, QStringLiteral("Resistor Calculator"));
    add(HelpMenu, Command::About, QStringLiteral("About"));

    DonateButton->setDefaultAction(
        AddCommand(Command::Donate, QStringLiteral("Make a Donation"), DonateButton));
}

void TMainForm::BuildQuickTasks() {
    auto add = [this](Command command, const QString& caption, TaskPicture picture) {
        QAction* action = AddCommand(command, caption, Project);
        action->setIcon(TaskIcon(picture));
        Project->AddItem(action);
        return action;
    };
    auto separator = [this] { Project->AddSeparator(); };
    add(Command::NewProject, QStringLiteral("New Project"), TaskPicture::NewProject);
    add(Command::OpenProject, QStringLiteral("Open Project"), TaskPicture::OpenProject);
    add(Command::SaveProject, QStringLiteral("Save Project"), TaskPicture::SaveProject);
    separator();
    add(Command::RenderImage, QStringLiteral("Render Image"), TaskPicture::RenderImage);
    m_renderPnpTask = add(Command::RenderPnp, QStringLiteral("Render PnP"), TaskPicture::RenderPnp);
    separator();
    add(Command::BoardProperties, QStringLiteral("Board Properties"), TaskPicture::BoardProperties);
    add(Command::Undo, QStringLiteral("Undo"), TaskPicture::Undo);
    add(Command::CheckConnectivity, QStringLiteral("Check Connectivity"),
        TaskPicture::CheckConnectivity);
    separator();
    add(Command::Tutorials, QStringLiteral("Tutorials"), TaskPicture::Tutorials);
    add(Command::LayoutsOnline, QStringLiteral("Layouts Online"), TaskPicture::LayoutsOnline);
}

void TMainForm::BuildToolboxGroup() {
    for (const CatalogueEntry& kind : Catalogue()) {
        auto* action = new QAction(KindIcon(kind.toolboxPicture),
                                   QLatin1String(kind.toolboxCaption), Toolbox);
        action->setEnabled(false);
        m_toolboxItems[size_t(kind.index)] = action;
        Toolbox->AddItem(action);
    }
}

void TMainForm::BuildToolboxMenu() {
    // Built once from the toolbox items: same caption and picture, all kinds
    // whatever the board type.
    for (int i = 0; i < kKindCount; ++i) {
        QAction* item = m_toolboxItems[size_t(i)];
        auto* action = new QAction(item->icon(), item->text(), ToolboxMenu);
        action->setEnabled(false);
        m_toolboxMenuItems[size_t(i)] = action;
        ToolboxMenu->addAction(action);
    }
}

void TMainForm::BuildComponentMenu() {
    ComponentMenu = new QMenu(this);
    ComponentMenu->addAction(AddCommand(Command::Replace, QStringLiteral("Replace"), ComponentMenu));
    ComponentMenu->addAction(
        AddCommand(Command::ChangeValue, QStringLiteral("Change Value"), ComponentMenu));
    QAction* extra = AddCommand(Command::ChangeExtra, QStringLiteral("Change Extra"), ComponentMenu);
    extra->setVisible(false);  // never offered
    ComponentMenu->addAction(extra);
    ComponentMenu->addAction(
        AddCommand(Command::ChangeShape, QStringLiteral("Change Shape"), ComponentMenu));
    ComponentMenu->addAction(AddCommand(Command::Rename, QStringLiteral("Rename"), ComponentMenu));
    ComponentMenu->addAction(AddCommand(Command::Delete, QStringLiteral("Delete"), ComponentMenu));
}

void TMainForm::BuildExplorerButtons(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    QFont glyphs(QStringLiteral("Wingdings"), 14);
    struct Button {
        Command command;
        QChar glyph;
        const char* tip;
        int row, column;
    };
    // Wingdings: a clock face for Rotate, thick arrows up, left, down and right,
    // and a ticked box for Select All.
    const Button buttons[] = {
        {Command::RotateLeft, QChar(0xBA), "Rotate", 0, 0},
        {Command::MoveUp, QChar(0xE9), "Move Up", 0, 1},
        {Command::SelectAll, QChar(0xFE), "Select All", 0, 2},
        {Command::MoveLeft, QChar(0xE7), "Move Left", 1, 0},
        {Command::MoveDown, QChar(0xEA), "Move Down", 1, 1},
        {Command::MoveRight, QChar(0xE8), "Move Right", 1, 2},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(parent);
        QAction* action = AddCommand(b.command, QString(b.glyph), button);
        action->setToolTip(QLatin1String(b.tip));
        button->setDefaultAction(action);
        button->setFont(glyphs);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, b.row, b.column);
    }
}

void TMainForm::ConnectOwnCommands() {
    ConnectCommand(Command::NewProject, [this] { NewProject(); });
    ConnectCommand(Command::OpenProject, [this] { OpenProject(); });
    ConnectCommand(Command::SaveProject, [this] { SaveProject(); });
    ConnectCommand(Command::SaveProjectAs, [this] { SaveProjectAs(); });
    ConnectCommand(Command::BoardProperties, [this] { EditBoardProperties(); });
    ConnectCommand(Command::Undo, [this] { UndoLastChange(); });
    ConnectCommand(Command::Redo, [this] { RedoLastUndone(); });
    ConnectCommand(Command::Exit, [this] { close(); });
    ConnectCommand(Command::ZoomIn, [this] { ZoomIn(); });
    ConnectCommand(Command::ZoomOut, [this] { ZoomOut(); });
    ConnectCommand(Command::ActualSize, [this] { ZoomToActualSize(); });
    ConnectCommand(Command::FitBoard, [this] { FitBoard(); });
    ConnectCommand(Command::ShowNets, [this] {
        const QAction* item = ActionsOf(Command::ShowNets).value(0);
        m_scene->SetShowNets(item && item->isChecked());
    });
    ConnectCommand(Command::Rename, [this] { List->RenameSelected(); });
    ConnectOutputCommands(*this);
}

}  // namespace sw
