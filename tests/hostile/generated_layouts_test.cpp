// SPDX-License-Identifier: GPL-3.0-or-later
// The hostile layouts made at run time (fuzz/hostile_layouts.h): long texts,
// deep nesting, many components, damaged files with huge names.

#include "hostile_layouts.h"
#include "open_pipeline.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

struct GeneratedCase {
    const char* name;
    const char* refusal;  // nullptr: opens
    int components = 0;
};

const GeneratedCase kCases[] = {
    {"name-100000-characters", nullptr, 1},
    {"value-100000-characters", nullptr, 1},
    {"text-100000-characters", nullptr, 1},
    {"project-and-credits-100000-characters", nullptr, 1},
    {"type-100000-characters", nullptr, 1},
    {"coordinate-100000-digits", "has X1=\"9999999999"},
    {"element-name-100000-characters", nullptr, 1},
    {"attribute-name-100000-characters", nullptr, 1},
    {"unknown-elements-10000-deep", nullptr, 1},
    {"inside-a-component-10000-deep", nullptr, 1},
    {"unclosed-10000-deep", "is not a valid layout file"},
    {"components-100000", nullptr, kManyComponents},
    {"unknown-elements-20000-deep", nullptr, 1},
    {"text-letter-with-a-million-accents", nullptr, 1},
    {"credits-8-megabytes", nullptr, 1},
    // The refusal quotes the name short, on one line.
    {"damaged-name-2-megabytes", "Resistor \"NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN...\" has no X2."},
    {"damaged-name-50000-lines", "Resistor \"R...\" has no X2."},
};

class GeneratedLayout : public ::testing::TestWithParam<GeneratedCase> {};

TEST_P(GeneratedLayout, IsRefusedClearlyOrOpensWhole) {
    const GeneratedCase& c = GetParam();
    const QByteArray bytes = GeneratedHostileLayout(QLatin1String(c.name));
    ASSERT_FALSE(bytes.isEmpty());
    const OpenOutcome o = RunOpenPipeline(bytes);
    if (c.refusal) {
        ASSERT_FALSE(o.opened);
        EXPECT_TRUE(o.refusal.contains(QLatin1String(c.refusal))) << o.refusal.toStdString();
        EXPECT_LT(o.refusal.size(), 400);
        EXPECT_FALSE(o.refusal.contains(QLatin1Char('\n')));
        return;
    }
    ASSERT_TRUE(o.opened) << o.refusal.toStdString();
    EXPECT_EQ(o.components, c.components);
    EXPECT_EQ(o.boardImage, QSize(2000, 1200));
    EXPECT_GE(o.picture.width(), 400);
    EXPECT_TRUE(o.copperMade) << o.copperRefusal.toStdString();
    EXPECT_FALSE(o.copperGif.isEmpty());
    EXPECT_TRUE(o.reopened) << o.reopenProblem.toStdString();
    // Saving costs in proportion to the file, however deep it nests.
    EXPECT_LT(o.savedBytes, bytes.size() * 2 + 4096);
}

INSTANTIATE_TEST_SUITE_P(AtRunTime, GeneratedLayout, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GeneratedCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == '-')
                                     ch = '_';
                             return name;
                         });

// The long texts reach the bill of materials whole, and the 100 000 parts are
// all listed.
TEST(GeneratedLayouts, LongTextsAndManyPartsReachTheBillOfMaterials) {
    const OpenOutcome named = RunOpenPipeline(GeneratedHostileLayout(QStringLiteral("name-100000-characters")));
    EXPECT_TRUE(named.billOfMaterials.contains(QByteArray(kLongText, 'W') + ": 1K\r\n"));
    OpenSteps analysisOnly;
    analysisOnly.screen = analysisOnly.picture = analysisOnly.copper = false;
    const OpenOutcome many =
        RunOpenPipeline(GeneratedHostileLayout(QStringLiteral("components-100000")), analysisOnly);
    // Resistors, diodes, capacitors and LEDs (four kinds in ten) between three
    // header and three footer lines.
    EXPECT_EQ(many.billOfMaterials.count("\r\n"), kManyComponents * 4 / 10 + 6);
}

}  // namespace
}  // namespace sw
