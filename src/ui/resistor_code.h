// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The resistor colour code: the twelve band colours, the four- and five-band
// layouts, and the conversions between bands and a value with unit and
// tolerance. No widgets: the calculator window shows what these compute.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace sw {

enum class BandMode { Four, Five };

constexpr int kColourCount = 12;      // "Black" to "Silver": the list position is the code
constexpr int kDigitColourCount = 10; // "Black" to "White"
constexpr int kMaxBands = 5;
constexpr int kGold = 10;
constexpr int kSilver = 11;

// Band codes, band 1 first. In four-band mode the fifth entry is kept but not read.
using BandCodes = std::array<int, kMaxBands>;

struct BandColour {
    const char* name;
    int red, green, blue;  // how the band is drawn
};
const BandColour& ColourOfCode(int code);

int BandCount(BandMode mode);
// The colour names offered by band list `band` (0-based): digits only for the
// first two bands, all twelve colours for the others.
QStringList BandColourNames(int band);
QStringList ToleranceItems(BandMode mode);

struct ResistorReading {
    double value = 0;      // in the unit below
    QString unit;          // "R", "K" or "M"
    QString tolerance;     // one of ToleranceItems(mode)
};

// What the bands say. Unknown tolerance colours read as "n/a".
ResistorReading BandsToValue(BandMode mode, const BandCodes& bands);

// The value field's text: one decimal, the locale's separator, no grouping.
QString FormatResistorValue(double value, const QLocale& locale);

// The bands for `valueText` (read in `locale`) with `unit` ("R", "K" or "M")
// and the chosen tolerance item (empty or "n/a": the tolerance band stays).
// Returns nothing, and no band is to change, when the text is not a number,
// not above zero, or beyond what a colour code can show.
std::optional<BandCodes> ValueToBands(BandMode mode, const BandCodes& current,
                                      const QString& valueText, const QString& unit,
                                      const QString& tolerance, const QLocale& locale);

}  // namespace sw
