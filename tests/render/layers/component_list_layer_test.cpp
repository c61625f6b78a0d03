// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "render/layers.h"

#include <vector>

namespace sw::test {
namespace {

constexpr Rgb kPaper = MakeRgb(1, 2, 3);

// On a grey page the list's text boxes show as white rectangles (the entries
// are drawn on an opaque white background), so each entry's position and
// width can be read back exactly.
struct ListRig {
    LayerRig rig;
    explicit ListRig(const std::string& children, const std::string& rootExtra = {})
        : rig(children, "Stripboard", 20, 10, rootExtra) {
        rig.Paper().SetBrush(kPaper);
        rig.Paper().FillRect(0, 0, 2000, 1200);
        rig.Draw(DrawComponentList);
    }
    // The widths of the boxes in the column starting at `left`, row by row
    // (rows 16 pixels apart from y = 440 on a 10-row board).
    std::vector<int> Column(int left) {
        std::vector<int> widths;
        for (int y = 440; y < 1200 - 16; y += 16) {
            if (rig.At(left, y) == kPaper)
                break;
            EXPECT_EQ(rig.At(left - 1, y), kPaper);
            EXPECT_EQ(rig.At(left, y - 1), kPaper);
            int w = 0;
            while (rig.At(left + w, y) != kPaper)
                ++w;
            widths.push_back(w);
        }
        return widths;
    }
    int Width(const char* text) {
        rig.Paper().SetFont(QStringLiteral("Tahoma"), 8, true);
        return rig.Paper().TextExtent(QString::fromUtf8(text)).width();
    }
};

TEST(ComponentList, ThreeColumnsUnderTheBoard) {
    ListRig list(
        "<Diode Value='1N4148' X1='1' Y1='1' X2='3' Y2='1' Name='D1'/>"
        "<Resistor Value='10K' X1='1' Y1='1' X2='3' Y2='1' Name='R1'/>"
        "<Capacitor Value='' X1='1' Y1='1' X2='3' Y2='1' Name='C1'/>"
        "<Resistor Value='' X1='1' Y1='1' X2='3' Y2='1' Name='R2'/>"
        "<Electrolyte Value='' X1='1' Y1='1' X2='3' Y2='1' Name='C2'/>"
        "<Electrolyte Value='100uF' X1='1' Y1='1' X2='3' Y2='1' Name='C3'/>"
        "<IC Value='NE555' X1='1' Y1='1' X2='4' Y2='4' Name='IC1'/>"
        "<Capacitor Value='10nF' X1='1' Y1='1' X2='3' Y2='1' Name='C4'/>"
        "<Pot Value='100K' Taper='Audio' X1='1' Y1='1' X2='3' Y2='1' Name='P1'/>"
        "<Led Value='red' X1='1' Y1='1' X2='3' Y2='1' Name='D2'/>"
        "<Diode Value='1N4001' X1='1' Y1='1' X2='3' Y2='1' Name='D3'/>"
        "<Jumper X1='1' Y1='1' X2='3' Y2='1' Name='J1'/>"
        "<Jack Type='Mono' X1='1' Y1='1' Name='J2'/>"
        "<Text Value='hello' X1='1' Y1='1' Name='A1'/>"
        "<Wire Color='Red' Seed='1' X1='1' Y1='1' X2='3' Y2='1' Name='W1'/>");
    // Column 1 at 1000 - 150: resistors with a value.
    EXPECT_EQ(list.Column(850), (std::vector<int>{list.Width("R1: 10K")}));
    // Column 2 at 1000 - 50: every capacitor, electrolytes with a value, in one walk.
    EXPECT_EQ(list.Column(950), (std::vector<int>{list.Width("C1: "), list.Width("C3: 100uF"),
                                                  list.Width("C4: 10nF")}));
    // Column 3 at 1000 + 50: one walk per kind, ICs before diodes before LEDs before pots.
    EXPECT_EQ(list.Column(1050), (std::vector<int>{list.Width("IC1: NE555"), list.Width("D1: 1N4148"),
                                                   list.Width("D3: 1N4001"), list.Width("D2: red"),
                                                   list.Width("P1: 100K Audio")}));
    // The entries are bold 8-point black text.
    int black = 0;
    for (int y = 440; y < 453; ++y)
        for (int x = 850; x < 900; ++x)
            black += list.rig.At(x, y) == kBlack;
    EXPECT_GT(black, 10);
}

TEST(ComponentList, HideListSwitch) {
    struct Case {
        std::string root;
        bool shown;
    } cases[] = {
        {"", true},
        {"HideList='False'", true},
        {"HideList='True'", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        ListRig list("<Resistor Value='1K' X1='1' Y1='1' X2='3' Y2='1' Name='R1'/>", c.root);
        EXPECT_EQ(list.Column(850).size(), c.shown ? 1u : 0u);
    }
}

TEST(ComponentList, StartsFortyPixelsBelowTheBoard) {
    for (int height : {4, 10, 20}) {
        LayerRig rig("<Resistor Value='1K' X1='1' Y1='1' X2='3' Y2='1' Name='R1'/>", "Perfboard", 30, height);
        rig.Paper().SetBrush(kPaper);
        rig.Paper().FillRect(0, 0, 2000, 1200);
        rig.Draw(DrawComponentList);
        const int top = 240 + 20 * height;
        EXPECT_EQ(rig.At(850, top), kWhite) << height;
        EXPECT_EQ(rig.At(850, top - 1), kPaper) << height;
    }
}

}  // namespace
}  // namespace sw::test
