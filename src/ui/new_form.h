// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout properties dialog: board type with a sample picture, size in holes
// (no bounds: any integer is stored as typed), the title texts and whether the
// component list is hidden. New Project and Board Properties share it.

#include "edit/dialog_service.h"

#include <QDialog>
#include <QImage>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace sw {

class TNewForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewForm(QWidget* parent = nullptr);

    // Fill every field; a type that is none of the three items selects none.
    void SetProperties(const LayoutProperties& properties);
    // The fields as they stand; with no item selected the type is the one given
    // to SetProperties (so an unknown board type survives OK untouched).
    LayoutProperties Properties() const;
    // Index of the selected type item (0 Stripboard, 1 Perfboard, 2 PCB), -1 for none.
    int TypeIndex() const;
    void SetTypeIndex(int index);

    // The three type items, in order.
    static const QStringList& TypeNames();

    // Controls named as the handlers know them.
    QGroupBox* TypeGroup = nullptr;
    QLabel* Vero = nullptr;
    QLabel* Perf = nullptr;
    QLabel* pcb = nullptr;
    QSpinBox* WidthEdit = nullptr;
    QSpinBox* HeightEdit = nullptr;
    QCheckBox* HideList = nullptr;
    QLineEdit* ProjectEdit = nullptr;
    QLineEdit* CreditsEdit = nullptr;

private:
    void ShowChosenBoardType();
    QButtonGroup* m_types = nullptr;
    QString m_givenType;
};

// A picture of a board of the given type (0 Stripboard, 1 Perfboard, 2 PCB),
// 5 holes wide and 3 high, made of the board tiles.
QImage SampleBoardImage(int typeIndex);

}  // namespace sw
