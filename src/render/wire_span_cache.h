// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strokes of hook-up wires, worked out once and kept across repaints. A
// wire is a flattened curve stroked with three pens and a wider pick shape;
// working out which pixels each stroke covers costs far more than filling
// them, and does not change while the wire stays where it is. The key holds
// everything the strokes depend on (ends, seed, raster sizes), so nothing ever
// needs invalidating; the least recently used are dropped past a byte bound.

#include "render/canvas.h"
#include "render/lru_cache.h"

#include <QPoint>
#include <QSize>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sw {

// The pixels of a wire's strokes: on the canvas the rim, body and core pens (4,
// 3 and 2 pixels), on the pick map the 6-pixel pick shape.
struct WireStrokes {
    std::vector<RowSpan> rim, body, core, pick;
    std::size_t Bytes() const;
};

// Default bound on the bytes kept: 16 MiB.
constexpr std::size_t kDefaultWireCacheBytes = std::size_t(16) << 20;

class WireStrokeCache {
public:
    explicit WireStrokeCache(std::size_t bytes = kDefaultWireCacheBytes) : m_strokes(bytes) {}
    // The strokes of the wire from hole centre p1 to p2 with `seed`, on a
    // canvas and a pick map of the given sizes. At a scale above 1 the canvas
    // strokes are those of the whole picture enlarged that many times (`canvas`
    // its size in device pixels), in its device pixels; the pick stroke stays
    // at scale 1.
    std::shared_ptr<const WireStrokes> Cached(QPoint p1, QPoint p2, std::uint32_t seed, QSize canvas,
                                              QSize pick, int scale = 1);
    void Clear() { m_strokes.Clear(); }

private:
    LruCache<WireStrokes> m_strokes;
};

}  // namespace sw
