// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

namespace sw::test {
namespace {

constexpr Rgb kGrey = MakeRgb(100, 100, 100);

// Holes (2,3) and (6,3): (840,250) and (920,250), 80 pixels apart.
std::string TwoLead(const char* kind, int x2 = 6) {
    return std::string("<") + kind + " Value='1' X1='2' Y1='3' X2='" + std::to_string(x2) + "' Y2='3' Name='Z1'/>";
}

TEST(LeadLayer, LeadsReachTheBodyFromBothHoles) {
    struct Case {
        std::string xml;
        int lastInked1, firstInked2;  // x of the inner ends of lead 1 and lead 2 on row 250
    } cases[] = {
        {TwoLead("Resistor"), 862, 898},    // L = 22
        {TwoLead("Capacitor"), 862, 898},
        {TwoLead("Diode"), 862, 898},
        {TwoLead("Electrolyte"), 862, 898},
        {TwoLead("Led"), 864, 896},         // L = 24: a Led's body is shorter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        LayerRig rig(c.xml);
        rig.Draw(DrawLeadLayer);
        EXPECT_EQ(rig.At(c.lastInked1, 250), kGrey);
        EXPECT_EQ(rig.At(c.lastInked1 + 2, 250), kWhite);
        EXPECT_EQ(rig.At(c.firstInked2, 250), kGrey);
        EXPECT_EQ(rig.At(c.firstInked2 - 2, 250), kWhite);
        EXPECT_EQ(rig.At(880, 250), kWhite);  // the body's place stays free
    }
}

TEST(LeadLayer, ShortSpanLeadsPointOutward) {
    LayerRig rig(TwoLead("Resistor", 3));  // 20 pixels: L = -8
    rig.Draw(DrawLeadLayer);
    EXPECT_EQ(rig.At(833, 250), kGrey);
    EXPECT_EQ(rig.At(829, 250), kWhite);
    EXPECT_EQ(rig.At(867, 250), kGrey);
    EXPECT_EQ(rig.At(871, 250), kWhite);
}

TEST(LeadLayer, DotsSelectionAndReveal) {
    struct Case {
        const char* type;
        bool selected, forImage, reveal;
        Rgb colour;     // of the lead
        bool dots;      // solder dots at the holes
        bool thin;      // 1 pixel, dotted
    } cases[] = {
        {"Stripboard", false, false, false, kGrey, true, false},
        {"PCB", false, false, false, kGrey, false, false},
        {"Stripboard", true, false, false, kRed, true, false},
        {"Stripboard", true, true, false, kGrey, true, false},  // no red in images
        {"Perfboard", false, false, true, kGrey, true, true},
        {"Perfboard", false, true, true, kGrey, true, false},   // reveal is a screen aid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << (c.selected ? " selected" : "") << (c.forImage ? " image" : "")
                                        << (c.reveal ? " reveal" : ""));
        LayerRig rig(TwoLead("Resistor"), c.type);
        if (c.selected)
            rig.Select({"Z1"});
        rig.Options().forImage = c.forImage;
        rig.Options().reveal = c.reveal;
        rig.Draw(DrawLeadLayer);
        EXPECT_EQ(rig.At(840, 252), c.dots ? c.colour : kWhite);   // dot of diameter 5
        EXPECT_EQ(rig.At(920, 248), c.dots ? c.colour : kWhite);
        bool gap = false;  // dotted: 3 on, 3 off
        int inked = 0, wide = 0;
        for (int x = 843; x < 862; ++x) {
            gap |= rig.At(x, 250) == kWhite;
            inked += rig.At(x, 250) == c.colour;
            wide += rig.At(x, 249) == c.colour;  // 2 pixels thick, or 1
        }
        EXPECT_EQ(gap, c.thin);
        EXPECT_GE(inked, 6);
        EXPECT_EQ(wide > 0, !c.thin);
        for (int x = 830; x < 930; ++x)
            EXPECT_EQ(rig.Key(x, 250), 0u) << x;  // leads are not pickable
    }
}

TEST(LeadLayer, OnlyTwoLeadKindsHaveLeads) {
    LayerRig rig("<Transistor Value='1' X1='2' Y1='3' X2='4' Y2='3' Name='Q1'/>"
                 "<Jumper X1='2' Y1='3' X2='6' Y2='3' Name='J1'/>");
    rig.Draw(DrawLeadLayer);
    for (int x = 830; x < 930; ++x)
        EXPECT_EQ(rig.At(x, 250), kWhite) << x;
}

}  // namespace
}  // namespace sw::test
