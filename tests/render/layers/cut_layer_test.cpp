// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

namespace sw::test {
namespace {

// A cut at hole (5,3), centre (900,250): the 16 x 16 mark starts at (891,242).
constexpr int left = 891, top = 242;

TEST(CutLayer, MarkIsCompositedAtFullOpacity) {
    struct Probe {
        int i, j;       // pixel of the mark
        Rgb plain, selected;
        unsigned key;
    } probes[] = {
        {0, 0, kWhite, kWhite, 0},                                    // magenta border: never drawn
        {15, 15, kWhite, kWhite, 0},
        {1, 1, MakeRgb(254, 0, 0), MakeRgb(0, 0, 254), 1},            // red / blue scaled by 255/256
        {14, 14, MakeRgb(254, 0, 0), MakeRgb(0, 0, 254), 1},
        {3, 3, MakeRgb(254, 254, 254), MakeRgb(254, 254, 254), 1},   // the white ring, scaled too
        {7, 7, MakeRgb(254, 0, 0), MakeRgb(0, 0, 254), 1},            // the centre dot
    };
    struct Mode {
        bool selected, forImage, reveal;
    } modes[] = {
        {false, false, false}, {true, false, false}, {true, true, false},  // selected: blue in images too
        {false, false, true},  {true, false, true},                        // reveal does not dim cuts
    };
    for (const Mode& m : modes) {
        LayerRig rig("<Cut X1='5' Y1='3' Name='X1'/>");
        if (m.selected)
            rig.Select({"X1"});
        rig.Options().forImage = m.forImage;
        rig.Options().reveal = m.reveal;
        rig.Draw(DrawCutLayer);
        for (const Probe& p : probes) {
            SCOPED_TRACE(testing::Message() << "mark pixel " << p.i << "," << p.j << (m.selected ? " selected" : "")
                                            << (m.forImage ? " image" : "") << (m.reveal ? " reveal" : ""));
            EXPECT_EQ(rig.At(left + p.i, top + p.j), m.selected ? p.selected : p.plain);
            EXPECT_EQ(rig.Key(left + p.i, top + p.j), p.key);
        }
        // Nothing outside the mark: x 891 ... 906, y 242 ... 257.
        EXPECT_EQ(rig.At(left - 1, top + 7), kWhite);
        EXPECT_EQ(rig.Key(left + 16, top + 7), 0u);
    }
}

TEST(CutLayer, PickMapHoldsTheFourteenSquareInside) {
    LayerRig rig("<Cut X1='5' Y1='3' Name='X1'/>");
    rig.Draw(DrawCutLayer);
    int keyed = 0;
    for (int y = top - 2; y < top + 18; ++y)
        for (int x = left - 2; x < left + 18; ++x)
            keyed += rig.Key(x, y) == 1u;
    EXPECT_EQ(keyed, 14 * 14);
}

}  // namespace
}  // namespace sw::test
