// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/fresh_names.h"

#include <algorithm>

namespace sw {
namespace {

// Numbers up to this are kept in the bitset (512 KiB at most); larger ones,
// which only a hand-written name has, in a set.
constexpr std::uint64_t kLowNumbers = std::uint64_t(1) << 22;
// Digits that always fit: a longer number is no name Next makes.
constexpr std::size_t kMaxDigits = 18;

struct Split {
    std::string_view prefix;
    std::uint64_t number = 0;  // 0: no number written as Next writes one
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

}  // namespace

void FreshNames::Numbers::Add(std::uint64_t n) {
    if (n >= kLowNumbers) {
        high.insert(n);
        return;
    }
    if (n >= low.size())
        low.resize(std::max<std::size_t>(std::size_t(n) + 1, low.size() * 2));
    low[n] = true;
}

FreshNames::FreshNames(const std::vector<std::string>& names, const std::vector<std::string>& prefixes)
    : m_given(names.begin(), names.end()) {
    for (const std::string& prefix : prefixes)
        m_numbers.try_emplace(prefix);
}

void FreshNames::InUse(std::string_view name) {
    if (name.empty())
        return;
    const Split split = SplitName(name);
    Numbers* numbers = NumbersOf(split.prefix);
    // A pasted name has its prefix among those given, or is digits alone.
    if (!numbers && !split.prefix.empty())
        return;
    if (m_given.count(name))
        m_names.emplace(name);
    if (numbers && split.number)
        numbers->Add(split.number);
}

FreshNames::Numbers* FreshNames::NumbersOf(std::string_view prefix) {
    // A few prefixes at most: a search of the list beats hashing the text.
    for (auto& [text, numbers] : m_numbers)
        if (text.size() == prefix.size() && (prefix.empty() || text[0] == prefix[0]) && text == prefix)
            return &numbers;
    return nullptr;
}

const FreshNames::Numbers* FreshNames::NumbersOf(std::string_view prefix) const {
    return const_cast<FreshNames*>(this)->NumbersOf(prefix);
}

bool FreshNames::Taken(std::string_view name) const {
    if (name.empty() || m_names.count(std::string(name)))
        return true;
    const Split split = SplitName(name);
    const Numbers* numbers = split.number ? NumbersOf(split.prefix) : nullptr;
    return numbers && numbers->Has(split.number);
}

void FreshNames::Mark(std::string_view name) {
    const Split split = SplitName(name);
    if (split.number)
        if (Numbers* numbers = NumbersOf(split.prefix))
            numbers->Add(split.number);
}

void FreshNames::Take(std::string_view name) {
    m_names.emplace(name);
    Mark(name);
}

std::string FreshNames::Next(std::string_view prefix) {
    Numbers* numbers = NumbersOf(prefix);
    if (!numbers)
        numbers = &m_numbers.try_emplace(std::string(prefix)).first->second;
    std::uint64_t& n = numbers->next;
    while (numbers->Has(n))
        ++n;
    return std::string(prefix) + std::to_string(n);
}

}  // namespace sw
