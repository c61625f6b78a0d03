#include "model/layout_document.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(LayoutDocument, RoundTripKeepsCommentsAndUnknownElementsInPlace) {
    LayoutDocument doc;
    const std::string text =
        "<Layout Width=\"20\" Height=\"10\" Type=\"Stripboard\" Project=\"P\" Credits=\"C\">\n"
        "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
        "  <!-- a note -->\n"
        "  <Gadget Foo=\"1\" />\n"
        "  <Cut X1=\"3\" Y1=\"2\" Name=\"X1\" />\n"
        "</Layout>\n";
    ASSERT_TRUE(doc.LoadText(text).ok);
    EXPECT_EQ(doc.ToText(), text);
}

TEST(LayoutDocument, DamagedFilesAreRefusedNamingElementAndAttribute) {
    LayoutDocument doc;
    const std::string before = doc.ToText();
    struct Case { const char* xml; const char* expected; };
    const Case cases[] = {
        {"<Layout Height=\"10\"/>", "has no Width"},
        {"<Layout Width=\"20\" Height=\"x\"/>", "Height=\"x\""},
        {"<Layout Width=\"20\" Height=\"10\"><Resistor X1=\"1\" Y1=\"1\" X2=\"3\" Name=\"R7\"/></Layout>",
         "Resistor \"R7\" has no Y2"},
        {"<Layout Width=\"20\" Height=\"10\"><Cut X1=\"1\" Y1=\"1.5\" Name=\"X1\"/></Layout>",
         "Cut \"X1\" has Y1=\"1.5\""},
        {"<Board/>", "root element is <Board>"},
        {"<Layout Width=\"20\"", "Not a valid layout"},
    };
    for (const Case& c : cases) {
        const LoadResult r = doc.LoadText(c.xml);
        EXPECT_FALSE(r.ok) << c.xml;
        EXPECT_TRUE(r.message.contains(QLatin1String(c.expected))) << r.message.toStdString();
        EXPECT_EQ(doc.ToText(), before) << "the previous document must stay";
    }
}

}  // namespace
}  // namespace sw
