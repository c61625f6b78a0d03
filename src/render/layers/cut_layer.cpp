#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

// Filled in with the drawing of its kinds; until then this layer draws nothing.
void DrawCutLayer(RenderContext&) {}

}  // namespace sw
