// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one entry point that draws a whole layout: the white page with title and
// credits, the board background, then every component element in ten layers,
// filling the pick map at the same time. The screen, image export, printing and
// the command line all call it.

#include <functional>
#include <pugixml.hpp>

namespace sw {

class Canvas;
class LayoutDocument;
class PickMap;
struct RenderCaches;

struct RenderOptions {
    bool forImage = false;  // exported or printed image: no screen-only aids
    bool reveal = false;    // reveal mode (dims bodies, thins leads; screen only)
    bool closing = false;   // the window is closing: draw nothing
    // Whether an element is selected (the explorer's selection); null: none is.
    std::function<bool(pugi::xml_node)> isSelected;
    // Which components are drawn; null: all of them.
    std::function<bool(pugi::xml_node)> draws;
    // The components alone, over what the canvas and the pick map hold already:
    // no page, board, title or component list, and the pick map not cleared.
    bool componentsOnly = false;
    // What this renderer keeps between its pictures (render/render_caches.h);
    // null: a fresh set for this picture alone.
    RenderCaches* caches = nullptr;
};

// `width` x `height` is the picture's size in logical pixels. On an enlarged
// canvas (render/canvas.h) the picture is drawn at the canvas's scale for the
// window it shows, and `pick` is not touched: the pick map keeps its scale-1
// meaning and comes from a render at scale 1.
void RenderLayout(const LayoutDocument& doc, Canvas& canvas, PickMap& pick, int width, int height,
                  const RenderOptions& options);

}  // namespace sw
