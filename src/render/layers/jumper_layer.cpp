// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 5: jumper links, straight 2-pixel bridges with solder dots at the ends.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

void DrawJumperLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    Canvas& pick = ctx.pick.Draw();
    const Rgb red = MakeRgb(255, 0, 0);
    const bool dots = ctx.type != QLatin1String("PCB");  // on a PCB the pads are the joints
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::Jumper))
            return;
        const QPoint p1 = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const QPoint p2 = ctx.Hole(IntAttr(node, "X2"), IntAttr(node, "Y2"));
        const bool selected = ctx.IsSelected(node);
        canvas.SetPen(selected && !ctx.options.forImage ? red : MakeRgb(0, 0, 255), 2, PenStyle::Solid);
        canvas.Line(p1.x(), p1.y(), p2.x(), p2.y());
        if (dots) {
            // The red end dots mark a selected jumper in exported images too.
            canvas.SetPen(selected ? red : 0, 1, PenStyle::Solid);
            canvas.Dot(p2.x(), p2.y(), 5);
            canvas.Dot(p1.x(), p1.y(), 5);
        }
        pick.SetPen(key, 3, PenStyle::Solid);
        pick.Line(p1.x(), p1.y(), p2.x(), p2.y());
    });
}

}  // namespace sw
