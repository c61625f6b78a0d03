// SPDX-License-Identifier: GPL-3.0-or-later
// The census a paste reads (parts, a bound of the saved size, names in use):
// the fresh names it gives, and that what pastes, their Undo and their Redo
// keep of it is always what a walk of the layout gives.

#include "session/editor_session.h"
#include "session/layout_census.h"
#include "session/layout_fragment.h"

#include <QTest>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace sw {
namespace {

std::string Resistors(const char* root, const std::vector<std::string>& names) {
    std::string text = std::string("<") + root + " Type=\"PCB\" Width=\"60\" Height=\"40\">";
    int x = 1;
    for (const std::string& name : names) {
        const std::string at = std::to_string(x++ % 50 + 1);
        text += "<Resistor Value=\"1K\" X1=\"" + at + "\" Y1=\"2\" X2=\"" + at + "\" Y2=\"6\" Name=\"" + name + "\"/>";
    }
    return text + "</" + root + ">";
}

void Open(EditorSession& session, const std::string& text) {
    ASSERT_TRUE(session.ReplaceDocument({}, [&](LayoutDocument& doc) { return doc.LoadText(text); }).ok);
}

std::vector<std::string> NamesOf(const std::vector<pugi::xml_node>& elements) {
    std::vector<std::string> names;
    for (pugi::xml_node element : elements)
        names.emplace_back(element.attribute("Name").value());
    return names;
}

TEST(LayoutCensus, APastedPartWhoseNameIsTakenGetsTheSmallestFreeNumberOfItsPrefix) {
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
        {"digits alone take the kind's prefix", {"5", "R1"}, {"5"}, {"R2"}},
        {"numbers far out and past 64 bits", {"R1", "R2", "R5000000", "R99999999999999999999"},
         {"R1", "R5000000", "R99999999999999999999", "R3"}, {"R3", "R4", "R5", "R6"}},
        {"prefixes beyond ASCII", {"\u03A91", "\u03A92"}, {"\u03A91"}, {"\u03A93"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorSession session;
        Open(session, Resistors("Layout", c.present));
        EXPECT_EQ(NamesOf(PasteFragment(session, Resistors("LayoutFragment", c.pasted)).pasted), c.expected);
    }

    // 20 000 parts present, 1000 pasted with the same names: they go on from
    // the last number in use; undone, the same paste gives the same names.
    std::vector<std::string> present, pasted, expected;
    for (int i = 1; i <= 20000; ++i)
        present.push_back("R" + std::to_string(i));
    for (int i = 1; i <= 1000; ++i) {
        pasted.push_back("R" + std::to_string(i));
        expected.push_back("R" + std::to_string(20000 + i));
    }
    EditorSession session;
    Open(session, Resistors("Layout", present));
    const std::string text = Resistors("LayoutFragment", pasted);
    EXPECT_EQ(NamesOf(PasteFragment(session, text).pasted), expected);
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(NamesOf(PasteFragment(session, text).pasted), expected);
}

// The census kept against one taken anew from the document.
void ExpectTheCensusAWalkGives(LayoutCensus& kept, const LayoutDocument& doc) {
    LayoutCensus walked;
    walked.Take(doc);
    EXPECT_EQ(kept.Components(), walked.Components());
    EXPECT_EQ(kept.SavedBytesAtMost(), walked.SavedBytesAtMost());
    std::vector<std::string> probes;
    for (pugi::xml_node child : doc.Root().children())
        probes.emplace_back(child.attribute("Name").value());
    for (int n = 1; n <= 60; ++n)
        for (const char* prefix : {"R", "P", "W"})
            probes.push_back(prefix + std::to_string(n));
    for (const std::string& name : probes)
        ASSERT_EQ(kept.InUse(name), walked.InUse(name)) << name;
    for (const char* prefix : {"R", "P", "W", "C"})
        for (std::uint64_t from : {1, 7, 30})
            ASSERT_EQ(kept.FreeNumber(prefix, from), walked.FreeNumber(prefix, from)) << prefix << from;
}

TEST(LayoutCensus, PastesTheirUndoAndRedoKeepTheCensusAWalkOfTheLayoutGives) {
    // Parts whose names are taken, pads that follow their owner's fresh name,
    // text that is escaped when saved.
    const std::string pads = R"(<LayoutFragment Type="PCB">
      <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
      <Resistor Value="&lt;4k7 &amp; &quot;x&quot;&gt;" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
      <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1" Square="False"/>
    </LayoutFragment>)";
    const std::string wires = R"(<LayoutFragment Type="PCB">
      <Wire Color="Red" Seed="7" X1="1" Y1="1" X2="5" Y2="5" Name="W1"/>
      <Resistor Value="1K" X1="2" Y1="8" X2="6" Y2="8" Name="R3"/>
    </LayoutFragment>)";
    EditorSession session;
    Open(session, Resistors("Layout", {"R1", "R2", "R4"}));
    std::mt19937 random(28);
    int checked = 0;
    for (int step = 0; step < 400; ++step) {
        const int op = int(random() % 8);
        SCOPED_TRACE(std::to_string(step) + ": op " + std::to_string(op));
        const bool current = session.CensusCurrent();
        LayoutDocument& doc = session.Document();
        if (op <= 2) {
            ASSERT_EQ(PasteFragment(session, op == 0 ? wires : pads).status, FragmentStatus::Parts);
            EXPECT_TRUE(session.CensusCurrent());
        } else if (op <= 4) {
            const bool possible = op == 3 ? session.CanUndo() : session.CanRedo();
            const bool stepsByChildren = session.History().Next(op == 4).form != UndoHistory::Form::Whole;
            op == 3 ? session.Undo() : session.Redo();
            EXPECT_EQ(session.CensusCurrent(), possible ? current && stepsByChildren : current);
        } else if (op == 5 && doc.Root().last_child()) {
            session.SelectOnly(doc.Root().last_child());
            ASSERT_TRUE(session.BeginDrag({2, 3}));
            session.DragTo({3, 4});
            session.FinishDrag();
            EXPECT_FALSE(session.CensusCurrent());
        } else if (op == 6 && doc.Root().first_child()) {
            session.Edit(EditKind::Delete, QStringLiteral("Delete"), [&] {
                session.RemoveComponents({doc.Root().first_child()});
                return EditResult{};
            });
        } else {
            session.Census();  // as the idle editor takes it
        }
        if (session.CensusCurrent()) {
            ++checked;
            ExpectTheCensusAWalkGives(session.Census(), doc);
        }
        // No paste ever gives a part a name another has.
        std::multiset<std::string> names;
        for (pugi::xml_node child : doc.Root().children())
            if (*child.attribute("Name").value())
                names.insert(child.attribute("Name").value());
        for (const std::string& name : names)
            ASSERT_EQ(names.count(name), 1u) << name;
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(checked, 200);
}

TEST(LayoutCensus, AnyOtherChangeIsCountedAnewOnceTheEditorIsIdleButNotDuringADrag) {
    EditorSession session;
    Open(session, Resistors("Layout", {"R1", "R2"}));
    EXPECT_TRUE(session.CensusCurrent());  // taken as the layout was opened
    session.SelectOnly(session.Document().Root().first_child());
    ASSERT_TRUE(session.BeginDrag({2, 2}));
    session.DragTo({4, 2});
    EXPECT_FALSE(session.CensusCurrent());
    QTest::qWait(400);
    EXPECT_FALSE(session.CensusCurrent());  // the parts are still on their way
    session.FinishDrag();
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.CensusCurrent(); }, 2000));
    ExpectTheCensusAWalkGives(session.Census(), session.Document());
}

}  // namespace
}  // namespace sw
