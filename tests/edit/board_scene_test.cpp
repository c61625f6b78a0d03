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
