// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/kinds.h"
#include "render/body_placement.h"
#include "render/composite_memo.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {
namespace {

// Every body except the panel parts of the switch and tube layer.
constexpr kind::Index kBodyKinds[] = {
    kind::DilIc,      kind::Relay,         kind::Transformer, kind::SilIc,    kind::Trimmer,
    kind::Transistor, kind::Potentiometer, kind::AudioJack,   kind::Resistor, kind::Capacitor,
    kind::Diode,      kind::Led,           kind::Electrolyte};

}  // namespace

// One walk over all these kinds together, so a later element covers an earlier
// one whatever their kinds, on the canvas and in the pick map.
void DrawBodyLayer(RenderContext& ctx) {
    std::vector<BodyElement> elements;
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (IsAnyKind(node, kBodyKinds))
            elements.push_back({node, key});
    });
    DrawBodies(ctx, elements, MemoOf(BodyLayerMemo::Body));
}

}  // namespace sw
