// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests' adapter to the main window's controls, which the window keeps to
// itself: Controls(form).List, .Board, .StatusPane and the rest, named as the
// window's handlers know them.

#include "ui/main_form.h"

#include <array>

class QLabel;
class QMenu;
class QScrollArea;
class QTimer;

namespace sw {

class BarGroup;
class BoardView;
class ExplorerTree;
class GroupBar;

namespace test {

struct FormControls {
    GroupBar* MainBar;
    BarGroup* Toolbox;
    GroupBar* ListBar;
    BarGroup* ListGroup;
    ExplorerTree* List;
    QScrollArea* ScrollBox;
    BoardView* Board;
    QMenu* ProjectMenu;
    QMenu* EditMenu;
    QMenu* ToolboxMenu;
    QMenu* HelpMenu;
    QMenu* ComponentMenu;
    QLabel* LeftSlide;
    QLabel* RightSlide;
    QWidget* AdPanel;
    std::array<QLabel*, 4> Ad;
    QLabel* CompPane;
    QLabel* StatusPane;
    QLabel* NotePane;
    QLabel* RevealPane;
    QLabel* PosPane;
    QLabel* ZoomPane;
    QTimer* HintTimer;
};

class MainFormProbe {
public:
    static FormControls Of(const TMainForm& f) {
        return {f.MainBar,     f.Toolbox,     f.ListBar,   f.ListGroup, f.List,       f.ScrollBox,
                f.Board,       f.ProjectMenu, f.EditMenu,  f.ToolboxMenu, f.HelpMenu, f.ComponentMenu,
                f.LeftSlide,   f.RightSlide,  f.AdPanel,   f.Ad,        f.CompPane,   f.StatusPane,
                f.NotePane,    f.RevealPane,  f.PosPane,     f.ZoomPane,  f.HintTimer};
    }
};

inline FormControls Controls(const TMainForm& form) { return MainFormProbe::Of(form); }

}  // namespace test
}  // namespace sw
