// SPDX-License-Identifier: GPL-3.0-or-later
// The lit net over the board: the session holds it and tells it, the board
// shows it over the picture only, and any change of the document puts it out.

#include "edit/board_scene.h"
#include "edit/net_overlays.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "session/editor_session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sw {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
</Layout>)";

struct LitNet : ::testing::Test {
    EditorSession session;
    BoardScene scene{session};
    std::vector<SessionChange> told;
    LitNet() {
        EXPECT_TRUE(session.Document().LoadText(kLayout).ok);
        scene.EnablePainting();
        session.Observe([this](SessionChange c) { told.push_back(c); });
    }
    QPoint Centre(Hole h) const { return HoleCentre(BoardOriginX(kBoardImageWidth, 20), h.x, h.y); }
    static NetHighlight Strip() {
        NetHighlight lit;
        lit.holes = {{2, 3}, {3, 3}, {4, 3}};
        lit.pins = {{2, 3}};
        lit.links = {{{4, 3}, {4, 8}}};
        lit.caption = QStringLiteral("Net of R1.1: R1.1");
        return lit;
    }
};

TEST_F(LitNet, ShowsOverThePictureOnlyUntilCleared) {
    const QImage plain = scene.Image();
    session.SetHighlight(Strip());
    EXPECT_EQ(told, std::vector{SessionChange::Highlight});
    session.SetHighlight(Strip());
    EXPECT_EQ(told.size(), 1u) << "the same copper again is no change";
    // The holes, the strip between them and the link are lit; not the board's picture.
    for (const Hole h : {Hole{3, 3}, Hole{4, 3}, Hole{4, 6}})
        EXPECT_NE(scene.Shown().pixel(Centre(h)), plain.pixel(Centre(h))) << h.x << "," << h.y;
    const QPoint between = (Centre({3, 3}) + Centre({4, 3})) / 2;
    EXPECT_NE(scene.Shown().pixel(between), plain.pixel(between));
    for (const Hole h : {Hole{5, 3}, Hole{2, 4}, Hole{9, 8}})
        EXPECT_EQ(scene.Shown().pixel(Centre(h)), plain.pixel(Centre(h))) << h.x << "," << h.y;
    EXPECT_TRUE(scene.Image() == plain);
    EXPECT_EQ(scene.Renders(), 1u) << "lighting a net renders nothing";
    session.ClearHighlight();
    EXPECT_TRUE(scene.Shown() == plain);
}

TEST_F(LitNet, AnyChangeOfTheDocumentPutsItOut) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"edit", [&] { session.Edit(EditKind::Move, QStringLiteral("Move"), [] { return EditResult{}; }); }},
        {"undo", [&] { ASSERT_TRUE(session.Undo().ok); }},
        {"open", [&] {
             ASSERT_TRUE(session.ReplaceDocument({}, [](LayoutDocument& d) { return d.LoadText(kLayout); }).ok);
         }},
    };
    for (const auto& [name, change] : changes) {
        session.SetHighlight(Strip());
        told.clear();
        change();
        EXPECT_TRUE(session.Highlight().Empty()) << name;
        const auto lit = std::find(told.begin(), told.end(), SessionChange::Highlight);
        const auto copper = std::find_if(told.begin(), told.end(), [](SessionChange c) {
            return c == SessionChange::DocumentChanged || c == SessionChange::DocumentReplaced;
        });
        ASSERT_NE(copper, told.end()) << name;
        EXPECT_LT(lit, copper) << name << ": before the views read the new copper";
    }
    // Selecting leaves the copper as it is, so the lit net stays.
    session.SetHighlight(Strip());
    session.SelectOnly(session.Document().Root().first_child());
    EXPECT_EQ(session.Highlight(), Strip());
}

TEST(HoleMapping, FollowsThePictureItDrawsOn) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    const QPoint c = HoleCentre(BoardOriginX(kBoardImageWidth, 20), 5, 3);
    for (const double scale : {1.0, 2.0, 3.5}) {
        const HoleMapping map(doc, scale);
        EXPECT_DOUBLE_EQ(map.Centre({5, 3}).x(), (c.x() + 0.5) * scale);
        EXPECT_DOUBLE_EQ(map.Centre({5, 3}).y(), (c.y() + 0.5) * scale);
        EXPECT_DOUBLE_EQ(map.Pixels(6), 6 * scale);
    }
}

}  // namespace
}  // namespace sw
