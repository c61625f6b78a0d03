// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/netlist_placing.h"

#include "netlist/component_value.h"
#include "netlist/netlist.h"

#include <cmath>

namespace sw {
namespace {

bool Says(const NetlistPart& part, std::initializer_list<const char*> words) {
    const QString symbol = QString::fromStdString(part.symbol);
    const QString footprint = QString::fromStdString(part.footprint);
    for (const char* word : words)
        if (symbol.contains(QLatin1String(word), Qt::CaseInsensitive) ||
            footprint.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

// The letters a reference begins with, in capitals: "IC3" -> "IC", "rv1" -> "RV".
QString Prefix(const std::string& ref) {
    QString prefix;
    for (char c : ref) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        prefix += QLatin1Char(char(std::toupper(static_cast<unsigned char>(c))));
    }
    return prefix;
}

std::optional<double> Number(const QString& text) {
    return ValueAsNumber(text.toStdString(), ValueDialect::Common);
}

}  // namespace

std::optional<kind::Index> GuessKind(const NetlistPart& part) {
    const QString prefix = Prefix(part.ref);
    const auto is = [&](std::initializer_list<const char*> prefixes) {
        for (const char* p : prefixes)
            if (prefix == QLatin1String(p))
                return true;
        return false;
    };
    if (Says(part, {"tube", "valve", "noval", "octal"}))
        return kind::TubeSocket;
    if (is({"R"}))
        return kind::Resistor;
    if (is({"C"}))
        return Says(part, {"CP", "polar", "elec"}) ? kind::Electrolyte : kind::Capacitor;
    if (is({"LED"}))
        return kind::Led;
    if (is({"D"}))
        return Says(part, {"LED"}) ? kind::Led : kind::Diode;
    if (is({"Q"}))
        return kind::Transistor;
    if (is({"U", "IC"})) {
        if (Says(part, {"SIP", "SIL", "single"}))
            return kind::SilIc;
        if (Says(part, {"DIP", "DIL", "SOIC"}))
            return kind::DilIc;
        if (!part.pins.empty() && part.pins.size() <= 3)
            return kind::Transistor;
        return kind::DilIc;
    }
    if (is({"J", "P", "CONN"}))
        return Says(part, {"jack"}) ? kind::AudioJack : kind::SilIc;
    if (is({"RV", "VR"}))
        return Says(part, {"trim"}) ? kind::Trimmer : kind::Potentiometer;
    if (is({"T"}))
        return kind::Transformer;
    if (is({"SW", "S"}))
        return kind::Switch;
    if (is({"K", "RL"}))
        return kind::Relay;
    return std::nullopt;
}

bool TakesNetlistName(kind::Index kind) {
    return kind != kind::Text && kind != kind::CutTrack && kind != kind::Trace && kind != kind::Jumper &&
           kind != kind::Wire;
}

ValueEditorSetup FilledFromNetlist(ValueEditorSetup setup, const QString& name, const QString& value) {
    setup.name = name;
    if (!setup.valueEnabled || value.isEmpty())
        return setup;
    setup.value = value;
    const std::optional<double> number = Number(value);
    if (!number || *number <= 0 || setup.units.isEmpty())
        return setup;
    // The listed unit with the largest multiple the number still is one of,
    // or the smallest when the number is below them all.
    int best = -1;
    double bestScale = 0;
    for (int i = 0; i < setup.units.size(); ++i) {
        const std::optional<double> scale = Number(QStringLiteral("1") + setup.units[i]);
        if (!scale || *scale <= 0)
            continue;
        const bool fits = *number >= *scale * (1 - 1e-9);
        const bool bestFits = best >= 0 && *number >= bestScale * (1 - 1e-9);
        if (best < 0 || (fits && (!bestFits || *scale > bestScale)) || (!fits && !bestFits && *scale < bestScale)) {
            best = i;
            bestScale = *scale;
        }
    }
    if (best < 0)
        return setup;
    const double shown = *number / bestScale;
    setup.value = QString::number(std::round(shown * 1e6) / 1e6, 'g', 7) + setup.units[best];
    setup.unit = setup.units[best];
    return setup;
}

}  // namespace sw
