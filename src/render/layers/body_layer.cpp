#include "render/body_placement.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <cstring>

namespace sw {
namespace {

// Every body except the panel parts of the switch and tube layer.
constexpr const char* kBodyKinds[] = {"IC",  "Relay", "Transformer", "LineIC",    "Trimmer",
                                      "Transistor", "Pot", "Jack", "Resistor", "Capacitor",
                                      "Diode", "Led", "Electrolyte"};

bool HasBodyHere(const char* kind) {
    for (const char* k : kBodyKinds)
        if (std::strcmp(kind, k) == 0)
            return true;
    return false;
}

}  // namespace

// One walk over all these kinds together, so a later element covers an earlier
// one whatever their kinds, on the canvas and in the pick map.
void DrawBodyLayer(RenderContext& ctx) {
    ctx.doc.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (HasBodyHere(node.name()))
            DrawBody(ctx, node, key);
    });
}

}  // namespace sw
