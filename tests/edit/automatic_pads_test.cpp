// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/automatic_pads.h"

#include "edit/kind_editing.h"
#include "model/catalogue.h"
#include "model/element_pins.h"
#include "model/layout_document.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sw {
namespace {

// Automatic pads lie on the part's pins and nowhere else, pin 1 square where
// the kind marks it, for every kind that gets them.
TEST(AutomaticPads, EveryKindGetsAPadOnEachPinOnTheBoard) {
    const struct {
        kind::Index kind;
        Hole source, destination;
    } cases[] = {
        {kind::Jumper, {2, 2}, {5, 2}},      {kind::Resistor, {2, 2}, {2, 6}},
        {kind::Capacitor, {3, 3}, {4, 4}},   {kind::Diode, {6, 2}, {2, 2}},
        {kind::Led, {2, 2}, {3, 2}},         {kind::Electrolyte, {2, 5}, {2, 2}},
        {kind::Transistor, {4, 4}, {4, 2}},  {kind::DilIc, {3, 6}, {6, 3}},
        {kind::DilIc, {3, 2}, {6, 8}},       {kind::SilIc, {2, 3}, {8, 3}},
        {kind::Trimmer, {5, 5}, {6, 4}},     {kind::Trimmer, {5, 5}, {9, 4}},
        {kind::Potentiometer, {5, 4}, {7, 4}}, {kind::Transformer, {2, 2}, {6, 8}},
        {kind::Transformer, {7, 3}, {2, 5}}, {kind::Switch, {4, 4}, {2, 3}},
        {kind::Relay, {9, 2}, {2, 3}},
    };
    for (const auto& c : cases) {
        const char* name = ElementName(c.kind);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadText("<Layout Type=\"PCB\" Width=\"20\" Height=\"10\"/>").ok);
        CreateAutomaticPads(doc, c.kind, c.source, c.destination, QStringLiteral("U1"), 15);
        std::vector<std::pair<int, int>> pads, pins;
        for (pugi::xml_node p = doc.Root().child("Pad"); p; p = p.next_sibling("Pad")) {
            pads.push_back({IntAttr(p, "X1"), IntAttr(p, "Y1")});
            const bool pin1 = IntAttr(p, "X1") == c.source.x && IntAttr(p, "Y1") == c.source.y &&
                              c.kind != kind::Trimmer && c.kind != kind::Potentiometer;
            EXPECT_EQ(BoolAttr(p, "Square"), pin1 && EditingOf(c.kind).squarePin1) << name;
        }
        for (const ElementPin& pin : KindPins(c.kind, c.source, c.destination))
            pins.push_back({pin.hole.x, pin.hole.y});
        std::sort(pads.begin(), pads.end());
        std::sort(pins.begin(), pins.end());
        EXPECT_FALSE(pads.empty()) << name;
        EXPECT_EQ(pads, pins) << name << " from " << c.source.x << "," << c.source.y;
    }
}

// Kinds without copper of their own get no pads.
TEST(AutomaticPads, WiresTextAndSocketsGetNone) {
    for (kind::Index k : {kind::Text, kind::CutTrack, kind::SolderPad, kind::Trace, kind::Wire,
                          kind::AudioJack, kind::TubeSocket}) {
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadText("<Layout Type=\"PCB\" Width=\"20\" Height=\"10\"/>").ok);
        CreateAutomaticPads(doc, k, {5, 5}, {5, 6}, QStringLiteral("U1"), 15);
        EXPECT_FALSE(doc.Root().child("Pad")) << ElementName(k);
    }
}

}  // namespace
}  // namespace sw
