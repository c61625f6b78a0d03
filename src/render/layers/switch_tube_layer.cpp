// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/kinds.h"
#include "render/body_placement.h"
#include "render/composite_memo.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

// Switches and tube sockets are panel parts: they lie under the jumpers, wires
// and every other body.
void DrawSwitchTubeLayer(RenderContext& ctx) {
    std::vector<BodyElement> elements;
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (IsKind(node, kind::Switch) || IsKind(node, kind::TubeSocket))
            elements.push_back({node, key});
    });
    DrawBodies(ctx, elements, MemoOf(BodyLayerMemo::SwitchTube));
}

}  // namespace sw
