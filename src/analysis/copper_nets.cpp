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

bool RowThenColumn(const Hole& p, const Hole& q) { return p.y != q.y ? p.y < q.y : p.x < q.x; }
bool ColumnThenRow(const Hole& p, const Hole& q) { return p.x != q.x ? p.x < q.x : p.y < q.y; }

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

struct CopperLink {
    Hole a;
    Hole b;
    bool trace;
};

}  // namespace

std::vector<int> CopperPieces(const LayoutDocument& doc, const std::vector<Hole>& holes) {
    const std::int64_t width = std::max(doc.BoardWidth(), 0);
    const std::int64_t height = std::max(doc.BoardHeight(), 0);
    const bool strips = doc.BoardType() == QLatin1String("Stripboard");

    std::vector<CopperLink> links;
    std::vector<std::int64_t> cuts;  // hole indices of cuts on the board, sorted
    doc.ForEachComponent([&](pugi::xml_node e, unsigned) {
        if (IsKind(e, kind::CutTrack)) {
            const std::optional<Hole> h = ReadHole(e, "X1", "Y1");
            if (strips && h && h->x >= 1 && h->x <= width && h->y >= 1 && h->y <= height)
                cuts.push_back((h->y - 1) * width + (h->x - 1));
            return;
        }
        const bool trace = IsKind(e, kind::Trace);
        if (!trace && !IsKind(e, kind::Wire) && !IsKind(e, kind::Jumper))
            return;
        const std::optional<Hole> a = ReadHole(e, "X1", "Y1");
        const std::optional<Hole> b = ReadHole(e, "X2", "Y2");
        if (a && b)
            links.push_back({*a, *b, trace});
    });
    std::sort(cuts.begin(), cuts.end());

    // Every hole that matters, once, in row order.
    std::vector<Hole> all = holes;
    for (const CopperLink& l : links) {
        all.push_back(l.a);
        all.push_back(l.b);
    }
    std::sort(all.begin(), all.end(), RowThenColumn);
    all.erase(std::unique(all.begin(), all.end()), all.end());
    auto idOf = [&](Hole h) {
        return std::size_t(std::lower_bound(all.begin(), all.end(), h, RowThenColumn) - all.begin());
    };
    // The same holes in column order, for traces running down a column.
    std::vector<std::size_t> byColumn(all.size());
    std::iota(byColumn.begin(), byColumn.end(), 0);
    std::sort(byColumn.begin(), byColumn.end(),
              [&](std::size_t p, std::size_t q) { return ColumnThenRow(all[p], all[q]); });

    UnionFind pieces(all.size());
    for (const CopperLink& l : links) {
        const std::size_t a = idOf(l.a);
        pieces.Join(a, idOf(l.b));
        if (!l.trace)
            continue;
        if (l.a.y == l.b.y) {
            // Along a row: the holes that matter between the ends lie next to
            // each other in row order.
            const Hole from{std::min(l.a.x, l.b.x), l.a.y};
            const Hole to{std::max(l.a.x, l.b.x), l.a.y};
            for (std::size_t i = idOf(from); i < all.size() && !RowThenColumn(to, all[i]); ++i)
                pieces.Join(a, i);
        } else if (l.a.x == l.b.x) {
            const Hole from{l.a.x, std::min(l.a.y, l.b.y)};
            const Hole to{l.a.x, std::max(l.a.y, l.b.y)};
            auto it = std::lower_bound(byColumn.begin(), byColumn.end(), from,
                                       [&](std::size_t p, const Hole& h) { return ColumnThenRow(all[p], h); });
            for (; it != byColumn.end() && !ColumnThenRow(to, all[*it]); ++it)
                pieces.Join(a, *it);
        }
    }
    // The strips: two holes of one row are joined when no cut lies from the
    // one to the other, both included.
    if (strips)
        for (std::size_t i = 1; i < all.size(); ++i) {
            const Hole p = all[i - 1], q = all[i];
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

}  // namespace sw
