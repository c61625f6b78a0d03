// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every reader does with what it found: parts by reference (a repeated one
// is a warning and the first stays), nets by name, pins of parts, and warnings
// with their line, a bounded number of them.

#include "netlist/netlist.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace sw {

class NetlistBuilder {
public:
    explicit NetlistBuilder(NetlistFormat format);

    // The part's index; a reference read before is kept as it was, with a warning.
    int AddPart(std::string_view ref, std::string value, std::string footprint, std::size_t line);
    void SetSymbol(int part, std::string symbol);
    void MarkSource(int part);
    // The net's index, made when the name is new.
    int Net(std::string_view name);
    // A pin of the part `ref` on `net`. A reference the parts list does not
    // have gets a part of its own, with a warning.
    void AddPin(std::string_view ref, std::string_view pin, int net, std::string_view function,
                std::size_t line);
    void Warn(std::size_t line, std::string text);
    void SetListsAllPins(bool all) { m_netlist.listsAllPins = all; }
    int PartCount() const { return int(m_netlist.parts.size()); }

    // The netlist: a pin listed twice keeps its first net, with a warning; parts
    // whose value describes a source ("DC 5", "PULSE(...)") are marked as sources.
    Netlist Finish();

private:
    Netlist m_netlist;
    std::unordered_map<std::string, int> m_parts;
    std::unordered_map<std::string, int> m_nets;
    std::size_t m_warningsDropped = 0;
};

// A message naming the line: "line 12: text".
std::string AtLine(std::size_t line, std::string_view text);

}  // namespace sw
