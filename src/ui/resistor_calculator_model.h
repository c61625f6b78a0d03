// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the resistor calculator window and its event handlers, without
// widgets: the mode, the five band lists, the value field, the unit and
// tolerance lists, and the busy flag shared by both conversion directions.
// The window forwards user changes here and then shows the state.

#include "ui/resistor_code.h"

#include <QImage>
#include <QLocale>

namespace sw {

class ResistorCalculatorModel {
public:
    explicit ResistorCalculatorModel(QLocale locale = QLocale(), QRgb brush = qRgb(240, 240, 240));

    // Window created: one mode change.
    void FormCreate();
    // The user's changes, one per control.
    void SetBandCount(BandMode mode);
    void SetBand(int band, int code);  // any of the five band lists (0-based)
    void SetValueText(const QString& text);
    void SetUnit(int unitIndex);
    void SetTolerance(int toleranceIndex);

    BandMode Mode() const { return m_mode; }
    const BandCodes& Bands() const { return m_bands; }
    bool Band5Enabled() const { return m_mode == BandMode::Five; }
    const QString& ValueText() const { return m_valueText; }
    // False while the value field holds text the bands cannot show (no
    // number, 0, or beyond what colours can code): the bands keep what they
    // showed, and the window marks the field so this is not taken for them.
    bool ValueShown() const { return m_valueShown; }
    int UnitIndex() const { return m_unitIndex; }
    QString Unit() const;
    const QStringList& ToleranceList() const { return m_toleranceItems; }
    int ToleranceIndex() const { return m_toleranceIndex; }  // -1: nothing chosen
    QString Tolerance() const;
    bool Busy() const { return m_busy; }
    const QImage& Result() const { return m_result; }

    static QStringList Units();

private:
    void ApplyMode();
    void BandsToValue();
    void ValueToBands();
    void DrawPicture();
    // The value field's change notice: fires only when the text really changes,
    // and does nothing while a conversion runs.
    void SetValueField(const QString& text);
    void OnValueChanged();

    QLocale m_locale;
    QRgb m_brush;
    BandMode m_mode = BandMode::Four;
    BandCodes m_bands{};
    QString m_valueText = QStringLiteral("0");
    int m_unitIndex = 0;
    QStringList m_toleranceItems;
    int m_toleranceIndex = -1;
    bool m_busy = false;
    bool m_valueShown = true;
    QImage m_result;
};

}  // namespace sw
