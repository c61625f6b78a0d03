// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/wire_span_cache.h"

#include "render/body_image_cache.h"
#include "render/raster_ops.h"
#include "render/wire_shape.h"

namespace sw {
namespace {

std::size_t SpanBytes(const std::vector<RowSpan>& spans) { return spans.capacity() * sizeof(RowSpan); }

}  // namespace

std::size_t WireStrokes::Bytes() const {
    return SpanBytes(rim) + SpanBytes(body) + SpanBytes(core) + SpanBytes(pick) + sizeof(*this);
}

std::shared_ptr<const WireStrokes> WireStrokeCache::Cached(QPoint p1, QPoint p2, std::uint32_t seed,
                                                           QSize canvas, QSize pick) {
    const std::string key = BodyKey("Wire")
                                .Add((long long)p1.x()).Add((long long)p1.y())
                                .Add((long long)p2.x()).Add((long long)p2.y())
                                .Add((long long)seed)
                                .Add((long long)canvas.width()).Add((long long)canvas.height())
                                .Add((long long)pick.width()).Add((long long)pick.height())
                                .Take();
    if (auto found = m_strokes.Find(key))
        return found;
    const std::vector<QPoint> points = FlattenWire(WireControlPoints(p1, p2, seed));
    auto strokes = std::make_shared<WireStrokes>();
    const auto spans = [&](QSize raster, int width) {
        std::vector<RowSpan> result = raster::WidePolylineSpans(raster.width(), raster.height(), points, width);
        result.shrink_to_fit();
        return result;
    };
    strokes->rim = spans(canvas, 4);
    strokes->body = spans(canvas, 3);
    strokes->core = spans(canvas, 2);
    strokes->pick = spans(pick, 6);
    const std::size_t bytes = strokes->Bytes();
    return m_strokes.Store(key, std::move(strokes), bytes);
}

}  // namespace sw
