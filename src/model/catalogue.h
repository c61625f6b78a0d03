// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lookups in the catalogue, whose rows are written beside the kinds in
// model/kinds.h: by catalogue index (toolbox order, explorer order and picture
// index at once) and by element name, the key every reader of the document uses.

#include "model/kinds.h"

#include <QString>
#include <optional>
#include <span>

namespace sw {

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
