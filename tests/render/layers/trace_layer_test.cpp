// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

namespace sw::test {
namespace {

// Holes (3,2) and (7,2) on a 20-hole board lie at (860,230) and (940,230).
std::string TraceXml(const char* value, const char* colour = nullptr) {
    std::string xml = std::string("<Trace Value=\"") + value + "\" ";
    if (colour)
        xml += std::string("Color=\"") + colour + "\" ";
    return xml + "X1=\"3\" Y1=\"2\" X2=\"7\" Y2=\"2\" Name=\"T1\"/>";
}

TEST(TraceLayer, WidthAndRoundEnds) {
    struct Probe {
        int x, y;
        bool inked;
    } probes[] = {
        {900, 228, true},  {900, 232, true},  {900, 227, false}, {900, 233, false},  // 5 pixels thick
        {858, 230, true},  {857, 230, false}, {942, 230, true},  {943, 230, false},  // round ends
        {859, 228, true},  {858, 228, false}, {942, 232, false},                     // ...not square
    };
    LayerRig rig("<Text Value='x' X1='1' Y1='1' Name='A1'/>" + TraceXml("5px"));
    rig.Draw(DrawTraceLayer);
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(rig.At(p.x, p.y), p.inked ? kBlack : kWhite);
        // The pick map holds the same line in the trace's key (second child: 2).
        EXPECT_EQ(rig.Key(p.x, p.y), p.inked ? 2u : 0u);
    }
}

TEST(TraceLayer, ColourAndWidthFromTheAttributes) {
    struct Case {
        std::string xml;
        Rgb colour;
        bool thick;  // more than one pixel wide
    } cases[] = {
        {TraceXml("5px", "Red"), kRed, true},
        {TraceXml("5px"), kBlack, true},                   // no Color: black
        {TraceXml("5px", "red"), kWhite, true},            // names are case-sensitive
        {TraceXml("5px", "Orange"), MakeRgb(247, 148, 29), true},
        {TraceXml("px", "Blue"), kBlue, false},            // no number: 1 pixel wide
        {TraceXml("2.5px", "Blue"), kBlue, true},          // 2.5 rounds to 2
        {TraceXml("1.5px", "Blue"), kBlue, true},          // 1.5 rounds to 2
        {TraceXml("0.5px", "Blue"), kBlue, false},         // 0.5 rounds to 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        LayerRig rig(c.xml);
        rig.Paper().SetBrush(MakeRgb(1, 2, 3));
        rig.Paper().FillRect(0, 0, 2000, 1200);  // so white ink shows
        rig.Draw(DrawTraceLayer);
        EXPECT_EQ(rig.At(900, 230), c.colour);
        EXPECT_EQ(rig.At(900, 229) == c.colour, c.thick);
        EXPECT_EQ(rig.At(900, 233), MakeRgb(1, 2, 3));
    }
}

TEST(TraceLayer, SelectionDashesOnlyThinTracesOnScreen) {
    struct Case {
        const char* value;
        bool forImage;
        bool gap;  // the dash pattern leaves a gap a little after the start
    } cases[] = {
        {"1px", false, true},
        {"1px", true, false},
        {"5px", false, false},  // a wide selected trace looks unselected
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << (c.forImage ? " image" : " screen"));
        LayerRig rig(TraceXml(c.value));
        rig.Select({"T1"});
        rig.Options().forImage = c.forImage;
        rig.Draw(DrawTraceLayer);
        bool gap = false;
        for (int x = 861; x < 939; ++x)
            gap |= rig.At(x, 230) == kWhite;
        EXPECT_EQ(gap, c.gap);
        for (int x = 861; x < 939; ++x)
            EXPECT_EQ(rig.Key(x, 230), 1u) << x;  // the pick map is never dashed
    }
}

}  // namespace
}  // namespace sw::test

namespace sw::test {
namespace {

TEST(TraceLayer, AbsurdWidthsAreCappedNotHung) {
    LayerRig rig(TraceXml("99999999999999999999px"));
    rig.Draw(DrawTraceLayer);
    // Capped at a width that covers the whole canvas.
    EXPECT_EQ(rig.At(0, 0), kBlack);
    EXPECT_EQ(rig.At(1999, 1199), kBlack);
    EXPECT_EQ(rig.Key(1999, 1199), 1u);
}

}  // namespace
}  // namespace sw::test
