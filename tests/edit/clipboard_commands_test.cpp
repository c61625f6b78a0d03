// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy and Paste as the window runs them, without a window: what goes to
// the clipboard, what is deleted, and how refused text is reported.

#include "edit/clipboard_commands.h"

#include "editor_fakes.h"

#include <gtest/gtest.h>

namespace sw::test {
namespace {

using Type = ScriptedDialogs::Type;

constexpr const char kPcb[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1" Square="False"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Wire Color="Red" Seed="7" X1="1" Y1="1" X2="5" Y2="5" Name="W1"/>
</Layout>)";

TEST(ClipboardCommands, CutCopiesThenDeletesWithThePadsAsOneUndoStep) {
    FakeHost host;
    host.Load(kPcb);
    EXPECT_EQ(CutSelectionText(host), "") << "nothing selected: nothing cut";
    EXPECT_FALSE(host.session.CanUndo());

    host.Select(host.Named("R1"));
    const std::string copied = CopySelectionText(host);
    EXPECT_EQ(host.Count(kind::Resistor), 1) << "Copy leaves the layout alone";
    EXPECT_EQ(CutSelectionText(host), copied);
    EXPECT_EQ(host.Count(kind::Resistor), 0);
    EXPECT_EQ(host.Count(kind::SolderPad), 0) << "its pad went with it";
    host.Undo();
    EXPECT_EQ(host.Count(kind::Resistor) + host.Count(kind::SolderPad), 2);

    // Pasted back: fresh names, one hole right and down, one change the views
    // are told of, one step named after the fresh name (its pad goes with it).
    const int changes = host.documentChanges;
    EXPECT_TRUE(PasteText(host, copied));
    EXPECT_EQ(host.documentChanges, changes + 1);
    EXPECT_EQ(host.session.UndoLabel(), "Paste R2");
    EXPECT_EQ(IntAttr(host.Named("R2"), "X1"), 3);
    EXPECT_STREQ(host.Named("P2").attribute("Parent").value(), "R2");
    EXPECT_TRUE(host.dialogs.Calls().empty());
}

TEST(ClipboardCommands, TextWithoutPartsIsANoteDamagedPartsAnErrorBox) {
    FakeHost host;
    host.Load(kPcb);
    EXPECT_FALSE(PasteText(host, "Hello"));
    EXPECT_EQ(host.note, "Nothing to paste: the clipboard holds no layout parts.");
    EXPECT_TRUE(host.dialogs.Calls().empty());

    host.dialogs.AnswerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(PasteText(host, R"(<LayoutFragment><Cut X1="x" Y1="1" Name="K1"/></LayoutFragment>)"));
    const auto errors = host.dialogs.CallsOf(Type::Message);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind, MessageKind::Error);
    EXPECT_EQ(errors[0].text, "The pasted parts are damaged: Cut \"K1\" has X1=\"x\", which is not an integer.");
    EXPECT_EQ(host.Count(kind::CutTrack), 0);
    EXPECT_FALSE(host.session.CanUndo());
}

}  // namespace
}  // namespace sw::test
