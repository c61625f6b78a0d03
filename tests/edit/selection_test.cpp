// SPDX-License-Identifier: GPL-3.0-or-later
// Picking components on the board, Select All, and the context menu's items.

#include "edit/selection.h"

#include "model/kinds.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "test_support.h"

#include <QImage>
#include <gtest/gtest.h>

namespace sw::test {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Trace Value="5px" Color="Black" X1="2" Y1="3" X2="6" Y2="3" Name="T1"/>
  <Trace Value="5px" Color="Red" X1="4" Y1="1" X2="4" Y2="5" Name="T2"/>
  <Unknown X1="1" Y1="1"/>
  <Wire Color="Red" Seed="7" X1="10" Y1="2" X2="14" Y2="2" Name="W1"/>
</Layout>)";

struct Selection : ::testing::Test {
    FakeHost host;
    PickMap pick{kBoardImageWidth, kBoardImageHeight};
    Selection() {
        host.Load(kLayout);
        QImage image(kBoardImageWidth, kBoardImageHeight, QImage::Format_RGB32);
        Canvas canvas(image);
        RenderLayout(host.doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, RenderOptions{});
    }
    QPoint At(int x, int y) const { return HoleCentre(BoardOriginX(kBoardImageWidth, 20), x, y); }
};

TEST_F(Selection, ThePickFindsTheTopmostComponentOrNothing) {
    const QPoint crossing = At(4, 3);
    EXPECT_EQ(PickComponent(host.doc, pick, crossing.x(), crossing.y()), host.Named("T2"));
    const QPoint onT1 = At(3, 3);
    EXPECT_EQ(PickComponent(host.doc, pick, onT1.x(), onT1.y()), host.Named("T1"));
    const QPoint empty = At(15, 8);
    EXPECT_FALSE(PickComponent(host.doc, pick, empty.x(), empty.y()));
    EXPECT_FALSE(PickComponent(host.doc, pick, -5, 99999));
    // A key that names no component of the document picks nothing.
    pick.SetKey(5, 5, 3);   // the unknown element
    pick.SetKey(6, 6, 99);  // past the last child
    EXPECT_FALSE(PickComponent(host.doc, pick, 5, 5));
    EXPECT_FALSE(PickComponent(host.doc, pick, 6, 6));
}

TEST_F(Selection, RightClickSelectsThenOpensTheMenu) {
    const QPoint wire = At(12, 2);
    const QPoint empty = At(15, 8);
    host.Select(host.Named("T1"));
    EXPECT_EQ(BoardRightClick(host.session, pick, empty.x(), empty.y()), BoardPick::Nothing);
    EXPECT_EQ(host.session.Current().element, host.Named("T1"));
    EXPECT_EQ(BoardRightClick(host.session, pick, wire.x(), wire.y()), BoardPick::Selected);
    EXPECT_EQ(host.session.Current().element, host.Named("W1"));
    EXPECT_EQ(host.session.Selection().Count(), 1);
    EXPECT_EQ(BoardRightClick(host.session, pick, wire.x(), wire.y()), BoardPick::OpenMenu);
}

TEST_F(Selection, SelectAllToggles) {
    host.Select(host.Named("T1"));
    EXPECT_TRUE(ToggleSelectAll(host.session));
    EXPECT_TRUE(host.session.Selection().AllCategoriesSelected());
    EXPECT_EQ(host.session.Selection().Count(), kKindCount + 1);  // added, not substituted
    EXPECT_FALSE(ToggleSelectAll(host.session));
    EXPECT_EQ(host.session.Selection().Count(), 0);
    // Ctrl+A: the categories alone.
    host.Select(host.Named("T1"));
    SelectEveryCategory(host.session);
    EXPECT_EQ(host.session.Selection().Count(), kKindCount);
    EXPECT_FALSE(host.session.Selection().Contains(host.Named("T1")));
}

TEST(ContextMenu, ItemsFollowTheNodeAndTheSelection) {
    struct Case {
        bool isComponent;
        int kind;
        int selected;
        ContextMenuState expected;
    };
    //                                      replace value  extra  shape  rename delete
    const Case cases[] = {
        {true, kind::Resistor, 1, {true, true, false, false, true, true}},
        {true, kind::Wire, 1, {true, false, false, true, true, true}},
        {true, kind::Jumper, 1, {true, false, false, false, true, true}},
        {true, kind::CutTrack, 1, {true, false, false, false, true, true}},
        {true, kind::AudioJack, 1, {true, false, false, false, true, true}},
        {true, kind::Text, 1, {true, true, false, false, true, true}},
        {true, kind::Relay, 1, {true, true, false, false, true, true}},
        {true, kind::Resistor, 2, {false, false, false, false, false, true}},
        {true, kind::Wire, 2, {false, false, false, false, false, true}},
        {false, kind::Resistor, 1, {false, false, false, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.kind << " selected " << c.selected);
        FakeHost host;
        const pugi::xml_node element = host.doc.AppendComponent(ElementName(kind::Index(c.kind)));
        if (c.isComponent)
            host.Select(element);
        else
            host.SelectCategory(c.kind);
        if (c.selected == 2)
            host.Select(host.doc.AppendComponent("Resistor"), true);
        if (c.isComponent && c.selected == 2)  // the cursor back on the first, both selected
            host.Select(element, true);
        EXPECT_EQ(PrepareContextMenu(host.session), c.expected);
    }
}

}  // namespace
}  // namespace sw::test
