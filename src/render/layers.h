// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The renderer's ten layers, in the order they are drawn. Each is one complete
// walk over the root's children in document order, drawing only its kinds, so a
// later child covers an earlier one within a layer, on the canvas and in the
// pick map alike.

namespace sw {

struct RenderContext;

void DrawTraceLayer(RenderContext& ctx);       // 1: Trace
void DrawPadLayer(RenderContext& ctx);         // 2: Pad
void DrawCutLayer(RenderContext& ctx);         // 3: Cut
void DrawSwitchTubeLayer(RenderContext& ctx);  // 4: Switch and Tube bodies
void DrawJumperLayer(RenderContext& ctx);      // 5: Jumper
void DrawWireLayer(RenderContext& ctx);        // 6: Wire
void DrawLeadLayer(RenderContext& ctx);        // 7: leads of the two-lead kinds
void DrawBodyLayer(RenderContext& ctx);        // 8: the other bodies, one walk
void DrawTextLayer(RenderContext& ctx);        // 9: Text
void DrawComponentList(RenderContext& ctx);    // 10: the list under the board

}  // namespace sw
