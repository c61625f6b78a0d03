// SPDX-License-Identifier: GPL-3.0-or-later
// Delete, moves, rotations, Replace, Change Value, Change Shape and Rename on
// the session's selection, without a window.

#include "edit/edit_commands.h"

#include "model/kinds.h"
#include "edit/placement_tool.h"
#include "editor_fakes.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace sw::test {
namespace {

using Type = ScriptedDialogs::Type;

// A PCB with a resistor and its two pads, a DIL IC with pads, and a pad that a
// pad owns.
constexpr const char kPcbLayout[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
  <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1" Square="False"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Pad X1="9" Y1="9" Value="15" Name="P3" Parent="P1" Square="False"/>
  <Pad X1="8" Y1="6" Value="15" Name="P4" Parent="IC1" Square="True"/>
  <Pad X1="8" Y1="3" Value="15" Name="P5" Parent="IC1" Square="False"/>
  <IC Value="555" X1="8" Y1="6" X2="11" Y2="3" Name="IC1"/>
  <Wire Color="Red" Seed="7" X1="1" Y1="1" X2="5" Y2="5" Name="W1"/>
</Layout>)";

struct Commands : ::testing::Test {
    FakeHost host;
    PlacementTool tool{host};
    Commands() { host.Load(kPcbLayout); }

    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (pugi::xml_node c : host.doc.Root().children())
            out.push_back(c.attribute("Name").value());
        return out;
    }
    std::string Holes(const char* name) const {
        const pugi::xml_node e = host.Named(name);
        std::string s = std::to_string(IntAttr(e, "X1")) + "," + std::to_string(IntAttr(e, "Y1"));
        if (e.attribute("X2"))
            s += "-" + std::to_string(IntAttr(e, "X2")) + "," + std::to_string(IntAttr(e, "Y2"));
        return s;
    }
};

TEST_F(Commands, EveryCommandOnAnEmptySelectionDoesNothing) {
    const std::string before = host.doc.ToText();
    DeleteSelection(host);
    MoveSelection(host, MoveDirection::Up);
    RotateSelection(host);
    ChangeValue(host, tool);
    ChangeShape(host, 1);
    ReplaceCurrent(host, tool);
    EXPECT_EQ(host.doc.ToText(), before);
    EXPECT_FALSE(host.session.CanUndo());
    EXPECT_FALSE(host.session.Modified());
    EXPECT_TRUE(host.dialogs.Calls().empty());
}

TEST_F(Commands, DeleteTakesOwnedPadsAndTheirOwnPadsAlong) {
    host.Select(host.Named("R1"));
    DeleteSelection(host);
    EXPECT_EQ(Names(), (std::vector<std::string>{"P4", "P5", "IC1", "W1"}));
    EXPECT_EQ(host.Count(kind::Resistor), 0);
    EXPECT_EQ(host.Count(kind::SolderPad), 2);
    EXPECT_TRUE(host.session.Modified());
    EXPECT_EQ(host.session.UndoLabel(), "Delete R1");
    // The views are told once; nothing is left selected.
    EXPECT_EQ(host.documentChanges, 1);
    EXPECT_EQ(host.componentChanges, 1);
    EXPECT_TRUE(host.session.Selection().Empty());
    host.Undo();
    EXPECT_EQ(Names().size(), 8u);
}

TEST_F(Commands, DeletingAPadByItselfLeavesThePadsItOwns) {
    host.Select(host.Named("P1"));
    DeleteSelection(host);
    EXPECT_EQ(Names(), (std::vector<std::string>{"P2", "R1", "P3", "P4", "P5", "IC1", "W1"}));
}

TEST_F(Commands, DeleteWithThePadsCategoryOrEverythingSelected) {
    host.SelectCategory(kind::SolderPad);
    DeleteSelection(host);
    EXPECT_EQ(Names(), (std::vector<std::string>{"R1", "IC1", "W1"}));
    host.Undo();
    host.SelectAllCategories();
    DeleteSelection(host);
    EXPECT_TRUE(Names().empty());
}

TEST_F(Commands, PadsThatOwnEachOtherAreDeletedOnce) {
    host.Load(R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
      <Pad X1="1" Y1="1" Value="15" Name="P1" Parent="P2" Square="False"/>
      <Pad X1="2" Y1="1" Value="15" Name="P2" Parent="P1" Square="False"/>
      <Pad X1="3" Y1="1" Value="15" Name="P3" Parent="P3" Square="False"/>
      <Pot Value="1K" Taper="Linear" X1="5" Y1="5" X2="7" Y2="5" Name="P1"/></Layout>)");
    host.Select(host.doc.Root().child("Pot"));
    DeleteSelection(host);
    EXPECT_EQ(Names(), (std::vector<std::string>{"P3"}));
}

TEST_F(Commands, MovesCarryOwnedPadsButNotOnesSelectedThemselves) {
    struct Case {
        MoveDirection direction;
        const char* resistor;
        const char* pad;
    };
    const Case cases[] = {{MoveDirection::Up, "2,2-6,2", "2,2"},
                          {MoveDirection::Down, "2,4-6,4", "2,4"},
                          {MoveDirection::Left, "1,3-5,3", "1,3"},
                          {MoveDirection::Right, "3,3-7,3", "3,3"}};
    for (const Case& c : cases) {
        host.Load(kPcbLayout);
        host.Select(host.Named("R1"));
        MoveSelection(host, c.direction);
        EXPECT_EQ(Holes("R1"), c.resistor);
        EXPECT_EQ(Holes("P1"), c.pad);
        EXPECT_EQ(Holes("P3"), "9,9");  // owned by a pad, not by R1
    }
    // A selected pad moves once, by itself, even when its owner moves too.
    host.Load(kPcbLayout);
    host.Select(host.Named("R1"));
    host.Select(host.Named("P1"), true);
    MoveSelection(host, MoveDirection::Up);
    EXPECT_EQ(Holes("P1"), "2,2");
    EXPECT_EQ(Holes("P2"), "6,2");
    // Nothing stops a move off the board.
    MoveSelection(host, MoveDirection::Up);
    MoveSelection(host, MoveDirection::Up);
    EXPECT_EQ(Holes("R1"), "2,0-6,0");
    // Undo takes back only the last move.
    host.Undo();
    EXPECT_EQ(Holes("R1"), "2,1-6,1");
}

TEST_F(Commands, RotationsTurnAboutTheRoundedCentreWithOwnedPads) {
    struct Case {
        const char* layoutResistor;
        std::vector<std::string> after;  // after 1, 2, 3, 4 quarter turns
    };
    const Case cases[] = {
        {R"(X1="2" Y1="3" X2="6" Y2="3")", {"4,1-4,5", "6,3-2,3", "4,5-4,1", "2,3-6,3"}},
        {R"(X1="2" Y1="3" X2="5" Y2="3")", {"4,1-4,4", "5,2-2,2", "4,3-4,0", "3,2-6,2"}},
    };
    for (const Case& c : cases) {
        const std::string xml = std::string(R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">)") +
                                R"(<Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>)" +
                                "<Resistor Value=\"1K\" " + c.layoutResistor + " Name=\"R1\"/></Layout>";
        host.Load(xml.c_str());
        for (const std::string& expected : c.after) {
            host.Select(host.Named("R1"));
            RotateSelection(host);
            EXPECT_EQ(Holes("R1"), expected);
            // The owned pad stays on the first lead.
            EXPECT_EQ(Holes("P1"), expected.substr(0, expected.find('-')));
        }
    }
    EXPECT_EQ(RotationCentre(2, 3), 2);
    EXPECT_EQ(RotationCentre(3, 4), 4);
    EXPECT_EQ(RotationCentre(-3, 0), -2);
}

// A part at the far end of the 32-bit coordinates stops there when moved or
// turned further out, instead of wrapping round to the other end.
TEST(CommandsAtTheEdge, MovesAndTurnsStopAtTheEndsOfTheCoordinates) {
    FakeHost host;
    host.Load(R"(<Layout Width="20" Height="10">
  <Resistor X1="2147483647" Y1="-2147483648" X2="2147483640" Y2="-2147483648" Name="R1"/>
  <Resistor X1="-2147483648" Y1="0" X2="2147483647" Y2="0" Name="R2"/>
</Layout>)");
    auto coordinates = [&](const char* name) {
        const pugi::xml_node e = host.Named(name);
        return std::vector<int>{IntAttr(e, "X1"), IntAttr(e, "Y1"), IntAttr(e, "X2"), IntAttr(e, "Y2")};
    };
    host.Select(host.Named("R1"));
    MoveSelection(host, MoveDirection::Right);
    MoveSelection(host, MoveDirection::Up);
    EXPECT_EQ(coordinates("R1"), (std::vector<int>{INT_MAX, INT_MIN, 2147483641, INT_MIN}));
    // Turned about (0, 0): (x, y) -> (-y, x), and -INT_MIN is out of range.
    host.Select(host.Named("R2"));
    RotateSelection(host);
    EXPECT_EQ(coordinates("R2"), (std::vector<int>{0, INT_MIN, 0, INT_MAX}));
    RotateSelection(host);
    EXPECT_EQ(coordinates("R2"), (std::vector<int>{INT_MAX, 0, -INT_MAX, 0}));
}

TEST_F(Commands, RotatingAComponentWithItsOwnPadSelectedTurnsThePadOnce) {
    host.Select(host.Named("R1"));
    host.Select(host.Named("P2"), true);
    RotateSelection(host);
    EXPECT_EQ(Holes("R1"), "4,1-4,5");
    EXPECT_EQ(Holes("P1"), "4,1");
    EXPECT_EQ(Holes("P2"), "4,5");
}

TEST_F(Commands, ChangeValueUsesTheInputBoxAndSetsTheDefaults) {
    host.Select(host.Named("P1"));
    host.dialogs.AnswerInput(QStringLiteral("12")).AnswerInput(QStringLiteral("12px"));
    ChangeValue(host, tool);
    const auto inputs = host.dialogs.CallsOf(Type::InputBox);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Change Value");
    EXPECT_EQ(inputs[0].text, "New value:");
    EXPECT_EQ(inputs[0].initial, "15");
    EXPECT_STREQ(host.Named("P1").attribute("Value").value(), "12");
    EXPECT_EQ(tool.Defaults().padSize, 12);
    ChangeValue(host, tool);
    EXPECT_STREQ(host.Named("P1").attribute("Value").value(), "12px");
    EXPECT_EQ(tool.Defaults().padSize, 12);
    // Each change is one undo step.
    host.Undo();
    EXPECT_STREQ(host.Named("P1").attribute("Value").value(), "12");
}

TEST_F(Commands, ChangeValueCancelledLeavesValueAndUndoHistoryAsTheyWere) {
    host.Select(host.Named("R1"));
    MoveSelection(host, MoveDirection::Right);
    host.dialogs.AnswerInput(std::nullopt);
    ChangeValue(host, tool);
    EXPECT_STREQ(host.Named("R1").attribute("Value").value(), "10K");
    EXPECT_EQ(host.documentChanges, 1);  // the move's alone
    EXPECT_EQ(host.session.UndoLabel(), "Move R1");
    // Undo still takes back the Move.
    host.Undo();
    EXPECT_EQ(Holes("R1"), "2,3-6,3");
    // Confirmed, the change is one step of its own.
    host.Select(host.Named("R1"));
    host.dialogs.AnswerInput(QStringLiteral("22K"));
    host.session.SetModified(false);
    ChangeValue(host, tool);
    EXPECT_TRUE(host.session.Modified());  // a changed value is worth the close question
    host.Undo();
    EXPECT_STREQ(host.Named("R1").attribute("Value").value(), "10K");
}

TEST_F(Commands, ChangeShapeReseedsOnlyWiresAndTakesNoSnapshot) {
    host.Select(host.Named("W1"));
    ChangeShape(host, 99);
    EXPECT_STREQ(host.Named("W1").attribute("Seed").value(), "99");
    EXPECT_FALSE(host.session.CanUndo());
    EXPECT_TRUE(host.session.Modified());
    host.Select(host.Named("R1"));
    ChangeShape(host, 5);
    EXPECT_FALSE(host.Named("R1").attribute("Seed"));
}

TEST_F(Commands, ReplaceStartsTheNodesKindWithItsElementAsTarget) {
    host.Select(host.Named("IC1"));
    ReplaceCurrent(host, tool);
    EXPECT_EQ(tool.ActiveKind(), kind::DilIc);
    EXPECT_EQ(tool.ReplaceTarget(), host.Named("IC1"));
    EXPECT_EQ(host.prompt, "Click on first pin hole...");
    host.dialogs.AnswerEditValue(Value("IC1", "741"));
    tool.PointAtHole({3, 6});
    tool.LeftClick();
    tool.PointAtHole({6, 3});
    tool.LeftClick();
    // The old pads went, eight new ones came.
    int pads = 0;
    for (pugi::xml_node p = host.doc.Root().child("Pad"); p; p = p.next_sibling("Pad"))
        pads += TextAttr(p, "Parent") == "IC1";
    EXPECT_EQ(pads, 8);
    EXPECT_EQ(Holes("IC1"), "3,6-6,3");
}

TEST_F(Commands, RenameRules) {
    struct Case {
        const char* typed;
        std::optional<MessageAnswer> warning;  // the answer to the long-name question
        const char* expectedName;
        bool undoStep;
        bool modified;  // a new name is an unsaved change
    };
    const Case cases[] = {
        {"R7", std::nullopt, "R7", true, true},
        {"", std::nullopt, "R1", true, false},  // empty keeps the old name
        {"LONG", MessageAnswer::No, "R1", false, false},
        {"LONG", MessageAnswer::Yes, "LONG", true, true},
    };
    for (const Case& c : cases) {
        host.Load(kPcbLayout);
        host.dialogs = ScriptedDialogs();
        if (c.warning)
            host.dialogs.AnswerMessage(*c.warning);
        const pugi::xml_node r1 = host.doc.Root().child("Resistor");
        host.Select(r1);
        const int changes = host.componentChanges;
        RenameComponent(host, r1, QLatin1String(c.typed));
        EXPECT_STREQ(r1.attribute("Name").value(), c.expectedName) << c.typed;
        EXPECT_EQ(host.session.CanUndo(), c.undoStep) << c.typed;
        EXPECT_EQ(host.session.Modified(), c.modified) << c.typed;
        // A rename shows in the explorer and leaves nothing selected.
        EXPECT_EQ(host.componentChanges > changes, c.undoStep) << c.typed;
        EXPECT_EQ(host.session.Selection().Empty(), c.undoStep) << c.typed;
        const auto questions = host.dialogs.CallsOf(Type::Message);
        ASSERT_EQ(questions.size(), c.warning ? 1u : 0u) << c.typed;
        if (c.warning) {
            EXPECT_EQ(questions[0].kind, MessageKind::Warning);
            EXPECT_EQ(questions[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(questions[0].text, QStringLiteral("It is not recommended to use component names "
                                                        "longer than 3 characters. Are you sure?"));
        }
        if (c.undoStep) {
            host.Undo();
            EXPECT_TRUE(host.Named("R1")) << c.typed;
        }
    }
}

}  // namespace
}  // namespace sw::test
