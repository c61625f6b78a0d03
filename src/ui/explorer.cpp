#include "ui/explorer.h"

#include "edit/dialog_service.h"
#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "ui/explorer_order.h"
#include "ui/kind_pictures.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace sw {
namespace {

constexpr int kElementRole = Qt::UserRole;
constexpr int kPictureRole = Qt::UserRole + 1;
constexpr int kKindRole = Qt::UserRole + 2;

const QString kLongNameWarning = QStringLiteral(
    "It is not recommended to use component names longer than 3 characters. Are you sure?");

// An entry that sorts by the explorer's rule.
class ExplorerItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        return ListCompare(data(0, kPictureRole).toInt(), text(0),
                           other.data(0, kPictureRole).toInt(), other.text(0)) < 0;
    }
};

QString CategoryCaption(const CatalogueEntry& kind, int count) {
    const QString plural = QLatin1String(kind.category);
    if (count == 0)
        return plural;
    return plural + QStringLiteral(" (") + QString::number(count) + u')';
}

}  // namespace

ExplorerTree::ExplorerTree(ExplorerHooks hooks, QWidget* parent)
    : QTreeWidget(parent), m_hooks(std::move(hooks)) {
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
        RefreshSelectionCache();
        if (m_hooks.selectionChanged)
            m_hooks.selectionChanged();
    });
}

QTreeWidgetItem* ExplorerTree::AddEntry(QTreeWidgetItem* category, pugi::xml_node element,
                                        int picture) {
    auto* entry = new ExplorerItem(category);
    entry->setText(0, QString::fromUtf8(element.attribute("Name").value()));
    entry->setIcon(0, KindIcon(picture));
    entry->setData(0, kPictureRole, picture);
    entry->setData(0, kElementRole, QVariant::fromValue(quintptr(element.internal_object())));
    entry->setFlags(entry->flags() | Qt::ItemIsEditable);
    return entry;
}

void ExplorerTree::Rebuild(const LayoutDocument& doc) {
    DropRename();  // its entry and element are about to go
    setUpdatesEnabled(false);
    const QSignalBlocker blocker(this);
    clear();
    m_selected.clear();
    std::vector<QTreeWidgetItem*> categories;
    QList<QTreeWidgetItem*> top;
    for (const CatalogueEntry& kind : Catalogue()) {
        auto* category = new ExplorerItem;
        category->setText(0, QLatin1String(kind.category));
        category->setIcon(0, KindIcon(kind.picture));
        category->setData(0, kPictureRole, kind.picture);
        category->setData(0, kKindRole, kind.index);
        category->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        categories.push_back(category);
        top << category;
    }
    addTopLevelItems(top);
    if (m_hooks.setModified)
        m_hooks.setModified();
    m_suppress = true;
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
    m_suppress = false;
    setUpdatesEnabled(true);
}

void ExplorerTree::UpdateCounts() {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = topLevelItem(i);
        if (const CatalogueEntry* kind = FindKind(category->data(0, kKindRole).toInt()))
            category->setText(0, CategoryCaption(*kind, category->childCount()));
    }
}

void ExplorerTree::SortTree() { sortItems(0, Qt::AscendingOrder); }

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

void ExplorerTree::ReloadPads(const LayoutDocument& doc) {
    const CatalogueEntry* pad = FindKind(kind::SolderPad);
    QTreeWidgetItem* category = CategoryItem(pad->index);
    if (!category)
        return;
    qDeleteAll(category->takeChildren());
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (IsKind(element, kind::SolderPad))
            AddEntry(category, element, pad->picture);
    });
    RefreshSelectionCache();
}

void ExplorerTree::AddOrUpdateEntry(pugi::xml_node element, bool replaced) {
    const CatalogueEntry* kind = FindKind(element.name());
    if (!kind)
        return;
    QTreeWidgetItem* entry = replaced ? EntryOf(element) : nullptr;
    if (entry) {
        entry->setText(0, QString::fromUtf8(element.attribute("Name").value()));
    } else {
        entry = AddEntry(CategoryItem(kind->index), element, kind->picture);
    }
    if (kind->startsExpanded) {
        entry->parent()->setExpanded(true);
        clearSelection();
        entry->setSelected(true);
        setCurrentItem(entry);
    }
    SortTree();
    UpdateCounts();
}

std::vector<pugi::xml_node> ExplorerTree::SelectedElements() const {
    std::vector<pugi::xml_node> elements;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = topLevelItem(i);
        for (int j = 0; j < category->childCount(); ++j)
            if (category->child(j)->isSelected())
                elements.push_back(ElementOf(category->child(j)));
    }
    return elements;
}

bool ExplorerTree::IsSelected(pugi::xml_node element) const {
    return !m_selected.isEmpty() && m_selected.contains(element.internal_object());
}

void ExplorerTree::RefreshSelectionCache() {
    m_selected.clear();
    for (QTreeWidgetItem* item : selectedItems())
        if (item->parent())
            m_selected.insert(ElementOf(item).internal_object());
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
    pugi::xml_node element = ElementOf(item);
    if (!element) {
        m_editing = false;
        return;
    }
    const QString oldText = item->text(0);
    const QString name = newText.isEmpty() ? oldText : newText;
    if (name.size() >= 4 && m_hooks.dialogs &&
        m_hooks.dialogs().Message(MessageKind::Warning, kLongNameWarning,
                                  MessageButtons::YesNo) != MessageAnswer::Yes) {
        m_editing = false;
        return;
    }
    if (m_hooks.takeSnapshot)
        m_hooks.takeSnapshot();
    // A new name is an unsaved change, so closing asks before it is lost.
    if (name != TextAttr(element, "Name") && m_hooks.setModified)
        m_hooks.setModified();
    SetAttr(element, "Name", name);
    item->setText(0, name);
    clearSelection();
    if (m_hooks.redraw)
        m_hooks.redraw();
    m_editing = false;
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
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (!itemAt(event->position().toPoint())) {
        clearSelection();
        if (m_hooks.redraw)
            m_hooks.redraw();
        return;
    }
    if (!m_suppress && m_hooks.redraw)
        m_hooks.redraw();
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
