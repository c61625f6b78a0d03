// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window and how they are laid out.

#include "ui/main_form.h"
#include "ui/main_form_tools.h"

#include "edit/edit_commands.h"
#include "ui/main_form_editing.h"

#include "ui/board_rulers.h"
#include "ui/board_view.h"
#include "ui/explorer.h"
#include "ui/group_bar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {
namespace {

constexpr int kSidePanelWidth = 140;

QLabel* SlideLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setCursor(Qt::PointingHandCursor);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

QLabel* Pane(QWidget* parent, int width) {
    auto* pane = new QLabel(parent);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Sunken);
    if (width > 0)
        pane->setMinimumWidth(width);
    return pane;
}

}  // namespace

void TMainForm::ComposeWindow() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* panels = new QHBoxLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(0);

    MainBar = new GroupBar(central);
    MainBar->setFixedWidth(kSidePanelWidth);
    Project = MainBar->AddGroup(QStringLiteral("Quick Tasks"));
    // The Toolbox fills the rest of the panel and scrolls when it is short.
    Toolbox = MainBar->AddScrollingGroup(QStringLiteral("Toolbox"));
    LeftLine = new DottedLine(central);

    QWidget* centre = ComposeCentre();

    RightLine = new DottedLine(central);
    ListBar = new GroupBar(central);
    ListBar->setFixedWidth(kSidePanelWidth);
    ComposeExplorer();

    panels->addWidget(MainBar);
    panels->addWidget(LeftLine);
    panels->addWidget(centre, 1);
    panels->addWidget(RightLine);
    panels->addWidget(ListBar);
    outer->addLayout(panels, 1);

    ComposeBanner();
    outer->addWidget(AdPanel);
    setCentralWidget(central);
    ComposeStatusBar();

    BuildMenus();
    BuildQuickTasks();
    BuildToolboxGroup();
    BuildToolboxMenu();
    BuildComponentMenu();
    ConnectOwnCommands();
    m_tools = new ToolWindows(*this);
    resize(1024, 700);
}

QWidget* TMainForm::ComposeCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ScrollBox = new QScrollArea(centre);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    // A board zoomed smaller than the view sits in its middle.
    ScrollBox->setAlignment(Qt::AlignCenter);
    Board = new BoardView(*m_scene, ScrollBox);
    ScrollBox->setWidget(Board);
    connect(Board, &BoardView::BoardZoomWheel, this, [this](int steps, QPointF position) {
        ZoomWheel(steps, Board->mapTo(ScrollBox->viewport(), position));
    });
    // The column numbers and row letters stay in view while a large board scrolls.
    m_rulers = new BoardRulers(*ScrollBox, *Board, [this] {
        return RulerSource{Document().BoardWidth(), Document().BoardHeight(), Document().BoardType(),
                           Zoom().Factor()};
    });
    layout->addWidget(ScrollBox, 1);

    // The toolbar under the board, with the slide labels at its two ends.
    auto* row = new QWidget(centre);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    LeftSlide = SlideLabel(QStringLiteral("<<"), row);
    RightSlide = SlideLabel(QStringLiteral(">>"), row);
    LeftSlide->installEventFilter(this);
    RightSlide->installEventFilter(this);

    auto* toolbar = new QToolBar(row);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto addDropDown = [&](const QString& caption, QMenu*& menu) {
        auto* button = new QToolButton(toolbar);
        button->setText(caption);
        menu = new QMenu(caption, button);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        toolbar->addWidget(button);
        return button;
    };
    ProjectButton = addDropDown(QStringLiteral("Project"), ProjectMenu);
    EditButton = addDropDown(QStringLiteral("Edit"), EditMenu);
    ToolboxButton = addDropDown(QStringLiteral("Toolbox"), ToolboxMenu);
    HelpButton = addDropDown(QStringLiteral("Help"), HelpMenu);
    DonateButton = new QToolButton(toolbar);
    toolbar->addWidget(DonateButton);

    rowLayout->addWidget(LeftSlide);
    rowLayout->addWidget(toolbar, 1);
    rowLayout->addWidget(RightSlide);
    layout->addWidget(row);
    return centre;
}

void TMainForm::ComposeExplorer() {
    ListGroup = ListBar->AddStretchingGroup(QStringLiteral("Explorer"));
    auto* body = new QWidget(ListBar);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    ExplorerHooks hooks;
    hooks.rename = [this](pugi::xml_node element, const QString& typed) {
        if (m_editing)
            RenameComponent(*m_editing, element, typed);
    };
    List = new ExplorerTree(m_session, std::move(hooks), body);
    layout->addWidget(List, 1);

    auto* buttons = new QWidget(body);
    BuildExplorerButtons(buttons);
    layout->addWidget(buttons);
    ListGroup->SetContent(body);
}

void TMainForm::ComposeStatusBar() {
    QStatusBar* bar = statusBar();
    CompPane = Pane(bar, 140);
    StatusPane = Pane(bar, 0);
    NotePane = Pane(bar, 0);
    RevealPane = Pane(bar, 70);
    PosPane = Pane(bar, 70);
    ZoomPane = Pane(bar, 50);
    // The prompts, the reveal state, the hole and the zoom read centred in their panes.
    for (QLabel* pane : {StatusPane, RevealPane, PosPane, ZoomPane})
        pane->setAlignment(Qt::AlignCenter);
    RevealPane->setText(QStringLiteral("Reveal: OFF"));
    RevealPane->setCursor(Qt::PointingHandCursor);
    RevealPane->installEventFilter(this);
    bar->addWidget(CompPane);
    bar->addWidget(StatusPane, 1);
    bar->addWidget(NotePane, 1);
    NotePane->hide();
    bar->addPermanentWidget(RevealPane);
    bar->addPermanentWidget(PosPane);
    bar->addPermanentWidget(ZoomPane);
    ZoomPane->setText(QStringLiteral("100%"));
}

}  // namespace sw
