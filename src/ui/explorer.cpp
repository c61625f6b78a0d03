// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/explorer.h"

#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "session/editor_session.h"
#include "ui/explorer_order.h"
#include "ui/kind_pictures.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <unordered_map>

namespace sw {
namespace {

constexpr int kElementRole = Qt::UserRole;
constexpr int kPictureRole = Qt::UserRole + 1;
constexpr int kKindRole = Qt::UserRole + 2;

// A category or an entry, sorted by the explorer's rule. Its picture and its
// element are members, and its icon is its kind's one, shared: an item stores
// nothing but its text in Qt's list of values (a hundred thousand entries kept
// four values each, with the icon's own copy of its pixmap, 400 bytes apiece).
class ExplorerItem : public QTreeWidgetItem {
public:
    explicit ExplorerItem(int picture) : m_picture(picture) {}
    ExplorerItem(QTreeWidgetItem* category, int picture, pugi::xml_node element)
        : QTreeWidgetItem(category), m_picture(picture), m_element(quintptr(element.internal_object())) {}

    QVariant data(int column, int role) const override {
        if (column == 0) {
            if (role == Qt::DecorationRole)
                return KindIcon(m_picture);
            if (role == kPictureRole)
                return m_picture;
            if (role == kElementRole && m_element)
                return QVariant::fromValue(m_element);
        }
        return QTreeWidgetItem::data(column, role);
    }
    bool operator<(const QTreeWidgetItem& other) const override {
        return ListCompare(m_picture, text(0), other.data(0, kPictureRole).toInt(), other.text(0)) < 0;
    }

private:
    int m_picture;
    quintptr m_element = 0;
};

QString CategoryCaption(const CatalogueEntry& kind, int count) {
    const QString plural = QLatin1String(kind.category);
    if (count == 0)
        return plural;
    return plural + QStringLiteral(" (") + QString::number(count) + u')';
}

}  // namespace

ExplorerTree::ExplorerTree(EditorSession& session, ExplorerHooks hooks, QWidget* parent)
    : QTreeWidget(parent), m_session(session), m_hooks(std::move(hooks)) {
    setColumnCount(1);
    header()->hide();
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setRootIsDecorated(false);
    // Every pixel of the narrow panel goes to the captions.
    setFrameShape(QFrame::NoFrame);
    setLayoutDirection(Qt::RightToLeft);
    setIconSize(QSize(16, 16));
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new ExplorerDelegate(this));
    setExpandsOnDoubleClick(true);
    setToolTip(QString());
    // The selection stays visible when the tree loses focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    // Entries are indented at their right end, which Qt leaves out when it
    // repaints a row whose selection or focus changed: repaint all rows.
    connect(this, &QTreeWidget::currentItemChanged, viewport(), qOverload<>(&QWidget::update));
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        viewport()->update();
        SendSelection();
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { SendSelection(); });
    QPointer<ExplorerTree> self(this);
    m_session.Observe([self](SessionChange change) {
        if (!self)
            return;
        if (change == SessionChange::Components)
            self->ShowComponents();
        else if (change == SessionChange::Selection)
            self->ShowSelection();
        else if (change == SessionChange::DocumentReplaced)
            self->Rebuild();
    });
}

ExplorerTree::~ExplorerTree() {
    // The items go after this; what that does to the selection is no gesture.
    blockSignals(true);
}

QTreeWidgetItem* ExplorerTree::AddEntry(QTreeWidgetItem* category, pugi::xml_node element,
                                        int picture) {
    auto* entry = new ExplorerItem(category, picture, element);
    entry->setText(0, QString::fromUtf8(element.attribute("Name").value()));
    entry->setFlags(entry->flags() | Qt::ItemIsEditable);
    return entry;
}

void ExplorerTree::Rebuild() {
    const LayoutDocument& doc = m_session.Document();
    DropRename();  // its entry and element are about to go
    setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(this);
        clear();
        std::vector<QTreeWidgetItem*> categories;
        QList<QTreeWidgetItem*> top;
        for (const CatalogueEntry& kind : Catalogue()) {
            auto* category = new ExplorerItem(kind.picture);
            category->setText(0, QLatin1String(kind.category));
            category->setData(0, kKindRole, kind.index);
            category->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            categories.push_back(category);
            top << category;
        }
        addTopLevelItems(top);
        doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
            const CatalogueEntry* kind = FindKind(element.name());
            if (!kind)
                return;
            QTreeWidgetItem* category = categories[size_t(kind->index)];
            AddEntry(category, element, kind->picture);
            if (kind->startsExpanded)
                category->setExpanded(true);
        });
        UpdateCounts();
        SortTree();
    }
    ShowSelection();
    setUpdatesEnabled(true);
}

void ExplorerTree::ListAppended(pugi::xml_node first) {
    std::vector<QList<QTreeWidgetItem*>> added(static_cast<size_t>(topLevelItemCount()));
    for (pugi::xml_node element = first; element; element = element.next_sibling()) {
        const CatalogueEntry* kind = element.type() == pugi::node_element ? FindKind(element.name()) : nullptr;
        QTreeWidgetItem* category = kind ? CategoryItem(kind->index) : nullptr;
        if (category)
            added[size_t(indexOfTopLevelItem(category))] << AddEntry(nullptr, element, kind->picture);
    }
    const auto less = [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return *a < *b; };
    for (size_t i = 0; i < added.size(); ++i) {
        QList<QTreeWidgetItem*>& entries = added[i];
        if (entries.isEmpty())
            continue;
        // As sorting the whole category would place them: stable, the entries
        // there first among equals.
        std::stable_sort(entries.begin(), entries.end(), less);
        QTreeWidgetItem* category = topLevelItem(int(i));
        const int listed = category->childCount();
        if (listed > 0 && less(entries.front(), category->child(listed - 1))) {
            QList<QTreeWidgetItem*> all = category->takeChildren();
            all += entries;
            std::inplace_merge(all.begin(), all.begin() + listed, all.end(), less);
            entries = std::move(all);
        }
        category->addChildren(entries);
    }
}

void ExplorerTree::ShowComponents() {
    // The categories are sorted (a renamed entry keeps its place until the
    // next sort), so the new entries can be merged in.
    if (const pugi::xml_node first = m_session.AppendedFrom(); first && m_sorted) {
        m_showing = true;
        {
            const QSignalBlocker blocker(this);
            ListAppended(first);
            UpdateCounts();
        }
        m_showing = false;
        ShowSelection();
        return;
    }
    const LayoutDocument& doc = m_session.Document();
    std::unordered_map<const void*, QTreeWidgetItem*> listed;
    for (int i = 0; i < topLevelItemCount(); ++i)
        for (int j = 0; j < topLevelItem(i)->childCount(); ++j)
            listed[ElementOf(topLevelItem(i)->child(j)).internal_object()] = topLevelItem(i)->child(j);
    bool added = false;
    bool renamed = false;
    m_showing = true;
    {
        const QSignalBlocker blocker(this);
        doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
            const CatalogueEntry* kind = FindKind(element.name());
            QTreeWidgetItem* category = kind ? CategoryItem(kind->index) : nullptr;
            if (!category)
                return;
            const auto it = listed.find(element.internal_object());
            // An entry whose element left the document may name a new element
            // made in its place: it stays only under the right category.
            if (it != listed.end() && it->second->parent() == category) {
                const QString name = QString::fromUtf8(element.attribute("Name").value());
                if (it->second->text(0) != name) {
                    it->second->setText(0, name);
                    m_sorted = false;
                    renamed = true;
                }
                listed.erase(it);
            } else {
                AddEntry(category, element, kind->picture);
                added = true;
            }
        });
        for (const auto& [element, entry] : listed)
            delete entry;
        UpdateCounts();
        // A name given in place keeps its entry where it is until the next
        // sort; any other new name (Replace) takes its place in the order.
        if (added || (renamed && !m_renamingInPlace))
            SortTree();
    }
    m_showing = false;
    ShowSelection();
}

SelectionState ExplorerTree::SelectionOfTree() const {
    SelectionState selection;
    for (QTreeWidgetItem* item : selectedItems()) {
        if (item->parent())
            selection.Add(ElementOf(item));
        else
            selection.AddCategory(item->data(0, kKindRole).toInt());
    }
    if (QTreeWidgetItem* item = currentItem())
        selection.SetCurrent(item->parent() ? CurrentNode{ElementOf(item), -1}
                                            : CurrentNode{{}, item->data(0, kKindRole).toInt()});
    return selection;
}

void ExplorerTree::SendSelection() {
    if (!m_showing)
        m_session.Select(SelectionOfTree());
}

void ExplorerTree::ShowSelection() {
    const SelectionState& selection = m_session.Selection();
    if (SelectionOfTree() == selection)
        return;
    m_showing = true;
    // Runs of neighbouring entries become one range each.
    QItemSelection wanted;
    auto takeRuns = [&](QTreeWidgetItem* parent, auto isSelected) {
        const int count = parent ? parent->childCount() : topLevelItemCount();
        auto itemAt = [&](int row) { return parent ? parent->child(row) : topLevelItem(row); };
        for (int row = 0; row < count;) {
            if (!isSelected(itemAt(row))) {
                ++row;
                continue;
            }
            const int first = row;
            while (row < count && isSelected(itemAt(row)))
                ++row;
            wanted.select(indexFromItem(itemAt(first)), indexFromItem(itemAt(row - 1)));
        }
    };
    takeRuns(nullptr, [&](QTreeWidgetItem* category) {
        return selection.CategorySelected(category->data(0, kKindRole).toInt());
    });
    for (int i = 0; i < topLevelItemCount(); ++i)
        takeRuns(topLevelItem(i),
                 [&](QTreeWidgetItem* entry) { return selection.Contains(ElementOf(entry)); });
    selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
    const CurrentNode& current = selection.Current();
    QTreeWidgetItem* item = current.element       ? EntryOf(current.element)
                            : current.category >= 0 ? CategoryItem(current.category)
                                                    : nullptr;
    if (item && item != currentItem()) {
        if (item->parent())
            item->parent()->setExpanded(true);
        setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        scrollToItem(item);
    }
    m_showing = false;
}

void ExplorerTree::UpdateCounts() {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = topLevelItem(i);
        if (const CatalogueEntry* kind = FindKind(category->data(0, kKindRole).toInt()))
            category->setText(0, CategoryCaption(*kind, category->childCount()));
    }
}

void ExplorerTree::SortTree() {
    sortItems(0, Qt::AscendingOrder);
    m_sorted = true;
}

QTreeWidgetItem* ExplorerTree::CategoryItem(int kindIndex) const {
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->data(0, kKindRole).toInt() == kindIndex)
            return topLevelItem(i);
    return nullptr;
}

pugi::xml_node ExplorerTree::ElementOf(const QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return {};
    const auto raw = item->data(0, kElementRole).value<quintptr>();
    return pugi::xml_node(reinterpret_cast<pugi::xml_node_struct*>(raw));
}

QTreeWidgetItem* ExplorerTree::EntryOf(pugi::xml_node element) const {
    const CatalogueEntry* kind = FindKind(element.name());
    QTreeWidgetItem* category = kind ? CategoryItem(kind->index) : nullptr;
    if (!category)
        return nullptr;
    for (int i = 0; i < category->childCount(); ++i)
        if (ElementOf(category->child(i)) == element)
            return category->child(i);
    return nullptr;
}

bool ExplorerTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Only component entries are renamed; categories are not.
    if (trigger != QAbstractItemView::NoEditTriggers && trigger != QAbstractItemView::CurrentChanged) {
        if (!index.isValid() || !index.parent().isValid())
            return false;
    }
    const bool started = QTreeWidget::edit(index, trigger, event);
    if (started)
        m_editing = true;
    return started;
}

void ExplorerTree::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeWidget::closeEditor(editor, hint);
    m_editing = false;
}

void ExplorerTree::ListEdited(QTreeWidgetItem* item, const QString& newText) {
    m_editing = false;
    const pugi::xml_node element = ElementOf(item);
    if (element && m_hooks.rename) {
        m_renamingInPlace = true;
        m_hooks.rename(element, newText);
        m_renamingInPlace = false;
    }
}

void ExplorerTree::RenameSelected() {
    QTreeWidgetItem* item = currentItem();
    if (!item || !item->isSelected() || !item->parent()) {
        const QList<QTreeWidgetItem*> selected = selectedItems();
        item = nullptr;
        for (QTreeWidgetItem* candidate : selected)
            if (candidate->parent()) {
                item = candidate;
                break;
            }
    }
    if (!item)
        return;
    scrollToItem(item);
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    editItem(item, 0);
}

void ExplorerTree::DropRename() {
    if (!m_editing)
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    m_editing = false;
}

void ExplorerTree::mousePressEvent(QMouseEvent* event) {
    const bool onEntry = itemAt(event->position().toPoint()) != nullptr;
    // Only the left button counts below the entries: a right or middle click
    // there leaves the selection as it is (the tree would clear it).
    if (!onEntry && event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A click below the entries selects nothing; the board follows the session.
    if (!onEntry)
        clearSelection();
}

void ExplorerTree::keyPressEvent(QKeyEvent* event) {
    // The window's key handler sees the key first and accepts what it uses.
    event->ignore();
    emit ListKeyDown(event);
    if (!event->isAccepted())
        QTreeWidget::keyPressEvent(event);
}

ExplorerDelegate::ExplorerDelegate(ExplorerTree* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

QString ExplorerDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    // Entries are laid out right to left, but their texts read left to right:
    // marks on both ends keep "[Resistors] (3)" from being shown as "(3) [Resistors]".
    // A name from a file is shown on one line and cut to a readable length.
    return QChar(0x200E) + Excerpt(QStyledItemDelegate::displayText(value, locale), kShownNameCharacters) +
           QChar(0x200E);
}

void ExplorerDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.parent().isValid())
        option->textElideMode = Qt::ElideNone;
}

QWidget* ExplorerDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    // The name is typed where the label is shown: at the right, by the picture.
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    return editor;
}

void ExplorerDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    QTreeWidgetItem* item = m_tree->ItemFromIndex(index);
    m_tree->ListEdited(item, line->text());
}

}  // namespace sw
