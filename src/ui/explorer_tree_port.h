#pragma once
// The main window's explorer tree seen through the editing code's ExplorerPort.

#include "edit/explorer_port.h"

class QTreeWidgetItem;

namespace sw {

class ExplorerTree;

class ExplorerTreePort : public ExplorerPort {
public:
    explicit ExplorerTreePort(ExplorerTree& tree) : m_tree(tree) {}

    std::vector<ExplorerCategory> Categories() const override;
    ExplorerCurrent Current() const override;
    int SelectedCount() const override;
    void RemoveEntry(pugi::xml_node element) override;
    void UpdateCounts() override;
    void ReloadPads(const LayoutDocument& doc) override;
    void AddOrUpdateEntry(pugi::xml_node element, bool replaced) override;
    void SelectEntry(pugi::xml_node element) override;
    void SetSuppress(bool on) override;
    bool AllCategoriesSelected() const override;
    void ClearSelection() override;
    void SelectAllCategories() override;

    // The catalogue index of a tree item (a category or an entry), -1 for none.
    int KindOf(const QTreeWidgetItem* item) const;

private:
    ExplorerTree& m_tree;
};

}  // namespace sw
