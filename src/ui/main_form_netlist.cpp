// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_netlist.h"

#include "edit/netlist_placing.h"
#include "model/text_bounds.h"
#include "netlist/netlist.h"
#include "session/netlist_commands.h"
#include "ui/main_form.h"
#include "ui/main_form_editing.h"
#include "ui/netlist_panel_widget.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>

namespace sw {

MainFormNetlist::MainFormNetlist(TMainForm& form) : QObject(&form), m_form(form) {
    m_panel = new NetlistPanelWidget(
        form.Session(), [this](const QString& ref) { PlaceNetlistPart(ref); }, &form);
    form.addDockWidget(Qt::RightDockWidgetArea, m_panel);
    m_panel->setVisible(form.Session().NetlistPanelShown());
    BuildItems();
    QPointer<MainFormNetlist> self(this);
    form.Session().Observe([self](SessionChange change) {
        if (self && (change == SessionChange::Netlist || change == SessionChange::DocumentReplaced ||
                     change == SessionChange::DocumentChanged || change == SessionChange::Selection))
            self->ShowItems();
    });
    ShowItems();
}

void MainFormNetlist::BuildItems() {
    TMainForm& f = m_form;
    // After the export items, Exit staying last.
    QList<QAction*> exits = f.ActionsOf(Command::Exit);
    QAction* beforeExit = nullptr;
    if (!exits.isEmpty()) {
        const QList<QAction*> items = f.ProjectMenu->actions();
        const qsizetype at = items.indexOf(exits.first());
        beforeExit = at > 0 && items[at - 1]->isSeparator() ? items[at - 1] : exits.first();
    }
    f.ProjectMenu->insertSeparator(beforeExit);
    f.ProjectMenu->insertAction(beforeExit, f.AddCommand(Command::ImportNetlist,
                                                         QStringLiteral("Import &Netlist..."), f.ProjectMenu));
    f.ProjectMenu->insertAction(beforeExit,
                                f.AddCommand(Command::ForgetNetlist, QStringLiteral("Forget Netlist"), f.ProjectMenu));

    f.EditMenu->addSeparator();
    QAction* panel = f.AddCommand(Command::NetlistPanel, QStringLiteral("Netlist Panel"), f.EditMenu);
    panel->setCheckable(true);
    f.EditMenu->addAction(panel);

    QAction* offBoard = f.AddCommand(Command::OffBoard, QStringLiteral("Off Board"), f.ComponentMenu);
    offBoard->setCheckable(true);
    offBoard->setToolTip(QStringLiteral("Mounted off the board: the netlist check does not expect it"));
    f.ComponentMenu->addAction(offBoard);
    connect(f.ComponentMenu, &QMenu::aboutToShow, this, [this] { ShowItems(); });

    f.ConnectCommand(Command::ImportNetlist, [this] { ImportNetlist(); });
    f.ConnectCommand(Command::ForgetNetlist, [this] { ForgetNetlist(); });
    f.ConnectCommand(Command::NetlistPanel, [this] {
        m_form.Session().ShowNetlistPanel(!m_form.Session().NetlistPanelShown());
    });
    f.ConnectCommand(Command::OffBoard, [this] { ToggleOffBoard(); });
}

void MainFormNetlist::ShowItems() {
    EditorSession& session = m_form.Session();
    const bool named = session.Document().GetRootAttribute("Netlist").has_value();
    for (QAction* action : m_form.ActionsOf(Command::ForgetNetlist))
        action->setEnabled(named);
    for (QAction* action : m_form.ActionsOf(Command::NetlistPanel))
        action->setChecked(session.NetlistPanelShown());
    const pugi::xml_node current = session.Current().element;
    const QString name = current ? TextAttr(current, "Name") : QString();
    for (QAction* action : m_form.ActionsOf(Command::OffBoard)) {
        action->setEnabled(current && !name.isEmpty());
        action->setChecked(current && IsOffBoard(session, name));
    }
}

void MainFormNetlist::ImportNetlist() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Import Netlist");
    request.filter = QStringLiteral("Netlists (*.net *.cir *.sp *.tango);;All Files (*)");
    const std::optional<QString> path = m_form.Dialogs().OpenFile(request);
    if (!path)
        return;
    const QString refused = sw::ImportNetlist(m_form.Session(), *path);
    if (!refused.isEmpty()) {
        m_form.Dialogs().ShowError(Excerpt(refused, kMessageLineCharacters));
        return;
    }
    m_form.Session().ShowNetlistPanel(true);
}

void MainFormNetlist::ForgetNetlist() { sw::ForgetNetlist(m_form.Session()); }

void MainFormNetlist::ToggleOffBoard() {
    EditorSession& session = m_form.Session();
    const pugi::xml_node current = session.Current().element;
    if (!current)
        return;
    const QString name = TextAttr(current, "Name");
    SetOffBoard(session, name, !IsOffBoard(session, name));
}

void MainFormNetlist::PlaceNetlistPart(const QString& ref) {
    EditorSession& session = m_form.Session();
    const Netlist* netlist = session.LinkedNetlist();
    const int index = netlist ? netlist->FindPart(ref.toStdString()) : -1;
    if (index < 0)
        return;
    const NetlistPart& part = netlist->parts[std::size_t(index)];
    const QString value = QString::fromStdString(part.value);
    if (const std::optional<kind::Index> kind = GuessKind(part)) {
        m_form.Editing().Tool().StartNetlistPart(*kind, ref, value);
        return;
    }
    // No kind fits: the toolbox's choice gets the name and value.
    session.Placement().fromNetlist = {ref, value};
    m_form.StatusPane->setText(QStringLiteral("Choose the kind of %1 in the toolbox").arg(Excerpt(ref)));
}

}  // namespace sw
