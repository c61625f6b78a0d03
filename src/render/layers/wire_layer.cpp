// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 6: hook-up wires, a seeded Bezier curve stroked three times (dark rim,
// body colour, light core); the strokes' pixels come from the wire stroke cache.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/layers.h"
#include "render/render_context.h"
#include "render/wire_shape.h"
#include "render/wire_span_cache.h"

#include <algorithm>

namespace sw {
namespace {

// Whether a wire can reach the window `shown`: the curve lies within the box
// of its control points, and its widest stroke within 3 pixels of the curve.
bool Reaches(const WireCurve& c, const QRect& shown) {
    const auto [minX, maxX] = std::minmax({c.p1.x(), c.c1.x(), c.c2.x(), c.p2.x()});
    const auto [minY, maxY] = std::minmax({c.p1.y(), c.c1.y(), c.c2.y(), c.p2.y()});
    return (long long)maxX + 3 >= shown.left() && (long long)minX - 3 <= shown.right() &&
           (long long)maxY + 3 >= shown.top() && (long long)minY - 3 <= shown.bottom();
}

}  // namespace

void DrawWireLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    Canvas& pick = ctx.pick.Draw();
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::Wire))
            return;
        const QPoint p1 = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const QPoint p2 = ctx.Hole(IntAttr(node, "X2"), IntAttr(node, "Y2"));
        // The curve is flattened and stroked with the canvas's wide-line
        // rasteriser, which is exact and much cheaper than a wide Bezier path;
        // the pixels of each stroke are kept for the next repaint.
        // A selected wire would be dotted, but the dot pattern only shows on
        // 1-pixel lines and every stroke here is wider, so it is drawn solid.
        const int scale = canvas.Scale();
        if (canvas.Scaled() && !Reaches(WireControlPoints(p1, p2, WireSeed(node)), canvas.Shown()))
            return;
        const std::shared_ptr<const WireStrokes> strokes =
            ctx.caches.wires.Cached(p1, p2, WireSeed(node),
                                    QSize(canvas.Width() * scale, canvas.Height() * scale),
                                    QSize(pick.Width(), pick.Height()), scale);
        // An absent `Color` reads as empty text, which is white.
        const Rgb colour = MyTextToColor(TextAttr(node, "Color"));
        canvas.SetPen(BlendColour(colour, 0x000000, 220), 4, PenStyle::Solid);
        canvas.FillSpans(strokes->rim);
        canvas.SetPen(colour, 3, PenStyle::Solid);
        canvas.FillSpans(strokes->body);
        canvas.SetPen(BlendColour(colour, 0xFFFFFF, 128), 2, PenStyle::Solid);
        canvas.FillSpans(strokes->core);
        pick.SetPen(key, 6, PenStyle::Solid);
        pick.FillSpans(strokes->pick);
    });
}

}  // namespace sw
