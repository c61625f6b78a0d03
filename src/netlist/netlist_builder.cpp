// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/netlist_builder.h"

#include "netlist/component_value.h"

#include <algorithm>
#include <numeric>

namespace sw {
namespace {

// More warnings than this say nothing new; the rest are counted.
constexpr std::size_t kMaxWarnings = 100;

}  // namespace

std::string AtLine(std::size_t line, std::string_view text) {
    return "line " + std::to_string(line) + ": " + std::string(text);
}

NetlistBuilder::NetlistBuilder(NetlistFormat format) { m_netlist.format = format; }

int NetlistBuilder::AddPart(std::string_view ref, std::string value, std::string footprint,
                            std::size_t line) {
    const auto [it, fresh] = m_parts.try_emplace(std::string(ref), int(m_netlist.parts.size()));
    if (!fresh) {
        NetlistPart& first = m_netlist.parts[std::size_t(it->second)];
        if (first.listed) {
            Warn(line, "the part " + std::string(ref) + " is listed again (first on line " +
                           std::to_string(first.line) + "); the first is kept");
        } else {
            first.listed = true;
            first.value = std::move(value);
            first.footprint = std::move(footprint);
            first.line = line;
        }
        return it->second;
    }
    NetlistPart part;
    part.ref = std::string(ref);
    part.value = std::move(value);
    part.footprint = std::move(footprint);
    part.line = line;
    m_netlist.parts.push_back(std::move(part));
    return it->second;
}

void NetlistBuilder::SetSymbol(int part, std::string symbol) {
    std::string& kept = m_netlist.parts[std::size_t(part)].symbol;
    if (kept.empty())  // a part listed again keeps its first
        kept = std::move(symbol);
}

void NetlistBuilder::MarkSource(int part) { m_netlist.parts[std::size_t(part)].source = true; }

int NetlistBuilder::Net(std::string_view name) {
    const auto [it, fresh] = m_nets.try_emplace(std::string(name), int(m_netlist.nets.size()));
    if (fresh)
        m_netlist.nets.emplace_back(name);
    return it->second;
}

void NetlistBuilder::AddPin(std::string_view ref, std::string_view pin, int net,
                            std::string_view function, std::size_t line) {
    auto it = m_parts.find(std::string(ref));
    if (it == m_parts.end()) {
        Warn(line, "the net " + m_netlist.nets[std::size_t(net)] + " names the part " +
                       std::string(ref) + ", which the parts list does not have");
        const int index = AddPart(ref, std::string(), std::string(), line);
        m_netlist.parts[std::size_t(index)].listed = false;
        it = m_parts.find(std::string(ref));
    }
    m_netlist.parts[std::size_t(it->second)].pins.push_back(
        {std::string(pin), net, std::string(function)});
}

void NetlistBuilder::Warn(std::size_t line, std::string text) {
    if (m_netlist.warnings.size() < kMaxWarnings)
        m_netlist.warnings.push_back(AtLine(line, text));
    else
        ++m_warningsDropped;
}

Netlist NetlistBuilder::Finish() {
    for (NetlistPart& part : m_netlist.parts) {
        if (IsSourceValue(part.value))
            part.source = true;
        if (part.pins.size() < 2)
            continue;
        // A pin named twice (two nets claim it) keeps its first net.
        std::vector<std::size_t> order(part.pins.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return part.pins[a].name < part.pins[b].name;
        });
        std::vector<bool> drop(part.pins.size(), false);
        for (std::size_t i = 1; i < order.size(); ++i)
            if (part.pins[order[i]].name == part.pins[order[i - 1]].name) {
                drop[order[i]] = true;
                Warn(part.line, "pin " + part.pins[order[i]].name + " of " + part.ref +
                                    " is on two nets; the first is kept");
            }
        std::size_t kept = 0;
        for (std::size_t i = 0; i < part.pins.size(); ++i)
            if (!drop[i]) {
                if (kept != i)
                    part.pins[kept] = std::move(part.pins[i]);
                ++kept;
            }
        part.pins.resize(kept);
    }
    if (m_warningsDropped > 0)
        m_netlist.warnings.push_back("and " + std::to_string(m_warningsDropped) +
                                     " more warnings");
    return std::move(m_netlist);
}

int Netlist::FindPart(std::string_view ref) const {
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].ref == ref)
            return int(i);
    return -1;
}

}  // namespace sw
