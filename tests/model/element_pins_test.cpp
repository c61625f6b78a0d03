// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_pins.h"

#include <gtest/gtest.h>
#include <climits>
#include <ostream>
#include <string>

namespace sw {

void PrintTo(const ElementPin& pin, std::ostream* os) {
    *os << pin.number << "@(" << pin.hole.x << "," << pin.hole.y << ")/" << int(pin.role);
}

namespace {

using R = PinRole;

// The pins of one element written as XML on a 20 x 10 board.
std::vector<ElementPin> PinsOf(const std::string& element) {
    pugi::xml_document doc;
    const std::string xml = "<Layout Type=\"PCB\" Width=\"20\" Height=\"10\">" + element + "</Layout>";
    EXPECT_TRUE(doc.load_string(xml.c_str())) << element;
    return ElementPins(doc.first_child().first_child());
}

struct Expected {
    int x, y;
    PinRole role = R::None;
};

std::vector<ElementPin> Numbered(const std::vector<Expected>& holes) {
    std::vector<ElementPin> pins;
    for (const Expected& e : holes)
        pins.push_back({int(pins.size()) + 1, {e.x, e.y}, e.role});
    return pins;
}

// Every kind's numbering, pin 1 first, where its drawing puts the lugs.
TEST(ElementPins, EveryKindNumbersItsPinsWhereTheyAreDrawn) {
    const struct {
        const char* element;
        std::vector<Expected> pins;
    } cases[] = {
        {R"(<Text X1="2" Y1="2" Value="a"/>)", {}},
        {R"(<Cut X1="2" Y1="2"/>)", {}},
        {R"(<Trace X1="2" Y1="2" X2="6" Y2="2"/>)", {}},
        {R"(<Pad X1="4" Y1="3"/>)", {{4, 3}}},
        {R"(<Jumper X1="1" Y1="10" X2="3" Y2="10"/>)", {{1, 10}, {3, 10}}},
        {R"(<Wire X1="5" Y1="5" X2="2" Y2="2"/>)", {{5, 5}, {2, 2}}},
        {R"(<Resistor X1="6" Y1="3" X2="2" Y2="3"/>)", {{6, 3}, {2, 3}}},
        {R"(<Capacitor X1="2" Y1="3" X2="3" Y2="4"/>)", {{2, 3}, {3, 4}}},
        {R"(<Diode X1="2" Y1="2" X2="5" Y2="2"/>)", {{2, 2, R::Anode}, {5, 2, R::Cathode}}},
        {R"(<Led X1="5" Y1="2" X2="5" Y2="4"/>)", {{5, 2, R::Anode}, {5, 4, R::Cathode}}},
        {R"(<Electrolyte X1="3" Y1="3" X2="3" Y2="1"/>)", {{3, 3, R::Plus}, {3, 1, R::Minus}}},
        // Hole 1, the hole between, hole 2; in a column too.
        {R"(<Transistor X1="7" Y1="5" X2="5" Y2="5"/>)", {{7, 5}, {6, 5}, {5, 5}}},
        {R"(<Transistor X1="4" Y1="2" X2="4" Y2="4"/>)", {{4, 2}, {4, 3}, {4, 4}}},
        {R"(<Transistor X1="4" Y1="2" X2="6" Y2="4"/>)", {}},
        // The four ways a DIL package lies: down the left column and up the
        // right one (hole 1 top left), and so on, always counterclockwise.
        {R"(<IC X1="3" Y1="2" X2="4" Y2="5"/>)",
         {{3, 2}, {3, 3}, {3, 4}, {3, 5}, {4, 5}, {4, 4}, {4, 3}, {4, 2}}},
        {R"(<IC X1="4" Y1="5" X2="3" Y2="2"/>)",
         {{4, 5}, {4, 4}, {4, 3}, {4, 2}, {3, 2}, {3, 3}, {3, 4}, {3, 5}}},
        {R"(<IC X1="6" Y1="3" X2="3" Y2="4"/>)",
         {{6, 3}, {5, 3}, {4, 3}, {3, 3}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}},
        {R"(<Relay X1="3" Y1="6" X2="6" Y2="3"/>)",
         {{3, 6}, {4, 6}, {5, 6}, {6, 6}, {6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        {R"(<IC X1="3" Y1="2" X2="3" Y2="5"/>)", {}},
        {R"(<LineIC X1="4" Y1="5" X2="4" Y2="3"/>)", {{4, 5}, {4, 4}, {4, 3}}},
        {R"(<LineIC X1="2" Y1="3" X2="5" Y2="3"/>)", {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        // Wiper at hole 1, pin 1 at hole 2, pin 3 across the wiper.
        {R"(<Trimmer X1="5" Y1="5" X2="6" Y2="4"/>)", {{6, 4}, {5, 5, R::Wiper}, {4, 4}}},
        {R"(<Trimmer X1="5" Y1="5" X2="6" Y2="7"/>)", {{6, 7}, {5, 5, R::Wiper}, {4, 7}}},
        {R"(<Trimmer X1="5" Y1="5" X2="9" Y2="4"/>)", {{9, 4}, {5, 5, R::Wiper}, {9, 6}}},
        {R"(<Trimmer X1="5" Y1="5" X2="4" Y2="5"/>)", {{4, 5}, {5, 5, R::Wiper}, {6, 5}}},
        {R"(<Trimmer X1="5" Y1="2" X2="5" Y2="6"/>)", {{5, 6}, {5, 2, R::Wiper}, {5, 1}}},
        {R"(<Trimmer X1="5" Y1="5" X2="8" Y2="7"/>)", {{8, 7}, {5, 5, R::Wiper}}},
        {R"(<Pot X1="5" Y1="4" X2="5" Y2="6"/>)", {{5, 6}, {5, 4, R::Wiper}, {5, 2}}},
        {R"(<Pot X1="7" Y1="4" X2="5" Y2="4"/>)", {{5, 4}, {7, 4, R::Wiper}, {9, 4}}},
        {R"(<Pot X1="7" Y1="4" X2="5" Y2="6"/>)", {}},
        // Winding of hole 1, then hole 2 and the centre tap beside it.
        {R"(<Transformer X1="1" Y1="1" X2="5" Y2="5"/>)", {{1, 1}, {1, 5}, {5, 5}, {5, 3}, {5, 1}}},
        {R"(<Transformer X1="1" Y1="1" X2="5" Y2="4"/>)", {{1, 1}, {1, 4}, {5, 4}, {5, 1}}},
        {R"(<Transformer X1="2" Y1="6" X2="6" Y2="2"/>)", {{2, 6}, {6, 6}, {6, 2}, {4, 2}, {2, 2}}},
        {R"(<Transformer X1="6" Y1="2" X2="2" Y2="5"/>)", {{6, 2}, {2, 2}, {2, 5}, {4, 5}, {6, 5}}},
        // Odd across the windings: no tap, whatever the span along them.
        {R"(<Transformer X1="5" Y1="1" X2="2" Y2="3"/>)", {{5, 1}, {2, 1}, {2, 3}, {5, 3}}},
        // Lines along the longer side, each from hole 1's end.
        {R"(<Switch X1="1" Y1="1" X2="3" Y2="2"/>)", {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
        {R"(<Switch X1="4" Y1="4" X2="3" Y2="1"/>)",
         {{4, 4}, {4, 3}, {4, 2}, {4, 1}, {3, 4}, {3, 3}, {3, 2}, {3, 1}}},
        {R"(<Switch X1="2" Y1="2" X2="3" Y2="3"/>)", {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
        // Tip at hole 1, the sleeve beside it, the ring below; mirrored in the
        // right half of the board (column 10 of 20 is in it).
        {R"(<Jack X1="3" Y1="2" Type="Mono"/>)", {{3, 2}, {4, 2}}},
        {R"(<Jack X1="9" Y1="2" Type="Stereo"/>)", {{9, 2}, {10, 2}, {10, 6}}},
        {R"(<Jack X1="10" Y1="2" Type="Stereo"/>)", {{10, 2}, {9, 2}, {9, 6}}},
        // Counterclockwise from the key gap below hole 1.
        {R"(<Tube X1="5" Y1="5" X2="5" Y2="6" Type="Noval"/>)",
         {{7, 8}, {8, 6}, {8, 4}, {7, 2}, {5, 1}, {3, 2}, {2, 4}, {2, 6}, {3, 8}}},
        // The gap to the right, between the two right-hand pins above.
        {R"(<Tube X1="5" Y1="5" X2="6" Y2="5" Type="Noval"/>)",
         {{7, 2}, {5, 1}, {3, 2}, {2, 4}, {2, 6}, {3, 8}, {5, 9}, {7, 8}, {8, 6}}},
        // The Octal key points a little clockwise of hole 2.
        {R"(<Tube X1="5" Y1="5" X2="5" Y2="6" Type="Octal"/>)",
         {{8, 7}, {9, 5}, {8, 3}, {5, 1}, {2, 3}, {1, 5}, {2, 7}, {5, 9}}},
        {R"(<Tube X1="5" Y1="5" X2="5" Y2="4" Type="Octal"/>)",
         {{2, 3}, {1, 5}, {2, 7}, {5, 9}, {8, 7}, {9, 5}, {8, 3}, {5, 1}}},
        {R"(<Tube X1="5" Y1="5" X2="5" Y2="6" Type="Loctal"/>)", {}},
        {R"(<Tube X1="5" Y1="5" X2="6" Y2="6" Type="Noval"/>)", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PinsOf(c.element), Numbered(c.pins)) << c.element;
}

// Damaged elements have no pins rather than wrong or endless ones.
TEST(ElementPins, DamagedElementsHaveNone) {
    const char* cases[] = {
        R"(<Resistor X1="2" Y1="x" X2="5" Y2="2"/>)",
        R"(<Resistor X1="2" Y1="2" X2="5"/>)",
        R"(<Unknown X1="2" Y1="2" X2="5" Y2="2"/>)",
        // A package spanning a million columns.
        R"(<IC X1="1" Y1="2" X2="1000000" Y2="1"/>)",
        R"(<Switch X1="1" Y1="1" X2="1000" Y2="1000"/>)",
        R"(<LineIC X1="-2147483648" Y1="1" X2="2147483647" Y2="1"/>)",
        // The far lug would be beyond the holes an int numbers.
        R"(<Pot X1="2147483647" Y1="1" X2="2147483645" Y2="1"/>)",
    };
    for (const char* element : cases)
        EXPECT_EQ(PinsOf(element), std::vector<ElementPin>()) << element;
    // One lug past the edge of the numbers: only that trimmer pin is missing.
    EXPECT_EQ(PinsOf(R"(<Trimmer X1="2147483646" Y1="1" X2="2147483647" Y2="1"/>)").size(), 3u);
    EXPECT_EQ(PinsOf(R"(<Trimmer X1="2147483647" Y1="1" X2="2147483646" Y2="1"/>)").size(), 2u);
}

// The trimmer's body and its third pin come from one reading of the offset.
TEST(ElementPins, TrimmerFootprintShapesAndTurns) {
    const struct {
        Hole pin1;
        int shape, quarterTurns;
    } cases[] = {
        {{6, 6}, 1, 1}, {{4, 6}, 1, 2}, {{6, 4}, 1, 0}, {{4, 4}, 1, 3}, {{6, 7}, 2, 2},
        {{7, 4}, 2, 1}, {{4, 3}, 2, 0}, {{3, 6}, 2, 3}, {{4, 9}, 4, 2}, {{9, 6}, 4, 1},
        {{6, 1}, 4, 0}, {{1, 4}, 4, 3}, {{4, 5}, 5, 0}, {{5, 6}, 5, 1}, {{5, 8}, 0, 0},
        {{5, 5}, 0, 0}, {{8, 7}, 0, 0},
    };
    for (const auto& c : cases) {
        const TrimmerFootprint f = TrimmerFootprintOf({5, 5}, c.pin1);
        EXPECT_EQ(f.shape, c.shape) << c.pin1.x << "," << c.pin1.y;
        EXPECT_EQ(f.quarterTurns, c.quarterTurns) << c.pin1.x << "," << c.pin1.y;
    }
    EXPECT_EQ(TrimmerFootprintOf({5, 5}, {5, 5}).thirdPin, std::nullopt);
}

}  // namespace
}  // namespace sw
