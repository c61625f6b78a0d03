// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_calculator_model.h"

#include "ui/resistor_picture.h"

namespace sw {

ResistorCalculatorModel::ResistorCalculatorModel(QLocale locale, QRgb brush)
    : m_locale(std::move(locale)), m_brush(brush) {}

QStringList ResistorCalculatorModel::Units() {
    return {QStringLiteral("R"), QStringLiteral("K"), QStringLiteral("M")};
}

QString ResistorCalculatorModel::Unit() const {
    const QStringList units = Units();
    return m_unitIndex >= 0 && m_unitIndex < units.size() ? units[m_unitIndex] : QString();
}

QString ResistorCalculatorModel::Tolerance() const {
    return m_toleranceIndex >= 0 && m_toleranceIndex < m_toleranceItems.size()
               ? m_toleranceItems[m_toleranceIndex]
               : QString();
}

void ResistorCalculatorModel::FormCreate() { ApplyMode(); }

void ResistorCalculatorModel::SetBandCount(BandMode mode) {
    m_mode = mode;
    ApplyMode();
}

void ResistorCalculatorModel::ApplyMode() {
    m_toleranceItems = ToleranceItems(m_mode);
    m_toleranceIndex = -1;
    DrawPicture();
    // Outside the busy flag on purpose: the value field it sets converts back
    // once, which brings the bands in line with the value.
    BandsToValue();
}

void ResistorCalculatorModel::SetBand(int band, int code) {
    if (band < 0 || band >= kMaxBands) return;
    const int count = band < 2 ? kDigitColourCount : kColourCount;
    if (code < 0 || code >= count) return;
    m_bands[band] = code;
    if (m_busy) return;
    m_busy = true;
    DrawPicture();
    BandsToValue();
    m_busy = false;
}

void ResistorCalculatorModel::SetValueText(const QString& text) {
    m_valueText = text;
    OnValueChanged();
}

void ResistorCalculatorModel::SetUnit(int unitIndex) {
    if (unitIndex < 0 || unitIndex >= Units().size()) return;
    m_unitIndex = unitIndex;
    OnValueChanged();
}

void ResistorCalculatorModel::SetTolerance(int toleranceIndex) {
    if (toleranceIndex < -1 || toleranceIndex >= m_toleranceItems.size()) return;
    m_toleranceIndex = toleranceIndex;
    OnValueChanged();
}

void ResistorCalculatorModel::OnValueChanged() {
    if (m_busy) return;
    m_busy = true;
    ValueToBands();
    DrawPicture();
    m_busy = false;
}

void ResistorCalculatorModel::SetValueField(const QString& text) {
    if (text == m_valueText) return;
    m_valueText = text;
    OnValueChanged();
}

void ResistorCalculatorModel::BandsToValue() {
    const ResistorReading reading = sw::BandsToValue(m_mode, m_bands);
    // Unit and tolerance first: when the value field's change converts back
    // (after a mode change), it must read the new unit, not the old one.
    m_unitIndex = Units().indexOf(reading.unit);
    m_toleranceIndex = m_toleranceItems.indexOf(reading.tolerance);
    SetValueField(FormatResistorValue(reading.value, m_locale));
    m_valueShown = true;  // the bands' own value
}

void ResistorCalculatorModel::ValueToBands() {
    const auto bands = sw::ValueToBands(m_mode, m_bands, m_valueText, Unit(), Tolerance(), m_locale);
    m_valueShown = bands.has_value();
    if (bands)
        m_bands = *bands;
}

void ResistorCalculatorModel::DrawPicture() {
    m_result = MakeResistorPicture(m_mode, m_bands, m_brush);
}

}  // namespace sw
