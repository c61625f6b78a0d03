// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"
#include "render/wire_shape.h"

#include <map>

namespace sw::test {
namespace {

// Holes (3,2) to (6,2): (860,230) to (920,230); with seed 1 the control points
// are (865,244) and (894,223).
std::string WireXml(const char* colourAttr, const char* seed = "1") {
    return std::string("<Wire ") + colourAttr + " Seed=\"" + seed + "\" X1=\"3\" Y1=\"2\" X2=\"6\" Y2=\"2\" Name=\"W1\"/>";
}

std::map<Rgb, int> ColoursAround(LayerRig& rig) {
    std::map<Rgb, int> colours;
    for (int y = 200; y < 260; ++y)
        for (int x = 840; x < 940; ++x)
            ++colours[rig.At(x, y)];
    return colours;
}

TEST(WireLayer, ThreeToneStroke) {
    struct Case {
        const char* colour;
        Rgb rim, body, core;
    } cases[] = {
        // rim: (220 k + 35 * 0) div 256; core: (128 k + 127 * 255) div 256
        {"Color=\"Red\"", MakeRgb(219, 0, 0), kRed, MakeRgb(254, 126, 126)},
        {"Color=\"Black\"", MakeRgb(0, 0, 0), kBlack, MakeRgb(126, 126, 126)},
        {"", MakeRgb(219, 219, 219), kWhite, MakeRgb(254, 254, 254)},  // no Color: white shades
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        LayerRig rig(WireXml(c.colour));
        rig.Paper().SetBrush(MakeRgb(1, 2, 3));
        rig.Paper().FillRect(0, 0, 2000, 1200);
        rig.Draw(DrawWireLayer);
        std::map<Rgb, int> colours = ColoursAround(rig);
        colours.erase(MakeRgb(1, 2, 3));
        std::map<Rgb, int> expected{{c.rim, 0}, {c.body, 0}, {c.core, 0}};
        for (const auto& [colour, n] : colours)
            EXPECT_TRUE(expected.count(colour)) << std::hex << colour;
        for (const auto& [colour, n] : expected)
            EXPECT_GT(colours[colour], 0) << std::hex << colour;
        // The ends sit on the hole centres, in the core colour.
        EXPECT_EQ(rig.At(860, 230), c.core);
        EXPECT_EQ(rig.At(920, 230), c.core);
    }
}

TEST(WireLayer, PickShapeFollowsTheCurveSixPixelsWide) {
    LayerRig rig(WireXml("Color=\"Blue\""));
    rig.Draw(DrawWireLayer);
    const std::vector<QPoint> points = FlattenWire(WireControlPoints({860, 230}, {920, 230}, 1));
    for (const QPoint& p : points) {
        EXPECT_EQ(rig.Key(p.x(), p.y()), 1u);
        EXPECT_EQ(rig.Key(p.x() - 2, p.y() - 2), 1u);  // within 3 of the curve
    }
    int keyed = 0, inked = 0;
    for (int y = 200; y < 260; ++y)
        for (int x = 840; x < 940; ++x) {
            keyed += rig.Key(x, y) == 1u;
            inked += rig.At(x, y) != kWhite;
        }
    EXPECT_GT(keyed, inked);  // 6 pixels wide against the 4-pixel stroke
    EXPECT_LT(keyed, 2 * inked);
    EXPECT_EQ(rig.Key(890, 200), 0u);
}

TEST(WireLayer, ShapeDependsOnlyOnTheSeed) {
    auto draw = [](const std::string& xml, bool selected) {
        LayerRig rig(xml);
        if (selected)
            rig.Select({"W1"});
        rig.Draw(DrawWireLayer);
        return rig.Image().copy(800, 150, 200, 150);
    };
    const QImage plain = draw(WireXml("Color=\"Green\""), false);
    EXPECT_EQ(draw(WireXml("Color=\"Green\""), false), plain);         // every repaint alike
    EXPECT_EQ(draw(WireXml("Color=\"Green\""), true), plain);          // dotted style does not show
    EXPECT_NE(draw(WireXml("Color=\"Green\"", "2"), false), plain);    // a new seed, a new curve
    // Without a seed the shape is fixed by the ends.
    const std::string unseeded = "<Wire Color='Green' X1='3' Y1='2' X2='6' Y2='2' Name='W1'/>";
    EXPECT_EQ(draw(unseeded, false), draw(unseeded, false));
}

}  // namespace
}  // namespace sw::test

namespace sw::test {
namespace {

TEST(WireLayer, FarOffAndDegenerateWiresDrawWhatReachesTheCanvas) {
    struct Case {
        const char* xml;
        int inked;  // 1 or 0; -1: only that it finishes
    } cases[] = {
        {"<Wire Color='Red' Seed='5' X1='3' Y1='2' X2='100000000' Y2='2' Name='W1'/>", 1},
        {"<Wire Color='Red' Seed='5' X1='-2000000000' Y1='2' X2='2000000000' Y2='90000' Name='W1'/>", -1},
        {"<Wire Color='Red' Seed='5' X1='3' Y1='2' X2='3' Y2='2' Name='W1'/>", 1},  // a dot
        {"<Wire Color='Red' Seed='2147483646' X1='1' Y1='1' X2='20' Y2='10' Name='W1'/>", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        LayerRig rig(c.xml);
        rig.Draw(DrawWireLayer);
        bool inked = false;
        for (int x = 800; x < 1300 && !inked; ++x)
            for (int y = 200; y < 420 && !inked; ++y)
                inked = rig.At(x, y) != kWhite;
        if (c.inked >= 0)
            EXPECT_EQ(inked, c.inked == 1);
    }
}

}  // namespace
}  // namespace sw::test
