// SPDX-License-Identifier: GPL-3.0-or-later
// Placing components by clicking holes, through the scripted dialogs.

#include "edit/placement_tool.h"

#include "model/kinds.h"
#include "edit/edit_commands.h"
#include "edit/placement_rules.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace sw::test {
namespace {

using Type = ScriptedDialogs::Type;

constexpr const char kPcb[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c"/>)";
constexpr const char kStrip[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c"/>)";

struct Fixture : ::testing::Test {
    FakeHost host;
    PlacementTool tool{host};

    Fixture() { tool.SetSeedSource([] { return 4242; }); }

    void Click(Hole hole) {
        tool.PointAtHole(hole);
        tool.LeftClick();
    }
    // Chooses a kind and clicks one or two holes.
    void Place(int kind, Hole source, std::optional<Hole> destination = std::nullopt) {
        tool.StartKind(kind);
        Click(source);
        if (destination)
            Click(*destination);
    }
    // The attribute names of an element, in file order.
    static std::vector<std::string> AttributeNames(pugi::xml_node element) {
        std::vector<std::string> names;
        for (pugi::xml_attribute a : element.attributes())
            names.push_back(a.name());
        return names;
    }
    std::vector<std::string> ChildSummary() const {
        std::vector<std::string> out;
        for (pugi::xml_node c : host.doc.Root().children())
            out.push_back(std::string(c.name()) + " " + c.attribute("Name").value());
        return out;
    }
};

using PlacementTool_ = Fixture;

TEST_F(PlacementTool_, NamesOfferedFillGapsAndShareSequencesAcrossKinds) {
    host.Load(R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c">
        <Resistor Value="1K" X1="1" Y1="1" X2="4" Y2="1" Name="R1"/>
        <Resistor Value="1K" X1="1" Y1="3" X2="4" Y2="3" Name="R3"/>
        <Pad Value="15px" Color="Black" X1="9" Y1="9" Name="P1"/></Layout>)");
    host.dialogs.AnswerEditValue(std::nullopt).AnswerEditValue(std::nullopt);
    Place(kind::Resistor, {1, 5}, Hole{4, 5});
    Place(kind::Potentiometer, {5, 5}, Hole{7, 5});
    const auto calls = host.dialogs.CallsOf(Type::EditValue);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].valueSetup.name, "R2");
    EXPECT_EQ(calls[0].valueSetup.caption, "New component");
    EXPECT_EQ(calls[1].valueSetup.name, "P2");
}

TEST_F(PlacementTool_, ResistorIsWrittenWithItsAttributesInOrderAndSelected) {
    host.dialogs.AnswerEditValue(Value("R1", "10", "K"));
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    const pugi::xml_node r = host.Named("R1");
    ASSERT_TRUE(r);
    EXPECT_EQ(AttributeNames(r), (std::vector<std::string>{"Value", "X1", "Y1", "X2", "Y2", "Name"}));
    EXPECT_STREQ(r.attribute("Value").value(), "10K");
    EXPECT_EQ(IntAttr(r, "X2"), 6);
    EXPECT_TRUE(host.session.Modified());
    EXPECT_EQ(host.hintsOff, 1);
    // The explorer lists it, selected and current.
    EXPECT_EQ(host.componentChanges, 1);
    EXPECT_EQ(host.session.Current().element, r);
    // The same kind goes on, without target.
    EXPECT_EQ(tool.ActiveKind(), kind::Resistor);
    EXPECT_TRUE(tool.AwaitingFirst());
    EXPECT_EQ(host.prompt, "Click on source hole...");
    EXPECT_EQ(host.activeKind, kind::Resistor);
    // Undo returns to the layout as it was before.
    host.Undo();
    EXPECT_FALSE(host.doc.Root().child("Resistor"));
}

TEST_F(PlacementTool_, EachKindWritesItsAttributesInTheFileOrder) {
    host.Load(kStrip);
    host.dialogs.AnswerEditValue(Value("W1", "", "", "Red"))
        .AnswerEditValue(Value("C1", "47", "uF", "Large"))
        .AnswerEditValue(Value("J1", "", "", "Stereo"))
        .AnswerEditValue(Value("A1", "Hello"))
        .AnswerEditValue(Value("P1", "5", "K", "Audio"));
    Place(kind::Wire, {1, 1}, Hole{5, 5});
    Place(kind::Electrolyte, {1, 2}, Hole{3, 2});
    Place(kind::AudioJack, {8, 8});
    Place(kind::Text, {9, 9});
    Place(kind::Potentiometer, {10, 5}, Hole{10, 7});
    Place(kind::Jumper, {1, 9}, Hole{4, 9});
    Place(kind::CutTrack, {7, 4});
    using V = std::vector<std::string>;
    EXPECT_EQ(AttributeNames(host.Named("W1")), (V{"Color", "Seed", "X1", "Y1", "X2", "Y2", "Name"}));
    EXPECT_STREQ(host.Named("W1").attribute("Seed").value(), "4242");
    EXPECT_STREQ(host.Named("W1").attribute("Color").value(), "Red");
    EXPECT_EQ(AttributeNames(host.Named("C1")), (V{"Value", "Size", "X1", "Y1", "X2", "Y2", "Name"}));
    EXPECT_STREQ(host.Named("C1").attribute("Size").value(), "Large");
    EXPECT_EQ(AttributeNames(host.Named("J1")), (V{"Type", "X1", "Y1", "Name"}));
    EXPECT_EQ(AttributeNames(host.Named("A1")), (V{"Value", "X1", "Y1", "Name"}));
    EXPECT_EQ(AttributeNames(host.Named("P1")), (V{"Value", "Taper", "X1", "Y1", "X2", "Y2", "Name"}));
    // Jumper and cut track: no dialog, automatic names (J1 is taken by the jack).
    EXPECT_EQ(AttributeNames(host.Named("J2")), (V{"X1", "Y1", "X2", "Y2", "Name"}));
    EXPECT_EQ(AttributeNames(host.Named("X1")), (V{"X1", "Y1", "Name"}));
    EXPECT_EQ(host.dialogs.CallsOf(Type::EditValue).size(), 5u);
    // Every placement is an undo step of its own.
    host.Undo();
    EXPECT_FALSE(host.Named("X1"));
    EXPECT_TRUE(host.Named("J2"));
}

TEST_F(PlacementTool_, PlacementRulesRefuseWithTheirMessages) {
    struct Case {
        int kind;
        Hole source, destination;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {kind::Resistor, {3, 3}, {3, 3}, "Source and destination holes must be different!"},
        {kind::Transistor, {5, 5}, {7, 5}, nullptr},
        {kind::Transistor, {5, 5}, {8, 5}, "Source and destination holes must separated with one hole!"},
        {kind::Transistor, {5, 5}, {7, 6}, "Both source and destination holes must be in same row or column!"},
        {kind::Potentiometer, {5, 5}, {5, 3}, nullptr},
        {kind::TubeSocket, {5, 5}, {5, 6}, nullptr},
        {kind::TubeSocket, {5, 5}, {5, 7}, "Source and destination holes must be next to each other!"},
        {kind::TubeSocket, {5, 5}, {6, 6}, "Both source and destination holes must be in same row or column!"},
        {kind::Relay, {2, 2}, {2, 6}, "Source and destination hole must be in different rows/columns!"},
        {kind::Transformer, {2, 2}, {6, 2}, "Source and destination hole must be in different rows/columns!"},
        {kind::Transformer, {2, 2}, {6, 5}, nullptr},
        {kind::DilIc, {2, 2}, {2, 5}, "Source and destination hole must be in different rows/columns!"},
        {kind::SilIc, {3, 2}, {4, 8}, "Source and destination hole must be in the same row or column!"},
        {kind::Trimmer, {5, 5}, {6, 7}, nullptr},
        {kind::Trimmer, {5, 5}, {1, 4}, nullptr},
        {kind::Trimmer, {5, 5}, {5, 6}, nullptr},
        {kind::Trimmer, {5, 5}, {7, 7}, "Source and destination hole can be only marked ones!"},
        {kind::Trimmer, {5, 5}, {5, 7}, "Source and destination hole can be only marked ones!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const PlacementCheck check = CheckPlacement(c.kind, c.source, c.destination);
        if (!c.message) {
            EXPECT_EQ(check.outcome, PlacementCheck::Outcome::Accept);
        } else {
            EXPECT_EQ(check.outcome, PlacementCheck::Outcome::Refuse);
            EXPECT_EQ(check.message, c.message);
        }
    }
}

TEST_F(PlacementTool_, RefusedPlacementShowsTheErrorAndKeepsTheKind) {
    host.dialogs.AnswerMessage(MessageAnswer::Ok);
    const std::string before = host.doc.ToText();
    Place(kind::Relay, {2, 2}, Hole{2, 6});
    const auto messages = host.dialogs.CallsOf(Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, MessageKind::Error);
    EXPECT_EQ(messages[0].text, "Source and destination hole must be in different rows/columns!");
    EXPECT_EQ(host.doc.ToText(), before);
    EXPECT_FALSE(host.session.CanUndo());
    EXPECT_EQ(host.documentChanges, 0);
    ASSERT_EQ(host.markers.size(), 2u);
    EXPECT_TRUE(host.markers.back().empty());  // the markers go
    EXPECT_EQ(tool.ActiveKind(), kind::Relay);
    EXPECT_TRUE(tool.AwaitingFirst());
}

TEST_F(PlacementTool_, NonStandardIcQuestionsContinueOnYesAndRestartOnNo) {
    struct Case {
        int kind;
        Hole source, destination;
        bool asks;
    };
    const Case cases[] = {
        {kind::DilIc, {2, 2}, {5, 5}, false},  // 4 x 4
        {kind::DilIc, {2, 2}, {5, 6}, true},   // 4 x 5
        {kind::DilIc, {9, 2}, {2, 5}, false},  // 8 x 4
        {kind::SilIc, {3, 2}, {3, 9}, true},   // 8 pins
        {kind::SilIc, {3, 2}, {9, 2}, false},  // 7 pins
    };
    for (const Case& c : cases) {
        for (const bool yes : {true, false}) {
            SCOPED_TRACE(::testing::Message() << c.kind << " yes=" << yes);
            FakeHost h;
            PlacementTool t(h);
            if (c.asks)
                h.dialogs.AnswerMessage(yes ? MessageAnswer::Yes : MessageAnswer::No);
            if (!c.asks || yes)
                h.dialogs.AnswerEditValue(Value("IC1", "555"));
            t.StartKind(c.kind);
            t.PointAtHole(c.source);
            t.LeftClick();
            t.PointAtHole(c.destination);
            t.LeftClick();
            const auto messages = h.dialogs.CallsOf(Type::Message);
            ASSERT_EQ(messages.size(), c.asks ? 1u : 0u);
            if (c.asks) {
                EXPECT_EQ(messages[0].kind, MessageKind::Warning);
                EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
                EXPECT_EQ(messages[0].text, kNotStandardIcText);
            }
            const bool placed = !c.asks || yes;
            EXPECT_EQ(bool(h.Named("IC1")), placed);
            // No on the question: nothing changed, the markers stay.
            EXPECT_EQ(h.documentChanges, placed ? 1 : 0);
            ASSERT_FALSE(h.markers.empty());
            EXPECT_EQ(h.markers.back().empty(), placed);
            EXPECT_EQ(h.session.UndoLabel(), placed ? "Place IC1" : "");
            EXPECT_TRUE(t.AwaitingFirst());
            EXPECT_TRUE(h.dialogs.ScriptUsedUp());
        }
    }
}

TEST_F(PlacementTool_, CancelLeavesDocumentAndSnapshotUntouched) {
    host.dialogs.AnswerEditValue(Value("R1", "1", "K")).AnswerEditValue(std::nullopt);
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    const std::string text = host.doc.ToText();
    host.session.SetModified(false);
    Place(kind::Resistor, {2, 5}, Hole{6, 5});
    EXPECT_EQ(host.doc.ToText(), text);
    EXPECT_FALSE(host.session.Modified());
    EXPECT_TRUE(tool.AwaitingFirst());
    EXPECT_EQ(tool.ActiveKind(), kind::Resistor);
    // Undo still takes back the first placement.
    host.Undo();
    EXPECT_FALSE(host.Named("R1"));
}

TEST_F(PlacementTool_, PcbResistorGetsRoundPadsBeforeIt) {
    host.Load(kPcb);
    host.dialogs.AnswerEditValue(Value("R1", "10", "K"));
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    EXPECT_EQ(ChildSummary(), (std::vector<std::string>{"Pad P1", "Pad P2", "Resistor R1"}));
    const pugi::xml_node p1 = host.Named("P1");
    EXPECT_EQ(AttributeNames(p1),
              (std::vector<std::string>{"X1", "Y1", "Value", "Name", "Parent", "Square"}));
    EXPECT_STREQ(p1.attribute("Value").value(), "15");
    EXPECT_STREQ(p1.attribute("Parent").value(), "R1");
    EXPECT_STREQ(p1.attribute("Square").value(), "False");
    EXPECT_EQ(IntAttr(host.Named("P2"), "X1"), 6);
    // Pads are not selected, the resistor is.
    EXPECT_EQ(host.Count(kind::SolderPad), 2);
    EXPECT_FALSE(host.session.Selection().Contains(p1));
    EXPECT_EQ(host.session.Current().element, host.Named("R1"));
}

// The pads of every kind, in creation order: (x, y, square).
TEST_F(PlacementTool_, PcbPadsPerKindInPinOrder) {
    struct Pad {
        int x, y;
        bool square;
        bool operator==(const Pad&) const = default;
    };
    struct Case {
        int kind;
        Hole source, destination;
        std::vector<Pad> pads;
    };
    const std::vector<Case> cases = {
        {kind::DilIc, {3, 6}, {6, 3},
         {{3, 6, true}, {3, 3, false}, {4, 6, false}, {4, 3, false}, {5, 6, false}, {5, 3, false},
          {6, 6, false}, {6, 3, false}}},
        {kind::Relay, {3, 3}, {6, 6},
         {{3, 3, true}, {6, 3, false}, {3, 4, false}, {6, 4, false}, {3, 5, false}, {6, 5, false},
          {3, 6, false}, {6, 6, false}}},
        {kind::Diode, {2, 2}, {5, 2}, {{2, 2, true}, {5, 2, false}}},
        {kind::SilIc, {4, 5}, {4, 3}, {{4, 5, true}, {4, 4, false}, {4, 3, false}}},
        {kind::Transistor, {7, 5}, {5, 5}, {{7, 5, false}, {6, 5, false}, {5, 5, false}}},
        {kind::Switch, {3, 3}, {4, 4}, {{3, 3, false}, {3, 4, false}, {4, 3, false}, {4, 4, false}}},
        {kind::Switch, {4, 4}, {3, 3}, {{3, 3, false}, {3, 4, false}, {4, 3, false}, {4, 4, false}}},
        {kind::Potentiometer, {5, 5}, {7, 5}, {{5, 5, false}, {7, 5, false}, {3, 5, false}}},
        {kind::Potentiometer, {5, 5}, {5, 3}, {{5, 5, false}, {5, 3, false}, {5, 7, false}}},
        // Potentiometer with its source on row 2 and destination on row 4: the
        // third pin (row 0) is off the board and left out.
        {kind::Potentiometer, {5, 2}, {5, 4}, {{5, 2, false}, {5, 4, false}}},
        {kind::Trimmer, {5, 5}, {6, 7}, {{5, 5, false}, {6, 7, false}, {4, 7, false}}},
        {kind::Trimmer, {5, 5}, {7, 4}, {{5, 5, false}, {7, 4, false}, {7, 6, false}}},
        {kind::Trimmer, {5, 5}, {4, 4}, {{5, 5, false}, {4, 4, false}, {4, 6, false}}},
        {kind::Trimmer, {5, 5}, {6, 6}, {{5, 5, false}, {6, 6, false}, {6, 4, false}}},
        {kind::Trimmer, {5, 5}, {5, 6}, {{5, 5, false}, {5, 6, false}, {5, 4, false}}},
        {kind::Trimmer, {5, 5}, {4, 5}, {{5, 5, false}, {4, 5, false}, {6, 5, false}}},
        {kind::Transformer, {2, 6}, {6, 2},
         {{2, 6, false}, {6, 6, false}, {2, 2, false}, {6, 2, false}, {4, 2, false}}},
        {kind::Transformer, {2, 2}, {5, 6},
         {{2, 2, false}, {5, 2, false}, {2, 6, false}, {5, 6, false}, {5, 4, false}}},
        {kind::Transformer, {2, 2}, {5, 5}, {{2, 2, false}, {5, 2, false}, {2, 5, false}, {5, 5, false}}},
        // Windings along the rows, an odd number of columns: the drawing has no
        // centre tap, so there is no pad for one on the end column either.
        {kind::Transformer, {5, 2}, {2, 4}, {{5, 2, false}, {2, 2, false}, {5, 4, false}, {2, 4, false}}},
        {kind::Transformer, {6, 2}, {2, 4},
         {{6, 2, false}, {2, 2, false}, {6, 4, false}, {2, 4, false}, {4, 4, false}}},
        {kind::Wire, {2, 2}, {5, 5}, {}},
        {kind::TubeSocket, {5, 5}, {5, 6}, {}},
        {kind::Jumper, {1, 10}, {3, 10}, {{1, 10, false}, {3, 10, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " from " << c.source.x << ","
                                          << c.source.y);
        FakeHost h;
        h.Load(kPcb);
        PlacementTool t(h);
        h.dialogs.AnswerEditValue(Value("U1", "x", "", "Black"));
        t.StartKind(c.kind);
        t.PointAtHole(c.source);
        t.LeftClick();
        t.PointAtHole(c.destination);
        t.LeftClick();
        std::vector<Pad> pads;
        for (pugi::xml_node p = h.doc.Root().child("Pad"); p; p = p.next_sibling("Pad")) {
            EXPECT_STREQ(p.attribute("Parent").value(), c.kind == kind::Jumper ? "J1" : "U1");
            pads.push_back({IntAttr(p, "X1"), IntAttr(p, "Y1"), BoolAttr(p, "Square")});
        }
        EXPECT_EQ(pads, c.pads);
    }
}

TEST_F(PlacementTool_, PadSizeTraceWidthAndColourCarryOver) {
    host.Load(kPcb);
    host.dialogs.AnswerEditValue(Value("P1", "20", "px", "Red"))
        .AnswerEditValue(Value("P2", "abc", "px", "Blue"))
        .AnswerEditValue(Value("T1", "8", "px", "Green"))
        .AnswerEditValue(std::nullopt)
        .AnswerEditValue(std::nullopt)
        .AnswerEditValue(Value("R1", "1", "K"));
    Place(kind::SolderPad, {1, 1});
    EXPECT_STREQ(host.Named("P1").attribute("Value").value(), "20px");
    EXPECT_EQ(tool.Defaults().padSize, 20);
    Place(kind::SolderPad, {2, 1});  // not a number: the size stays
    EXPECT_EQ(tool.Defaults().padSize, 20);
    Place(kind::Trace, {1, 2}, Hole{5, 2});
    EXPECT_EQ(tool.Defaults().traceWidth, 8);
    EXPECT_EQ(tool.Defaults().lastColour, "Green");
    Place(kind::SolderPad, {3, 1});
    Place(kind::Trace, {1, 3}, Hole{5, 3});
    const auto calls = host.dialogs.CallsOf(Type::EditValue);
    EXPECT_EQ(calls[3].valueSetup.value, "20");
    EXPECT_EQ(calls[3].valueSetup.extra, "Green");
    EXPECT_EQ(calls[4].valueSetup.value, "8");
    Place(kind::Resistor, {4, 6}, Hole{8, 6});
    for (pugi::xml_node p = host.doc.Root().child("Pad"); p; p = p.next_sibling("Pad"))
        if (TextAttr(p, "Parent") == "R1")
            EXPECT_STREQ(p.attribute("Value").value(), "20");
}

TEST_F(PlacementTool_, PotentiometerNamedLikeAPadNeverOwnsAPadOfItsOwnName) {
    host.Load(kPcb);
    host.dialogs.AnswerEditValue(Value("P1", "10", "K", "Linear"));
    Place(kind::Potentiometer, {5, 5}, Hole{7, 5});
    EXPECT_EQ(ChildSummary(),
              (std::vector<std::string>{"Pad P2", "Pad P3", "Pad P4", "Pot P1"}));
}

TEST_F(PlacementTool_, ReplaceRewritesTheElementAndItsPadsAndUndoBringsThemBack) {
    host.Load(kPcb);
    host.dialogs.AnswerEditValue(Value("R1", "10", "K"));
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    const std::string placed = host.doc.ToText();
    pugi::xml_node r1 = host.Named("R1");
    host.dialogs.AnswerEditValue(Value("R5", "4.7", "K"));
    tool.StartKind(kind::Resistor, r1);
    EXPECT_EQ(tool.ReplaceTarget(), r1);
    Click({3, 5});
    Click({3, 8});
    const auto calls = host.dialogs.CallsOf(Type::EditValue);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].valueSetup.caption, "Replace component");
    EXPECT_EQ(calls[1].valueSetup.name, "R1");
    EXPECT_EQ(calls[1].valueSetup.value, "10");
    EXPECT_EQ(calls[1].valueSetup.unit, "K");
    // Same element, same place in the document; old pads gone, new pads after it.
    EXPECT_EQ(ChildSummary(), (std::vector<std::string>{"Resistor R5", "Pad P1", "Pad P2"}));
    EXPECT_EQ(host.Named("R5"), r1);
    EXPECT_STREQ(r1.attribute("Value").value(), "4.7K");
    EXPECT_EQ(IntAttr(host.Named("P1"), "Y1"), 5);
    EXPECT_STREQ(host.Named("P2").attribute("Parent").value(), "R5");
    EXPECT_FALSE(tool.ReplaceTarget());
    EXPECT_EQ(host.session.Current().element, r1);
    host.Undo();
    EXPECT_EQ(host.doc.ToText(), placed);
}

TEST_F(PlacementTool_, ReplaceWaitingWhileItsElementGoesPlacesANewComponent) {
    // Its element deleted: the session drops the target with it.
    host.dialogs.AnswerEditValue(Value("R1", "10", "K"));
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    tool.StartKind(kind::Resistor, host.Named("R1"));
    Click({2, 5});
    DeleteSelection(host);
    EXPECT_FALSE(host.Named("R1"));
    EXPECT_FALSE(tool.ReplaceTarget());
    EXPECT_TRUE(tool.AwaitingSecond());
    host.dialogs.AnswerEditValue(Value("R1", "47", "R"));
    Click({6, 5});
    EXPECT_EQ(host.dialogs.CallsOf(Type::EditValue).back().valueSetup.caption, "New component");
    EXPECT_STREQ(host.Named("R1").attribute("Value").value(), "47R");
}

TEST_F(PlacementTool_, ReplaceWaitingWhileTheDocumentIsReplacedPlacesANewComponent) {
    host.dialogs.AnswerEditValue(Value("R1", "10", "K"));
    Place(kind::Resistor, {2, 3}, Hole{6, 3});
    tool.StartKind(kind::Resistor, host.Named("R1"));
    Click({2, 5});
    // Undo replaces the document under the waiting Replace; nothing needs to
    // tell the tool.
    host.Undo();
    EXPECT_FALSE(tool.ReplaceTarget());
    EXPECT_TRUE(tool.AwaitingSecond());
    host.dialogs.AnswerEditValue(Value("R1", "22", "R"));
    Click({6, 5});
    const auto calls = host.dialogs.CallsOf(Type::EditValue);
    EXPECT_EQ(calls.back().valueSetup.caption, "New component");
    EXPECT_STREQ(host.Named("R1").attribute("Value").value(), "22R");
    EXPECT_EQ(ChildSummary(), (std::vector<std::string>{"Resistor R1"}));
}

TEST_F(PlacementTool_, TwoClickKindsDrawTheSourceAndTargetMarkers) {
    tool.StartKind(kind::Transistor);
    Click({1, 5});
    ASSERT_EQ(host.markers.size(), 1u);
    const std::vector<HoleMarker> expected = {
        {{1, 5}, kSourceColour}, {{3, 5}, kLime}, {{1, 7}, kLime}, {{1, 3}, kLime}};
    EXPECT_EQ(host.markers[0], expected);  // (-1, 5) is off the board
    EXPECT_EQ(host.prompt, "Click on destination hole marked green...");
    // The potentiometer's markers are drawn even off the board.
    EXPECT_EQ(PlacementMarkers(kind::Potentiometer, {1, 1}, 20, 10).size(), 5u);
    // A trimmer in the middle of the board: 8 lime, 8 green, 4 yellow, 4 olive.
    const auto trimmer = PlacementMarkers(kind::Trimmer, {10, 5}, 20, 10);
    EXPECT_EQ(trimmer.size(), 25u);
    EXPECT_EQ(std::count_if(trimmer.begin(), trimmer.end(),
                            [](const HoleMarker& m) { return m.colour == kGreen; }),
              8);
    EXPECT_EQ(PlacementMarkers(kind::Resistor, {10, 5}, 20, 10).size(), 1u);
}

TEST_F(PlacementTool_, PointerFeedbackFollowsTheHoleUnderThePointer) {
    const QPoint hole53 = HoleCentre(800, 5, 3);
    const QPoint between = hole53 + QPoint(10, 0);
    // No kind yet: the hand over components, the cross near holes, else the arrow.
    EXPECT_EQ(tool.PointerMove(between.x(), between.y(), true).cursor, BoardCursor::Hand);
    PointerFeedback f = tool.PointerMove(hole53.x(), hole53.y(), false);
    EXPECT_EQ(f.cursor, BoardCursor::Cross);
    EXPECT_EQ(f.positionText, "X: 5 Y: 3");
    f = tool.PointerMove(between.x(), between.y(), false);
    EXPECT_EQ(f.cursor, BoardCursor::Arrow);
    EXPECT_EQ(f.position, PointerFeedback::Position::Clear);
    // Placing: the hand near holes, and a click between holes does nothing.
    tool.StartKind(kind::Resistor);
    f = tool.PointerMove(hole53.x() + 3, hole53.y() - 2, true);
    EXPECT_EQ(f.cursor, BoardCursor::Hand);
    EXPECT_EQ(f.position, PointerFeedback::Position::Show);
    EXPECT_EQ(tool.CurrentHole(), (Hole{5, 3}));
    tool.PointerMove(between.x(), between.y(), true);
    EXPECT_EQ(tool.Cursor(), BoardCursor::Arrow);
    EXPECT_EQ(tool.CurrentHole(), (Hole{5, 3}));
    tool.LeftClick();
    EXPECT_TRUE(tool.AwaitingFirst());
    // Text: the I-beam anywhere, and the click places where the pointer is.
    tool.StartKind(kind::Text);
    f = tool.PointerMove(between.x(), between.y() + 5, false);
    EXPECT_EQ(f.cursor, BoardCursor::IBeam);
    EXPECT_EQ(f.positionText, "X: 6 Y: 3");
    host.dialogs.AnswerEditValue(Value("A1", "hi"));
    tool.LeftClick();
    EXPECT_EQ(IntAttr(host.Named("A1"), "X1"), 6);
}

TEST_F(PlacementTool_, ConnectivityPicksTwoHolesAndReportsThenPicksAgain) {
    host.Load(R"(<Layout Type="Perfboard" Width="20" Height="10" Project="p" Credits="c">
        <Resistor Value="1K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/></Layout>)");
    host.dialogs.AnswerMessage(MessageAnswer::Ok).AnswerMessage(MessageAnswer::Ok);
    tool.StartConnectivity();
    EXPECT_EQ(host.activeKind, -1);
    EXPECT_EQ(host.prompt, "Click on source hole...");
    Click({2, 3});
    EXPECT_EQ(host.prompt, "Click on destination hole...");
    // The second click takes the current hole without a hole test.
    tool.PointAtHole({6, 3});
    tool.PointerMove(10, 0, false);
    EXPECT_EQ(tool.Cursor(), BoardCursor::Arrow);
    tool.LeftClick();
    Click({2, 3});
    Click({9, 9});
    const auto messages = host.dialogs.CallsOf(Type::Message);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].kind, MessageKind::Information);
    EXPECT_EQ(messages[0].text,
              "Selected holes are connected through at least one component chain:\r\r -> R1");
    EXPECT_EQ(messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(messages[1].text, "Selected holes are NOT connected!");
    EXPECT_TRUE(tool.ConnectivityMode());
    EXPECT_TRUE(tool.AwaitingFirst());
    EXPECT_FALSE(host.session.CanUndo());
    // A toolbox item leaves the mode.
    tool.StartKind(kind::Resistor);
    EXPECT_FALSE(tool.ConnectivityMode());
}

TEST_F(PlacementTool_, LeftClicksBeforeAnyKindDoNothing) {
    tool.PointAtHole({3, 3});
    tool.LeftClick();
    EXPECT_EQ(host.doc.Root().first_child(), pugi::xml_node());
    EXPECT_TRUE(host.dialogs.Calls().empty());
}

}  // namespace
}  // namespace sw::test
