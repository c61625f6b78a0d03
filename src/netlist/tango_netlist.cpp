// SPDX-License-Identifier: GPL-3.0-or-later
// Tango and Protel 1 netlists: "[" ... "]" blocks for parts, one item a line
// (designator, footprint, then type and value in the order the exporter chose),
// and "(" ... ")" blocks for nets (the name, then REF-PIN nodes, one a line).
// A reference may hold parentheses or dashes, so a node splits at its last "-".

#include "netlist/netlist_readers.h"

#include "netlist/component_value.h"
#include "netlist/text_lines.h"

#include <string>

namespace sw {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Of the lines after the footprint, the one that reads as a value (4K7, 100nF);
// else the first.
std::string ChooseValue(const std::vector<std::string_view>& items) {
    for (std::string_view item : items)
        if (ValueAsNumber(item, ValueDialect::Common))
            return std::string(item);
    return items.empty() ? std::string() : std::string(items.front());
}

}  // namespace

std::optional<std::string> ReadTangoNetlist(std::string_view text, NetlistBuilder& builder) {
    builder.SetListsAllPins(false);
    TextLines lines(WithoutByteOrderMark(text));
    std::string_view raw;
    enum class In { Nothing, Part, Net } in = In::Nothing;
    std::size_t blockLine = 0;
    std::vector<std::string_view> items;  // the part's lines so far
    int net = -1;
    bool netNamed = false;
    bool any = false;
    while (lines.Next(raw)) {
        const std::string_view line = Trim(raw);
        const std::size_t n = lines.Number();
        if (in == In::Nothing) {
            if (line.empty())
                continue;
            if (line == "[" || line == "(") {
                in = line == "[" ? In::Part : In::Net;
                blockLine = n;
                items.clear();
                netNamed = false;
                any = true;
                continue;
            }
            return AtLine(n, "expected \"[\" or \"(\" to begin a part or a net, found \"" +
                                 std::string(line.substr(0, 40)) + "\"");
        }
        if (line == "[" || line == "(")
            return AtLine(n, "a block begins inside the block from line " +
                                 std::to_string(blockLine) + " (is a \"]\" or \")\" missing?)");
        if (in == In::Part) {
            if (line != "]") {
                items.push_back(line);
                continue;
            }
            in = In::Nothing;
            if (items.empty() || items.front().empty()) {
                builder.Warn(blockLine, "a part without a designator is passed over");
                continue;
            }
            std::vector<std::string_view> rest;
            for (std::size_t i = 2; i < items.size(); ++i)
                if (!items[i].empty())
                    rest.push_back(items[i]);
            builder.AddPart(items.front(), ChooseValue(rest),
                            items.size() > 1 ? std::string(items[1]) : std::string(), blockLine);
            continue;
        }
        // In a net.
        if (line == ")") {
            in = In::Nothing;
            if (!netNamed)
                builder.Warn(blockLine, "a net without a name is passed over");
            continue;
        }
        if (line.empty())
            continue;
        if (!netNamed) {
            net = builder.Net(line);
            netNamed = true;
            continue;
        }
        const std::size_t dash = line.rfind('-');
        if (dash == std::string_view::npos || dash == 0 || dash + 1 == line.size()) {
            std::string text(1, '"');
            text.append(line.substr(0, 40)).append("\" is not a node REF-PIN; passed over");
            builder.Warn(n, std::move(text));
            continue;
        }
        builder.AddPin(line.substr(0, dash), line.substr(dash + 1), net, {}, n);
    }
    if (in != In::Nothing)
        return AtLine(blockLine, std::string("this ") + (in == In::Part ? "part" : "net") +
                                     " is not closed: the text ends (is it cut short?)");
    if (!any)
        return std::string("the netlist is empty");
    return std::nullopt;
}

}  // namespace sw
