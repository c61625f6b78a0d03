// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The netlist in the main window: Project > Import Netlist... and Forget
// Netlist, Edit > Netlist Panel, the panel docked beside the explorer, the
// component menu's Off Board item, and placing a part the panel lists as not
// placed. The state is the session's; this wires the window's controls to it.

#include <QObject>

class QAction;

namespace sw {

class NetlistPanelWidget;
class TMainForm;

class MainFormNetlist : public QObject {
    Q_OBJECT
public:
    explicit MainFormNetlist(TMainForm& form);

    NetlistPanelWidget& Panel() { return *m_panel; }
    // The commands, as their menu items run them.
    void ImportNetlist();
    void ForgetNetlist();
    void ToggleOffBoard();
    // Starts placing the netlist's part `ref`: the kind that fits it, its name
    // and value in the value editor.
    void PlaceNetlistPart(const QString& ref);

private:
    void BuildItems();
    // The items follow the session: Forget only with a netlist, the panel's
    // item checked while it shows, Off Board for the current part.
    void ShowItems();

    TMainForm& m_form;
    NetlistPanelWidget* m_panel = nullptr;
};

}  // namespace sw
