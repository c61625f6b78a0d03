// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The netlist panel: a dock beside the explorer showing the session's netlist
// panel (the first line, how the file stands, the differences by kind, the
// parts not placed and those not expected). Choosing an entry selects its
// parts and lights its pins; a double click on a part not placed asks the
// window to place it. It holds no state of its own: every change of the
// session's netlist shows the panel anew.

#include "session/netlist_panel.h"

#include <QDockWidget>
#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace sw {

class EditorSession;

class NetlistPanelWidget : public QDockWidget {
    Q_OBJECT
public:
    // `place` is asked to start placing the netlist part named.
    NetlistPanelWidget(EditorSession& session, std::function<void(const QString&)> place,
                       QWidget* parent = nullptr);

    // Shows the session's panel now (the session's Netlist change does it).
    void ShowPanel();
    QTreeWidget* Tree() const { return m_tree; }
    QLabel* Headline() const { return m_headline; }
    QLabel* Status() const { return m_status; }

protected:
    // The dock's own close button hides it as the Edit menu's item does.
    void closeEvent(QCloseEvent* event) override;

private:
    const NetlistPanelEntry* EntryOf(const QTreeWidgetItem* item) const;

    EditorSession& m_session;
    std::function<void(const QString&)> m_place;
    NetlistPanelView m_view;
    QLabel* m_headline = nullptr;
    QLabel* m_status = nullptr;
    QTreeWidget* m_tree = nullptr;
    bool m_showing = false;
};

}  // namespace sw
