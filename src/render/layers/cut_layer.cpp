// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 3: strip cuts, the 16 x 16 cut mark composited over the hole.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/board_tiles.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

void DrawCutLayer(RenderContext& ctx) {
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::CutTrack))
            return;
        const QPoint c = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        // The blue mark of a selected cut shows in exported images too. Cuts
        // are never dimmed by reveal mode; at opacity 255 the blend still
        // scales every channel by 255/256, so the red comes out as (254, 0, 0).
        DrawImageBlended(ctx.canvas, ctx.pick, c.x() - 9, c.y() - 8, CutImage(ctx.IsSelected(node), ctx.canvas.Scale()), kKeyColour, key,
                         /*exempt=*/true, 255, ctx.options.reveal);
    });
}

}  // namespace sw
