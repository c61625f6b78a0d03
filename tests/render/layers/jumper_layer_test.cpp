// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

namespace sw::test {
namespace {

// A jumper down column 3 from row 2 to row 5: (860,230) to (860,290).
const std::string kJumper = "<Jumper X1='3' Y1='2' X2='3' Y2='5' Name='J1'/>";

TEST(JumperLayer, LineAndEndDots) {
    struct Case {
        const char* type;
        bool selected, forImage;
        Rgb line, dot;  // dot: colour 2 pixels right of an end, beyond the line
    } cases[] = {
        {"Stripboard", false, false, kBlue, kBlack},
        {"Perfboard", false, true, kBlue, kBlack},
        {"Stripboard", true, false, kRed, kRed},
        {"Stripboard", true, true, kBlue, kRed},  // red dots mark the selection in images too
        {"PCB", false, false, kBlue, kWhite},     // no dots on a PCB
        {"PCB", true, false, kRed, kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << (c.selected ? " selected" : "") << (c.forImage ? " image" : ""));
        LayerRig rig(kJumper, c.type);
        if (c.selected)
            rig.Select({"J1"});
        rig.Options().forImage = c.forImage;
        rig.Draw(DrawJumperLayer);
        EXPECT_EQ(rig.At(860, 260), c.line);
        EXPECT_EQ(rig.At(862, 230), c.dot);
        EXPECT_EQ(rig.At(862, 290), c.dot);
        EXPECT_EQ(rig.At(863, 230), kWhite);  // diameter 5
    }
}

TEST(JumperLayer, PickShapeIsThreePixelsWideWithoutTheDots) {
    LayerRig rig(kJumper);
    rig.Draw(DrawJumperLayer);
    struct Probe {
        int x, y;
        unsigned key;
    } probes[] = {
        {859, 260, 1}, {860, 260, 1}, {861, 260, 1}, {858, 260, 0}, {862, 260, 0},
        {860, 231, 1}, {860, 289, 1}, {862, 230, 0}, {860, 292, 0},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(rig.Key(p.x, p.y), p.key) << p.x << "," << p.y;
}

}  // namespace
}  // namespace sw::test
