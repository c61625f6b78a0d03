// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/explorer_order.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(ListCompare, OrdersByPictureThenNameNumberThenFoldedText) {
    struct Case {
        int aIndex;
        const char* a;
        int bIndex;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        // Categories and entries of different kinds: the catalogue index decides.
        {0, "[Text]", 20, "[Relay]", -1},
        {5, "R99", 4, "A1", 1},
        // Same prefix, whole numbers: numeric order.
        {5, "R2", 5, "R10", -1},
        {5, "R1", 5, "R2", -1},
        {5, "R10", 5, "R10", 0},
        {5, "R007", 5, "R7", 0},
        // Number parts that are not whole numbers fall back to the text.
        {5, "R9a", 5, "R10a", 1},
        {5, "R9", 5, "R10a", 1},
        // Different prefixes (case counts here) fall back to the text, where a-z
        // are folded to capitals, so r1 and R1 are equal.
        {5, "r1", 5, "R1", 0},
        {5, "r2", 5, "R10", 1},
        {5, "ab", 5, "AC", -1},
        // No digits: text order; shorter first on a common start.
        {5, "VR", 5, "VRX", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(ListCompare(c.aIndex, QLatin1String(c.a), c.bIndex, QLatin1String(c.b))),
                  c.expected)
            << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(ListCompare(c.bIndex, QLatin1String(c.b), c.aIndex, QLatin1String(c.a))),
                  -c.expected)
            << c.b << " vs " << c.a;
    }
}

TEST(ListCompare, FoldsOnlyAsciiLettersAndComparesByCode) {
    // '_' (95) lies between the capitals and the small letters: after folding,
    // "a" is "A" (65), so "_" sorts after it.
    EXPECT_GT(CompareFoldedAscii(QStringLiteral("_"), QStringLiteral("a")), 0);
    EXPECT_LT(CompareFoldedAscii(QStringLiteral("Z"), QStringLiteral("_")), 0);
    // No locale folding beyond a-z.
    EXPECT_NE(CompareFoldedAscii(QStringLiteral("\u00e9"), QStringLiteral("\u00c9")), 0);
}

TEST(ListCompare, HugeNumbersFallBackToText) {
    // Too big for an integer: compared as text, which still orders them stably.
    const QString a = QStringLiteral("R99999999999999999999");
    const QString b = QStringLiteral("R100000000000000000000");
    EXPECT_GT(ListCompare(5, a, 5, b), 0);
}

}  // namespace
}  // namespace sw
