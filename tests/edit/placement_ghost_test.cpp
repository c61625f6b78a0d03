// SPDX-License-Identifier: GPL-3.0-or-later
// The ghost of the part a click would place: when there is one, where, red
// for a refused pair, the part's own pixels at low opacity, and over the
// board in the scene only.

#include "edit/board_scene.h"
#include "edit/placement_ghost.h"
#include "edit/placement_tool.h"
#include "editor_fakes.h"
#include "render/board_geometry.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

using test::FakeHost;

PlacementState Placing(int kind, bool second, Hole current, Hole source = {4, 4}) {
    PlacementState s;
    s.kind = kind;
    s.awaitingFirst = !second;
    s.awaitingSecond = second;
    s.source = source;
    s.current = current;
    return s;
}

TEST(PlacementGhost, ShownWhileAClickWouldPlaceRedWhereTheRulesRefuse) {
    PlacementState connectivity = Placing(kind::Jumper, true, {7, 4});
    connectivity.connectivity = true;
    const struct {
        const char* what;
        PlacementState state;
        bool overHole;
        bool shown;
        Hole source, destination;
        bool refused;
    } cases[] = {
        {"select mode", Placing(-1, false, {7, 4}), true, false, {}, {}, false},
        {"a resistor's first hole not yet taken", Placing(kind::Resistor, false, {7, 4}), true, false, {}, {}, false},
        {"from the first hole to the pointer's", Placing(kind::Resistor, true, {7, 4}), true, true, {4, 4}, {7, 4}, false},
        {"between holes", Placing(kind::Resistor, true, {7, 4}), false, false, {}, {}, false},
        {"on the first hole itself", Placing(kind::Resistor, true, {4, 4}), true, false, {}, {}, false},
        {"a transistor three apart", Placing(kind::Transistor, true, {7, 4}), true, true, {4, 4}, {7, 4}, true},
        {"a transistor two apart", Placing(kind::Transistor, true, {6, 4}), true, true, {4, 4}, {6, 4}, false},
        {"a DIL IC on one row", Placing(kind::DilIc, true, {7, 4}), true, true, {4, 4}, {7, 4}, true},
        {"a pad at the pointer", Placing(kind::SolderPad, false, {9, 2}), true, true, {9, 2}, {9, 2}, false},
        {"text has none", Placing(kind::Text, false, {9, 2}), true, false, {}, {}, false},
        {"the connectivity check", connectivity, true, false, {}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<PlacementGhost> ghost = GhostOf(c.state, c.overHole);
        ASSERT_EQ(bool(ghost), c.shown);
        if (!ghost)
            continue;
        EXPECT_EQ(ghost->source, c.source);
        EXPECT_EQ(ghost->destination, c.destination);
        EXPECT_EQ(ghost->refused, c.refused);
    }
}

TEST(PlacementGhost, ThePicturesArePartsPixelsFaintAndRedWhenRefused) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(R"(<Layout Type="Stripboard" Width="20" Height="10"/>)").ok);
    const PlacementGhost accepted{kind::Transistor, {4, 4}, {6, 4}, false};
    PlacementGhost refused = accepted;
    refused.refused = true;
    const GhostPicture fine = RenderGhost(doc, accepted, {});
    const GhostPicture red = RenderGhost(doc, refused, {});
    ASSERT_FALSE(fine.image.isNull());
    // The picture lies about the holes it was drawn for.
    const int x0 = BoardOriginX(kBoardImageWidth, 20);
    const QRect box(fine.origin, fine.image.size());
    EXPECT_TRUE(box.contains(HoleCentre(x0, 5, 4)));
    EXPECT_FALSE(box.contains(HoleCentre(x0, 9, 4)));
    EXPECT_EQ(red.origin, fine.origin);
    int drawn = 0, redder = 0;
    for (int y = 0; y < fine.image.height(); ++y)
        for (int x = 0; x < fine.image.width(); ++x) {
            const QRgb a = fine.image.pixel(x, y), b = red.image.pixel(x, y);
            if (qAlpha(a) == 0)
                continue;
            ++drawn;
            EXPECT_EQ(qAlpha(a), kGhostOpacity);
            redder += qRed(b) > qRed(a) || (qRed(b) == qRed(a) && qBlue(b) < qBlue(a));
        }
    EXPECT_GT(drawn, 50);
    EXPECT_GT(redder, drawn / 2);
    EXPECT_EQ(RenderGhost(doc, {-1, {}, {}, false}, {}).image.isNull(), true) << "no kind, no picture";
}

// The ghost bears the name the part would get: Replace's target's own, the
// netlist's for a part of it, else the next free one.
TEST(PlacementGhost, BearsTheNameThePartWouldGet) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="1K" X1="2" Y1="8" X2="6" Y2="8" Name="R7"/>
</Layout>)").ok);
    LayoutDocument elsewhere;
    ASSERT_TRUE(elsewhere.LoadText(doc.ToText()).ok);
    const PlacementGhost fresh{kind::Resistor, {3, 3}, {8, 3}, false};
    PlacementGhost replacing = fresh, fromNetlist = fresh, gone = fresh;
    replacing.replacing = doc.Root().first_child();
    fromNetlist.netlistName = QStringLiteral("R7");
    gone.replacing = elsewhere.Root().first_child();  // no element of this document
    const QImage r1 = RenderGhost(doc, fresh, {}).image;
    const QImage r7 = RenderGhost(doc, replacing, {}).image;
    EXPECT_FALSE(r7 == r1);
    EXPECT_TRUE(RenderGhost(doc, fromNetlist, {}).image == r7);
    EXPECT_TRUE(RenderGhost(doc, gone, {}).image == r1);
}

TEST(PlacementGhost, TheSceneShowsItOverTheBoardAndTheToolFollowsThePointer) {
    FakeHost host;
    host.Load(R"(<Layout Type="PCB" Width="20" Height="10"/>)");
    BoardScene scene(host.session);
    scene.EnablePainting();
    const QImage board = scene.Image().copy();
    const PlacementGhost ghost{kind::Resistor, {3, 3}, {8, 3}, false};
    scene.ShowGhost(ghost);
    EXPECT_FALSE(scene.Shown() == board) << "drawn over the board";
    EXPECT_TRUE(scene.Image() == board) << "never into the board image";
    scene.ShowGhost({});
    EXPECT_TRUE(scene.Shown() == board);

    struct GhostHost : FakeHost {
        std::vector<std::optional<PlacementGhost>> ghosts;
        void ShowGhost(const std::optional<PlacementGhost>& g) override { ghosts.push_back(g); }
    } h;
    h.Load(R"(<Layout Type="PCB" Width="20" Height="10"/>)");
    PlacementTool tool(h);
    tool.StartKind(kind::Resistor);
    PointerEvent at;
    const int x0 = BoardOriginX(kBoardImageWidth, 20);
    at.pixel = HoleCentre(x0, 3, 3);
    tool.Press(at);
    at.pixel = HoleCentre(x0, 8, 3);
    tool.Hover(at);
    ASSERT_TRUE(h.ghosts.back());
    EXPECT_EQ(*h.ghosts.back(), (PlacementGhost{kind::Resistor, {3, 3}, {8, 3}, false}));
    tool.Escape();
    EXPECT_FALSE(h.ghosts.back()) << "Esc takes it away with the first hole";
    tool.Hover(at);
    EXPECT_FALSE(h.ghosts.back());
}

}  // namespace
}  // namespace sw
