// SPDX-License-Identifier: GPL-3.0-or-later
// The depth-first search for a chain of links between two holes.

#include "analysis/connectivity.h"

#include "model/layout_document.h"
#include "model/text_bounds.h"

#include <unordered_set>

namespace sw {
namespace {

// Visited holes: a bit per hole on boards of ordinary size, a hash set on huge
// ones, where a search only ever touches a small part of the board.
class VisitedHoles {
public:
    explicit VisitedHoles(std::int64_t count) {
        if (count <= kDenseLimit)
            m_bits.assign(std::size_t(count + 63) / 64, 0);
        else
            m_dense = false;
    }
    // A sparse set grows with every hole entered; past kMaxSparseVisits the
    // search stops rather than walk a strip billions of holes long.
    bool Full() const { return !m_dense && std::int64_t(m_sparse.size()) >= kMaxSparseVisits; }
    bool Contains(std::int64_t id) const {
        if (m_dense)
            return (m_bits[std::size_t(id) / 64] >> (id % 64)) & 1u;
        return m_sparse.count(id) != 0;
    }
    void Insert(std::int64_t id) {
        if (m_dense)
            m_bits[std::size_t(id) / 64] |= std::uint64_t(1) << (id % 64);
        else
            m_sparse.insert(id);
    }

private:
    static constexpr std::int64_t kDenseLimit = std::int64_t(1) << 26;  // 8 MB of bits
    bool m_dense = true;
    std::vector<std::uint64_t> m_bits;
    std::unordered_set<std::int64_t> m_sparse;
};

// One hole being searched: the last neighbour tried, and the element of the
// link taken to go deeper (it names this step if the chain is found).
struct Frame {
    std::int64_t hole;
    std::int64_t tried = -1;
    pugi::xml_node via;
};

}  // namespace

ChainResult FindChain(const Connections& connections, Hole source, Hole destination) {
    const std::optional<std::int64_t> from = connections.IdOf(source);
    const std::optional<std::int64_t> to = connections.IdOf(destination);
    if (connections.TooLarge())
        return {false, true, {}};
    if (!from || !to)
        return {};  // a hole beside the board that no part ends on joins nothing

    VisitedHoles visited(connections.HoleCount());
    visited.Insert(*from);
    // An explicit stack instead of recursion: a chain can run through every
    // hole of the board.
    std::vector<Frame> stack{Frame{*from}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        std::optional<HoleLink> next;
        while ((next = connections.NextNeighbour(top.hole, top.tried)) && visited.Contains(next->hole))
            top.tried = next->hole;
        if (!next) {
            stack.pop_back();  // nothing found below this hole: back to its parent
            continue;
        }
        top.tried = next->hole;
        top.via = next->element;
        if (next->hole == *to) {
            // Name the linking elements from the source to the destination.
            ChainResult result{true, false, {}};
            for (const Frame& f : stack)
                if (f.via)
                    result.chain += QStringLiteral(" -> ") + Excerpt(TextAttr(f.via, "Name"));
            return result;
        }
        if (visited.Full())
            return {false, true, {}};
        visited.Insert(next->hole);
        stack.push_back(Frame{next->hole});
    }
    return {};
}

ConnectionReport CheckConnection(const LayoutDocument& doc, Hole source, Hole destination) {
    const ChainResult chain = FindChain(BuildConnections(doc), source, destination);
    if (chain.connected)
        return {true, QLatin1String(kConnectedText) + chain.chain};
    if (chain.gaveUp)
        return {false, QLatin1String(kTooLargeText)};
    return {false, QLatin1String(kNotConnectedText)};
}

}  // namespace sw
