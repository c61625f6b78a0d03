// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/component_value.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace sw {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[i]) != Lower(word[i]))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The multiplier at the start of `text`: its factor and length, or nothing.
std::optional<std::pair<double, std::size_t>> Multiplier(std::string_view text,
                                                         ValueDialect dialect) {
    if (text.empty())
        return std::nullopt;
    if (StartsWithNoCase(text, "meg"))
        return std::pair(1e6, std::size_t(3));
    // The micro sign and the Greek mu, both in UTF-8.
    if (text.substr(0, 2) == "\xC2\xB5" || text.substr(0, 2) == "\xCE\xBC")
        return std::pair(1e-6, std::size_t(2));
    const bool spice = dialect == ValueDialect::Spice;
    switch (text.front()) {
    case 'p': case 'P': return std::pair(1e-12, std::size_t(1));
    case 'n': case 'N': return std::pair(1e-9, std::size_t(1));
    case 'u': case 'U': return std::pair(1e-6, std::size_t(1));
    case 'm': return std::pair(1e-3, std::size_t(1));
    case 'M': return std::pair(spice ? 1e-3 : 1e6, std::size_t(1));
    case 'k': case 'K': return std::pair(1e3, std::size_t(1));
    case 'g': case 'G': return std::pair(1e9, std::size_t(1));
    case 't': case 'T': return std::pair(1e12, std::size_t(1));
    case 'r': case 'R': return std::pair(1.0, std::size_t(1));
    case 'f': if (spice) return std::pair(1e-15, std::size_t(1)); break;
    default: break;
    }
    return std::nullopt;
}

bool IsUnit(std::string_view unit) {
    static constexpr std::string_view kUnits[] = {"", "f", "h", "r", "ohm", "ohms", "v", "a",
                                                  "w", "hz", "\xCE\xA9", "\xE2\x84\xA6"};
    std::string lower;
    for (char c : unit)
        lower.push_back(Lower(c));
    for (std::string_view u : kUnits)
        if (lower == u)
            return true;
    return false;
}

std::string Normalised(std::string_view text) {
    std::string out;
    for (char c : Trimmed(text))
        out.push_back(c == '_' ? ' ' : Lower(c));
    return out;
}

}  // namespace

std::optional<double> ValueAsNumber(std::string_view text, ValueDialect dialect) {
    text = Trimmed(text);
    std::size_t p = 0;
    std::string digits;
    while (p < text.size() && IsDigit(text[p]))
        digits.push_back(text[p++]);
    bool point = false;
    if (p < text.size() && (text[p] == '.' || text[p] == ',') && p + 1 < text.size() &&
        IsDigit(text[p + 1])) {
        point = true;
        digits.push_back('.');
        ++p;
        while (p < text.size() && IsDigit(text[p]))
            digits.push_back(text[p++]);
    }
    if (digits.empty() || digits.size() > 40)
        return std::nullopt;
    double factor = 1;
    if (const auto m = Multiplier(text.substr(p), dialect)) {
        factor = m->first;
        const bool infix = text[p] == 'r' || text[p] == 'R';
        p += m->second;
        // The multiplier in place of the decimal point: 4K7, 1R5, 2u2 (a few
        // digits only, so that 1N4148 stays a name).
        std::size_t fraction = 0;
        while (!point && p + fraction < text.size() && IsDigit(text[p + fraction]))
            ++fraction;
        if (fraction > 3)
            return std::nullopt;
        if (fraction > 0) {
            digits.push_back('.');
            digits.append(text.substr(p, fraction));
            p += fraction;
        }
        if (infix && p < text.size() && !IsSpace(text[p]))
            return std::nullopt;
    }
    std::size_t unitEnd = p;
    while (unitEnd < text.size() && !IsSpace(text[unitEnd]))
        ++unitEnd;
    if (!IsUnit(text.substr(p, unitEnd - p)))
        return std::nullopt;
    return std::strtod(digits.c_str(), nullptr) * factor;
}

bool SameValue(std::string_view layout, std::string_view netlist, ValueDialect netlistDialect) {
    const std::optional<double> a = ValueAsNumber(layout, ValueDialect::Common);
    const std::optional<double> b = ValueAsNumber(netlist, netlistDialect);
    if (a && b)
        return std::fabs(*a - *b) <= 1e-6 * std::fmax(std::fabs(*a), std::fabs(*b));
    return Normalised(layout) == Normalised(netlist);
}

bool IsSourceValue(std::string_view value) {
    value = Trimmed(value);
    for (std::string_view word : {"DC", "AC", "SINE", "PULSE", "PWL", "EXP", "SFFM"})
        if (StartsWithNoCase(value, word) &&
            (value.size() == word.size() || IsSpace(value[word.size()]) || value[word.size()] == '('))
            return true;
    return false;
}

}  // namespace sw
