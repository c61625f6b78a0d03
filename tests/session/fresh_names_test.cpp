// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/fresh_names.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sw {
namespace {

// Pastes names into a layout of `present` as Paste does: a name taken gets the
// next fresh one of its prefix (the name without its trailing digits), a free
// one is kept; both are taken from then on.
std::vector<std::string> Pasted(const std::vector<std::string>& present, const std::vector<std::string>& pasted) {
    std::vector<std::string> prefixes;
    for (const std::string& name : pasted)
        prefixes.push_back(name.substr(0, name.find_last_not_of("0123456789") + 1));
    FreshNames names(pasted, prefixes);
    for (const std::string& name : present)
        names.InUse(name);
    std::vector<std::string> out;
    for (const std::string& name : pasted) {
        const std::string prefix = name.substr(0, name.find_last_not_of("0123456789") + 1);
        out.push_back(names.Taken(name) ? names.Next(prefix) : name);
        names.Take(out.back());
    }
    return out;
}

TEST(FreshNames, TheSmallestFreeNumberOfThePrefixWhateverElseIsInUse) {
    struct Case {
        const char* what;
        std::vector<std::string> present, pasted, expected;
    };
    const Case cases[] = {
        {"free names are kept", {"R1"}, {"R2", "C1"}, {"R2", "C1"}},
        {"taken ones count up past every number in use", {"R1", "R2", "R4"}, {"R1", "R2"}, {"R3", "R5"}},
        {"a kept name is in use for the next", {"R1"}, {"R2", "R1"}, {"R2", "R3"}},
        {"a leading zero is another name", {"R1", "R02"}, {"R1"}, {"R2"}},
        {"other prefixes do not count", {"R1", "RR2", "C2"}, {"R1"}, {"R2"}},
        {"a name of no number", {"LED", "LED1"}, {"LED"}, {"LED2"}},
        {"numbers far out and past 64 bits", {"R1", "R2", "R5000000", "R99999999999999999999"},
         {"R1", "R5000000", "R99999999999999999999", "R3"}, {"R3", "R4", "R5", "R6"}},
        {"prefixes beyond ASCII", {"\u03A91", "\u03A92"}, {"\u03A91"}, {"\u03A93"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Pasted(c.present, c.pasted), c.expected);
    }

    // 100 000 parts present, 1000 pasted with the same names: the names go on
    // from the last number in use.
    std::vector<std::string> present, pasted, expected;
    for (int i = 1; i <= 100000; ++i)
        present.push_back("R" + std::to_string(i));
    for (int i = 1; i <= 1000; ++i) {
        pasted.push_back("R" + std::to_string(i));
        expected.push_back("R" + std::to_string(100000 + i));
    }
    EXPECT_EQ(Pasted(present, pasted), expected);
}

}  // namespace
}  // namespace sw
