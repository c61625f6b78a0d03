// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/kind_editing.h"

#include <iterator>

namespace sw {
namespace {

using R = PlacementRule;
using M = PlacementMarks;
using P = PadOrder;

constexpr KindEditing kEditings[] = {
    {R::OneHole, M::SourceOnly, P::None, false},                     // Text
    {R::OneHole, M::SourceOnly, P::None, false},                     // Cut Track
    {R::OneHole, M::SourceOnly, P::None, false},                     // Solder Pad
    {R::HolesDiffer, M::SourceOnly, P::None, false},                 // Trace
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, false},            // Jumper
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, false},            // Resistor
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, false},            // Capacitor
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, true},             // Diode
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, false},            // LED
    {R::HolesDiffer, M::SourceOnly, P::PinNumber, true},             // Electrolyte
    {R::TwoApartInLine, M::TwoApartOnBoard, P::PinNumber, false},    // Transistor
    {R::DilPackage, M::SourceOnly, P::OuterPairs, true},             // DIL IC
    {R::SilPackage, M::SourceOnly, P::PinNumber, true},              // SIL IC
    {R::TrimmerOffsets, M::TrimmerOffsets, P::HolesFirst, false},    // Trimmer
    {R::TwoApartInLine, M::TwoApart, P::HolesFirst, false},          // Potentiometer
    {R::Diagonal, M::SourceOnly, P::RowOfHole1First, false},         // Transformer
    {R::HolesDiffer, M::SourceOnly, P::ByColumn, false},             // Switch
    {R::HolesDiffer, M::SourceOnly, P::None, false},                 // Wire
    {R::OneHole, M::SourceOnly, P::None, false},                     // Audio Jack
    {R::NextInLine, M::NextTo, P::None, false},                      // Tube Socket
    {R::Diagonal, M::SourceOnly, P::OuterPairs, true},               // Relay
};
static_assert(std::size(kEditings) == kKindCount, "every kind has a row");

}  // namespace

const KindEditing& EditingOf(kind::Index kind) { return kEditings[kind]; }

const KindEditing* EditingOf(int kindIndex) {
    if (kindIndex < 0 || kindIndex >= kKindCount)
        return nullptr;
    return &kEditings[kindIndex];
}

}  // namespace sw
