// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How placing treats each kind, one row per kind: the rule its two holes must
// meet, the markers shown after the first hole, and the automatic pads it
// gets on a PCB (at its pins, model/element_pins.h, in the order they are
// made). Its prompts and value dialog are the catalogue's (model/catalogue.h).

#include "model/kinds.h"

namespace sw {

enum class PlacementRule {
    OneHole,         // nothing to check
    HolesDiffer,     // any two different holes
    TwoApartInLine,  // in one row or column, one hole between
    NextInLine,      // in one row or column, next to each other
    DilPackage,      // different rows and columns; asks about a size no package has
    Diagonal,        // different rows and columns
    SilPackage,      // in one row or column; asks about an even pin count
    TrimmerOffsets,  // one of the offsets the markers show
};

enum class PlacementMarks {
    SourceOnly,
    TwoApartOnBoard,  // lime, two holes away along the row and column, on the board
    TwoApart,         // the same, off the board too
    NextTo,           // lime, the four neighbours
    TrimmerOffsets,   // the trimmer's offsets, coloured by footprint
};

// The order automatic pads are made in, from the pins.
enum class PadOrder {
    None,            // no automatic pads
    PinNumber,       // pin 1 first
    HolesFirst,      // the pins at hole 1 and hole 2, then the rest
    OuterPairs,      // pin 1, the last pin, pin 2, the last but one... (a pair per step along the rows)
    ByColumn,        // column by column from the left, each from the top
    RowOfHole1First, // the corners of hole 1's row, those of hole 2's, then the rest
};

struct KindEditing {
    PlacementRule rule;
    PlacementMarks marks;
    PadOrder pads;
    bool squarePin1;  // pin 1's pad is square
};

const KindEditing& EditingOf(kind::Index kind);
// The row of a catalogue index; nothing for an index that is no kind.
const KindEditing* EditingOf(int kindIndex);

}  // namespace sw
