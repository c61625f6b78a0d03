// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/kind_drawing.h"

#include "model/catalogue.h"
#include "render/body_placement.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <gtest/gtest.h>

#include <string>

namespace sw {
namespace {

// The body placement of the one component in `element`, on a 20 x 10 perfboard.
struct OneBody {
    LayoutDocument doc;
    QImage image = MakeRaster(2000, 1200);
    PickMap pick{2000, 1200};
    RenderOptions options;
    RenderCaches caches;
    std::optional<BodyPlacement> placed;

    explicit OneBody(const std::string& element) {
        EXPECT_TRUE(doc.LoadText("<Layout Type=\"Perfboard\" Width=\"20\" Height=\"10\">" + element +
                                 "</Layout>")
                        .ok)
            << element;
        Canvas canvas(image);
        const RenderContext ctx{doc, canvas, pick, 2000, 1200, options, 800, doc.BoardType(), 20, 10, caches};
        placed = PlaceBody(ctx, doc.Root().first_child());
    }
};

// The body image cache trusts the key: two elements whose images differ must
// have different keys, whatever attribute tells them apart. Each kind's
// element is changed one attribute at a time.
TEST(KindDrawing, ABodyKeyChangesWheneverItsImageDoes) {
    const struct {
        const char* base;
        std::vector<const char*> variants;
    } cases[] = {
        {R"(<Resistor Name="R1" X1="2" Y1="2" X2="6" Y2="2"/>)",
         {R"(<Resistor Name="R2" X1="2" Y1="2" X2="6" Y2="2"/>)",
          R"(<Resistor Name="R1" X1="2" Y1="2" X2="6" Y2="4"/>)"}},
        {R"(<Capacitor Name="C1" X1="2" Y1="2" X2="4" Y2="2"/>)",
         {R"(<Capacitor Name="C1" X1="2" Y1="2" X2="2" Y2="4"/>)"}},
        {R"(<Diode Name="D1" X1="2" Y1="2" X2="6" Y2="2"/>)",
         {R"(<Diode Name="D1" X1="6" Y1="2" X2="2" Y2="2"/>)", R"(<Led Name="D1" X1="2" Y1="2" X2="6" Y2="2"/>)"}},
        {R"(<Electrolyte Name="C1" X1="2" Y1="2" X2="6" Y2="2" Size="Small"/>)",
         {R"(<Electrolyte Name="C1" X1="2" Y1="2" X2="6" Y2="2" Size="Large"/>)",
          R"(<Electrolyte Name="C1" X1="2" Y1="2" X2="6" Y2="2"/>)"}},
        {R"(<Transistor Name="Q1" X1="2" Y1="2" X2="4" Y2="2"/>)",
         {R"(<Transistor Name="Q1" X1="4" Y1="2" X2="2" Y2="2"/>)", R"(<Transistor Name="Q2" X1="2" Y1="2" X2="4" Y2="2"/>)"}},
        {R"(<IC Name="IC1" X1="3" Y1="2" X2="4" Y2="5"/>)",
         {R"(<IC Name="IC1" X1="4" Y1="2" X2="3" Y2="5"/>)", R"(<Relay Name="IC1" X1="3" Y1="2" X2="4" Y2="5"/>)",
          R"(<Transformer Name="IC1" X1="3" Y1="2" X2="4" Y2="5"/>)", R"(<Switch Name="IC1" X1="3" Y1="2" X2="4" Y2="5"/>)"}},
        {R"(<LineIC Name="IC1" X1="3" Y1="2" X2="6" Y2="2"/>)", {R"(<LineIC Name="IC1" X1="6" Y1="2" X2="3" Y2="2"/>)"}},
        {R"(<Trimmer Name="VR1" X1="5" Y1="5" X2="6" Y2="6"/>)",
         {R"(<Trimmer Name="VR1" X1="5" Y1="5" X2="6" Y2="7"/>)", R"(<Trimmer Name="VR1" X1="5" Y1="5" X2="4" Y2="4"/>)"}},
        {R"(<Pot Name="P1" X1="5" Y1="4" X2="7" Y2="4"/>)", {R"(<Pot Name="P1" X1="5" Y1="4" X2="5" Y2="6"/>)"}},
        {R"(<Jack Name="J1" X1="3" Y1="2" Type="Mono"/>)",
         {R"(<Jack Name="J1" X1="3" Y1="2" Type="Stereo"/>)", R"(<Jack Name="J1" X1="12" Y1="2" Type="Mono"/>)"}},
        {R"(<Tube Name="V1" X1="5" Y1="5" X2="5" Y2="6" Type="Noval"/>)",
         {R"(<Tube Name="V1" X1="5" Y1="5" X2="5" Y2="6" Type="Octal"/>)",
          R"(<Tube Name="V1" X1="5" Y1="5" X2="6" Y2="5" Type="Noval"/>)"}},
    };
    for (const auto& c : cases) {
        const OneBody base(c.base);
        ASSERT_TRUE(base.placed) << c.base;
        const QImage baseImage = base.placed->build();
        for (const char* variant : c.variants) {
            const OneBody other(variant);
            ASSERT_TRUE(other.placed) << variant;
            EXPECT_NE(other.placed->build(), baseImage) << variant;
            EXPECT_NE(other.placed->key, base.placed->key) << variant;
        }
        EXPECT_EQ(OneBody(c.base).placed->key, base.placed->key) << c.base;
    }
}

// A kind has a placer exactly when it has a body layer, and leads only lead
// to a body drawn above them.
TEST(KindDrawing, EveryKindWithABodyLayerHasAPlacer) {
    for (const CatalogueEntry& row : Catalogue()) {
        const KindDrawing& drawing = DrawingOf(kind::Index(row.index));
        EXPECT_EQ(drawing.place != nullptr, drawing.layer != BodyLayer::None) << row.element;
        EXPECT_TRUE(!drawing.leads || drawing.layer == BodyLayer::Bodies) << row.element;
    }
}

}  // namespace
}  // namespace sw
