// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The explorer: the tree `List` on the right of the main window, a view of the
// editor session. Level 0 holds the twenty-one categories in catalogue order
// with their counts, level 1 one entry per component element, holding that
// element. It shows the session's components and selection and hands the
// user's selecting to the session; entries are renamed in place, the rename
// itself done by the window's editing.

#include "session/selection_state.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class EditorSession;
class LayoutDocument;

// What the explorer asks of its window.
struct ExplorerHooks {
    // In-place editing ended with this text for the entry's element.
    std::function<void(pugi::xml_node, const QString&)> rename;
};

class ExplorerTree : public QTreeWidget {
    Q_OBJECT
public:
    // Shows `session`, which must outlive the tree's signals (the window blocks
    // them before its session goes).
    ExplorerTree(EditorSession& session, ExplorerHooks hooks, QWidget* parent = nullptr);
    ~ExplorerTree() override;

    // Recreates all categories and one entry per component of the session's
    // document, sorted, showing the session's selection (nothing, after a
    // new document). Changes nothing in the session.
    void Rebuild();
    // Brings the entries in step with the document: entries of components that
    // left it go, new components get entries (then all is sorted), renamed ones
    // show their new names (then all is sorted, unless the name was typed in
    // place); counts are rewritten. After a paste only the
    // appended components are looked at, and their entries merged in.
    void ShowComponents();
    // Selects what the session has selected and puts the cursor on its current
    // node (opening the category of a component made current).
    void ShowSelection();
    // Rewrites every category caption from its number of entries.
    void UpdateCounts();

    // The category entry of a catalogue index, the entry holding an element.
    QTreeWidgetItem* CategoryItem(int kindIndex) const;
    QTreeWidgetItem* EntryOf(pugi::xml_node element) const;
    static pugi::xml_node ElementOf(const QTreeWidgetItem* item);

    // End of in-place editing with the typed text: handed to the rename hook.
    void ListEdited(QTreeWidgetItem* item, const QString& newText);
    // The Rename menu item: edit the selected entry in place.
    void RenameSelected();
    // Closes an open in-place editor without renaming (the window is closing).
    void DropRename();
    // Sorts the whole tree with ListCompare.
    void SortTree();

    QTreeWidgetItem* ItemFromIndex(const QModelIndex& index) const { return itemFromIndex(index); }

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
    // Entries for the components from `first` to the end of the document, each
    // put in its place in its sorted category.
    void ListAppended(pugi::xml_node first);
    // The tree's selection and cursor as the session keeps them.
    SelectionState SelectionOfTree() const;
    // A selecting gesture of the user: the session takes the tree's selection.
    void SendSelection();

    EditorSession& m_session;
    ExplorerHooks m_hooks;
    bool m_editing = false;
    bool m_showing = false;  // the tree is being set from the session
    bool m_sorted = true;    // no entry was relabelled since the last sort
    bool m_renamingInPlace = false;  // an entry's text typed in place is being given
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
