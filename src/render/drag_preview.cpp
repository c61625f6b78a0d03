// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/drag_preview.h"

#include "render/canvas.h"

namespace sw {

void DragPreview::Begin(const LayoutDocument& doc, int width, int height,
                        const RenderOptions& options, Moving moving, unsigned drag) {
    m_drag = drag;
    m_rest = MakeRaster(width, height);
    m_pick = std::make_unique<PickMap>(width, height);
    RenderOptions rest = options;
    rest.draws = [moving](pugi::xml_node node) { return !moving(node); };
    Canvas canvas(m_rest);
    RenderLayout(doc, canvas, *m_pick, width, height, rest);
    m_options = options;
    m_options.draws = std::move(moving);
    m_options.componentsOnly = true;
}

void DragPreview::Render(const LayoutDocument& doc, QImage& image, PickMap& pick) const {
    if (!m_pick)
        return;
    CopyPixels(m_rest, image);
    pick.CopyFrom(*m_pick);
    Canvas canvas(image);
    RenderLayout(doc, canvas, pick, m_rest.width(), m_rest.height(), m_options);
}

void DragPreview::End() {
    m_rest = QImage();
    m_pick.reset();
}

}  // namespace sw
