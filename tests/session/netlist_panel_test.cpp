// SPDX-License-Identifier: GPL-3.0-or-later
// The netlist panel as the session makes it: a layout that lacks one jumper
// and one cut lists the open and the short, placing them makes it match;
// parts not placed and not expected apart; choosing an entry selects its parts
// and lights its pins; the panel shows when a netlist comes and goes with it.

#include "session/editor_session.h"
#include "session/netlist_commands.h"
#include "session/netlist_panel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

// Strips run along the rows. Row 2 is VCC (R1, C1, R3). Row 5 holds OUT (R1,
// R2) and, right of where a cut belongs at (12, 5), SIG (R3): one strip, so a
// short. GND is R2's pin on row 8 and C1's on row 9: an open until a jumper
// joins the rows. D1 is not placed; J9 is mounted off the board.
constexpr const char kLayout[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c" Netlist="%1" OffBoard="J9">
  <Resistor Value="10K" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
  <Resistor Value="1K" X1="9" Y1="5" X2="9" Y2="8" Name="R2"/>
  <Capacitor Value="100nF" X1="6" Y1="9" X2="6" Y2="2" Name="C1"/>
  <Resistor Value="2K" X1="15" Y1="5" X2="15" Y2="2" Name="R3"/>
</Layout>)";

constexpr const char kNetlist[] = R"((export (version "E")
  (components (comp (ref "R1") (value "10k")) (comp (ref "R2") (value "1k"))
    (comp (ref "C1") (value "100n")) (comp (ref "R3") (value "2k"))
    (comp (ref "D1") (value "1N4148")) (comp (ref "J9") (value "Jack")))
  (nets
    (net (code "1") (name "VCC") (node (ref "R1") (pin "1")) (node (ref "C1") (pin "2"))
      (node (ref "R3") (pin "2")) (node (ref "J9") (pin "1")))
    (net (code "2") (name "OUT") (node (ref "R1") (pin "2")) (node (ref "R2") (pin "1")))
    (net (code "3") (name "SIG") (node (ref "R3") (pin "1")) (node (ref "D1") (pin "1")))
    (net (code "4") (name "GND") (node (ref "R2") (pin "2")) (node (ref "C1") (pin "1"))
      (node (ref "D1") (pin "2")) (node (ref "J9") (pin "2")))))
)";

struct NetlistPanelTest : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;
    NetlistPanelTest() {
        session.SetWatchNetlist(false);
        const QString netlist = dir.filePath(QStringLiteral("amp.net"));
        QFile file(netlist);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kNetlist);
        file.close();
        const std::string text = QString::fromLatin1(kLayout).arg(netlist).toStdString();
        EXPECT_TRUE(session.ReplaceDocument({}, [&](LayoutDocument& doc) { return doc.LoadText(text); }).ok);
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const NetlistPanelGroup& g : BuildNetlistPanel(session.NetlistState()).groups)
            titles.push_back(g.title.toStdString());
        return titles;
    }
    void Add(const char* kind, int x1, int y1, int x2 = 0, int y2 = 0) {
        session.Edit(EditKind::Place, QStringLiteral("Place"), [&] {
            pugi::xml_node e = session.Document().AppendComponent(kind);
            SetAttr(e, "X1", x1);
            SetAttr(e, "Y1", y1);
            if (x2) {
                SetAttr(e, "X2", x2);
                SetAttr(e, "Y2", y2);
            }
            return EditResult{};
        });
    }
};

TEST_F(NetlistPanelTest, ListsTheOpenAndTheShortUntilTheJumperAndTheCutArePlaced) {
    EXPECT_TRUE(session.NetlistPanelShown());
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Opens (1)", "Shorts (1)", "Not placed (1)", "Not expected (1)"}));
    const NetlistPanelView view = BuildNetlistPanel(session.NetlistState());
    EXPECT_EQ(view.headline, QStringLiteral("amp.net: 3 differences"));
    EXPECT_TRUE(view.groups[0].entries[0].text.startsWith(QStringLiteral("GND, on 2 pieces")));
    EXPECT_TRUE(view.groups[0].entries[0].copper);
    EXPECT_FALSE(view.groups[2].entries[0].copper);
    EXPECT_TRUE(view.groups[1].entries[0].text.startsWith(QStringLiteral("OUT SIG")));
    EXPECT_EQ(view.groups[2].entries[0].unplaced, QStringLiteral("D1"));
    EXPECT_EQ(view.groups[3].entries[0].text, QStringLiteral("J9: off the board"));

    // Choosing the open selects its parts and lights their pins.
    ChooseNetlistEntry(session, view.groups[0].entries[0]);
    std::vector<std::string> selected;
    for (pugi::xml_node e : session.AffectedComponents())
        selected.push_back(e.attribute("Name").value());
    std::sort(selected.begin(), selected.end());
    EXPECT_EQ(selected, (std::vector<std::string>{"C1", "R2"}));
    EXPECT_EQ(session.Highlight().pins.size(), 2u);
    EXPECT_EQ(session.Highlight().caption, view.groups[0].entries[0].text);
    EXPECT_EQ(session.ChosenNetlistEntry(), view.groups[0].entries[0].text);

    Add("Jumper", 6, 8, 6, 9);
    Add("Cut", 12, 5);
    EXPECT_TRUE(session.Highlight().Empty());  // the lit copper went with the edit
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Not placed (1)", "Not expected (1)"}));
    // D1 placed across SIG and GND: all well.
    session.Edit(EditKind::Place, QStringLiteral("Place D1"), [&] {
        pugi::xml_node d = session.Document().AppendComponent("Diode");
        SetAttr(d, "Value", QStringLiteral("1N4148"));
        for (const auto& [a, v] : {std::pair{"X1", 17}, {"Y1", 8}, {"X2", 17}, {"Y2", 5}})
            SetAttr(d, a, v);
        SetAttr(d, "Name", QStringLiteral("D1"));
        return EditResult{};
    });
    EXPECT_EQ(BuildNetlistPanel(session.NetlistState()).headline, QStringLiteral("Matches amp.net: 6 parts, 4 nets"));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Not expected (1)"}));
}

TEST_F(NetlistPanelTest, ShowsWhenANetlistComesAndGoesWithIt) {
    ASSERT_TRUE(session.NetlistPanelShown());
    std::vector<SessionChange> told;
    session.Observe([&](SessionChange c) { told.push_back(c); });
    session.ShowNetlistPanel(false);
    EXPECT_FALSE(session.NetlistPanelShown());
    EXPECT_EQ(told, std::vector<SessionChange>{SessionChange::Netlist});
    // An edit keeps the user's choice; forgetting closes it, undoing opens it.
    Add("Cut", 12, 5);
    EXPECT_FALSE(session.NetlistPanelShown());
    session.ShowNetlistPanel(true);
    ASSERT_TRUE(ForgetNetlist(session));
    EXPECT_FALSE(session.NetlistPanelShown());
    EXPECT_TRUE(BuildNetlistPanel(session.NetlistState()).groups.empty());
    EXPECT_TRUE(BuildNetlistPanel(session.NetlistState()).headline.isEmpty());
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_TRUE(session.NetlistPanelShown());
}

}  // namespace
}  // namespace sw
