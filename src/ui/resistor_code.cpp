// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_code.h"

#include <cmath>

namespace sw {
namespace {

constexpr BandColour kColours[kColourCount] = {
    {"Black", 0, 0, 0},         {"Brown", 117, 76, 36},     {"Red", 255, 0, 0},
    {"Orange", 251, 175, 93},   {"Yellow", 255, 255, 0},    {"Green", 0, 128, 0},
    {"Blue", 0, 0, 255},        {"Violet", 128, 0, 128},    {"Grey", 128, 128, 128},
    {"White", 255, 255, 255},   {"Gold", 255, 204, 0},      {"Silver", 192, 192, 192},
};

struct ToleranceColour {
    int code;
    const char* text;
};

// Tolerance band colours of each mode.
constexpr ToleranceColour kFourBandTolerances[] = {
    {2, "\u00b12%"}, {kGold, "\u00b15%"}, {kSilver, "\u00b110%"}};
constexpr ToleranceColour kFiveBandTolerances[] = {
    {1, "\u00b11%"}, {5, "\u00b10.5%"}, {6, "\u00b10.25%"}, {7, "\u00b10.1%"}};

const QString kNotApplicable = QStringLiteral("n/a");

template <typename F>
void ForEachTolerance(BandMode mode, F f) {
    if (mode == BandMode::Four)
        for (const auto& t : kFourBandTolerances) f(t);
    else
        for (const auto& t : kFiveBandTolerances) f(t);
}

int SignificantLimit(BandMode mode) { return mode == BandMode::Four ? 100 : 1000; }

}  // namespace

const BandColour& ColourOfCode(int code) {
    return kColours[code >= 0 && code < kColourCount ? code : 0];
}

int BandCount(BandMode mode) { return mode == BandMode::Four ? 4 : 5; }

QStringList BandColourNames(int band) {
    const int count = band < 2 ? kDigitColourCount : kColourCount;
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromLatin1(kColours[i].name);
    return names;
}

QStringList ToleranceItems(BandMode mode) {
    QStringList items;
    ForEachTolerance(mode, [&](const ToleranceColour& t) { items << QString::fromUtf8(t.text); });
    items << kNotApplicable;
    return items;
}

ResistorReading BandsToValue(BandMode mode, const BandCodes& bands) {
    const bool four = mode == BandMode::Four;
    const int significant = four ? bands[0] * 10 + bands[1]
                                 : bands[0] * 100 + bands[1] * 10 + bands[2];
    const int multiplierCode = bands[four ? 2 : 3];
    const int toleranceCode = bands[four ? 3 : 4];

    double multiplier = 1;
    if (multiplierCode == kGold)
        multiplier = 0.1;
    else if (multiplierCode == kSilver)
        multiplier = 0.01;
    else
        multiplier = std::pow(10.0, multiplierCode);

    ResistorReading reading;
    reading.tolerance = kNotApplicable;
    ForEachTolerance(mode, [&](const ToleranceColour& t) {
        if (t.code == toleranceCode) reading.tolerance = QString::fromUtf8(t.text);
    });

    double value = significant * multiplier;
    if (value >= 1000000) {
        value /= 1000000;
        reading.unit = QStringLiteral("M");
    } else if (value >= 1000) {
        value /= 1000;
        reading.unit = QStringLiteral("K");
    } else {
        reading.unit = QStringLiteral("R");
    }
    reading.value = value;
    return reading;
}

QString FormatResistorValue(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 1);
}

std::optional<BandCodes> ValueToBands(BandMode mode, const BandCodes& current,
                                      const QString& valueText, const QString& unit,
                                      const QString& tolerance, const QLocale& locale) {
    bool ok = false;
    double v = locale.toDouble(valueText.trimmed(), &ok);
    if (!ok || !(v > 0) || !std::isfinite(v))
        return std::nullopt;
    if (unit == QLatin1String("K"))
        v *= 1000;
    else if (unit == QLatin1String("M"))
        v *= 1000000;

    const bool four = mode == BandMode::Four;
    const int limit = SignificantLimit(mode);
    // A value with a decimal below the significant range is shown with the
    // gold multiplier so that its decimal survives. Values such as 5.1 are
    // stored a hair below their decimal, so the comparison allows for that.
    const double decimalRangeEnd = four ? 10 : 100;
    auto hasDecimal = [](double x) { return x - std::floor(x) > 0.1 - 1e-9; };
    int n = 0;
    if (v >= 1 && v < decimalRangeEnd && hasDecimal(v)) {
        v *= 10;
        n = -1;
    } else if (v >= 0.1 && v < 1 && hasDecimal(v * 10)) {
        // The same one decade lower: 0.47 is shown with "Silver", not rounded to 0.5.
        v *= 100;
        n = -2;
    } else {
        while (v < 1) {
            v *= 10;
            --n;
        }
        while (v >= limit) {
            v /= 10;
            ++n;
        }
    }
    // Halves go to the even neighbour; a value that rounds up to the limit
    // (99.6 with two digits) moves one decade up instead of overflowing a digit.
    long long m = std::llrint(v);
    if (m >= limit) {
        m /= 10;
        ++n;
    }
    // A multiplier no colour can show (below "Silver" or above "White") would
    // leave the bands saying another value: change nothing instead.
    if (n < -2 || n > 9)
        return std::nullopt;

    BandCodes bands = current;
    const int multiplierBand = four ? 2 : 3;
    bands[multiplierBand] = n == -2 ? kSilver : n == -1 ? kGold : n;
    if (four) {
        bands[0] = int(m / 10);
        bands[1] = int(m % 10);
    } else {
        bands[0] = int(m / 100);
        bands[1] = int(m / 10 % 10);
        bands[2] = int(m % 10);
    }
    ForEachTolerance(mode, [&](const ToleranceColour& t) {
        if (tolerance == QString::fromUtf8(t.text)) bands[multiplierBand + 1] = t.code;
    });
    return bands;
}

}  // namespace sw
