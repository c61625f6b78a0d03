// SPDX-License-Identifier: GPL-3.0-or-later
// Building the links between holes from the layout document.

#include "analysis/connectivity.h"

#include "analysis/hole_attributes.h"
#include "analysis/kind_analysis.h"
#include "model/element_pins.h"
#include "model/layout_document.h"

#include <algorithm>

namespace sw {
namespace {

// One link as read from the document, before holes get their ids.
struct RawLink {
    Hole a;
    Hole b;
    pugi::xml_node element;  // the element that names the link, if any
    bool setsElement;        // false: only joins (a straight trace's inner holes)
};

bool RowThenColumn(const Hole& p, const Hole& q) {
    return p.y != q.y ? p.y < q.y : p.x < q.x;
}

// The two directions a straight trace runs in: along a row (x changes) or
// along a column (y changes).
struct Run {
    int Hole::*along;
    int Hole::*across;
};
constexpr Run kRuns[] = {{&Hole::x, &Hole::y}, {&Hole::y, &Hole::x}};

// The trace links made so far against their bound; past it the layout is too
// large to follow.
struct TraceBudget {
    std::int64_t used = 0;
    bool exceeded = false;
    // Whether a run of `count` more links stays within the bound.
    bool RoomFor(std::int64_t count) {
        used += std::max<std::int64_t>(count, 0);
        exceeded = exceeded || used > kMaxTraceLinks;
        return !exceeded;
    }
};

// A straight trace from `a` to `b` joins every pair of neighbouring holes it
// runs over. Stretches running beside the board (both holes off it) join
// nothing in between, so a damaged coordinate cannot make millions of links.
void AddStraightTraceLinks(Hole a, Hole b, int width, int height, TraceBudget& budget,
                           std::vector<RawLink>& raw) {
    auto extent = [&](int Hole::*coordinate) { return coordinate == &Hole::x ? width : height; };
    for (const Run& run : kRuns) {
        if (a.*run.across != b.*run.across)
            continue;
        if (a.*run.across < 1 || a.*run.across > extent(run.across))
            return;
        const std::int64_t from = std::max<std::int64_t>(std::min(a.*run.along, b.*run.along), 0);
        const std::int64_t to = std::min<std::int64_t>(
            std::int64_t(std::max(a.*run.along, b.*run.along)) - 1, extent(run.along));
        if (!budget.RoomFor(to - from + 1))
            return;
        for (std::int64_t v = from; v <= to; ++v) {
            Hole p = a, q = a;
            p.*run.along = int(v);
            q.*run.along = int(v + 1);
            raw.push_back({p, q, {}, false});
        }
        return;
    }
}

}  // namespace

std::optional<std::int64_t> Connections::IdOf(Hole hole) const {
    if (hole.x >= 1 && hole.x <= m_width && hole.y >= 1 && hole.y <= m_height)
        return std::int64_t(hole.y - 1) * m_width + (hole.x - 1);
    const auto it = std::lower_bound(m_offBoard.begin(), m_offBoard.end(), hole, RowThenColumn);
    if (it == m_offBoard.end() || !(*it == hole))
        return std::nullopt;
    return m_boardHoles + (it - m_offBoard.begin());
}

bool Connections::StripJoins(std::int64_t left) const {
    // A cut isolates its own hole from both sides of the strip.
    return !std::binary_search(m_cuts.begin(), m_cuts.end(), left) &&
           !std::binary_search(m_cuts.begin(), m_cuts.end(), left + 1);
}

std::optional<HoleLink> Connections::NextNeighbour(std::int64_t hole, std::int64_t after) const {
    std::optional<HoleLink> best;
    auto offer = [&](std::int64_t id, pugi::xml_node element) {
        if (id > after && (!best || id < best->hole))
            best = HoleLink{id, element};
    };
    // The part links of this hole, sorted: the first one past `after`.
    const auto holeIt = std::lower_bound(m_linked.begin(), m_linked.end(), hole);
    if (holeIt != m_linked.end() && *holeIt == hole) {
        const std::size_t i = std::size_t(holeIt - m_linked.begin());
        const auto first = m_links.begin() + std::ptrdiff_t(m_firstLink[i]);
        const auto last = m_links.begin() + std::ptrdiff_t(m_firstLink[i + 1]);
        const auto it = std::upper_bound(first, last, after, [](std::int64_t v, const HoleLink& l) {
            return v < l.hole;
        });
        if (it != last)
            offer(it->hole, it->element);
    }
    // The strip neighbours. A strip on the same pair as a part names nothing:
    // the copper joins them anyway.
    if (m_strips && hole < m_boardHoles) {
        const std::int64_t column = hole % m_width;
        if (column > 0 && hole - 1 > after && StripJoins(hole - 1) &&
            (!best || hole - 1 <= best->hole))
            best = HoleLink{hole - 1, {}};
        if (column + 1 < m_width && hole + 1 > after && StripJoins(hole) &&
            (!best || hole + 1 <= best->hole))
            best = HoleLink{hole + 1, {}};
    }
    return best;
}

std::vector<HoleLink> Connections::Neighbours(std::int64_t hole) const {
    std::vector<HoleLink> out;
    std::int64_t after = -1;
    while (const std::optional<HoleLink> next = NextNeighbour(hole, after)) {
        out.push_back(*next);
        after = next->hole;
    }
    return out;
}

Connections BuildConnections(const LayoutDocument& doc) {
    Connections c;
    c.m_width = std::max(doc.BoardWidth(), 0);
    c.m_height = std::max(doc.BoardHeight(), 0);
    c.m_boardHoles = c.m_width * c.m_height;
    c.m_strips = doc.BoardType() == QLatin1String("Stripboard");
    auto onBoard = [&](Hole h) {
        return h.x >= 1 && h.x <= c.m_width && h.y >= 1 && h.y <= c.m_height;
    };

    std::vector<RawLink> raw;
    TraceBudget budget;
    doc.ForEachComponent([&](pugi::xml_node e, unsigned) {
        const KindAnalysis* kind = AnalysisOf(e);
        if (!kind)
            return;
        switch (kind->conducts) {
        case Conduction::None:
            return;
        case Conduction::Cut: {
            const std::optional<Hole> h = ReadHole(e, "X1", "Y1");
            if (c.m_strips && h && onBoard(*h))
                c.m_cuts.push_back(std::int64_t(h->y - 1) * c.m_width + (h->x - 1));
            return;
        }
        case Conduction::EndToEnd: {
            const std::vector<ElementPin> pins = ElementPins(e);
            if (pins.size() == 2 && !(pins[0].hole == pins[1].hole))
                raw.push_back({pins[0].hole, pins[1].hole, e, true});
            return;
        }
        case Conduction::Copper: {
            const std::optional<Hole> a = ReadHole(e, "X1", "Y1");
            const std::optional<Hole> b = ReadHole(e, "X2", "Y2");
            if (!a || !b || *a == *b)
                return;
            // A trace joins its ends but names nothing (and clears an earlier
            // name on the same pair).
            raw.push_back({*a, *b, pugi::xml_node(), true});
            if (!budget.exceeded)
                AddStraightTraceLinks(*a, *b, int(c.m_width), int(c.m_height), budget, raw);
            return;
        }
        }
    });
    c.m_tooLarge = budget.exceeded;
    std::sort(c.m_cuts.begin(), c.m_cuts.end());
    c.m_cuts.erase(std::unique(c.m_cuts.begin(), c.m_cuts.end()), c.m_cuts.end());

    // Holes off the board that parts end on get ids after the board's holes.
    for (const RawLink& l : raw)
        for (const Hole& h : {l.a, l.b})
            if (!onBoard(h))
                c.m_offBoard.push_back(h);
    std::sort(c.m_offBoard.begin(), c.m_offBoard.end(), RowThenColumn);
    c.m_offBoard.erase(std::unique(c.m_offBoard.begin(), c.m_offBoard.end()), c.m_offBoard.end());

    // Per pair of holes, the last element in document order that names the link.
    struct PairLink {
        std::int64_t lo, hi;
        std::size_t order;
        pugi::xml_node element;
        bool setsElement;
    };
    std::vector<PairLink> pairs;
    pairs.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::int64_t a = *c.IdOf(raw[i].a);
        const std::int64_t b = *c.IdOf(raw[i].b);
        pairs.push_back({std::min(a, b), std::max(a, b), i, raw[i].element, raw[i].setsElement});
    }
    std::sort(pairs.begin(), pairs.end(), [](const PairLink& p, const PairLink& q) {
        return p.lo != q.lo ? p.lo < q.lo : p.hi != q.hi ? p.hi < q.hi : p.order < q.order;
    });
    struct Directed {
        std::int64_t from;
        HoleLink link;
    };
    std::vector<Directed> directed;
    for (std::size_t i = 0; i < pairs.size();) {
        std::size_t j = i;
        pugi::xml_node element;
        for (; j < pairs.size() && pairs[j].lo == pairs[i].lo && pairs[j].hi == pairs[i].hi; ++j)
            if (pairs[j].setsElement)
                element = pairs[j].element;
        directed.push_back({pairs[i].lo, {pairs[i].hi, element}});
        directed.push_back({pairs[i].hi, {pairs[i].lo, element}});
        i = j;
    }
    std::sort(directed.begin(), directed.end(), [](const Directed& p, const Directed& q) {
        return p.from != q.from ? p.from < q.from : p.link.hole < q.link.hole;
    });
    c.m_links.reserve(directed.size());
    for (const Directed& d : directed) {
        if (c.m_linked.empty() || c.m_linked.back() != d.from) {
            c.m_linked.push_back(d.from);
            c.m_firstLink.push_back(c.m_links.size());
        }
        c.m_links.push_back(d.link);
    }
    c.m_firstLink.push_back(c.m_links.size());
    return c;
}

}  // namespace sw
