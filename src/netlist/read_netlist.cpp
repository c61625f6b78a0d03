// SPDX-License-Identifier: GPL-3.0-or-later
// Which format a netlist is written in, and reading it with the reader for it.

#include "netlist/netlist.h"

#include "netlist/netlist_readers.h"
#include "netlist/text_lines.h"

#include <cstring>

namespace sw {
namespace {

struct FormatWords {
    NetlistFormat format;
    std::string_view word;
    std::string_view name;
};
constexpr FormatWords kFormats[] = {
    {NetlistFormat::KiCad, "kicad", "KiCad"},
    {NetlistFormat::OrcadPcb2, "orcadpcb2", "OrcadPCB2"},
    {NetlistFormat::Tango, "tango", "Tango/Protel"},
    {NetlistFormat::Spice, "spice", "SPICE"},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

// A SPICE element or command on some line after the title.
bool LooksLikeSpice(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    lines.Next(line);
    int seen = 0;
    while (lines.Next(line) && seen < 1000) {
        const std::vector<std::string_view> words = Words(line);
        if (words.empty())
            continue;
        ++seen;
        const char c = words[0].front();
        if (c == '*' || c == '+')
            continue;
        if (c == '.')
            return true;
        if (std::strchr("RCLDQJMXVIBEFGHrcldqjmxvibefgh", c) != nullptr && words.size() >= 3)
            return true;
    }
    return false;
}

}  // namespace

std::string_view NetlistFormatWord(NetlistFormat format) {
    for (const FormatWords& f : kFormats)
        if (f.format == format)
            return f.word;
    return {};
}

std::string_view NetlistFormatName(NetlistFormat format) {
    for (const FormatWords& f : kFormats)
        if (f.format == format)
            return f.name;
    return {};
}

std::optional<NetlistFormat> NetlistFormatFromWord(std::string_view word) {
    for (const FormatWords& f : kFormats)
        if (f.word == word)
            return f.format;
    return std::nullopt;
}

std::optional<NetlistFormat> DetectNetlistFormat(std::string_view text) {
    text = WithoutByteOrderMark(text);
    const std::string_view start = SkipBlanks(text);
    if (start.empty())
        return std::nullopt;
    if (start.front() == '(') {
        const std::string_view inner = SkipBlanks(start.substr(1));
        if (inner.substr(0, 6) == "export")
            return NetlistFormat::KiCad;
        if (inner.substr(0, 1) == "{")
            return NetlistFormat::OrcadPcb2;
        // "(" alone on its line opens a Tango net.
        const std::size_t eol = start.find('\n');
        if (SkipBlanks(start.substr(1, eol == std::string_view::npos ? eol : eol - 1)).empty())
            return NetlistFormat::Tango;
        // Any other list: an S-expression, which the KiCad reader names.
        return NetlistFormat::KiCad;
    }
    if (start.front() == '[')
        return NetlistFormat::Tango;
    if (LooksLikeSpice(text))
        return NetlistFormat::Spice;
    return std::nullopt;
}

NetlistReadResult ReadNetlist(std::string_view text, std::optional<NetlistFormat> forced) {
    NetlistReadResult result;
    if (text.size() > kMaxNetlistBytes) {
        result.error = "the netlist is larger than " + std::to_string(kMaxNetlistBytes >> 20) +
                       " MiB, far more than a schematic writes";
        return result;
    }
    // No format has a use for NUL, and a reader that stopped there would read
    // half a netlist as if it were whole.
    if (const void* nul = std::memchr(text.data(), 0, text.size())) {
        const std::size_t at = std::size_t(static_cast<const char*>(nul) - text.data());
        result.error = "byte " + std::to_string(at) + " (line " +
                       std::to_string(LineIndex(text.substr(0, at)).LineOf(at)) +
                       "): the netlist holds the character NUL, which no netlist has";
        return result;
    }
    const std::optional<NetlistFormat> format = forced ? forced : DetectNetlistFormat(text);
    if (!format) {
        const std::string_view start = SkipBlanks(WithoutByteOrderMark(text));
        if (start.substr(0, 1) == "<")
            result.error = "this is an XML netlist; export the KiCad (S-expression) netlist "
                           "instead";
        else if (start.empty())
            result.error = "the netlist is empty";
        else
            result.error = "not a netlist this program reads: neither KiCad's (export ...), "
                           "OrcadPCB2's ( { EESchema ..., Tango's [ ... ] blocks nor a SPICE deck";
        return result;
    }
    NetlistBuilder builder(*format);
    std::optional<std::string> error;
    switch (*format) {
    case NetlistFormat::KiCad: error = ReadKiCadNetlist(text, builder); break;
    case NetlistFormat::OrcadPcb2: error = ReadOrcadPcb2Netlist(text, builder); break;
    case NetlistFormat::Tango: error = ReadTangoNetlist(text, builder); break;
    case NetlistFormat::Spice: error = ReadSpiceNetlist(text, builder); break;
    }
    if (error) {
        result.error = std::move(*error);
        return result;
    }
    result.netlist = builder.Finish();
    if (result.netlist->parts.empty()) {
        result.netlist.reset();
        result.error = std::string("the ") + std::string(NetlistFormatName(*format)) +
                       " netlist lists no parts";
    }
    return result;
}

}  // namespace sw
