// SPDX-License-Identifier: GPL-3.0-or-later
// The board during a drag: the rest of the layout drawn once, the dragged
// parts over a copy of it. Where the dragged parts cover nothing it is the
// whole repaint pixel for pixel, pick keys included; where they cover other
// parts they lie on top until the drag ends.

#include "render/drag_preview.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
  <IC Value="555" X1="10" Y1="5" X2="13" Y2="8" Name="IC1"/>
  <Wire Color="Red" Seed="7" X1="1" Y1="9" X2="5" Y2="9" Name="W1"/>
  <Cut X1="15" Y1="2" Name="X1"/>
</Layout>)";

struct Drawn {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    PickMap pick{kBoardImageWidth, kBoardImageHeight};
};

TEST(DragPreview, IsTheWholeRepaintWhereTheDraggedPartsCoverNothingAndOnTopWhereTheyDo) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    pugi::xml_node resistor = doc.Root().child("Resistor");
    RenderOptions options;
    options.isSelected = [resistor](pugi::xml_node e) { return e == resistor; };
    DragPreview preview;
    preview.Begin(doc, kBoardImageWidth, kBoardImageHeight, options,
                  [resistor](pugi::xml_node e) { return e == resistor; }, 7);
    EXPECT_TRUE(preview.Holds(7, false));
    EXPECT_FALSE(preview.Holds(8, false));
    EXPECT_FALSE(preview.Holds(7, true)) << "another reveal flag needs another picture";

    auto place = [&](int x1, int y1) {
        resistor.attribute("X1").set_value(x1);
        resistor.attribute("Y1").set_value(y1);
        resistor.attribute("X2").set_value(x1 + 4);
        resistor.attribute("Y2").set_value(y1);
    };
    const unsigned key = doc.KeyOf(resistor);
    const int x0 = BoardOriginX(kBoardImageWidth, 20);
    for (const auto& [x1, y1, overIc] : {std::tuple{3, 2, false}, std::tuple{9, 6, true}}) {
        place(x1, y1);
        Drawn step, whole;
        step.image.fill(Qt::black);  // whatever the window showed before
        preview.Render(doc, step.image, step.pick);
        Canvas canvas(whole.image);
        RenderLayout(doc, canvas, whole.pick, kBoardImageWidth, kBoardImageHeight, options);
        const QPoint middle = HoleCentre(x0, x1 + 2, y1);
        EXPECT_EQ(step.pick.KeyAt(middle.x(), middle.y()), key) << x1;
        if (!overIc) {
            EXPECT_EQ(step.image, whole.image);
            EXPECT_EQ(step.pick.Image(), whole.pick.Image());
        } else {
            // The IC's body is drawn after the resistor's leads and beside its
            // body in a whole repaint; during the drag the resistor is on top.
            EXPECT_NE(whole.pick.KeyAt(middle.x(), middle.y()), key);
        }
    }
    preview.End();
    EXPECT_FALSE(preview.Holds(7, false));
}

}  // namespace
}  // namespace sw
