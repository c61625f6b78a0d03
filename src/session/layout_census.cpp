// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/layout_census.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sw {
namespace {

// What a node costs at most when saved: its two lines at the deepest
// indentation, its name twice, its text escaped; an attribute its name, the
// quotes and the escaped value.
constexpr qint64 kNode = 160, kAttribute = 4, kEscape = 6;
// Digits that always fit: a longer number is no number a fresh name has.
constexpr std::size_t kMaxDigits = 18;

struct Split {
    std::string_view prefix;
    std::uint64_t number = 0;  // 0: no number written as a fresh name writes one
};

// A name as its prefix and the number after it: the trailing digits, without
// a leading zero (so "R01" is no number of "R").
Split SplitName(std::string_view name) {
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9')
        --end;
    Split split{name.substr(0, end), 0};
    const std::string_view digits = name.substr(end);
    if (digits.empty() || digits.size() > kMaxDigits || digits[0] == '0')
        return split;
    for (char digit : digits)
        split.number = split.number * 10 + std::uint64_t(digit - '0');
    return split;
}

// Visits `top` and every node below it, in document order.
template <typename F>
void ForEachNodeOf(pugi::xml_node top, F&& visit) {
    pugi::xml_node node = top;
    while (node) {
        visit(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling())
            node = node.parent();
        if (node == top)
            return;
        node = node.next_sibling();
    }
}

}  // namespace

qint64 LayoutCensus::NodeBytes(pugi::xml_node node) {
    qint64 bytes = kNode + 2 * qint64(std::strlen(node.name())) + kEscape * qint64(std::strlen(node.value()));
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        bytes += kAttribute + qint64(std::strlen(a.name())) + kEscape * qint64(std::strlen(a.value()));
    return bytes;
}

const char* LayoutCensus::NameOf(pugi::xml_node child) {
    if (child.type() != pugi::node_element)
        return nullptr;
    const pugi::xml_attribute name = child.attribute("Name");
    return name && *name.value() ? name.value() : nullptr;
}

void LayoutCensus::Count(pugi::xml_node child, int sign) {
    ForEachNodeOf(child, [&](pugi::xml_node node) { m_bytes += sign * NodeBytes(node); });
    if (child.type() == pugi::node_element && LayoutDocument::IsComponentKind(child.name()))
        m_components += sign;
    const char* name = NameOf(child);
    if (!name)
        return;
    if (sign > 0) {
        ++m_names[name];
        return;
    }
    const auto named = m_names.find(std::string_view(name));
    if (named == m_names.end() || --named->second > 0)
        return;
    m_names.erase(named);
    // The name is free again: fresh names of its prefix may take it.
    const Split split = SplitName(name);
    if (!split.number)
        return;
    const auto free = m_free.find(split.prefix);
    if (free != m_free.end() && split.number < free->second)
        free->second = split.number;
}

void LayoutCensus::Add(pugi::xml_node child) { Count(child, 1); }
void LayoutCensus::Remove(pugi::xml_node child) { Count(child, -1); }

void LayoutCensus::Take(const LayoutDocument& doc) {
    m_components = 0;
    m_bytes = 0;
    m_names = TextMap();  // a smaller layout does not keep a larger one's table
    m_free.clear();
    const pugi::xml_node root = doc.Root();
    // Room for as many names again, so that the pastes to come, which add to
    // the names one by one, do not each spread the table anew.
    std::size_t children = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
        ++children;
    m_names.reserve(2 * children);
    for (pugi::xml_node top = doc.Dom().first_child(); top; top = top.next_sibling()) {
        if (top != root) {
            ForEachNodeOf(top, [&](pugi::xml_node node) { m_bytes += NodeBytes(node); });
            continue;
        }
        m_bytes += NodeBytes(root);
        for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
            Count(child, 1);
    }
    // For each prefix the smallest number no name has: with k names of a
    // prefix it is at most k + 1, so larger numbers need not be looked at.
    std::unordered_map<std::string_view, std::vector<std::uint64_t>> numbers;
    for (const auto& [name, count] : m_names)
        if (const Split split = SplitName(name); split.number)
            numbers[split.prefix].push_back(split.number);
    for (const auto& [prefix, used] : numbers) {
        std::vector<bool> seen(used.size() + 2);
        for (std::uint64_t n : used)
            if (n < seen.size())
                seen[n] = true;
        std::uint64_t first = 1;
        while (seen[first])
            ++first;
        m_free.emplace(std::string(prefix), first);
    }
}

bool LayoutCensus::InUse(std::string_view name) const { return m_names.find(name) != m_names.end(); }

std::uint64_t LayoutCensus::FreeNumber(std::string_view prefix, std::uint64_t from) {
    from = std::max<std::uint64_t>(from, 1);
    const auto free = m_free.find(prefix);
    const std::uint64_t known = free == m_free.end() ? 1 : free->second;
    std::uint64_t n = std::max(from, known);
    std::string name(prefix);
    for (;; ++n) {
        name.resize(prefix.size());
        name += std::to_string(n);
        if (!InUse(name))
            break;
    }
    // Every number from the one known up to n is taken: the next search
    // starts at n.
    if (from <= known) {
        if (free == m_free.end())
            m_free.emplace(std::string(prefix), n);
        else
            free->second = n;
    }
    return n;
}

}  // namespace sw
