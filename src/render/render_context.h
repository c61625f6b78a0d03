// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every layer of the renderer sees: the document, the canvas and the pick
// map, the options, and the lattice origin for this canvas.

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"

namespace sw {

// Pen widths and pad sizes come from `Value` texts; anything wider than this
// already covers every canvas, so larger numbers are capped here.
constexpr int kMaxStrokeWidth = 4096;

struct RenderContext {
    const LayoutDocument& doc;
    Canvas& canvas;
    PickMap& pick;
    int width;
    int height;
    const RenderOptions& options;
    int x0;          // BoardOriginX(width, layout Width)
    QString type;    // the root's `Type`
    int boardWidth;  // the root's `Width` in holes
    int boardHeight;
    RenderCaches& caches;  // the options' set, or this picture's own

    // The components this repaint draws (RenderOptions::draws), in document order.
    template <typename F>
    void ForEachComponent(F&& visit) const {
        if (!options.draws) {
            doc.ForEachComponent(visit);
            return;
        }
        doc.ForEachComponent([&](pugi::xml_node node, unsigned key) {
            if (options.draws(node))
                visit(node, key);
        });
    }
    bool IsSelected(pugi::xml_node node) const {
        return options.isSelected && options.isSelected(node);
    }
    QPoint Hole(int column, int row) const { return HoleCentre(x0, column, row); }
    // Reveal mode has an effect on screen only.
    bool Revealing() const { return options.reveal && !options.forImage; }
};

}  // namespace sw
