// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

namespace sw::test {
namespace {

// Hole (5,3) on a 20-hole board: centre (900,250).
constexpr int cx = 900, cy = 250;

std::string PadXml(const std::string& attrs) {
    return "<Pad " + attrs + " X1=\"5\" Y1=\"3\" Name=\"P1\"/>";
}

TEST(PadLayer, RoundAndSquarePadsWithARoundDrill) {
    struct Probe {
        int dx, dy;
        Rgb round, square;  // canvas colour for the round and the square pad
        unsigned key;       // pick map: the whole disc, for square pads too
    } probes[] = {
        {0, 0, kWhite, kWhite, 1},      // drill
        {2, 0, kWhite, kWhite, 1},      // drill edge (diameter 5)
        {3, 0, kBlack, kBlack, 1},      // copper just outside the drill
        {7, 0, kBlack, kWhite, 1},      // disc edge (diameter 15)
        {8, 0, kWhite, kWhite, 0},      // outside
        {-6, -6, kWhite, kBlack, 0},    // square corner, outside the disc
        {6, 6, kWhite, kBlack, 0},      // square runs c - 6 ... c + 6
        {-7, 0, kBlack, kWhite, 1},     // the disc reaches 7 left, the square only 6
        {0, 7, kBlack, kWhite, 1},
    };
    for (const char* square : {"", "Square=\"True\""}) {
        for (const char* value : {"15", "15px"}) {  // automatic and user pads alike
            LayerRig rig(PadXml(std::string("Value=\"") + value + "\" " + square));
            rig.Draw(DrawPadLayer);
            for (const Probe& p : probes) {
                SCOPED_TRACE(testing::Message() << square << " " << value << " at " << p.dx << "," << p.dy);
                EXPECT_EQ(rig.At(cx + p.dx, cy + p.dy), *square ? p.square : p.round);
                EXPECT_EQ(rig.Key(cx + p.dx, cy + p.dy), p.key);
            }
        }
    }
}

TEST(PadLayer, ColourSelectionAndSize) {
    struct Case {
        std::string attrs;
        bool selected, forImage;
        Rgb colour;   // at (cx + 4, cy)
        bool inked;   // whether anything shows outside the drill
    } cases[] = {
        {"Value='15' Color='Blue'", false, false, kBlue, true},
        {"Value='15' Color='Blue'", true, false, kRed, true},   // selected: red on screen
        {"Value='15' Color='Blue'", true, true, kBlue, true},   // ...own colour in images
        {"Value='15' Color='Purple'", false, false, MakeRgb(128, 0, 128), true},
        {"Value='15' Color=''", false, false, kWhite, true},    // unknown name: white
        {"Value='15' Square='False'", false, false, kBlack, true},
        {"Value='px'", false, false, kWhite, false},            // size 0: only the drill
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs + (c.selected ? " selected" : "") + (c.forImage ? " image" : ""));
        LayerRig rig(PadXml(c.attrs));
        rig.Paper().SetBrush(MakeRgb(1, 2, 3));
        rig.Paper().FillRect(0, 0, 2000, 1200);
        if (c.selected)
            rig.Select({"P1"});
        rig.Options().forImage = c.forImage;
        rig.Draw(DrawPadLayer);
        EXPECT_EQ(rig.At(cx + 4, cy), c.inked ? c.colour : MakeRgb(1, 2, 3));
        EXPECT_EQ(rig.At(cx, cy), kWhite);  // the drill is always there
        EXPECT_EQ(rig.Key(cx + 4, cy), c.inked ? 1u : 0u);
        EXPECT_EQ(rig.Paper().BrushColour(), kWhite);  // the brush is left white
    }
}

TEST(PadLayer, LaterPadsCoverEarlierOnesInThePickMap) {
    LayerRig rig("<Pad Value='15' X1='5' Y1='3' Name='P1'/>"
                 "<Pad Value='15' Color='Red' X1='5' Y1='3' Name='P2'/>");
    rig.Draw(DrawPadLayer);
    EXPECT_EQ(rig.At(cx + 5, cy), kRed);
    EXPECT_EQ(rig.Key(cx, cy), 2u);  // the drill hole picks the pad too
}

}  // namespace
}  // namespace sw::test
