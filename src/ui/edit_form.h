// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value editor: the small modal dialog in which the user names a component
// and gives its value, unit and one kind-specific choice (colour, size, taper or
// type). The caller fills it for the kind at hand, shows it and reads it back.

#include "edit/dialog_service.h"

#include <QComboBox>
#include <QDialog>
#include <QStyledItemDelegate>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sw {

// Draws one entry of the extra list: colour names bold in their own colour,
// other choices in plain text.
class ExtraItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// How an entry text is drawn: its colour and weight (selected: highlight text).
struct ExtraItemLook {
    QColor colour;
    bool bold = false;
};
ExtraItemLook UnitBoxDrawItem(const QString& text, bool selected, const QPalette& palette);

// The extra list shows its current entry the same way as the entries of its list.
class ExtraComboBox : public QComboBox {
public:
    explicit ExtraComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TEditForm(QWidget* parent = nullptr);

    // Set-up by the caller; each showing starts from it, so no entries carry over.
    void Setup(const ValueEditorSetup& setup);
    ValueEditorResult Result() const;

    // Runs on every showing: first unit for a new component, the focus rule and
    // the extra label's enabled state.
    void FormShow();

    QLineEdit* NameEdit = nullptr;
    QLineEdit* ValueEdit = nullptr;
    QComboBox* UnitBox = nullptr;
    ExtraComboBox* ExtraBox = nullptr;
    QLabel* ExtraLabel = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A unit typed at the end of the value selects the list's entry for it.
    void ValueEditChange(const QString& text);
    QStringList UnitEntries() const;

    bool m_isNew = true;
    // The widget that FormShow chose for the focus (kept for tests, which run
    // without a window system that hands out focus).
    QWidget* m_focusTarget = nullptr;

public:
    QWidget* FocusTarget() const { return m_focusTarget; }
};

}  // namespace sw
