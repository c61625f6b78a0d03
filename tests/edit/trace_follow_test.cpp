// SPDX-License-Identifier: GPL-3.0-or-later
// On a PCB the traces on the pads of moving parts follow them, by a drag, the
// arrow buttons and Rotate alike, in the same one undo step; off a PCB they
// stay.

#include "edit/edit_commands.h"
#include "editor_fakes.h"
#include "session/trace_ends.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

// R1 owns P1, P2 and R2 owns P3, P4; T1 joins R1 to R2, T2 leaves R1 for
// open board, T3 touches neither.
constexpr const char kLayout[] = R"(<Layout Type="%1" Width="20" Height="10">
  <Pad X1="2" Y1="3" Value="15" Name="P1" Parent="R1"/>
  <Pad X1="6" Y1="3" Value="15" Name="P2" Parent="R1"/>
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Pad X1="10" Y1="3" Value="15" Name="P3" Parent="R2"/>
  <Pad X1="14" Y1="3" Value="15" Name="P4" Parent="R2"/>
  <Resistor Value="1K" X1="10" Y1="3" X2="14" Y2="3" Name="R2"/>
  <Trace Value="5px" Color="Black" X1="6" Y1="3" X2="10" Y2="3" Name="T1"/>
  <Trace Value="5px" Color="Black" X1="6" Y1="8" X2="6" Y2="3" Name="T2"/>
  <Trace Value="5px" Color="Black" X1="15" Y1="5" X2="18" Y2="5" Name="T3"/>
</Layout>)";

std::string Holes(const FakeHost& host, const char* name) {
    const pugi::xml_node e = host.Named(name);
    return std::string(e.attribute("X1").value()) + "," + e.attribute("Y1").value() + "-" +
           e.attribute("X2").value() + "," + e.attribute("Y2").value();
}

enum class Way { Drag, MoveDown, Rotate };

TEST(TracesFollow, TheEndsOnMovingPadsGoWithThemInOneStep) {
    const struct {
        const char* what;
        const char* board;
        std::vector<const char*> selected;
        Way way;
        const char* t1;
        const char* t2;
    } cases[] = {
        {"a drag of R1: both traces' ends on P2", "PCB", {"R1"}, Way::Drag, "7,5-10,3", "6,8-7,5"},
        {"R1 and R2 dragged: T1 whole", "PCB", {"R1", "R2"}, Way::Drag, "7,5-11,5", "6,8-7,5"},
        {"T1 selected too moves once", "PCB", {"R1", "T1"}, Way::Drag, "7,5-11,5", "6,8-7,5"},
        {"a pad by itself", "PCB", {"P3"}, Way::Drag, "6,3-11,5", "6,8-6,3"},
        {"Move Down", "PCB", {"R1"}, Way::MoveDown, "6,4-10,3", "6,8-6,4"},
        {"Rotate about R1's middle (4,3)", "PCB", {"R1"}, Way::Rotate, "4,5-10,3", "6,8-4,5"},
        {"a stripboard keeps its traces", "Stripboard", {"R1"}, Way::Drag, "6,3-10,3", "6,8-6,3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        host.Load(QString::fromLatin1(kLayout).arg(QLatin1String(c.board)).toUtf8().constData());
        SelectionState selection;
        for (const char* name : c.selected)
            selection.Add(host.Named(name));
        host.session.Select(std::move(selection));
        switch (c.way) {
        case Way::Drag:
            ASSERT_TRUE(host.session.BeginDrag({4, 3}));
            host.session.DragTo({5, 5});
            host.session.FinishDrag();
            break;
        case Way::MoveDown:
            MoveSelection(host, MoveDirection::Down);
            break;
        case Way::Rotate:
            RotateSelection(host);
            break;
        }
        EXPECT_EQ(Holes(host, "T1"), c.t1);
        EXPECT_EQ(Holes(host, "T2"), c.t2);
        EXPECT_EQ(Holes(host, "T3"), "15,5-18,5");
        host.Undo();
        EXPECT_FALSE(host.session.CanUndo()) << "one step";
        EXPECT_EQ(Holes(host, "T1"), "6,3-10,3");
        EXPECT_EQ(Holes(host, "T2"), "6,8-6,3");
    }
}

TEST(TracesFollow, EscDuringTheDragPutsTheTraceEndsBackAsWritten) {
    FakeHost host;
    host.Load(QString::fromLatin1(kLayout).arg(QLatin1String("PCB")).toUtf8().constData());
    host.session.SelectOnly(host.Named("R2"));
    ASSERT_TRUE(host.session.BeginDrag({12, 3}));
    host.session.DragTo({12, 6});
    EXPECT_EQ(Holes(host, "T1"), "6,3-10,6") << "live while dragging";
    host.session.CancelDrag();
    EXPECT_EQ(Holes(host, "T1"), "6,3-10,3");
    EXPECT_FALSE(host.session.CanUndo());
}

TEST(TracesFollow, OnlyTheEndsOnPadsThatMoveAreFound) {
    FakeHost host;
    host.Load(R"(<Layout Type="PCB" Width="20" Height="10">
  <Pad X1="4" Y1="4" Value="15" Name="P1"/>
  <Trace X1="4" Y1="4" X2="4" Y2="4" Name="T1"/>
  <Trace X1="4" Y1="4" X2="9" Y2="9" Name="T2"/>
  <Resistor X1="4" Y1="4" X2="8" Y2="4" Name="R1"/>
</Layout>)");
    const pugi::xml_node p1 = host.Named("P1"), t1 = host.Named("T1"), t2 = host.Named("T2");
    const std::vector<TraceEnd> ends = TraceEndsOnPads(host.doc, {p1.internal_object()});
    EXPECT_EQ(ends, (std::vector<TraceEnd>{{t1, false}, {t1, true}, {t2, false}}))
        << "both ends of a trace drawn from the pad to itself";
    EXPECT_TRUE(TraceEndsOnPads(host.doc, {host.Named("R1").internal_object()}).empty())
        << "a part's hole without a pad carries nothing";
    EXPECT_TRUE(TraceEndsOnPads(host.doc, {p1.internal_object(), t1.internal_object(), t2.internal_object()}).empty())
        << "moving traces move by themselves";
}

}  // namespace
}  // namespace sw
