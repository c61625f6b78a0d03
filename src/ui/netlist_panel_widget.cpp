// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/netlist_panel_widget.h"

#include "edit/netlist_entry_light.h"
#include "session/editor_session.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sw {
namespace {

constexpr int kGroupRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

}  // namespace

NetlistPanelWidget::NetlistPanelWidget(EditorSession& session, std::function<void(const QString&)> place,
                                       QWidget* parent)
    : QDockWidget(QStringLiteral("Netlist"), parent), m_session(session), m_place(std::move(place)) {
    setObjectName(QStringLiteral("NetlistPanel"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    m_headline = new QLabel(body);
    QFont bold = m_headline->font();
    bold.setBold(true);
    m_headline->setFont(bold);
    m_headline->setWordWrap(true);
    m_status = new QLabel(body);
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    m_tree = new QTreeWidget(body);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setWordWrap(false);
    layout->addWidget(m_headline);
    layout->addWidget(m_status);
    layout->addWidget(m_tree, 1);
    setWidget(body);
    setMinimumWidth(220);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (m_showing)
            return;
        if (const NetlistPanelEntry* entry = EntryOf(item))
            ChooseNetlistEntry(m_session, *entry, LightEntry(m_session.Document(), *entry));
    });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const NetlistPanelEntry* entry = EntryOf(item);
        if (entry && !entry->unplaced.isEmpty() && m_place)
            m_place(entry->unplaced);
    });
    QPointer<NetlistPanelWidget> self(this);
    m_session.Observe([self](SessionChange change) {
        if (self && (change == SessionChange::Netlist || change == SessionChange::DocumentReplaced))
            self->ShowPanel();
    });
    ShowPanel();
}

void NetlistPanelWidget::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    m_session.ShowNetlistPanel(false);
}

const NetlistPanelEntry* NetlistPanelWidget::EntryOf(const QTreeWidgetItem* item) const {
    if (!item || !item->data(0, kEntryRole).isValid())
        return nullptr;
    const int group = item->data(0, kGroupRole).toInt();
    const int entry = item->data(0, kEntryRole).toInt();
    if (group < 0 || std::size_t(group) >= m_view.groups.size())
        return nullptr;
    const auto& entries = m_view.groups[std::size_t(group)].entries;
    return entry >= 0 && std::size_t(entry) < entries.size() ? &entries[std::size_t(entry)] : nullptr;
}

void NetlistPanelWidget::ShowPanel() {
    m_showing = true;
    m_view = BuildNetlistPanel(m_session.NetlistState());
    const QString path = m_session.NetlistState().Path();
    if (path.isEmpty())
        m_headline->setText(QStringLiteral("No netlist: Project > Import Netlist..."));
    else if (m_view.headline.isEmpty())
        m_headline->setText(m_session.NetlistState().FileName());
    else
        m_headline->setText(m_view.headline);
    m_headline->setToolTip(path);
    m_status->setText(m_view.status);
    m_status->setVisible(!m_view.status.isEmpty());
    m_tree->clear();
    QTreeWidgetItem* chosen = nullptr;
    for (std::size_t g = 0; g < m_view.groups.size(); ++g) {
        const NetlistPanelGroup& group = m_view.groups[g];
        auto* top = new QTreeWidgetItem(m_tree, QStringList{group.title});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        for (std::size_t e = 0; e < group.entries.size(); ++e) {
            const NetlistPanelEntry& entry = group.entries[e];
            auto* item = new QTreeWidgetItem(top, QStringList{entry.text});
            item->setToolTip(0, entry.unplaced.isEmpty()
                                    ? entry.text
                                    : entry.text + QStringLiteral("\nDouble-click to place it"));
            item->setData(0, kGroupRole, int(g));
            item->setData(0, kEntryRole, int(e));
            if (!chosen && entry.text == m_session.ChosenNetlistEntry())
                chosen = item;
        }
        top->setExpanded(true);
    }
    if (chosen)
        m_tree->setCurrentItem(chosen);
    setVisible(m_session.NetlistPanelShown());
    m_showing = false;
}

}  // namespace sw
