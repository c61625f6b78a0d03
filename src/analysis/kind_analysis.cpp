// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/kind_analysis.h"

#include <iterator>

namespace sw {
namespace {

using C = Conduction;
using L = Listing;

// Wires, jumpers, cuts, traces, pads, text and jacks are not parts to buy.
constexpr KindAnalysis kAnalyses[] = {
    {C::None, L::Never},                // Text
    {C::Cut, L::Never},                 // Cut Track
    {C::None, L::Never},                // Solder Pad
    {C::Copper, L::Never},              // Trace
    {C::EndToEnd, L::Never},            // Jumper
    {C::EndToEnd, L::Always},           // Resistor
    {C::EndToEnd, L::Always},           // Capacitor
    {C::EndToEnd, L::Always},           // Diode
    {C::EndToEnd, L::Always},           // LED
    {C::EndToEnd, L::Always},           // Electrolyte
    {C::None, L::Always},               // Transistor
    {C::None, L::Always},               // DIL IC
    {C::None, L::Always},               // SIL IC
    {C::None, L::Always},               // Trimmer
    {C::None, L::WithValueAndTaper},    // Potentiometer
    {C::None, L::Always},               // Transformer
    {C::None, L::Always},               // Switch
    {C::EndToEnd, L::Never},            // Wire
    {C::None, L::Never},                // Audio Jack
    {C::None, L::Always},               // Tube Socket
    {C::None, L::WithValue},            // Relay
};
static_assert(std::size(kAnalyses) == kKindCount, "every kind has a row");

}  // namespace

const KindAnalysis& AnalysisOf(kind::Index kind) { return kAnalyses[kind]; }

const KindAnalysis* AnalysisOf(pugi::xml_node element) { return KindRow(kAnalyses, element); }

}  // namespace sw
