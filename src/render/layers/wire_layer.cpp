// Layer 6: hook-up wires, a seeded Bezier curve stroked three times (dark rim,
// body colour, light core).

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/layers.h"
#include "render/render_context.h"
#include "render/wire_shape.h"

namespace sw {

void DrawWireLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    Canvas& pick = ctx.pick.Draw();
    ctx.doc.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::Wire))
            return;
        const QPoint p1 = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const QPoint p2 = ctx.Hole(IntAttr(node, "X2"), IntAttr(node, "Y2"));
        // The curve is flattened once and stroked with the canvas's wide-line
        // rasteriser, which is exact and much cheaper than a wide Bezier path.
        // A selected wire would be dotted, but the dot pattern only shows on
        // 1-pixel lines and every stroke here is wider, so it is drawn solid.
        const std::vector<QPoint> points = FlattenWire(WireControlPoints(p1, p2, WireSeed(node)));
        // An absent `Color` reads as empty text, which is white.
        const Rgb colour = MyTextToColor(TextAttr(node, "Color"));
        canvas.SetPen(BlendColour(colour, 0x000000, 220), 4, PenStyle::Solid);
        canvas.Polyline(points);
        canvas.SetPen(colour, 3, PenStyle::Solid);
        canvas.Polyline(points);
        canvas.SetPen(BlendColour(colour, 0xFFFFFF, 128), 2, PenStyle::Solid);
        canvas.Polyline(points);
        pick.SetPen(key, 6, PenStyle::Solid);
        pick.Polyline(points);
    });
}

}  // namespace sw
