// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The connectivity check: are two holes electrically joined through the layout,
// and which parts lie on one joining chain?
//
// Links come from two-lead parts (Resistor, Capacitor, Electrolyte, Diode, Led),
// wires, jumpers and traces (a straight trace also joins every pair of
// neighbouring holes it runs over), and on a stripboard from the copper strips
// along the rows, which a Cut breaks on both sides of its hole. ICs, switches,
// transistors and the other kinds join nothing: the check follows only what
// certainly conducts end to end.
//
// The search is depth first from the source hole, trying the neighbours of each
// hole in increasing hole index, and reports the first chain it finds (not the
// shortest). Hole index: (Y - 1) * Width + (X - 1) for holes on the board.

#include "model/hole.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <vector>

namespace sw {

class LayoutDocument;

// The reports, exactly as shown; the chain of names follows the first one.
inline constexpr const char kConnectedText[] =
    "Selected holes are connected through at least one component chain:\r\r";
inline constexpr const char kNotConnectedText[] = "Selected holes are NOT connected!";
// When the copper reachable from the source is too vast to follow (a strip or
// trace millions of holes long on a damaged board), the check says so rather
// than run for hours or claim either answer.
inline constexpr const char kTooLargeText[] =
    "The connectivity check gave up: the copper from the first hole runs over too many holes "
    "to follow on this board.";
// The most holes a search enters on a board too large for a bit per hole, and
// the most hole-to-hole links the straight traces of one layout may make.
inline constexpr std::int64_t kMaxSparseVisits = std::int64_t(1) << 20;
inline constexpr std::int64_t kMaxTraceLinks = std::int64_t(1) << 22;

// One hole's neighbour: the hole it is linked to and the element naming the
// link (none for strips and traces).
struct HoleLink {
    std::int64_t hole = 0;
    pugi::xml_node element;
};

// Who is linked to whom, built from the document. Memory grows with the number
// of parts, not with the board: strips are worked out from the hole index when
// asked, and only holes that parts end on keep lists of their own.
class Connections {
public:
    // The identity of a hole in the search: its index when it is on the board;
    // holes off the board that parts end on follow all board holes, ordered by
    // row then column; any other hole off the board has none (it joins nothing).
    std::optional<std::int64_t> IdOf(Hole hole) const;
    // Number of ids: the board's holes plus the linked holes off the board.
    std::int64_t HoleCount() const { return m_boardHoles + std::int64_t(m_offBoard.size()); }

    // The first neighbour of `hole` whose id is greater than `after` (-1: the
    // first of all), or nothing. Walking with this visits the neighbours in
    // increasing order, each once.
    std::optional<HoleLink> NextNeighbour(std::int64_t hole, std::int64_t after) const;

    // Every neighbour in increasing order (for tests and tools; the search walks
    // with NextNeighbour and allocates nothing per hole).
    std::vector<HoleLink> Neighbours(std::int64_t hole) const;

    // True when the straight traces would join more holes than kMaxTraceLinks;
    // their inner links are then left out and no search can be trusted.
    bool TooLarge() const { return m_tooLarge; }

private:
    friend Connections BuildConnections(const LayoutDocument& doc);
    bool StripJoins(std::int64_t left) const;  // the strip between left and left + 1

    std::int64_t m_width = 0;
    std::int64_t m_height = 0;
    std::int64_t m_boardHoles = 0;
    bool m_strips = false;
    bool m_tooLarge = false;
    std::vector<Hole> m_offBoard;          // sorted by row, then column
    std::vector<std::int64_t> m_cuts;      // board holes with a Cut, sorted
    std::vector<std::int64_t> m_linked;    // holes with part links, sorted
    std::vector<std::size_t> m_firstLink;  // m_links range of m_linked[i]: [first[i], first[i+1])
    std::vector<HoleLink> m_links;         // per hole, sorted by neighbour
};

Connections BuildConnections(const LayoutDocument& doc);

struct ChainResult {
    bool connected = false;
    bool gaveUp = false;  // too many holes to follow: neither answer is known
    // " -> " and the name of each linking element along the chain, source first.
    QString chain;
};

// Depth-first search for a chain from `source` to `destination`. A hole picked
// as both source and destination is not connected: the source is passed over
// once it has been entered.
ChainResult FindChain(const Connections& connections, Hole source, Hole destination);

struct ConnectionReport {
    bool connected = false;
    QString text;  // kConnectedText + chain, or kNotConnectedText
};

// Builds the links, searches and words the report; touches nothing.
ConnectionReport CheckConnection(const LayoutDocument& doc, Hole source, Hole destination);

}  // namespace sw
