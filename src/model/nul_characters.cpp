// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nul_characters.h"

namespace sw {
namespace {

// The width in bytes of one code unit and whether it is stored big end first.
struct Units {
    int width = 1;
    bool bigEndian = false;
};

Units UnitsOf(pugi::xml_encoding encoding) {
    switch (encoding) {
    case pugi::encoding_utf16_le:
        return {2, false};
    case pugi::encoding_utf16_be:
        return {2, true};
    case pugi::encoding_utf32_le:
        return {4, false};
    case pugi::encoding_utf32_be:
        return {4, true};
    default:
        return {1, false};  // UTF-8 and Latin-1: ASCII is itself
    }
}

char32_t UnitAt(const QByteArray& bytes, qsizetype index, Units units) {
    char32_t value = 0;
    const qsizetype at = index * units.width;
    for (int i = 0; i < units.width; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + (units.bigEndian ? i : units.width - 1 - i)]);
        value = (value << 8) | byte;
    }
    return value;
}

bool IsHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<qsizetype> FindNulCharacter(const QByteArray& bytes, pugi::xml_encoding encoding) {
    const Units units = UnitsOf(encoding);
    const qsizetype count = bytes.size() / units.width;
    for (qsizetype i = 0; i < count; ++i) {
        const char32_t c = UnitAt(bytes, i, units);
        if (c == 0)
            return i * units.width;
        if (c != '&' || i + 2 >= count || UnitAt(bytes, i + 1, units) != '#')
            continue;
        // A character reference whose digits are all zeros: &#0; &#000; &#x0; &#X00;
        qsizetype j = i + 2;
        const char32_t x = UnitAt(bytes, j, units);
        const bool hex = x == 'x' || x == 'X';
        if (hex)
            ++j;
        const qsizetype digits = j;
        bool zero = true;
        for (; j < count; ++j) {
            const char32_t d = UnitAt(bytes, j, units);
            if (hex ? !IsHexDigit(d) : !(d >= '0' && d <= '9'))
                break;
            zero = zero && d == '0';
        }
        if (j > digits && j < count && zero && UnitAt(bytes, j, units) == ';')
            return i * units.width;
    }
    return std::nullopt;
}

}  // namespace sw
