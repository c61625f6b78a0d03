// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twenty-one component kinds and everything the toolbox, the explorer, the
// placement tool and the value dialog need to know about each. The row number
// (0 to 20) is the catalogue index: toolbox order, explorer order and picture
// index at once. The element name is the key every reader of the document uses.
//
// All texts are plain ASCII; use QLatin1String(...) to turn them into QString.

#include "model/kinds.h"

#include <QString>
#include <optional>
#include <span>

namespace sw {

// Which boards show the kind's toolbox item.
enum class ToolboxBoards { Always, StripboardOnly, PcbOnly };

// What the value field of the value dialog starts with.
enum class ValueField {
    NoDialog,           // placed at once with the automatic name (Jumper, Cut Track)
    Off,                // dialog shown, value field disabled
    Empty,              // enabled and empty
    DefaultPadSize,     // enabled, filled with the default pad size
    DefaultTraceWidth,  // enabled, filled with the default trace width
};

// How the stored `Value` is formed.
enum class ValueKind {
    None,      // no `Value` attribute is written
    Plain,     // the value field's text alone
    WithUnit,  // the value field's text directly followed by the selected unit
};

// Which entry of the extra list a new component starts with.
enum class ExtraPreselect {
    None,        // the kind has no extra list
    LastColour,  // the last colour chosen for a pad, trace or wire, else the first entry
    Fixed,       // the entry named by `extraDefault`
};

struct CatalogueEntry {
    int index;
    const char* toolboxCaption;
    const char* element;
    const char* prefix;
    const char* category;       // explorer category caption, "[Resistors]"
    const char* statusCaption;  // component pane while placing, "Active: Resistor"
    bool oneClick;              // finishes on the first hole
    const char* firstPrompt;
    const char* secondPrompt;   // nullptr for one-click kinds
    ValueField valueField;
    std::span<const char* const> units;  // empty when the unit list is off
    const char* extraLabel;              // "Color:", "Size:", ...; nullptr when off
    const char* extraAttribute;          // where the choice is stored: "Color", "Size", ...
    std::span<const char* const> extraItems;
    ExtraPreselect extraPreselect;
    const char* extraDefault;  // the preselected entry when `extraPreselect` is Fixed
    ValueKind valueKind;
    bool changeValue;        // the context menu offers Change Value
    bool startsExpanded;     // the explorer category expands when it receives an entry
    ToolboxBoards toolbox;
    int picture;             // index in the component image list
    int toolboxPicture;      // the toolbox item's picture (differs for the potentiometer)

    bool HasDialog() const { return valueField != ValueField::NoDialog; }
    bool HasUnits() const { return !units.empty(); }
    bool HasExtra() const { return extraLabel != nullptr; }
};

// Colours offered for pads, traces and wires, in list order.
std::span<const char* const> ColourNames();

// All rows in catalogue order.
std::span<const CatalogueEntry> Catalogue();
// The row of a catalogue index, or nullptr outside 0 ... 20.
const CatalogueEntry* FindKind(int index);
// The row stored under an element name (case-sensitive), or nullptr.
const CatalogueEntry* FindKind(const char* element);
const CatalogueEntry* FindKind(const QString& element);

// Whether a kind's toolbox item is shown on a board of the given type. Items
// without a board rule are always shown; the board-dependent ones have a rule
// only for the three known types, and for any other text they are left as they
// were, so this gives nothing.
std::optional<bool> ToolboxShows(const CatalogueEntry& kind, const QString& boardType);

// The board-dependent entries of the toolbox and the task list for a board type,
// or nothing when the type is none of "PCB", "Stripboard", "Perfboard" (the
// entries then keep their visibility).
struct BoardTools {
    bool cutTrack;
    bool solderPad;
    bool trace;
    bool renderPnp;
    bool operator==(const BoardTools&) const = default;
};
std::optional<BoardTools> ToolsForBoardType(const QString& boardType);

}  // namespace sw
