// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-written example layouts are used by the benchmarks and by other
// tests, so they must load, and together they must show every kind.

#include "model/layout_document.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace sw {
namespace {

const char* const kExamples[] = {"stripboard.swb", "perfboard.swb", "pcb.swb"};

TEST(Examples, LoadAndTogetherUseEveryKind) {
    std::set<std::string> kinds;
    for (const char* name : kExamples) {
        SCOPED_TRACE(name);
        LayoutDocument doc;
        const LoadResult result = doc.LoadFile(test::ExamplePath(QString::fromLatin1(name)));
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        int count = 0;
        doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
            kinds.insert(node.name());
            ++count;
        });
        EXPECT_GT(count, 30);
    }
    EXPECT_EQ(kinds.size(), 21u);
}

TEST(Examples, NamesAreUniqueWithinEachLayout) {
    for (const char* name : kExamples) {
        SCOPED_TRACE(name);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadFile(test::ExamplePath(QString::fromLatin1(name))).ok);
        std::map<QString, int> seen;
        doc.ForEachComponent([&](pugi::xml_node node, unsigned) { ++seen[TextAttr(node, "Name")]; });
        for (const auto& [componentName, n] : seen)
            EXPECT_EQ(n, 1) << componentName.toStdString();
    }
}

}  // namespace
}  // namespace sw
