// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/kind_drawing.h"

#include <iterator>

namespace sw {

// A body builder whose only caller is its row below is declared here, beside
// that row, and defined in render/images/; component_images.h declares the
// builders the benchmarks and the placers call as well.

namespace {

using enum BodyLayer;
using L = ListGroup;

constexpr KindDrawing kDrawings[] = {
    {None, nullptr, false, L::None},                                      // Text
    {None, nullptr, false, L::None},                                      // Cut Track
    {None, nullptr, false, L::None},                                      // Solder Pad
    {None, nullptr, false, L::None},                                      // Trace
    {None, nullptr, false, L::None},                                      // Jumper
    {Bodies, PlaceTwoLead<MakeResistorImage>, true, L::Resistors},        // Resistor
    {Bodies, PlaceTwoLead<MakeCapacitorImage>, true, L::Capacitors},      // Capacitor
    {Bodies, PlaceTwoLead<MakeDiodeImage>, true, L::Diode},               // Diode
    {Bodies, PlaceTwoLead<MakeLedImage>, true, L::Led},                   // LED
    {Bodies, PlaceElectrolyte, true, L::Capacitors},                      // Electrolyte
    {Bodies, PlaceTransistor, false, L::Transistor},                      // Transistor
    {Bodies, PlaceSpanned<MakeICImage>, false, L::DilIc},                 // DIL IC
    {Bodies, PlaceSilIc, false, L::SilIc},                                // SIL IC
    {Bodies, PlaceTrimmer, false, L::Trimmer},                            // Trimmer
    {Bodies, PlacePot, false, L::Potentiometer},                          // Potentiometer
    {Bodies, PlaceSpanned<MakeTransformerImage>, false, L::Transformer},  // Transformer
    {Panel, PlaceSpanned<MakeSwitchImage>, false, L::Switch},             // Switch
    {None, nullptr, false, L::None},                                      // Wire
    {Bodies, PlaceJack, false, L::None},                                  // Audio Jack
    {Panel, PlaceTube, false, L::TubeSocket},                             // Tube Socket
    {Bodies, PlaceSpanned<MakeRelayImage>, false, L::Relay},              // Relay
};
static_assert(std::size(kDrawings) == kKindCount, "every kind has a row");

}  // namespace

const KindDrawing& DrawingOf(kind::Index kind) { return kDrawings[kind]; }

const KindDrawing* DrawingOf(pugi::xml_node element) { return KindRow(kDrawings, element); }

}  // namespace sw
