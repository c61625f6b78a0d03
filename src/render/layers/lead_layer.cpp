// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 7: the two leads of every two-lead part, from each hole to where its
// body (drawn in layer 8) begins, with solder dots at the holes.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/layers.h"
#include "render/lead_geometry.h"
#include "render/render_context.h"

namespace sw {

void DrawLeadLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    const bool dots = ctx.type != QLatin1String("PCB");
    // In reveal mode the leads thin out so what lies under the parts shows.
    const bool thin = ctx.Revealing();
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned) {
        if (!IsTwoLeadKind(node))
            return;
        const QPoint p1 = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const QPoint p2 = ctx.Hole(IntAttr(node, "X2"), IntAttr(node, "Y2"));
        const double angle = LeadAngle(p1, p2);
        const int length = LeadLength(p1, p2, IsKind(node, kind::Led));
        const Rgb colour = ctx.IsSelected(node) && !ctx.options.forImage ? MakeRgb(255, 0, 0)
                                                                          : MakeRgb(100, 100, 100);
        canvas.SetPen(colour, thin ? 1 : 2, thin ? PenStyle::Dot : PenStyle::Solid);
        const QPoint end1 = LeadEnd1(p1, angle, length);
        const QPoint end2 = LeadEnd2(p2, angle, length);
        canvas.Line(p1.x(), p1.y(), end1.x(), end1.y());
        canvas.Line(p2.x(), p2.y(), end2.x(), end2.y());
        canvas.SetPenStyle(PenStyle::Solid);
        if (dots) {
            canvas.Dot(p2.x(), p2.y(), 5);
            canvas.Dot(p1.x(), p1.y(), 5);
        }
        // Leads are not pickable: a part is picked through its body image.
    });
}

}  // namespace sw
