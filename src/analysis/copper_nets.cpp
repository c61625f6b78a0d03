// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/copper_nets.h"

#include "analysis/hole_attributes.h"
#include "model/kinds.h"
#include "model/layout_document.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace sw {
namespace {

// Keys that sort holes by row, then column (or by column, then row) as
// unsigned numbers: each coordinate with its sign bit flipped.
std::uint64_t Biased(int v) { return std::uint32_t(v) ^ 0x80000000u; }
std::uint64_t RowKey(Hole h) { return Biased(h.y) << 32 | Biased(h.x); }
std::uint64_t ColumnKey(Hole h) { return Biased(h.x) << 32 | Biased(h.y); }
Hole HoleOf(std::uint64_t rowKey) {
    return {int(std::uint32_t(rowKey) ^ 0x80000000u), int(std::uint32_t(rowKey >> 32) ^ 0x80000000u)};
}

class UnionFind {
public:
    explicit UnionFind(std::size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    std::size_t Find(std::size_t a) {
        while (m_parent[a] != a) {
            m_parent[a] = m_parent[m_parent[a]];
            a = m_parent[a];
        }
        return a;
    }
    void Join(std::size_t a, std::size_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b)
            m_parent[std::max(a, b)] = std::min(a, b);
    }

private:
    std::vector<std::size_t> m_parent;
};

// Boards up to this many holes are followed hole by hole, which costs the
// board once and no sorting; larger (damaged) ones only at the holes that matter.
constexpr std::int64_t kDenseHoles = std::int64_t(1) << 20;

// Numbers from 0 in the order the roots of `holes` are first met.
std::vector<int> Numbered(UnionFind& pieces, std::size_t size, const std::vector<std::size_t>& ids) {
    std::vector<int> number(size, -1);
    int next = 0;
    std::vector<int> out;
    out.reserve(ids.size());
    for (const std::size_t id : ids) {
        const std::size_t root = pieces.Find(id);
        if (number[root] < 0)
            number[root] = next++;
        out.push_back(number[root]);
    }
    return out;
}

// The pieces on a board small enough for a entry per hole: the board's holes
// first, then the holes off it that anything reaches. As the connectivity check
// has it, a straight trace joins the board holes it runs over and, beside the
// board, only its ends.
std::vector<int> DensePieces(const LayoutCopper& copper, const std::vector<Hole>& holes) {
    const std::int64_t width = copper.width, height = copper.height;
    const std::int64_t board = width * height;
    auto onBoard = [&](Hole h) { return h.x >= 1 && h.x <= width && h.y >= 1 && h.y <= height; };
    std::vector<std::uint64_t> off;
    for (const Hole& h : holes)
        if (!onBoard(h))
            off.push_back(RowKey(h));
    for (const LayoutCopper::Link& l : copper.links)
        for (const Hole& h : {l.a, l.b})
            if (!onBoard(h))
                off.push_back(RowKey(h));
    std::sort(off.begin(), off.end());
    off.erase(std::unique(off.begin(), off.end()), off.end());
    auto idOf = [&](Hole h) {
        if (onBoard(h))
            return std::size_t((h.y - 1) * width + (h.x - 1));
        return std::size_t(board + (std::lower_bound(off.begin(), off.end(), RowKey(h)) - off.begin()));
    };
    const std::size_t size = std::size_t(board) + off.size();
    UnionFind pieces(size);
    if (copper.strips) {
        std::vector<char> cut(std::size_t(board), 0);
        for (const std::int64_t c : copper.cuts)
            cut[std::size_t(c)] = 1;
        for (std::int64_t row = 0; row < height; ++row)
            for (std::int64_t k = row * width; k + 1 < (row + 1) * width; ++k)
                if (!cut[std::size_t(k)] && !cut[std::size_t(k + 1)])
                    pieces.Join(std::size_t(k), std::size_t(k + 1));
    }
    for (const LayoutCopper::Link& l : copper.links) {
        const std::size_t a = idOf(l.a);
        pieces.Join(a, idOf(l.b));
        if (!l.trace)
            continue;
        if (l.a.y == l.b.y && l.a.y >= 1 && l.a.y <= height) {
            const std::int64_t from = std::max<std::int64_t>(std::min(l.a.x, l.b.x), 1);
            const std::int64_t to = std::min<std::int64_t>(std::max(l.a.x, l.b.x), width);
            for (std::int64_t x = from; x <= to; ++x)
                pieces.Join(a, std::size_t((l.a.y - 1) * width + (x - 1)));
        } else if (l.a.x == l.b.x && l.a.x >= 1 && l.a.x <= width) {
            const std::int64_t from = std::max<std::int64_t>(std::min(l.a.y, l.b.y), 1);
            const std::int64_t to = std::min<std::int64_t>(std::max(l.a.y, l.b.y), height);
            for (std::int64_t y = from; y <= to; ++y)
                pieces.Join(a, std::size_t((y - 1) * width + (l.a.x - 1)));
        }
    }
    std::vector<std::size_t> ids;
    ids.reserve(holes.size());
    for (const Hole& h : holes)
        ids.push_back(idOf(h));
    return Numbered(pieces, size, ids);
}

}  // namespace

LayoutCopper EmptyLayoutCopper(const LayoutDocument& doc) {
    LayoutCopper c;
    c.width = std::max(doc.BoardWidth(), 0);
    c.height = std::max(doc.BoardHeight(), 0);
    c.strips = doc.BoardType() == QLatin1String("Stripboard");
    return c;
}

void LayoutCopper::Add(pugi::xml_node e) {
    if (const std::optional<kind::Index> k = KindOf(e))
        Add(e, *k);
}

void LayoutCopper::Add(pugi::xml_node e, kind::Index k) {
    if (k == kind::CutTrack) {
        const std::optional<Hole> h = ReadHole(e, "X1", "Y1");
        if (strips && h && h->x >= 1 && h->x <= width && h->y >= 1 && h->y <= height)
            cuts.push_back((h->y - 1) * width + (h->x - 1));
        return;
    }
    const bool trace = k == kind::Trace;
    if (!trace && k != kind::Wire && k != kind::Jumper)
        return;
    const std::optional<Hole> a = ReadHole(e, "X1", "Y1");
    const std::optional<Hole> b = ReadHole(e, "X2", "Y2");
    if (a && b) {
        links.push_back({*a, *b, trace});
        columnTraces = columnTraces || (trace && a->x == b->x && a->y != b->y);
    }
}

LayoutCopper ReadLayoutCopper(const LayoutDocument& doc) {
    LayoutCopper c = EmptyLayoutCopper(doc);
    doc.ForEachComponent([&](pugi::xml_node e, unsigned) { c.Add(e); });
    return c;
}

std::vector<int> CopperPieces(const LayoutDocument& doc, const std::vector<Hole>& holes) {
    return CopperPieces(ReadLayoutCopper(doc), holes);
}

std::vector<int> CopperPieces(LayoutCopper copper, const std::vector<Hole>& holes) {
    const std::int64_t width = copper.width;
    const std::int64_t height = copper.height;
    const bool strips = copper.strips;
    const std::vector<LayoutCopper::Link>& links = copper.links;
    std::vector<std::int64_t>& cuts = copper.cuts;
    const bool columnTraces = copper.columnTraces;
    std::sort(cuts.begin(), cuts.end());
    if (width * height <= kDenseHoles)
        return DensePieces(copper, holes);

    // Every hole that matters, once, in row order: as keys that sort by row,
    // then column.
    std::vector<std::uint64_t> all;
    all.reserve(holes.size() + 2 * links.size());
    for (const Hole& h : holes)
        all.push_back(RowKey(h));
    for (const LayoutCopper::Link& l : links) {
        all.push_back(RowKey(l.a));
        all.push_back(RowKey(l.b));
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    auto idOf = [&](Hole h) {
        return std::size_t(std::lower_bound(all.begin(), all.end(), RowKey(h)) - all.begin());
    };
    // The same holes in column order, for traces running down a column.
    std::vector<std::pair<std::uint64_t, std::size_t>> byColumn;
    if (columnTraces) {
        byColumn.reserve(all.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            byColumn.push_back({ColumnKey(HoleOf(all[i])), i});
        std::sort(byColumn.begin(), byColumn.end());
    }

    UnionFind pieces(all.size());
    for (const LayoutCopper::Link& l : links) {
        const std::size_t a = idOf(l.a);
        pieces.Join(a, idOf(l.b));
        if (!l.trace)
            continue;
        if (l.a.y == l.b.y) {
            // Along a row: the holes that matter between the ends lie next to
            // each other in row order.
            const std::uint64_t to = RowKey({std::max(l.a.x, l.b.x), l.a.y});
            for (std::size_t i = idOf({std::min(l.a.x, l.b.x), l.a.y}); i < all.size() && all[i] <= to; ++i)
                pieces.Join(a, i);
        } else if (l.a.x == l.b.x) {
            const std::uint64_t from = ColumnKey({l.a.x, std::min(l.a.y, l.b.y)});
            const std::uint64_t to = ColumnKey({l.a.x, std::max(l.a.y, l.b.y)});
            for (auto it = std::lower_bound(byColumn.begin(), byColumn.end(), std::pair(from, std::size_t(0)));
                 it != byColumn.end() && it->first <= to; ++it)
                pieces.Join(a, it->second);
        }
    }
    // The strips: two holes of one row are joined when no cut lies from the
    // one to the other, both included.
    if (strips)
        for (std::size_t i = 1; i < all.size(); ++i) {
            const Hole p = HoleOf(all[i - 1]), q = HoleOf(all[i]);
            if (p.y != q.y || p.y < 1 || p.y > height || p.x < 1 || q.x > width)
                continue;
            const std::int64_t first = (p.y - 1) * width + (p.x - 1);
            const std::int64_t last = (q.y - 1) * width + (q.x - 1);
            const auto cut = std::lower_bound(cuts.begin(), cuts.end(), first);
            if (cut == cuts.end() || *cut > last)
                pieces.Join(i - 1, i);
        }

    // Numbers from 0 in the order the roots are first met.
    std::vector<int> number(all.size(), -1);
    int next = 0;
    std::vector<int> out;
    out.reserve(holes.size());
    for (const Hole& h : holes) {
        const std::size_t root = pieces.Find(idOf(h));
        if (number[root] < 0)
            number[root] = next++;
        out.push_back(number[root]);
    }
    return out;
}

bool CopperPiece::Holds(Hole h) const {
    auto after = std::upper_bound(runs.begin(), runs.end(), h, [](Hole v, const HoleRun& r) {
        return v.y < r.y || (v.y == r.y && v.x < r.x1);
    });
    if (after == runs.begin())
        return false;
    const HoleRun& r = *(after - 1);
    return r.y == h.y && h.x >= r.x1 && h.x <= r.x2;
}

std::vector<Hole> CopperPiece::Holes() const {
    std::vector<Hole> holes;
    for (const HoleRun& r : runs)
        for (int x = r.x1; x <= r.x2; ++x)
            holes.push_back({x, r.y});
    return holes;
}

CopperPiece CopperPieceAt(const LayoutCopper& copper, Hole hole, HoleBox within) {
    // The holes that matter: the one asked about and the ends of every link.
    std::vector<Hole> asked{hole};
    asked.reserve(1 + 2 * copper.links.size());
    for (const LayoutCopper::Link& l : copper.links) {
        asked.push_back(l.a);
        asked.push_back(l.b);
    }
    const std::vector<int> numbers = CopperPieces(copper, asked);
    const int piece = numbers.front();

    CopperPiece out;
    std::vector<HoleRun> seeds;
    // Rows outside `within` are left out at once; columns once the strips are followed.
    auto seed = [&](int y, int x1, int x2) {
        if (y >= within.first.y && y <= within.last.y)
            seeds.push_back({y, x1, x2});
    };
    for (std::size_t i = 0; i < asked.size(); ++i)
        if (numbers[i] == piece)
            seed(asked[i].y, asked[i].x, asked[i].x);
    const std::int64_t width = copper.width, height = copper.height;
    auto onBoard = [&](std::int64_t x, std::int64_t y) { return x >= 1 && x <= width && y >= 1 && y <= height; };
    for (std::size_t i = 0; i < copper.links.size(); ++i) {
        if (numbers[1 + 2 * i] != piece)
            continue;
        out.links.push_back(i);
        const LayoutCopper::Link& l = copper.links[i];
        if (!l.trace)
            continue;
        // A straight trace joins the board holes it runs over.
        if (l.a.y == l.b.y && l.a.y >= 1 && l.a.y <= height)
            seed(l.a.y, int(std::max<std::int64_t>(std::min(l.a.x, l.b.x), 1)),
                 int(std::min<std::int64_t>(std::max(l.a.x, l.b.x), width)));
        else if (l.a.x == l.b.x && l.a.x >= 1 && l.a.x <= width)
            for (int y = std::max({std::min(l.a.y, l.b.y), 1, within.first.y}),
                     last = int(std::min<std::int64_t>({std::max(l.a.y, l.b.y), height, within.last.y}));
                 y <= last; ++y)
                seed(y, l.a.x, l.a.x);
    }
    // On a stripboard each hole brings its strip up to the cuts on either side
    // (a cut hole is a piece of strip of its own).
    if (copper.strips) {
        std::vector<std::int64_t> cuts = copper.cuts;
        std::sort(cuts.begin(), cuts.end());
        auto isCut = [&](std::int64_t x, std::int64_t y) {
            return std::binary_search(cuts.begin(), cuts.end(), (y - 1) * width + (x - 1));
        };
        for (HoleRun& r : seeds) {
            if (!onBoard(r.x1, r.y) || !onBoard(r.x2, r.y))
                continue;
            const std::int64_t rowStart = (r.y - 1) * width;
            if (!isCut(r.x1, r.y)) {
                // The nearest cut to the left, else the board's edge.
                auto c = std::lower_bound(cuts.begin(), cuts.end(), rowStart + (r.x1 - 1));
                const std::int64_t left = c == cuts.begin() || *(c - 1) < rowStart ? 1 : *(c - 1) - rowStart + 2;
                r.x1 = int(left);
            }
            if (!isCut(r.x2, r.y)) {
                auto c = std::upper_bound(cuts.begin(), cuts.end(), rowStart + (r.x2 - 1));
                const std::int64_t right = c == cuts.end() || *c >= rowStart + width ? width : *c - rowStart;
                r.x2 = int(right);
            }
        }
    }
    std::sort(seeds.begin(), seeds.end(), [](const HoleRun& a, const HoleRun& b) {
        return a.y != b.y ? a.y < b.y : a.x1 < b.x1;
    });
    for (HoleRun r : seeds) {
        r.x1 = std::max(r.x1, within.first.x);
        r.x2 = std::min(r.x2, within.last.x);
        if (r.x1 > r.x2)
            continue;
        if (!out.runs.empty() && out.runs.back().y == r.y && std::int64_t(r.x1) <= std::int64_t(out.runs.back().x2) + 1)
            out.runs.back().x2 = std::max(out.runs.back().x2, r.x2);
        else
            out.runs.push_back(r);
    }
    return out;
}

}  // namespace sw
