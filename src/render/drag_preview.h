// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board while parts are dragged. Everything but the dragged parts is
// rendered once, when the drag starts; each step of the drag copies that
// picture and its pick map and draws the dragged parts over it where the
// document now has them. The dragged parts lie on top of the rest until the
// drag ends and the next whole repaint puts every layer back in its order.

#include "render/pick_map.h"
#include "render/render_layout.h"

#include <QImage>
#include <functional>
#include <memory>
#include <pugixml.hpp>

namespace sw {

class Canvas;
class LayoutDocument;

class DragPreview {
public:
    using Moving = std::function<bool(pugi::xml_node)>;

    // Renders everything that `moving` does not hold, on a canvas of `width`
    // x `height` with `options`; `drag` tells one drag from the next.
    void Begin(const LayoutDocument& doc, int width, int height, const RenderOptions& options,
               Moving moving, unsigned drag);
    // Whether the picture of the rest is that of drag `drag` with these options' reveal flag.
    bool Holds(unsigned drag, bool reveal) const {
        return m_pick && m_drag == drag && m_options.reveal == reveal;
    }
    // The rest, then the moving parts, onto `image` (the size of the rest's
    // picture) and `pick`.
    void Render(const LayoutDocument& doc, QImage& image, PickMap& pick) const;
    // Lets go of the picture.
    void End();

private:
    RenderOptions m_options;  // for the moving parts
    QImage m_rest;
    std::unique_ptr<PickMap> m_pick;
    unsigned m_drag = 0;
};

}  // namespace sw
