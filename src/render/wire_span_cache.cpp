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
                                                           QSize canvas, QSize pick, int scale) {
    const std::string key = BodyKey("Wire")
                                .Add((long long)p1.x()).Add((long long)p1.y())
                                .Add((long long)p2.x()).Add((long long)p2.y())
                                .Add((long long)seed)
                                .Add((long long)canvas.width()).Add((long long)canvas.height())
                                .Add((long long)pick.width()).Add((long long)pick.height())
                                .Add((long long)scale)
                                .Take();
    if (auto found = m_strokes.Find(key))
        return found;
    const WireCurve curve = WireControlPoints(p1, p2, seed);
    const std::vector<QPoint> points = FlattenWire(curve);
    auto strokes = std::make_shared<WireStrokes>();
    const auto spans = [&](QSize raster, const std::vector<QPoint>& line, int width) {
        std::vector<RowSpan> result = raster::WidePolylineSpans(raster.width(), raster.height(), line, width);
        result.shrink_to_fit();
        return result;
    };
    if (scale > 1) {
        // The same curve enlarged, flattened as finely as its device pixels
        // need; an odd pen is centred on the enlarged pixel, an even one on its corner.
        const auto enlarged = [&](int width) {
            return FlattenWire({DevicePoint(curve.p1, scale, width), DevicePoint(curve.c1, scale, width),
                                DevicePoint(curve.c2, scale, width), DevicePoint(curve.p2, scale, width)});
        };
        const std::vector<QPoint> even = enlarged(2), odd = enlarged(3);
        strokes->rim = spans(canvas, even, 4 * scale);
        strokes->body = spans(canvas, odd, 3 * scale);
        strokes->core = spans(canvas, even, 2 * scale);
    } else {
        strokes->rim = spans(canvas, points, 4);
        strokes->body = spans(canvas, points, 3);
        strokes->core = spans(canvas, points, 2);
    }
    strokes->pick = spans(pick, points, 6);
    const std::size_t bytes = strokes->Bytes();
    return m_strokes.Store(key, std::move(strokes), bytes);
}

}  // namespace sw
