// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ratsnest.h"

#include <cstdint>
#include <limits>

namespace sw {
namespace {

std::int64_t Distance2(Hole p, Hole q) {
    const std::int64_t dx = std::int64_t(p.x) - q.x, dy = std::int64_t(p.y) - q.y;
    return dx * dx + dy * dy;
}

struct Nearest {
    std::int64_t distance = std::numeric_limits<std::int64_t>::max();
    Hole a, b;
};

// The nearest pair of pins, one of each group; the first such pair in pin
// order when several are as near.
Nearest NearestPins(const std::vector<PlacedPin>& from, const std::vector<PlacedPin>& to) {
    Nearest n;
    for (const PlacedPin& p : from)
        for (const PlacedPin& q : to)
            if (const std::int64_t d = Distance2(p.hole, q.hole); d < n.distance)
                n = {d, p.hole, q.hole};
    return n;
}

// Prim's tree over the pieces, the distance between two pieces that of their
// nearest pins.
void JoinPieces(const std::vector<std::vector<PlacedPin>>& pieces, std::size_t difference,
                std::vector<RatsnestLine>& lines) {
    const std::size_t n = pieces.size();
    std::vector<bool> joined(n, false);
    std::vector<Nearest> best(n);
    joined[0] = true;
    for (std::size_t i = 1; i < n; ++i)
        best[i] = NearestPins(pieces[0], pieces[i]);
    for (std::size_t step = 1; step < n; ++step) {
        std::size_t next = n;
        for (std::size_t i = 1; i < n; ++i)
            if (!joined[i] && (next == n || best[i].distance < best[next].distance))
                next = i;
        joined[next] = true;
        lines.push_back({best[next].a, best[next].b, difference});
        for (std::size_t i = 1; i < n; ++i)
            if (!joined[i])
                if (Nearest d = NearestPins(pieces[next], pieces[i]); d.distance < best[i].distance)
                    best[i] = d;
    }
}

}  // namespace

Ratsnest MakeRatsnest(const CheckReport& report) {
    Ratsnest out;
    for (std::size_t d = 0; d < report.differences.size(); ++d) {
        const Difference& diff = report.differences[d];
        if (diff.kind == DifferenceKind::Open && diff.groups.size() > 1) {
            JoinPieces(diff.groups, d, out.lines);
        } else if (diff.kind == DifferenceKind::Short) {
            // Each net after the first meets the ones before it where its pins
            // come nearest theirs.
            std::vector<PlacedPin> before;
            for (std::size_t g = 0; g < diff.groups.size(); ++g) {
                if (g > 0 && !before.empty() && !diff.groups[g].empty()) {
                    const Nearest n = NearestPins(before, diff.groups[g]);
                    out.shorts.push_back({n.a, n.b, d});
                }
                before.insert(before.end(), diff.groups[g].begin(), diff.groups[g].end());
            }
        }
    }
    return out;
}

}  // namespace sw
