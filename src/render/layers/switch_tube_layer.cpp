// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placement.h"
#include "render/composite_memo.h"
#include "render/kind_drawing.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

// Switches and tube sockets are panel parts: they lie under the jumpers, wires
// and every other body.
void DrawSwitchTubeLayer(RenderContext& ctx) {
    std::vector<BodyElement> elements;
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        const KindDrawing* drawing = DrawingOf(node);
        if (drawing && drawing->layer == BodyLayer::Panel)
            elements.push_back({node, key});
    });
    DrawBodies(ctx, elements, ctx.caches.Bands(BodyLayerMemo::SwitchTube));
}

}  // namespace sw
