// SPDX-License-Identifier: GPL-3.0-or-later
// The layout's own netlist, named in the root attribute Netlist, stays through
// editing: a save and reopen, undo and redo, a paste (also of a whole layout
// naming another netlist) and a drag.

#include "model/layout_document.h"
#include "session/editor_session.h"
#include "session/layout_fragment.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr const char kLayout[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c" Netlist="../sch/amp.net" OffBoard="J1 VR1">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
</Layout>)";

std::string NetlistOf(const LayoutDocument& doc) {
    return doc.GetRootAttribute("Netlist").value_or(QString()).toStdString();
}

TEST(NetlistAttribute, SurvivesSaveUndoPasteAndDrag) {
    EditorSession session;
    ASSERT_TRUE(session.Document().LoadText(kLayout).ok);
    session.ClearUndo();

    // A paste of a whole layout naming another netlist adds its parts only.
    session.SelectOnly(session.Document().Root().child("Resistor"));
    const std::string copied = BuildFragment(session.Document(), session.AffectedComponents());
    ASSERT_EQ(PasteFragment(session, copied).status, FragmentStatus::Parts);
    std::string other = kLayout;
    other.replace(other.find("../sch/amp.net"), 14, "other.net");
    ASSERT_EQ(PasteFragment(session, other).status, FragmentStatus::Parts);
    EXPECT_EQ(NetlistOf(session.Document()), "../sch/amp.net");

    ASSERT_TRUE(session.BeginDrag({2, 3}));
    ASSERT_TRUE(session.DragTo({4, 5}));
    ASSERT_TRUE(session.FinishDrag());
    EXPECT_EQ(NetlistOf(session.Document()), "../sch/amp.net");

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(NetlistOf(session.Document()), "../sch/amp.net");
    ASSERT_TRUE(session.Redo().ok);
    EXPECT_EQ(NetlistOf(session.Document()), "../sch/amp.net");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.swb"));
    ASSERT_TRUE(session.SaveTo(path).ok);
    LayoutDocument reopened;
    ASSERT_TRUE(reopened.LoadFile(path).ok);
    EXPECT_EQ(NetlistOf(reopened), "../sch/amp.net");
    EXPECT_EQ(reopened.GetRootAttribute("OffBoard").value_or(QString()), QStringLiteral("J1 VR1"));
}

}  // namespace
}  // namespace sw
