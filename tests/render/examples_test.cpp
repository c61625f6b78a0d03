// SPDX-License-Identifier: GPL-3.0-or-later
// The example layouts are working circuits, used by the benchmarks and by
// other tests: they must load, and each is a real board of at least eight
// parts with values (that each matches its netlist is checked with the program
// in tests/cli/examples_check_test.cpp).

#include "model/layout_document.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace sw {
namespace {

const char* const kExamples[] = {"stripboard.swb", "perfboard.swb", "pcb.swb"};

TEST(Examples, LoadAndAreCircuitsOfAtLeastEightPartsWithValues) {
    // What is copper or a note on the board, not a part of the circuit.
    const std::set<std::string> copper = {"Text", "Cut", "Pad", "Trace", "Jumper", "Wire"};
    std::set<std::string> kinds;
    for (const char* name : kExamples) {
        SCOPED_TRACE(name);
        LayoutDocument doc;
        const LoadResult result = doc.LoadFile(test::ExamplePath(QString::fromLatin1(name)));
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        int parts = 0;
        doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
            kinds.insert(node.name());
            if (copper.count(node.name()) || node.attribute("Parent"))
                return;
            ++parts;
            if (std::string(node.name()) != "Jack" && std::string(node.name()) != "Pad")
                EXPECT_STRNE(node.attribute("Value").value(), "") << TextAttr(node, "Name").toStdString();
        });
        EXPECT_GE(parts, 8);
        EXPECT_TRUE(doc.GetRootAttribute("Netlist").has_value());
    }
    // Between them the boards show strips and cuts, traces and pads, jumpers
    // and wires, and parts of a dozen kinds.
    EXPECT_GE(kinds.size(), 15u);
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
