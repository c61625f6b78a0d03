// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_form.h"

#include "edit/value_editor_setup.h"
#include "render/blend.h"

#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStylePainter>

namespace sw {
namespace {

QLabel* LabelAt(const QString& text, int left, int top, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

ExtraItemLook UnitBoxDrawItem(const QString& text, bool selected, const QPalette& palette) {
    ExtraItemLook look;
    const Rgb rgb = MyTextToColor(text);
    look.bold = true;
    look.colour = QColor::fromRgb(rgb);
    // White is what any text that is not a colour name gives: plain text then.
    if (rgb == 0xFFFFFF) {
        look.bold = false;
        look.colour = palette.color(QPalette::WindowText);
    }
    if (selected)
        look.colour = palette.color(QPalette::HighlightedText);
    return look;
}

void ExtraItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QString text = index.data(Qt::DisplayRole).toString();
    const ExtraItemLook look = UnitBoxDrawItem(text, selected, option.palette);
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight
                                                                 : QPalette::Base));
    QFont font = option.font;
    font.setBold(look.bold);
    painter->setFont(font);
    painter->setPen(look.colour);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    painter->restore();
}

QSize ExtraItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(15);
    return size;
}

ExtraComboBox::ExtraComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ExtraItemDelegate(this));
}

void ExtraComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QString text = option.currentText;
    option.currentText.clear();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    if (text.isEmpty())
        return;
    const ExtraItemLook look = UnitBoxDrawItem(text, false, palette());
    QFont f = font();
    f.setBold(look.bold);
    painter.setFont(f);
    painter.setPen(isEnabled() ? look.colour : palette().color(QPalette::Disabled,
                                                               QPalette::WindowText));
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, this);
    painter.drawText(field.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

TEditForm::TEditForm(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::Tool);
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(232, 164);

    LabelAt(QStringLiteral("Component Name:"), 16, 8, this);
    NameEdit = new QLineEdit(this);
    NameEdit->setGeometry(16, 24, 201, 21);

    LabelAt(QStringLiteral("Component Value:"), 16, 48, this);
    ValueEdit = new QLineEdit(this);
    ValueEdit->setGeometry(16, 64, 129, 21);

    Label1 = LabelAt(QStringLiteral("Unit:"), 152, 48, this);
    UnitBox = new QComboBox(this);
    UnitBox->setEditable(false);
    UnitBox->setGeometry(152, 64, 65, 21);

    ExtraLabel = LabelAt(QStringLiteral("Extra:"), 16, 88, this);
    ExtraBox = new ExtraComboBox(this);
    ExtraBox->setGeometry(16, 104, 201, 21);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(64, 132, 75, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(144, 132, 75, 25);
    connect(ValueEdit, &QLineEdit::textEdited, this, &TEditForm::ValueEditChange);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Name, value, unit, Cancel, OK, extra.
    setTabOrder(NameEdit, ValueEdit);
    setTabOrder(ValueEdit, UnitBox);
    setTabOrder(UnitBox, CancelButton);
    setTabOrder(CancelButton, OkButton);
    setTabOrder(OkButton, ExtraBox);
}

void TEditForm::Setup(const ValueEditorSetup& setup) {
    setWindowTitle(setup.caption);
    m_isNew = setup.isNew;
    NameEdit->setText(setup.name);
    ValueEdit->setText(setup.value);
    ValueEdit->setEnabled(setup.valueEnabled);

    UnitBox->clear();
    UnitBox->addItems(setup.units);
    UnitBox->setEnabled(setup.unitsEnabled);
    UnitBox->setCurrentIndex(int(setup.units.indexOf(setup.unit)));

    ExtraBox->clear();
    ExtraBox->addItems(setup.extras);
    ExtraBox->setEnabled(setup.extrasEnabled);
    ExtraBox->setCurrentIndex(int(setup.extras.indexOf(setup.extra)));
    ExtraLabel->setText(setup.extraLabel.isEmpty() ? QStringLiteral("Extra:") : setup.extraLabel);
    ExtraLabel->adjustSize();
}

QStringList TEditForm::UnitEntries() const {
    QStringList units;
    for (int i = 0; i < UnitBox->count(); ++i)
        units << UnitBox->itemText(i);
    return units;
}

void TEditForm::ValueEditChange(const QString& text) {
    if (const std::optional<SplitValue> typed = SplitTypedUnit(text, UnitEntries()))
        UnitBox->setCurrentIndex(UnitBox->findText(typed->unit, Qt::MatchExactly));
}

ValueEditorResult TEditForm::Result() const {
    return WithTypedUnit({NameEdit->text(), ValueEdit->text(),
                          UnitBox->currentIndex() >= 0 ? UnitBox->currentText() : QString(),
                          ExtraBox->currentIndex() >= 0 ? ExtraBox->currentText() : QString()},
                         UnitEntries());
}

void TEditForm::FormShow() {
    if (m_isNew && UnitBox->count() > 0)
        UnitBox->setCurrentIndex(0);
    if (!ValueEdit->text().isEmpty())
        m_focusTarget = NameEdit;
    else if (ValueEdit->isEnabled())
        m_focusTarget = ValueEdit;
    else
        m_focusTarget = NameEdit;
    m_focusTarget->setFocus();
    ExtraLabel->setEnabled(ExtraBox->isEnabled());
}

void TEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TEditForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, palette().color(QPalette::Window));
    gradient.setColorAt(1, QColor(211, 211, 211));
    painter.fillRect(rect(), gradient);
}

}  // namespace sw
