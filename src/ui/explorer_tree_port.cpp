#include "ui/explorer_tree_port.h"

#include "model/catalogue.h"
#include "model/layout_document.h"
#include "ui/explorer.h"

namespace sw {

std::vector<ExplorerCategory> ExplorerTreePort::Categories() const {
    std::vector<ExplorerCategory> out;
    for (int kind = 0; kind < kKindCount; ++kind) {
        QTreeWidgetItem* category = m_tree.CategoryItem(kind);
        if (!category)
            continue;
        ExplorerCategory c{kind, category->isSelected(), {}};
        for (int i = 0; i < category->childCount(); ++i) {
            QTreeWidgetItem* item = category->child(i);
            c.entries.push_back({ExplorerTree::ElementOf(item), item->text(0), item->isSelected()});
        }
        out.push_back(std::move(c));
    }
    return out;
}

int ExplorerTreePort::KindOf(const QTreeWidgetItem* item) const {
    if (!item)
        return -1;
    const QTreeWidgetItem* category = item->parent() ? item->parent() : item;
    for (int kind = 0; kind < kKindCount; ++kind)
        if (m_tree.CategoryItem(kind) == category)
            return kind;
    return -1;
}

ExplorerCurrent ExplorerTreePort::Current() const {
    QTreeWidgetItem* item = m_tree.currentItem();
    // The single-element commands act on the current node only while it is selected.
    if (!item || !item->isSelected())
        return {};
    return {true, item->parent() != nullptr, KindOf(item), ExplorerTree::ElementOf(item)};
}

int ExplorerTreePort::SelectedCount() const { return int(m_tree.selectedItems().size()); }

void ExplorerTreePort::RemoveEntry(pugi::xml_node element) {
    if (QTreeWidgetItem* item = m_tree.EntryOf(element))
        delete item;
}

void ExplorerTreePort::UpdateCounts() { m_tree.UpdateCounts(); }

void ExplorerTreePort::ReloadPads(const LayoutDocument& doc) { m_tree.ReloadPads(doc); }

void ExplorerTreePort::AddOrUpdateEntry(pugi::xml_node element, bool replaced) {
    m_tree.AddOrUpdateEntry(element, replaced);
}

void ExplorerTreePort::SelectEntry(pugi::xml_node element) {
    QTreeWidgetItem* item = m_tree.EntryOf(element);
    if (!item)
        return;
    if (item->parent())
        item->parent()->setExpanded(true);
    m_tree.clearSelection();
    m_tree.setCurrentItem(item);
    item->setSelected(true);
    m_tree.scrollToItem(item);
}

void ExplorerTreePort::SetSuppress(bool on) { m_tree.SetSuppress(on); }

bool ExplorerTreePort::AllCategoriesSelected() const {
    for (int kind = 0; kind < kKindCount; ++kind) {
        QTreeWidgetItem* category = m_tree.CategoryItem(kind);
        if (!category || !category->isSelected())
            return false;
    }
    return true;
}

void ExplorerTreePort::ClearSelection() { m_tree.clearSelection(); }

void ExplorerTreePort::SelectAllCategories() {
    for (int kind = 0; kind < kKindCount; ++kind)
        if (QTreeWidgetItem* category = m_tree.CategoryItem(kind))
            category->setSelected(true);
}

}  // namespace sw
