// SPDX-License-Identifier: GPL-3.0-or-later
// The board scene: one render for any number of changes before the board is
// next shown, the same picture RenderLayout gives, overlays over the picture
// only, and the drag drawn from the picture of the rest.

#include "edit/board_scene.h"

#include "edit/placement_rules.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/render_layout.h"
#include "session/editor_session.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <Capacitor Value="1uF" X1="2" Y1="6" X2="5" Y2="6" Name="C1"/>
</Layout>)";

struct Scene : ::testing::Test {
    EditorSession session;
    BoardScene scene{session};
    int notified = 0;
    Scene() {
        EXPECT_TRUE(session.Document().LoadText(kLayout).ok);
        scene.OnChange([this] { ++notified; });
        scene.EnablePainting();
    }
    pugi::xml_node Named(const char* name) const {
        return session.Document().Root().find_child_by_attribute("Name", name);
    }
    // The picture RenderLayout gives for the session as it is.
    QImage Expected(bool reveal = false) const {
        QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
        PickMap pick(kBoardImageWidth, kBoardImageHeight);
        Canvas canvas(image);
        RenderOptions options;
        options.reveal = reveal;
        options.isSelected = [this](pugi::xml_node e) { return session.Selection().Contains(e); };
        RenderLayout(session.Document(), canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        return image;
    }
    void MoveR1() {
        session.Edit(EditKind::Move, QStringLiteral("Move R1"), [&] {
            SetAttr(Named("R1"), "Y1", IntAttr(Named("R1"), "Y1") + 1);
            SetAttr(Named("R1"), "Y2", IntAttr(Named("R1"), "Y2") + 1);
            return EditResult{};
        });
    }
};

TEST_F(Scene, ManyChangesCostOneRenderWhenTheBoardIsNextShown) {
    EXPECT_TRUE(scene.Image() == Expected());
    EXPECT_EQ(scene.Renders(), 1u);
    MoveR1();
    session.SelectOnly(Named("C1"));
    MoveR1();
    scene.SetReveal(true);
    EXPECT_GE(notified, 4) << "each change asks the view for a paint";
    EXPECT_EQ(scene.Renders(), 1u) << "nothing rendered until shown";
    EXPECT_TRUE(scene.Stale());
    EXPECT_TRUE(scene.Shown() == Expected(true));
    scene.Pick();
    scene.Image();
    EXPECT_EQ(scene.Renders(), 2u);
    // Undo replaces the document: the board follows it too.
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_TRUE(scene.Image() == Expected(true));
    EXPECT_EQ(scene.Renders(), 3u);
}

TEST_F(Scene, MarkersLieOverThePictureUntilTheBoardChanges) {
    const QImage plain = scene.Image();
    const QPoint hole = HoleCentre(BoardOriginX(kBoardImageWidth, 20), 9, 8);
    scene.ShowMarkers({{{9, 8}, kSourceColour}});
    EXPECT_EQ(scene.Shown().pixel(hole) & 0xFFFFFF, 0x800080u);
    EXPECT_TRUE(scene.Image() == plain) << "not in the board's picture";
    EXPECT_EQ(scene.Pick().KeyAt(hole.x(), hole.y()), 0u) << "nor in the pick map";
    EXPECT_EQ(scene.Renders(), 1u) << "markers are drawn without a render";
    // The picture with the markers is the board with the dot, nothing else.
    QImage dotted = plain;
    {
        Canvas canvas(dotted);
        canvas.SetBrush(MakeRgb(128, 0, 128));
        canvas.SetPen(MakeRgb(128, 0, 128));
        canvas.Dot(hole.x(), hole.y(), 5);
    }
    EXPECT_TRUE(scene.Shown() == dotted);
    // Any change of the board takes them away, as does showing none.
    session.SelectOnly(Named("R1"));
    EXPECT_TRUE(scene.Markers().empty());
    EXPECT_TRUE(scene.Shown() == scene.Image());
    scene.ShowMarkers({{{9, 8}, kSourceColour}});
    scene.ShowMarkers({});
    EXPECT_TRUE(scene.Shown() == scene.Image());
}

TEST_F(Scene, DraggedPartsAreDrawnOverThePictureOfTheRest) {
    session.SelectOnly(Named("R1"));
    scene.Image();
    ASSERT_TRUE(session.BeginDrag({2, 3}));
    ASSERT_TRUE(session.DragTo({9, 8}));
    const unsigned renders = scene.Renders();
    // R1 covers nothing where it is dragged to: the whole repaint, pixel for pixel.
    EXPECT_TRUE(scene.Image() == Expected());
    EXPECT_EQ(scene.Renders(), renders + 1);
    session.CancelDrag();
    EXPECT_TRUE(scene.Image() == Expected());
}

TEST_F(Scene, NothingIsRenderedBeforePaintingOrWhileClosing) {
    EditorSession other;
    ASSERT_TRUE(other.Document().LoadText(kLayout).ok);
    BoardScene idle(other);
    const QImage blank = idle.Image();
    EXPECT_EQ(idle.Renders(), 0u);
    idle.EnablePainting();
    EXPECT_FALSE(idle.Image() == blank);
    const QImage shown = idle.Image();
    idle.SetClosing();
    other.SelectOnly(other.Document().Root().first_child());
    EXPECT_TRUE(idle.Image() == shown);
    EXPECT_EQ(idle.Renders(), 1u);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// Zoomed in, the view shows a window of the board rendered at its own
// resolution: kept while scrolling within it, drawn anew after any change,
// the overlays in it sharp, and the scale-1 picture and pick map untouched.
TEST_F(Scene, TheSharpWindowFollowsTheBoardAndIsKeptWhileItHoldsTheView) {
    const QRect window(100, 150, 400, 300);
    const QRect needed = window.adjusted(40, 30, -40, -30);
    const BoardScene::SharpPicture first = scene.SharpShown(2, needed, window);
    EXPECT_EQ(first.window, window);
    EXPECT_EQ(first.image.size(), window.size() * 2);
    EXPECT_EQ(scene.SharpRenders(), 1u);
    EXPECT_EQ(scene.Renders(), 0u) << "the scale-1 picture waits for the pick map";
    // The window at scale 2 is the scale-1 picture's part at every centre.
    const QImage plain = Expected();
    int differing = 0;
    for (int y = window.top(); y <= window.bottom(); y += 3)
        for (int x = window.left(); x <= window.right(); x += 3)
            differing += plain.pixel(x, y) != first.image.pixel((x - window.left()) * 2 + 1, (y - window.top()) * 2 + 1);
    EXPECT_LT(differing, 400);
    // Scrolling within the window keeps it; beyond it, at another scale, or
    // after a change it is rendered again.
    scene.SharpShown(2, needed.translated(30, 20), window.translated(30, 20));
    EXPECT_EQ(scene.SharpRenders(), 1u);
    EXPECT_EQ(scene.SharpShown(2, needed.translated(300, 0), window.translated(300, 0)).window,
              window.translated(300, 0));
    EXPECT_EQ(scene.SharpRenders(), 2u);
    scene.SharpShown(4, needed.translated(300, 0), window.translated(300, 0));
    EXPECT_EQ(scene.SharpRenders(), 3u);
    MoveR1();
    scene.SharpShown(4, needed.translated(300, 0), window.translated(300, 0));
    EXPECT_EQ(scene.SharpRenders(), 4u);
    // A marker is drawn in it, at its resolution: a dot 5 x 4 device pixels across.
    const QPoint hole = HoleCentre(BoardOriginX(kBoardImageWidth, 20), 9, 8);
    scene.ShowMarkers({{{9, 8}, kSourceColour}});
    const BoardScene::SharpPicture marked = scene.SharpShown(4, QRect(hole, QSize(1, 1)), QRect(hole - QPoint(10, 10), QSize(20, 20)));
    int purple = 0;
    for (int x = 0; x < marked.image.width(); ++x)
        purple += (marked.image.pixel(x, 10 * 4 + 2) & 0xFFFFFF) == 0x800080u;
    EXPECT_EQ(purple, 5 * 4);
    // An overlay's change draws the overlays over the kept window, no render.
    const unsigned renders = scene.SharpRenders();
    scene.ShowMarkers({});
    const BoardScene::SharpPicture cleared = scene.SharpShown(4, QRect(hole, QSize(1, 1)), QRect(hole - QPoint(10, 10), QSize(20, 20)));
    EXPECT_EQ(scene.SharpRenders(), renders);
    EXPECT_NE(cleared.image.pixel(10 * 4 + 2, 10 * 4 + 2) & 0xFFFFFF, 0x800080u);
    EXPECT_EQ(scene.Pick().KeyAt(hole.x(), hole.y()), 0u);
}

TEST(BoardZoomScale, TheViewRendersAtTheWholeScaleAboveItsDevicePixels) {
    struct Case {
        double factor, ratio;
        int scale;
    };
    const Case cases[] = {{1.0, 1.0, 1}, {0.5, 2.0, 1}, {0.25, 1.0, 1}, {0.75, 1.0, 1}, {1.5, 1.0, 2},
                          {2.0, 1.0, 2}, {3.0, 1.0, 3}, {4.0, 1.0, 4}, {1.0, 2.0, 2}, {0.75, 2.0, 2},
                          {4.0, 2.0, 8}, {4.0, 3.0, 8}, {1.25, 1.5, 2}};
    for (const Case& c : cases) {
        BoardZoom zoom;
        zoom.SetFactor(c.factor);
        EXPECT_EQ(zoom.RenderScale(c.ratio), c.scale) << c.factor << " x " << c.ratio;
    }
    BoardZoom zoom;
    zoom.SetFactor(2.0);
    const QSize image(kBoardImageWidth, kBoardImageHeight);
    // The shown pixels and an eighth more each side, never beyond the image.
    EXPECT_EQ(zoom.SharpWindow(QRect(800, 400, 1600, 800), image), QRect(300, 150, 1000, 500));
    EXPECT_EQ(zoom.SharpWindow(QRect(0, 0, 800, 800), image), QRect(0, 0, 450, 450));
    EXPECT_TRUE(zoom.SharpWindow(QRect(5000, 3000, 10, 10), image).isEmpty());
}

}  // namespace
}  // namespace sw
