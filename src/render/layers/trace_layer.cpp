// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 1: copper traces of a PCB, straight lines with round ends.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <algorithm>
#include <cmath>

namespace sw {

void DrawTraceLayer(RenderContext& ctx) {
    Canvas& pick = ctx.pick.Draw();
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::Trace))
            return;
        const QPoint p1 = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const QPoint p2 = ctx.Hole(IntAttr(node, "X2"), IntAttr(node, "Y2"));
        // A width without a leading number is 0 and drawn 1 pixel wide; an absurd
        // one is capped at a size that already covers any canvas.
        const int width = std::clamp(int(std::nearbyint(std::min(ValueNumber(TextAttr(node, "Value")), 1e6))),
                                     1, kMaxStrokeWidth);
        const Rgb colour = node.attribute("Color") ? MyTextToColor(TextAttr(node, "Color")) : 0;
        // The dash marks a selected trace on screen; it only shows on 1-pixel lines.
        const bool dashed = ctx.IsSelected(node) && !ctx.options.forImage && width <= 1;
        ctx.canvas.SetPen(colour, width, dashed ? PenStyle::Dash : PenStyle::Solid);
        ctx.canvas.Line(p1.x(), p1.y(), p2.x(), p2.y());
        pick.SetPen(key, width, PenStyle::Solid);
        pick.Line(p1.x(), p1.y(), p2.x(), p2.y());
    });
}

}  // namespace sw
