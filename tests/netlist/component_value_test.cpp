// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/component_value.h"

#include <cmath>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(ComponentValue, ReadsTheWaysValuesAreWritten) {
    struct Case {
        const char* text;
        ValueDialect dialect;
        std::optional<double> number;
    };
    const ValueDialect common = ValueDialect::Common, spice = ValueDialect::Spice;
    const std::vector<Case> cases = {
        {"4K7", common, 4700},      {"4.7k", common, 4700},    {"4700", common, 4700},
        {"1K5", common, 1500},      {"1.5K", common, 1500},    {"680n", common, 680e-9},
        {"680nF", common, 680e-9},  {"10\xC2\xB5" "F", common, 10e-6}, {"10uF", common, 10e-6},
        {"2u2", common, 2.2e-6},    {"470R", common, 470},     {"4R7", common, 4.7},
        {"1M", common, 1e6},        {"1M", spice, 1e-3},       {"1MEG", spice, 1e6},
        {"1meg", common, 1e6},      {"10m", spice, 10e-3},     {"100uF 25V", common, 100e-6},
        {"10K Log", common, 1e4},   {"12V", common, 12},       {"4.7k\xCE\xA9", common, 4700},
        {"0,1u", common, 0.1e-6},   {"1f", spice, 1e-15},
        {"BC547", common, {}},      {"1N4148", common, {}},    {"2N3904", common, {}},
        {"NE555P", common, {}},     {"red 5mm", common, {}},   {"12AX7", common, {}},
        {"", common, {}},           {"4R7K", common, {}},      {"10uFarad", common, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> v = ValueAsNumber(c.text, c.dialect);
        ASSERT_EQ(v.has_value(), c.number.has_value());
        if (v)
            EXPECT_NEAR(*v, *c.number, std::fabs(*c.number) * 1e-9);
    }
}

TEST(ComponentValue, ComparesAsNumbersOrAsTexts) {
    struct Case {
        const char* layout;
        const char* netlist;
        ValueDialect dialect;
        bool same;
    };
    const std::vector<Case> cases = {
        {"4K7", "4.7k", ValueDialect::Common, true},
        {"4700R", "4k7", ValueDialect::Common, true},
        {"100nF", "0.1u", ValueDialect::Common, true},
        {"1M", "1MEG", ValueDialect::Spice, true},
        {"1M", "1M", ValueDialect::Spice, false},  // a megohm on the board, a milliohm in SPICE
        {"47K", "4K7", ValueDialect::Common, false},
        {"BC547", "bc547", ValueDialect::Common, true},
        {"red LED", "red_LED", ValueDialect::Common, true},
        {"TL072", "TL071", ValueDialect::Common, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameValue(c.layout, c.netlist, c.dialect), c.same) << c.layout << " " << c.netlist;
}

TEST(ComponentValue, KnowsSourceValues) {
    for (const char* v : {"DC 9", "dc 5", "AC 1", "SINE(0 1 1k)", "PULSE (0 5 0)", "PWL(0 0 1 1)",
                          "EXP(0 1)", "SFFM(0 1 1k)", "DC"})
        EXPECT_TRUE(IsSourceValue(v)) << v;
    for (const char* v : {"10k", "ACS712", "DCDC", "EXPANDER", ""})
        EXPECT_FALSE(IsSourceValue(v)) << v;
}

}  // namespace
}  // namespace sw
