// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/new_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

namespace sw {

const QStringList& TNewForm::TypeNames() {
    static const QStringList names = {QStringLiteral("Stripboard"), QStringLiteral("Perfboard"),
                                      QStringLiteral("PCB")};
    return names;
}

namespace {

QSpinBox* UnboundedSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(INT_MIN, INT_MAX);
    spin->setAccelerated(true);
    return spin;
}

QLabel* SamplePicture(int typeIndex, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(SampleBoardImage(typeIndex)));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

}  // namespace

TNewForm::TNewForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Layout Properties"));
    setWindowFlag(Qt::Tool);
    setModal(true);

    TypeGroup = new QGroupBox(QStringLiteral(" Layout type "), this);
    auto* typeLayout = new QVBoxLayout(TypeGroup);
    m_types = new QButtonGroup(this);
    for (int i = 0; i < TypeNames().size(); ++i) {
        auto* radio = new QRadioButton(TypeNames()[i], TypeGroup);
        m_types->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    connect(m_types, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ShowChosenBoardType();
    });

    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    Vero = SamplePicture(0, sampleBox);
    Perf = SamplePicture(1, sampleBox);
    pcb = SamplePicture(2, sampleBox);
    for (QLabel* picture : {Vero, Perf, pcb})
        sampleLayout->addWidget(picture);

    WidthEdit = UnboundedSpin(this);
    HeightEdit = UnboundedSpin(this);
    auto* note = new QLabel(QStringLiteral("Sample board is 5 holes wide and 3 high"), this);
    note->setWordWrap(true);
    HideList = new QCheckBox(QStringLiteral("Hide component list below board"), this);
    ProjectEdit = new QLineEdit(this);
    CreditsEdit = new QLineEdit(this);

    auto* sizeGrid = new QGridLayout;
    sizeGrid->addWidget(new QLabel(QStringLiteral("Width:"), this), 0, 0);
    sizeGrid->addWidget(WidthEdit, 0, 1);
    sizeGrid->addWidget(new QLabel(QStringLiteral("Height:"), this), 1, 0);
    sizeGrid->addWidget(HeightEdit, 1, 1);
    sizeGrid->addWidget(note, 0, 2, 2, 1);
    sizeGrid->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(TypeGroup);
    top->addWidget(sampleBox);

    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("Project name:"), this), 0, 0);
    texts->addWidget(ProjectEdit, 0, 1);
    texts->addWidget(new QLabel(QStringLiteral("Credits:"), this), 1, 0);
    texts->addWidget(CreditsEdit, 1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(sizeGrid);
    layout->addWidget(HideList);
    layout->addLayout(texts);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetProperties(LayoutProperties{QStringLiteral("Stripboard"), 20, 10, {}, {}, false});
}

void TNewForm::ShowChosenBoardType() {
    const int index = TypeIndex();
    Vero->setVisible(index == 0);
    Perf->setVisible(index == 1);
    pcb->setVisible(index == 2);
}

int TNewForm::TypeIndex() const { return m_types->checkedId(); }

void TNewForm::SetTypeIndex(int index) {
    if (QAbstractButton* button = m_types->button(index)) {
        button->setChecked(true);
    } else {
        // An exclusive group refuses to uncheck its last button.
        m_types->setExclusive(false);
        for (QAbstractButton* b : m_types->buttons())
            b->setChecked(false);
        m_types->setExclusive(true);
    }
    ShowChosenBoardType();
}

void TNewForm::SetProperties(const LayoutProperties& properties) {
    m_givenType = properties.type;
    SetTypeIndex(int(TypeNames().indexOf(properties.type)));
    WidthEdit->setValue(properties.width);
    HeightEdit->setValue(properties.height);
    ProjectEdit->setText(properties.project);
    CreditsEdit->setText(properties.credits);
    HideList->setChecked(properties.hideList);
}

LayoutProperties TNewForm::Properties() const {
    LayoutProperties p;
    const int index = TypeIndex();
    p.type = index >= 0 ? TypeNames()[index] : m_givenType;
    p.width = WidthEdit->value();
    p.height = HeightEdit->value();
    p.project = ProjectEdit->text();
    p.credits = CreditsEdit->text();
    p.hideList = HideList->isChecked();
    return p;
}

}  // namespace sw
