// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fresh names for pasted parts: the smallest "prefix + n" (n = 1, 2, ...) that
// no element has, as for a placed part. The caller tells it every name in use
// (one walk of the layout, which may hold a hundred thousand parts), and of
// them only those that matter are kept: the pasted parts' own names and the
// numbers in use after the prefixes fresh names count up from, as a bitset.
// Names are only ever added while pasting, so the search for a prefix goes on
// from where it last stopped.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace sw {

class FreshNames {
public:
    // `names` are the names the pasted parts bring, `prefixes` those their
    // fresh names would count up from, among them every name's own (the name
    // without its trailing digits, when it has more); UTF-8, as the document
    // holds them. `names` is read where it is, so it outlives this.
    FreshNames(const std::vector<std::string>& names, const std::vector<std::string>& prefixes);

    // An element of the layout has `name`.
    void InUse(std::string_view name);
    // Whether an element has `name`, or a fresh one was taken as it: known for
    // the names and prefixes given, and for the names Next makes.
    bool Taken(std::string_view name) const;
    void Take(std::string_view name);
    // The smallest free "prefix + n" for one of the prefixes given.
    std::string Next(std::string_view prefix);

private:
    // The numbers in use after one prefix.
    struct Numbers {
        std::vector<bool> low;  // n < low.size()
        std::unordered_set<std::uint64_t> high;
        std::uint64_t next = 1;
        bool Has(std::uint64_t n) const { return n < low.size() ? bool(low[n]) : high.count(n) != 0; }
        void Add(std::uint64_t n);
    };
    // The numbers of `prefix`, when it is one of those given.
    Numbers* NumbersOf(std::string_view prefix);
    const Numbers* NumbersOf(std::string_view prefix) const;
    // Notes a number of a given prefix in use.
    void Mark(std::string_view name);

    std::unordered_set<std::string_view> m_given;  // into the caller's names
    std::unordered_set<std::string> m_names;  // the given names in use, and those taken
    std::unordered_map<std::string, Numbers> m_numbers;
};

}  // namespace sw
