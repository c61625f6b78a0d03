// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a layout against its schematic's netlist: parts matched by name,
// their pins placed at holes by the pin table, and the copper (never the
// parts) deciding which pins are joined. Each difference names the netlist's
// own nets and parts.

#include "model/hole.h"
#include "netlist/netlist.h"

#include <string>
#include <vector>

namespace sw {

class LayoutDocument;

enum class DifferenceKind { Open, Short, Missing, Extra, Reversed, Value, Pins };

// "open", "short", "missing", "extra", "reversed", "value", "pins".
const char* DifferenceWord(DifferenceKind kind);

// A pin of a part where the layout has it.
struct PlacedPin {
    std::string ref;
    std::string pin;  // the netlist's pin name
    Hole hole;
};

struct Difference {
    DifferenceKind kind = DifferenceKind::Open;
    // The nets (open: one; short: two or more) or the part (all others).
    std::vector<std::string> names;
    // open: the pins of each separate piece of copper; short: per net (in the
    // order of `names`), its pins on the piece where the nets meet; reversed:
    // the part's two pins, the cathode or plus pin first.
    std::vector<std::vector<PlacedPin>> groups;
    // value: the layout's and the netlist's; reversed: the nets whose copper
    // the cathode (plus) and the anode (minus) pin sit on; missing, extra:
    // the netlist's or layout's value.
    std::string layoutText;
    std::string netlistText;
    // pins: the counts, and netlist pins the kind cannot have.
    int layoutPins = 0;
    int netlistPins = 0;
    std::vector<std::string> strayPins;
    Hole at;  // extra: the part's first pin
    bool plusMarked = false;  // reversed: an electrolyte (plus and minus, not cathode and anode)
};

enum class NotExpectedReason { Source, OffBoard, Unjoined };

// A netlist part the layout need not have, and does not.
struct NotExpected {
    std::string ref;
    NotExpectedReason reason;
};

// A netlist pin where the layout has it, on the net the netlist gives it.
struct PinOnNet {
    Hole hole;
    int net = -1;  // index into the netlist's nets
};

struct CheckReport {
    std::vector<Difference> differences;  // open, short, missing, extra, reversed, value, pins
    std::vector<NotExpected> notExpected;
    int netlistParts = 0;
    int netlistNets = 0;
    int layoutParts = 0;  // elements with pins that count as parts
    std::vector<std::string> warnings;  // the netlist's, as read
    // Every netlist pin the layout has, in netlist order (a part found turned
    // round with its pins taken as turned): what names the net of the copper
    // under a pin.
    std::vector<PinOnNet> pins;
    bool Matches() const { return differences.empty(); }
};

// The layout's list of parts mounted off the board (chassis jacks, pots,
// valves), from its root attribute `OffBoard`: names separated by spaces or
// commas.
std::vector<std::string> OffBoardParts(const LayoutDocument& doc);

CheckReport CheckLayoutAgainstNetlist(const LayoutDocument& doc, const Netlist& netlist);

// The report as the command prints it: one difference a line, each beginning
// with its word, the parts not expected, then a summary line. Every line ends
// with "\n".
std::string CheckReportText(const CheckReport& report);
// One difference as the text report writes it, without the line's end:
// "open GND, on 2 pieces of copper: R1-2 (3,8) | C3-1 (9,8)".
std::string DifferenceLine(const Difference& difference);
// Why a part is not expected: "a source", "off the board", "no pin joined to
// another part".
const char* NotExpectedText(NotExpectedReason reason);
// One JSON object: "matches", "differences" (each with its "kind", names and
// holes), "not_expected", the counts and the warnings.
std::string CheckReportJson(const CheckReport& report);

}  // namespace sw
