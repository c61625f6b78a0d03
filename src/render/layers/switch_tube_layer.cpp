#include "render/body_placement.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <cstring>

namespace sw {

// Switches and tube sockets are panel parts: they lie under the jumpers, wires
// and every other body.
void DrawSwitchTubeLayer(RenderContext& ctx) {
    ctx.doc.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (std::strcmp(node.name(), "Switch") == 0 || std::strcmp(node.name(), "Tube") == 0)
            DrawBody(ctx, node, key);
    });
}

}  // namespace sw
