// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 2: solder pads, round or square, each with a white drill hole.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <algorithm>
#include <cmath>

namespace sw {

void DrawPadLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    Canvas& pick = ctx.pick.Draw();
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::SolderPad))
            return;
        const QPoint c = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        const int size = std::clamp(int(std::nearbyint(std::min(ValueNumber(TextAttr(node, "Value")), 1e6))),
                                    0, kMaxStrokeWidth);
        Rgb colour = 0;
        if (ctx.IsSelected(node) && !ctx.options.forImage)
            colour = MakeRgb(255, 0, 0);
        else if (node.attribute("Color"))
            colour = MyTextToColor(TextAttr(node, "Color"));
        canvas.SetPen(colour, 1, PenStyle::Solid);
        canvas.SetBrush(colour, BrushStyle::Solid);
        if (BoolAttr(node, "Square")) {
            const int h = size / 2;
            canvas.SetPenWidth(2);
            canvas.Rectangle(c.x() - h + 1, c.y() - h + 1, c.x() + h, c.y() + h);
        } else if (size > 0) {
            canvas.Dot(c.x(), c.y(), size);
        }
        canvas.SetPen(0xFFFFFF, 1, PenStyle::Solid);
        canvas.Dot(c.x(), c.y(), 5);
        canvas.SetBrush(0xFFFFFF, BrushStyle::Solid);
        // A square pad is picked by its inscribed disc, like a round one.
        if (size > 0) {
            pick.SetPen(key, 1, PenStyle::Solid);
            pick.Dot(c.x(), c.y(), size);
        }
    });
}

}  // namespace sw
