// SPDX-License-Identifier: GPL-3.0-or-later
// Copying parts into a layout fragment and pasting it into a session: what the
// fragment holds, names made fresh with pads following, placement, selection,
// one undo step, and text that is refused or ignored.

#include "session/layout_fragment.h"

#include "model/layout_document.h"
#include "session/editor_session.h"

#include <climits>
#include <set>
#include <gtest/gtest.h>

namespace sw {
namespace {

// A PCB: a resistor with two pads and a pad owned by one of them, a wire, and
// an element of no kind after them.
constexpr const char kPcb[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
  <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1" Square="False"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Pad X1="9" Y1="9" Value="15" Name="P3" Parent="P1" Square="False"/>
  <Wire Color="Red" Seed="7" X1="1" Y1="1" X2="5" Y2="5" Name="W1"/>
  <Gadget Name="G1"/>
</Layout>)";

struct Fragments : ::testing::Test {
    EditorSession session;
    LayoutDocument& doc = session.Document();
    Fragments() { Load(kPcb); }

    void Load(const char* xml) {
        ASSERT_TRUE(doc.LoadText(xml).ok);
        session.ClearUndo();
        session.SetModified(false);
    }
    pugi::xml_node Named(const char* name) const {
        return doc.Root().find_child_by_attribute("Name", name);
    }
    // "Kind Name X1,Y1[-X2,Y2] [^Parent]" of each child from `first` on.
    std::vector<std::string> Children(int first = 0) const {
        std::vector<std::string> out;
        int i = 0;
        for (pugi::xml_node c : doc.Root().children()) {
            if (i++ < first)
                continue;
            std::string s = std::string(c.name()) + " " + c.attribute("Name").value() + " " +
                            c.attribute("X1").value() + "," + c.attribute("Y1").value();
            if (c.attribute("X2"))
                s += std::string("-") + c.attribute("X2").value() + "," + c.attribute("Y2").value();
            if (c.attribute("Parent"))
                s += std::string(" ^") + c.attribute("Parent").value();
            out.push_back(s);
        }
        return out;
    }
};

TEST_F(Fragments, CopyHoldsTheSelectedPartsWithTheirOwnPadsInDocumentOrder) {
    EXPECT_EQ(CopySelection(session), "") << "nothing selected, nothing to copy";
    session.SelectOnly(Named("R1"));
    const std::string text = CopySelection(session);
    Fragment fragment = ParseFragment(text);
    ASSERT_EQ(fragment.status, FragmentStatus::Parts);
    EXPECT_STREQ(fragment.dom.document_element().name(), "LayoutFragment");
    EXPECT_STREQ(fragment.dom.document_element().attribute("Type").value(), "PCB");
    std::vector<std::string> names;
    for (pugi::xml_node part : fragment.parts)
        names.push_back(part.attribute("Name").value());
    // P3 belongs to P1, so it goes where P1 goes; the wire and G1 stay behind.
    EXPECT_EQ(names, (std::vector<std::string>{"P1", "P2", "R1", "P3"}));
    EXPECT_EQ(text.find("Gadget"), std::string::npos);
}

TEST_F(Fragments, PasteGivesTakenNamesFreshOnesPadsFollowAndLandsOneHoleRightAndDown) {
    session.SelectOnly(Named("R1"));
    const std::string text = CopySelection(session);
    const PasteResult pasted = PasteFragment(session, text);
    ASSERT_EQ(pasted.status, FragmentStatus::Parts);
    EXPECT_EQ(pasted.pasted.size(), 4u);
    // After the last child, G1 included; P4 ... P6 are free (P1 ... P3 taken).
    EXPECT_EQ(Children(6), (std::vector<std::string>{"Pad P4 3,4 ^R2", "Pad P5 7,4 ^R2",
                                                     "Resistor R2 3,4-7,4", "Pad P6 10,10 ^P4"}));
    EXPECT_EQ(Children(0).size(), 10u);

    // What was pasted is selected, the resistor current; one step to undo.
    for (pugi::xml_node e : pasted.pasted)
        EXPECT_TRUE(session.Selection().Contains(e));
    EXPECT_EQ(session.Selection().Count(), 4);
    EXPECT_EQ(session.Current().element, Named("R2"));
    EXPECT_TRUE(session.Modified());
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(Children(0).size(), 6u);
}

TEST_F(Fragments, PasteAtAHolePutsTheTopLeftOfThePartsThere) {
    session.SelectOnly(Named("W1"));
    const std::string wire = CopySelection(session);
    // The wire runs from (1,1) to (5,5); its top left goes to (10,2).
    ASSERT_TRUE(PasteFragment(session, wire, Hole{10, 2}).pasted.size() == 1);
    EXPECT_EQ(Children(6), (std::vector<std::string>{"Wire W2 10,2-14,6"}));
}

TEST_F(Fragments, NamesAreMadeFreshFromTheirOwnPrefixAndTwiceInOneFragment) {
    Load(R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c">
  <Pot Value="10K" Taper="Linear" X1="2" Y1="2" X2="4" Y2="2" Name="VR1"/>
  <Resistor Value="1K" X1="2" Y1="3" X2="6" Y2="3" Name="12"/>
  <Text Value="hi" X1="1" Y1="1" Name="Note"/>
</Layout>)");
    const char* fragment = R"(<LayoutFragment>
  <Pot Value="10K" Taper="Linear" X1="2" Y1="2" X2="4" Y2="2" Name="VR1"/>
  <Resistor Value="1K" X1="2" Y1="3" X2="6" Y2="3" Name="12"/>
  <Text Value="hi" X1="1" Y1="1" Name="Note"/>
  <Text Value="ho" X1="1" Y1="1" Name="Note"/>
  <Cut X1="1" Y1="1" Name=""/>
  <Cut X1="1" Y1="1" Name="K9"/>
</LayoutFragment>)";
    ASSERT_EQ(PasteFragment(session, fragment).status, FragmentStatus::Parts);
    std::vector<std::string> names;
    for (pugi::xml_node c : doc.Root().children())
        names.push_back(c.attribute("Name").value());
    // VR1 -> VR2; a name of digits takes the kind's prefix; two Notes in one
    // fragment part; no name stays none; a free name stays.
    EXPECT_EQ(names, (std::vector<std::string>{"VR1", "12", "Note", "VR2", "R1", "Note1", "Note2",
                                               "", "K9"}));
}

TEST_F(Fragments, ManyPartsOfOneNameEachGetTheirOwn) {
    std::string text = "<LayoutFragment>";
    for (int i = 0; i < 3000; ++i)
        text += "<Cut X1=\"1\" Y1=\"1\" Name=\"P2\"/>";
    text += "</LayoutFragment>";
    const PasteResult result = PasteFragment(session, text);
    ASSERT_EQ(result.pasted.size(), 3000u);
    // P1 ... P3 are the document's: the first pasted takes the free P4.
    std::set<std::string> names;
    for (pugi::xml_node part : result.pasted)
        names.insert(part.attribute("Name").value());
    EXPECT_EQ(names.size(), 3000u);
    EXPECT_STREQ(result.pasted.front().attribute("Name").value(), "P4");
    EXPECT_STREQ(result.pasted.back().attribute("Name").value(), "P3003");
}

TEST_F(Fragments, TextThatHoldsNoPartsIsIgnoredAndDamagedPartsAreRefused) {
    const struct {
        const char* what;
        std::string text;
        FragmentStatus status;
        const char* message;  // a piece of it
    } cases[] = {
        {"empty", "", FragmentStatus::NotAFragment, "holds no layout parts"},
        {"prose", "10K resistor", FragmentStatus::NotAFragment, "holds no layout parts"},
        {"other XML", "<Schematic><Resistor X1=\"1\" Y1=\"1\" X2=\"2\" Y2=\"1\"/></Schematic>",
         FragmentStatus::NotAFragment, "holds no layout parts"},
        {"no parts", "<LayoutFragment><Gadget/><!-- c --></LayoutFragment>",
         FragmentStatus::NotAFragment, "holds no layout parts"},
        {"two roots", "<LayoutFragment><Cut X1=\"1\" Y1=\"1\"/></LayoutFragment><LayoutFragment/>",
         FragmentStatus::NotAFragment, "holds no layout parts"},
        {"NUL", std::string("<LayoutFragment><Cut X1=\"1\" Y1=\"1\"/>") + '\0' + "</LayoutFragment>",
         FragmentStatus::NotAFragment, "holds no layout parts"},
        {"cut off", "<LayoutFragment><Cut X1=\"1\" Y1=\"1\"/>", FragmentStatus::NotAFragment,
         "holds no layout parts"},
        {"X1 not a number", "<LayoutFragment><Resistor X1=\"a\" Y1=\"1\" X2=\"2\" Y2=\"1\" Name=\"R5\"/></LayoutFragment>",
         FragmentStatus::Damaged, "The pasted parts are damaged: Resistor \"R5\" has X1=\"a\", which is not an integer."},
        {"no Y2", "<LayoutFragment><Cut X1=\"1\" Y1=\"1\"/><Wire X1=\"1\" Y1=\"1\" X2=\"2\"/></LayoutFragment>",
         FragmentStatus::Damaged, "Wire without a name has no Y2."},
        {"out of range", "<Layout><Pad X1=\"99999999999\" Y1=\"1\" Name=\"P9\"/></Layout>",
         FragmentStatus::Damaged, "out of range"},
    };
    const std::string before = doc.ToText();
    for (const auto& c : cases) {
        const PasteResult result = PasteFragment(session, c.text);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_TRUE(result.message.contains(QString::fromUtf8(c.message)))
            << c.what << ": " << result.message.toStdString();
        EXPECT_TRUE(result.pasted.empty()) << c.what;
    }
    EXPECT_EQ(doc.ToText(), before);
    EXPECT_FALSE(session.CanUndo()) << "nothing pasted, nothing to undo";
    EXPECT_FALSE(session.Modified());
}

TEST_F(Fragments, AWholeLayoutIsAFragmentAndCoordinatesStopAtTheEndOfTheirRange) {
    const std::string text =
        "<Layout Type=\"Stripboard\" Width=\"5\" Height=\"5\">"
        "<Cut X1=\"2147483647\" Y1=\"-4\" Name=\"K1\"/><Gadget/></Layout>";
    ASSERT_EQ(PasteFragment(session, text).status, FragmentStatus::Parts);
    EXPECT_EQ(Children(6), (std::vector<std::string>{"Cut K1 2147483647,-3"}));
}

}  // namespace
}  // namespace sw
