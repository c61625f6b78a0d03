// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/connectivity.h"
#include "edit/connectivity_check.h"
#include "model/layout_document.h"
#include "test_support.h"
#include "ui/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

LayoutDocument Board(const char* type, int width, int height, const std::string& children) {
    LayoutDocument doc;
    const std::string xml = "<Layout Type=\"" + std::string(type) + "\" Width=\"" +
                            std::to_string(width) + "\" Height=\"" + std::to_string(height) +
                            "\" Project=\"P\" Credits=\"C\">" + children + "</Layout>";
    const LoadResult r = doc.LoadText(xml);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    return doc;
}

std::string Two(const char* kind, const char* name, int x1, int y1, int x2, int y2) {
    return "<" + std::string(kind) + " Value=\"1\" X1=\"" + std::to_string(x1) + "\" Y1=\"" +
           std::to_string(y1) + "\" X2=\"" + std::to_string(x2) + "\" Y2=\"" + std::to_string(y2) +
           "\" Name=\"" + name + "\"/>";
}

std::string Cut(int x, int y) {
    return "<Cut X1=\"" + std::to_string(x) + "\" Y1=\"" + std::to_string(y) + "\" Name=\"X1\"/>";
}

const QString kConnected = QString::fromLatin1(kConnectedText);
const QString kNotConnected = QString::fromLatin1(kNotConnectedText);

struct Case {
    const char* what;
    const char* type;
    int width;
    int height;
    std::string children;
    Hole source;
    Hole destination;
    const char* chain;  // nullptr: not connected
};

TEST(Connectivity, ReportsTheFirstChainFoundInHoleOrder) {
    const std::vector<Case> cases = {
        {"same hole twice", "Stripboard", 20, 10, "", {5, 3}, {5, 3}, nullptr},
        {"same hole twice with a part on it", "Perfboard", 20, 10, Two("Resistor", "R1", 5, 3, 8, 3),
         {5, 3}, {5, 3}, nullptr},
        {"uncut strip", "Stripboard", 20, 10, "", {2, 3}, {19, 3}, ""},
        {"strips run along rows only", "Stripboard", 20, 10, "", {2, 3}, {2, 4}, nullptr},
        {"no strips on a perfboard", "Perfboard", 20, 10, "", {2, 3}, {3, 3}, nullptr},
        {"no strips on a PCB", "PCB", 20, 10, "", {2, 3}, {3, 3}, nullptr},
        {"resistor reached along the strip first", "Stripboard", 20, 10,
         Two("Resistor", "R1", 2, 3, 6, 3), {2, 3}, {6, 3}, ""},
        {"resistor named on a perfboard", "Perfboard", 20, 10, Two("Resistor", "R1", 2, 3, 6, 3),
         {2, 3}, {6, 3}, " -> R1"},
        {"a cut separates the strip", "Stripboard", 20, 10, Cut(4, 3), {3, 3}, {5, 3}, nullptr},
        {"a cut isolates its own hole", "Stripboard", 20, 10, Cut(4, 3), {4, 3}, {3, 3}, nullptr},
        {"a jumper joins across the cut", "Stripboard", 20, 10,
         Cut(4, 3) + Two("Jumper", "J1", 3, 3, 5, 3), {1, 3}, {20, 3}, " -> J1"},
        {"an IC joins none of its pins", "Perfboard", 20, 10, Two("IC", "IC1", 2, 2, 5, 5), {2, 2},
         {5, 5}, nullptr},
        {"a switch joins none of its pins", "Perfboard", 20, 10, Two("Switch", "S1", 2, 2, 3, 3),
         {2, 2}, {3, 3}, nullptr},
        {"nor do transistors, pots, relays, tubes", "Perfboard", 20, 10,
         Two("Transistor", "Q1", 2, 2, 4, 2) + Two("Pot", "P1", 2, 3, 4, 3) +
             Two("Relay", "REL1", 2, 4, 4, 6) + Two("Tube", "V1", 2, 7, 3, 7),
         {2, 2}, {4, 2}, nullptr},
        {"a slanted trace joins its ends, unnamed", "Perfboard", 20, 10,
         Two("Trace", "T1", 2, 2, 5, 5), {2, 2}, {5, 5}, ""},
        {"a slanted trace joins nothing it passes over", "Perfboard", 20, 10,
         Two("Trace", "T1", 2, 2, 5, 5), {2, 2}, {3, 3}, nullptr},
        {"a straight trace joins the holes it runs over", "PCB", 20, 10,
         Two("Trace", "T1", 6, 2, 2, 2) + Two("Diode", "D1", 4, 2, 4, 6), {3, 2}, {4, 6}, " -> D1"},
        {"a vertical trace too", "PCB", 20, 10, Two("Trace", "T1", 7, 9, 7, 2), {7, 4}, {7, 5}, ""},
        {"parts named in the order passed", "Perfboard", 20, 10,
         Two("Capacitor", "C1", 3, 5, 7, 5) + Two("Resistor", "R1", 1, 1, 3, 1) +
             Two("Wire", "W1", 3, 1, 3, 5),
         {1, 1}, {7, 5}, " -> R1 -> W1 -> C1"},
        {"and backwards from the other end", "Perfboard", 20, 10,
         Two("Capacitor", "C1", 3, 5, 7, 5) + Two("Resistor", "R1", 1, 1, 3, 1) +
             Two("Wire", "W1", 3, 1, 3, 5),
         {7, 5}, {1, 1}, " -> C1 -> W1 -> R1"},
        {"depth first in index order, not shortest", "Perfboard", 20, 10,
         Two("Resistor", "R1", 1, 1, 5, 1) + Two("Diode", "D1", 1, 1, 2, 1) +
             Two("Led", "L1", 2, 1, 5, 1),
         {1, 1}, {5, 1}, " -> D1 -> L1"},
        {"strips and parts mixed", "Stripboard", 20, 10,
         Two("Electrolyte", "C1", 5, 1, 5, 4) + Cut(3, 4) + Two("Wire", "W1", 12, 4, 3, 9),
         {1, 1}, {20, 9}, " -> C1 -> W1"},
        {"a later part on the same holes names the link", "Perfboard", 20, 10,
         Two("Resistor", "R1", 1, 1, 3, 1) + Two("Resistor", "R2", 3, 1, 1, 1), {1, 1}, {3, 1},
         " -> R2"},
        {"a later trace on the same holes clears the name", "Perfboard", 20, 10,
         Two("Resistor", "R1", 1, 1, 3, 1) + Two("Trace", "T1", 1, 1, 3, 1), {1, 1}, {3, 1}, ""},
        {"board of more than 10001 holes", "Stripboard", 200, 100,
         Two("Jumper", "J1", 200, 1, 1, 100), {1, 1}, {200, 100}, " -> J1"},
        {"a part leading off the board keeps its links", "Stripboard", 20, 10,
         Two("Resistor", "R1", 20, 3, 23, 3) + Two("Wire", "W1", 23, 3, 5, 8), {1, 3}, {9, 8},
         " -> R1 -> W1"},
        {"a hole past the right edge is not the next row's first hole", "Stripboard", 20, 10,
         Two("Resistor", "R1", 5, 3, 21, 3), {1, 4}, {5, 3}, nullptr},
        {"holes off the board join no strip", "Stripboard", 20, 10,
         Two("Resistor", "R1", 5, 3, 21, 3) + Two("Resistor", "R2", 22, 3, 5, 6), {5, 3}, {5, 6},
         nullptr},
        {"a pick beyond the edge with nothing on it", "Stripboard", 20, 10, "", {0, 0}, {1, 1},
         nullptr},
        {"a part wholly off the board", "Perfboard", 20, 10, Two("Resistor", "R1", -5, -2, -1, -2),
         {-5, -2}, {-1, -2}, " -> R1"},
        {"a cut off the board cuts nothing", "Stripboard", 20, 10, Cut(0, 3) + Cut(21, 3), {1, 3},
         {20, 3}, ""},
        {"a part across a cut still joins its two holes", "Stripboard", 20, 10,
         Cut(4, 3) + Two("Resistor", "R1", 3, 3, 4, 3), {1, 3}, {4, 3}, " -> R1"},
    };
    for (const Case& c : cases) {
        const LayoutDocument doc = Board(c.type, c.width, c.height, c.children);
        const ConnectionReport report = CheckConnection(doc, c.source, c.destination);
        if (c.chain) {
            EXPECT_TRUE(report.connected) << c.what;
            EXPECT_EQ(report.text, kConnected + QString::fromLatin1(c.chain)) << c.what;
        } else {
            EXPECT_FALSE(report.connected) << c.what;
            EXPECT_EQ(report.text, kNotConnected) << c.what;
        }
    }
}

TEST(Connectivity, NeighboursComeInIncreasingHoleOrder) {
    // Hole (5, 3) on a 20-wide board is index 44: strip neighbours 43 and 45, a
    // resistor to (1, 1) = 0, a jumper to (5, 9) = 164, a wire off the board.
    const LayoutDocument doc = Board("Stripboard", 20, 10,
                                     Two("Jumper", "J1", 5, 3, 5, 9) + Two("Resistor", "R1", 5, 3, 1, 1) +
                                         Two("Wire", "W1", 5, 3, 30, 2) + Two("Diode", "D1", 5, 3, 6, 3));
    const Connections c = BuildConnections(doc);
    ASSERT_EQ(c.IdOf({5, 3}), 44);
    ASSERT_EQ(c.IdOf({30, 2}), 200);
    EXPECT_EQ(c.IdOf({31, 2}), std::nullopt);
    EXPECT_EQ(c.HoleCount(), 201);
    std::vector<std::int64_t> ids;
    QStringList names;
    for (const HoleLink& l : c.Neighbours(44)) {
        ids.push_back(l.hole);
        names << TextAttr(l.element, "Name");
    }
    EXPECT_EQ(ids, (std::vector<std::int64_t>{0, 43, 45, 164, 200}));
    // The diode lies on the strip: the copper joins those holes, unnamed.
    EXPECT_EQ(names, (QStringList{"R1", "", "", "J1", "W1"}));
    EXPECT_EQ(c.Neighbours(200).size(), 1u);
}

TEST(Connectivity, HugeBoardsAndLongChainsNeedNoMemoryPerHoleSquared) {
    // Ten billion holes: only the visited holes cost memory.
    const LayoutDocument huge = Board("Stripboard", 100000, 100000,
                                      Two("Jumper", "J1", 100000, 1, 1, 100000));
    EXPECT_EQ(CheckConnection(huge, {1, 1}, {100000, 100000}).text,
              kConnected + QStringLiteral(" -> J1"));
    EXPECT_FALSE(CheckConnection(huge, {1, 2}, {100000, 100000}).connected);

    // A snake through every hole of a 300 x 300 stripboard: the chain is 90 000
    // holes deep, with a jumper at the end of every row.
    std::string jumpers;
    for (int y = 1; y < 300; ++y)
        jumpers += Two("Jumper", ("J" + std::to_string(y)).c_str(), 300, y, 1, y + 1);
    const LayoutDocument snake = Board("Stripboard", 300, 300, jumpers);
    const ConnectionReport report = CheckConnection(snake, {1, 1}, {300, 300});
    ASSERT_TRUE(report.connected);
    EXPECT_TRUE(report.text.endsWith(QStringLiteral(" -> J298 -> J299")));
    EXPECT_EQ(report.text.count(QStringLiteral(" -> ")), 299);
}

// A damaged board two billion holes wide: walking its strip, or linking every
// hole under a trace across it, would take hours and gigabytes, so the check
// says it gave up instead of answering either way.
TEST(Connectivity, CopperTooVastToFollowGivesUpClearly) {
    const int max = 2147483647;
    const LayoutDocument strip = Board("Stripboard", max, 2,
                                       Two("Jumper", "J1", 1, 1, 1, 2) + Two("Jumper", "J2", max, 2, max, 1));
    const ConnectionReport walked = CheckConnection(strip, {1, 1}, {max, 1});
    EXPECT_FALSE(walked.connected);
    EXPECT_EQ(walked.text, QString::fromLatin1(kTooLargeText));
    // Holes a few steps apart on the same board are still checked.
    EXPECT_EQ(CheckConnection(strip, {1, 2}, {1, 1}).text, kConnected + QStringLiteral(" -> J1"));

    const LayoutDocument trace = Board("PCB", max, 3, Two("Trace", "T1", 1, 2, max, 2));
    EXPECT_TRUE(BuildConnections(trace).TooLarge());
    EXPECT_EQ(CheckConnection(trace, {1, 2}, {5, 2}).text, QString::fromLatin1(kTooLargeText));
}

TEST(Connectivity, TheEditorShowsInformationOrWarning) {
    const LayoutDocument doc = Board("Perfboard", 20, 10, Two("Resistor", "R1", 2, 3, 6, 3));
    test::ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MessageAnswer::Ok).AnswerMessage(MessageAnswer::Ok);
    EXPECT_TRUE(CheckConnection(doc, {2, 3}, {6, 3}, dialogs).connected);
    EXPECT_FALSE(CheckConnection(doc, {2, 3}, {7, 3}, dialogs).connected);
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.Calls()[0].text, kConnected + QStringLiteral(" -> R1"));
    EXPECT_EQ(dialogs.Calls()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.Calls()[1].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.Calls()[1].text, kNotConnected);
}

}  // namespace
}  // namespace sw
