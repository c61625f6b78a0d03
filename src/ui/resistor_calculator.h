// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The resistor colour-code calculator window: a fixed-size tool window that
// shows the calculator state and forwards every user change to it.

#include "ui/resistor_calculator_model.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace sw {

class TResistorCalculator : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window the calculator is centred on when it is shown.
    explicit TResistorCalculator(QWidget* owner = nullptr);

    // Shows the window (not modally), centred on the owner the first time.
    void ShowCalculator();

    const ResistorCalculatorModel& Model() const { return m_model; }

    // The controls, by their names.
    QRadioButton* BandsButton(BandMode mode) const;
    QComboBox* Band(int band) const { return m_band[band]; }
    QLabel* BandLabel(int band) const { return m_bandLabel[band]; }
    QLineEdit* ValueEdit() const { return m_valueEdit; }
    QComboBox* UnitBox() const { return m_unitBox; }
    QComboBox* ToleranceBox() const { return m_toleranceBox; }
    QLabel* Result() const { return m_result; }

private:
    void BuildControls();
    void ConnectControls();
    // Shows the model's state in the controls without echoing it back.
    void ShowState();

    QWidget* m_owner;
    bool m_placed = false;
    ResistorCalculatorModel m_model;
    QGroupBox* m_bands = nullptr;
    QRadioButton* m_four = nullptr;
    QRadioButton* m_five = nullptr;
    std::array<QComboBox*, kMaxBands> m_band{};
    std::array<QLabel*, kMaxBands> m_bandLabel{};
    QLineEdit* m_valueEdit = nullptr;
    QComboBox* m_unitBox = nullptr;
    QComboBox* m_toleranceBox = nullptr;
    QLabel* m_result = nullptr;
};

}  // namespace sw
