// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placement.h"
#include "render/composite_memo.h"
#include "render/kind_drawing.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

// Every body above the wiring in one walk over all their kinds together, so a
// later element covers an earlier one whatever their kinds, on the canvas and
// in the pick map.
void DrawBodyLayer(RenderContext& ctx) {
    std::vector<BodyElement> elements;
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        const KindDrawing* drawing = DrawingOf(node);
        if (drawing && drawing->layer == BodyLayer::Bodies)
            elements.push_back({node, key});
    });
    DrawBodies(ctx, elements, ctx.caches.Bands(BodyLayerMemo::Body));
}

}  // namespace sw
