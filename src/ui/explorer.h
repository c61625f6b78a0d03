#pragma once
// The explorer: the tree `List` on the right of the main window. Level 0 holds
// the twenty-one categories in catalogue order with their counts, level 1 one
// entry per component element, holding that element. Its selection is the
// program's selection; entries are renamed in place.

#include <QSet>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class DialogService;
class LayoutDocument;

// What the explorer asks of its window.
struct ExplorerHooks {
    std::function<void()> setModified;   // a rebuild counts as a change
    std::function<void()> takeSnapshot;  // before a rename changes the document
    std::function<void()> redraw;        // FormPaint
    // Any change of the selection (click, key, menu, command): the board must
    // show it too.
    std::function<void()> selectionChanged;
    std::function<DialogService&()> dialogs;
};

class ExplorerTree : public QTreeWidget {
    Q_OBJECT
public:
    ExplorerTree(ExplorerHooks hooks, QWidget* parent = nullptr);

    // Recreates all categories and one entry per component of `doc`, sorted,
    // with nothing selected.
    void Rebuild(const LayoutDocument& doc);
    // Rewrites every category caption from its number of entries.
    void UpdateCounts();
    // Replaces the entries of "[Solder Pads]" by one per `Pad` of `doc`.
    void ReloadPads(const LayoutDocument& doc);
    // After placing (`replaced` false) or replacing a component: adds its entry
    // or renames the existing one, selects it (except in the categories that
    // start collapsed), sorts and updates the counts.
    void AddOrUpdateEntry(pugi::xml_node element, bool replaced);

    // The category entry of a catalogue index, the entry holding an element.
    QTreeWidgetItem* CategoryItem(int kindIndex) const;
    QTreeWidgetItem* EntryOf(pugi::xml_node element) const;
    static pugi::xml_node ElementOf(const QTreeWidgetItem* item);

    // The selection: the elements of the selected level-1 entries, in tree order.
    std::vector<pugi::xml_node> SelectedElements() const;
    bool IsSelected(pugi::xml_node element) const;

    // End of in-place editing with the typed text: the rename rules.
    void ListEdited(QTreeWidgetItem* item, const QString& newText);
    // The Rename menu item: edit the selected entry in place.
    void RenameSelected();
    // Closes an open in-place editor without renaming (the window is closing).
    void DropRename();
    // Sorts the whole tree with ListCompare.
    void SortTree();

    QTreeWidgetItem* ItemFromIndex(const QModelIndex& index) const { return itemFromIndex(index); }

    void SetSuppress(bool on) { m_suppress = on; }
    bool Editing() const { return m_editing; }

signals:
    // Keys pressed in the tree; the main window's key handler takes them.
    void ListKeyDown(QKeyEvent* event);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* AddEntry(QTreeWidgetItem* category, pugi::xml_node element, int picture);
    void RefreshSelectionCache();

    ExplorerHooks m_hooks;
    bool m_suppress = false;
    bool m_editing = false;
    QSet<const void*> m_selected;
};

// In-place editing of an entry ends in ExplorerTree::ListEdited instead of
// writing the text straight into the entry.
class ExplorerDelegate : public QStyledItemDelegate {
public:
    explicit ExplorerDelegate(ExplorerTree* tree);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
    // Category captions are never shortened with "...": they fit the panel
    // even beside the scroll bar, within the style's margins.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    ExplorerTree* m_tree;
};

}  // namespace sw
