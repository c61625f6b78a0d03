// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Component values as schematics and layouts write them: 4K7, 4.7k and 4700 are
// one resistance, 680n and 680nF one capacitance, 10µF and 10uF the same.

#include <optional>
#include <string_view>

namespace sw {

// SPICE reads M as milli and MEG as mega; everywhere else M is mega.
enum class ValueDialect { Common, Spice };

// The number a value stands for: digits with a decimal point or with the
// multiplier in its place (4K7, 1R5, 2u2), a multiplier (p n u µ m k K M G T,
// MEG), then a unit (F, H, R, Ω, ohm, V, A, W, Hz) or nothing; anything after a
// space is a remark ("100uF 25V", "10K Log"). Nothing when the text does not
// start so (BC547, 1N4148, "red 5mm").
std::optional<double> ValueAsNumber(std::string_view text, ValueDialect dialect);

// Whether two values are the same: as numbers when both read as numbers (to a
// part in a million), otherwise as texts ignoring case, surrounding spaces and
// the difference between a space and "_".
bool SameValue(std::string_view layout, std::string_view netlist, ValueDialect netlistDialect);

// A simulator's source rather than a part: DC, AC, SINE, PULSE, PWL, EXP or
// SFFM at the start (any case), followed by nothing, a space or "(".
bool IsSourceValue(std::string_view value);

}  // namespace sw
