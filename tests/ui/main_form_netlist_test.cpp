// SPDX-License-Identifier: GPL-3.0-or-later
// The netlist in the window: a layout opened with a missing netlist says so in
// the panel and asks nothing; Import Netlist... through the file dialog shows
// the panel and its differences, a refused file an error; Edit > Netlist Panel
// hides and shows it; the component menu's Off Board; a double click on a part
// not placed starts placing it with its name and value.

#include "ui/main_form.h"
#include "ui/main_form_netlist.h"
#include "ui/main_form_probe.h"
#include "ui/netlist_panel_widget.h"

#include "edit/placement_tool.h"
#include "session/netlist_commands.h"
#include "test_main_form.h"
#include "ui/main_form_editing.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

constexpr const char kLayout[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c"%1>
  <Resistor Value="10K" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
</Layout>)";
constexpr const char kNetlist[] = R"((export (version "E")
  (components (comp (ref "R1") (value "10k")) (comp (ref "C7") (value "100n"))
    (comp (ref "J1") (value "Jack")))
  (nets (net (code "1") (name "A") (node (ref "R1") (pin "1")) (node (ref "C7") (pin "1"))
      (node (ref "J1") (pin "1")))
    (net (code "2") (name "B") (node (ref "R1") (pin "2")) (node (ref "C7") (pin "2"))
      (node (ref "J1") (pin "2")))))
)";

struct MainFormNetlistTest : ::testing::Test {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    QString Write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return dir.filePath(name);
    }
    void Start(const QString& netlistAttribute) {
        const QString root = netlistAttribute.isEmpty() ? QString() : QStringLiteral(" Netlist=\"%1\"").arg(netlistAttribute);
        const QString layout = Write(QStringLiteral("amp.swb"), QString::fromLatin1(kLayout).arg(root));
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs, {layout}));
    }
    NetlistPanelWidget& Panel() { return form->Nets().Panel(); }
    QStringList Rows() {
        QStringList rows;
        QTreeWidget* tree = Panel().Tree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            rows << tree->topLevelItem(i)->text(0);
            for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
                rows << QStringLiteral("  ") + tree->topLevelItem(i)->child(j)->text(0);
        }
        return rows;
    }
};

TEST_F(MainFormNetlistTest, AMissingNetlistIsSaidInThePanelAndImportingOneShowsItsDifferences) {
    Start(QStringLiteral("gone.net"));
    EXPECT_TRUE(dialogs.Calls().empty());  // no error box at start-up
    EXPECT_FALSE(Panel().isHidden());
    EXPECT_TRUE(Panel().Status()->text().contains(QStringLiteral("gone.net is not there")));

    // A file that is no netlist: an error, the layout as it was.
    dialogs.AnswerOpenFile(Write(QStringLiteral("notes.txt"), QStringLiteral("words\n")))
        .AnswerMessage(MessageAnswer::Ok);
    form->ActionsOf(Command::ImportNetlist).first()->trigger();
    ASSERT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::Message).size(), 1u);
    EXPECT_EQ(form->Document().GetRootAttribute("Netlist"), QStringLiteral("gone.net"));

    dialogs.AnswerOpenFile(Write(QStringLiteral("amp.net"), QString::fromLatin1(kNetlist)));
    form->ActionsOf(Command::ImportNetlist).first()->trigger();
    EXPECT_EQ(form->Document().GetRootAttribute("Netlist"), QStringLiteral("amp.net"));
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(Panel().Headline()->text(), QStringLiteral("amp.net: 2 differences"));
    EXPECT_TRUE(Panel().Status()->isHidden());
    EXPECT_EQ(Rows(), (QStringList{"Not placed (2)", "  C7 (100n): in the netlist, not on the layout",
                                   "  J1 (Jack): in the netlist, not on the layout"}));

    // Off Board for J1 through the component menu is a step of its own.
    SetOffBoard(form->Session(), QStringLiteral("J1"), true);
    EXPECT_EQ(Rows(), (QStringList{"Not placed (1)", "  C7 (100n): in the netlist, not on the layout",
                                   "Not expected (1)", "  J1: off the board"}));
    form->Session().SelectOnly(form->Document().Root().child("Resistor"));
    test::Controls(*form).ComponentMenu->popup({0, 0});
    QAction* offBoard = form->ActionsOf(Command::OffBoard).first();
    EXPECT_TRUE(offBoard->isEnabled());
    EXPECT_FALSE(offBoard->isChecked());
    offBoard->trigger();
    test::Controls(*form).ComponentMenu->hide();
    EXPECT_EQ(form->Document().GetRootAttribute("OffBoard"), QStringLiteral("J1 R1"));
    EXPECT_EQ(form->Session().UndoLabel(), QStringLiteral("Mark R1 Off Board"));

    // Edit > Netlist Panel hides it and shows it again.
    QAction* item = form->ActionsOf(Command::NetlistPanel).first();
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(Panel().isHidden());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(Panel().isHidden());

    // Forget Netlist closes it.
    form->ActionsOf(Command::ForgetNetlist).first()->trigger();
    EXPECT_TRUE(Panel().isHidden());
    EXPECT_FALSE(form->ActionsOf(Command::ForgetNetlist).first()->isEnabled());
}

TEST_F(MainFormNetlistTest, ADoubleClickOnAPartNotPlacedStartsPlacingTheKindThatFits) {
    Write(QStringLiteral("amp.net"), QString::fromLatin1(kNetlist));
    Start(QStringLiteral("amp.net"));
    QTreeWidgetItem* c7 = Panel().Tree()->topLevelItem(0)->child(0);
    ASSERT_TRUE(c7->text(0).startsWith(QStringLiteral("C7")));
    emit Panel().Tree()->itemDoubleClicked(c7, 0);
    PlacementTool& tool = form->Editing().Tool();
    EXPECT_EQ(tool.ActiveKind(), kind::Capacitor);
    dialogs.AnswerEditValue(std::nullopt);
    tool.PointAtHole({5, 2});
    tool.LeftClick();
    tool.PointAtHole({5, 5});
    tool.LeftClick();
    const auto calls = dialogs.CallsOf(ScriptedDialogs::Type::EditValue);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].valueSetup.name, QStringLiteral("C7"));
    EXPECT_EQ(calls[0].valueSetup.value, QStringLiteral("100nF"));
}

}  // namespace
}  // namespace sw
