// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_calculator.h"

#include "ui/window_centring.h"
#include "ui/resistor_picture.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sw {
namespace {

QIcon SwatchIcon(int code) {
    const BandColour& c = ColourOfCode(code);
    QPixmap swatch(14, 10);
    swatch.fill(QColor(c.red, c.green, c.blue));
    return QIcon(swatch);
}

}  // namespace

TResistorCalculator::TResistorCalculator(QWidget* owner)
    : QWidget(owner, Qt::Tool), m_owner(owner),
      m_model(QLocale(), QWidget::palette().color(QPalette::Window).rgb()) {
    setObjectName(QStringLiteral("ResistorCalculator"));
    setWindowTitle(QStringLiteral("Resistor Calculator"));
    BuildControls();
    ConnectControls();
    m_model.FormCreate();
    ShowState();
    setFixedSize(sizeHint());
}

void TResistorCalculator::BuildControls() {
    m_bands = new QGroupBox(QStringLiteral(" Number of bands "), this);
    m_four = new QRadioButton(QStringLiteral("4"), m_bands);
    m_five = new QRadioButton(QStringLiteral("5"), m_bands);
    m_four->setChecked(true);
    auto* bandsLayout = new QHBoxLayout(m_bands);
    bandsLayout->addWidget(m_four);
    bandsLayout->addWidget(m_five);
    bandsLayout->addStretch();

    auto* bandGrid = new QGridLayout;
    for (int band = 0; band < kMaxBands; ++band) {
        m_bandLabel[band] = new QLabel(QStringLiteral("Band %1:").arg(band + 1), this);
        m_band[band] = new QComboBox(this);
        m_band[band]->setObjectName(QStringLiteral("Band%1").arg(band + 1));
        const QStringList names = BandColourNames(band);
        for (int code = 0; code < names.size(); ++code)
            m_band[band]->addItem(SwatchIcon(code), names[code]);
        m_band[band]->setMinimumWidth(100);
        m_bandLabel[band]->setBuddy(m_band[band]);
        bandGrid->addWidget(m_bandLabel[band], band, 0);
        bandGrid->addWidget(m_band[band], band, 1);
    }

    m_valueEdit = new QLineEdit(this);
    m_valueEdit->setObjectName(QStringLiteral("ValueEdit"));
    m_unitBox = new QComboBox(this);
    m_unitBox->setObjectName(QStringLiteral("UnitBox"));
    m_unitBox->addItems(ResistorCalculatorModel::Units());
    m_toleranceBox = new QComboBox(this);
    m_toleranceBox->setObjectName(QStringLiteral("ToleranceBox"));
    m_toleranceBox->setMinimumWidth(90);
    auto* valueLabel = new QLabel(QStringLiteral("Resistor Value:"), this);
    valueLabel->setBuddy(m_valueEdit);
    auto* toleranceLabel = new QLabel(QStringLiteral("Tolerance:"), this);
    toleranceLabel->setBuddy(m_toleranceBox);

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("Result"));
    m_result->setFixedSize(kResistorPictureWidth, kResistorPictureHeight);

    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(m_valueEdit, 1);
    valueRow->addWidget(m_unitBox);
    auto* right = new QVBoxLayout;
    right->addWidget(valueLabel);
    right->addLayout(valueRow);
    right->addSpacing(6);
    right->addWidget(toleranceLabel);
    right->addWidget(m_toleranceBox);
    right->addStretch();
    right->addWidget(m_result, 0, Qt::AlignHCenter);

    auto* left = new QVBoxLayout;
    left->addWidget(m_bands);
    left->addLayout(bandGrid);
    left->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addSpacing(12);
    top->addLayout(right);
}

void TResistorCalculator::ConnectControls() {
    connect(m_four, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        m_model.SetBandCount(BandMode::Four);
        ShowState();
    });
    connect(m_five, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        m_model.SetBandCount(BandMode::Five);
        ShowState();
    });
    for (int band = 0; band < kMaxBands; ++band)
        connect(m_band[band], &QComboBox::currentIndexChanged, this, [this, band](int code) {
            m_model.SetBand(band, code);
            ShowState();
        });
    connect(m_valueEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model.SetValueText(text);
        ShowState();
    });
    connect(m_unitBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.SetUnit(index);
        ShowState();
    });
    connect(m_toleranceBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.SetTolerance(index);
        ShowState();
    });
}

QRadioButton* TResistorCalculator::BandsButton(BandMode mode) const {
    return mode == BandMode::Four ? m_four : m_five;
}

void TResistorCalculator::ShowState() {
    const QSignalBlocker b0(m_four), b1(m_five), b2(m_valueEdit), b3(m_unitBox),
        b4(m_toleranceBox);
    m_four->setChecked(m_model.Mode() == BandMode::Four);
    m_five->setChecked(m_model.Mode() == BandMode::Five);
    for (int band = 0; band < kMaxBands; ++band) {
        const QSignalBlocker blocker(m_band[band]);
        m_band[band]->setCurrentIndex(m_model.Bands()[band]);
    }
    m_band[4]->setEnabled(m_model.Band5Enabled());
    m_bandLabel[4]->setEnabled(m_model.Band5Enabled());
    if (m_valueEdit->text() != m_model.ValueText()) {
        // Keep the caret where the user is typing when the text is the same.
        m_valueEdit->setText(m_model.ValueText());
    }
    m_valueEdit->setStyleSheet(m_model.ValueShown() ? QString()
                                                     : QStringLiteral("background: rgb(255, 200, 200);"));
    m_valueEdit->setToolTip(m_model.ValueShown() ? QString()
                                                 : QStringLiteral("Not a value the colour bands can show"));
    m_unitBox->setCurrentIndex(m_model.UnitIndex());
    const QStringList items = m_model.ToleranceList();
    QStringList shown;
    for (int i = 0; i < m_toleranceBox->count(); ++i)
        shown << m_toleranceBox->itemText(i);
    if (shown != items) {
        m_toleranceBox->clear();
        m_toleranceBox->addItems(items);
    }
    m_toleranceBox->setCurrentIndex(m_model.ToleranceIndex());
    m_result->setPixmap(QPixmap::fromImage(KeyedOnBottomLeft(m_model.Result())));
}

void TResistorCalculator::ShowCalculator() {
    if (!m_placed) {
        CentreWindowIn(*this, CentringArea(m_owner));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace sw
