// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A layer under test: a layout made of the given children on a 2000 x 1200
// white canvas with its pick map, and the context one layer function needs.

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_context.h"
#include "render/render_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace sw::test {

class LayerRig {
public:
    explicit LayerRig(const std::string& children, const char* type = "Stripboard", int width = 20,
                      int height = 10, const std::string& rootExtra = {})
        : m_image(MakeRaster(kBoardImageWidth, kBoardImageHeight)),
          m_canvas(m_image),
          m_pick(kBoardImageWidth, kBoardImageHeight) {
        const std::string xml = std::string("<Layout Type=\"") + type + "\" Width=\"" + std::to_string(width) +
                                "\" Height=\"" + std::to_string(height) +
                                "\" Project=\"P\" Credits=\"C\" " + rootExtra + ">" + children + "</Layout>";
        const LoadResult r = m_doc.LoadText(xml);
        EXPECT_TRUE(r.ok) << r.message.toStdString();
        m_pick.Clear();
    }

    // Selects the children whose `Name` is listed.
    void Select(std::set<std::string> names) {
        m_options.isSelected = [names = std::move(names)](pugi::xml_node node) {
            return names.count(node.attribute("Name").as_string()) > 0;
        };
    }
    RenderOptions& Options() { return m_options; }

    void Draw(void (*layer)(RenderContext&)) {
        RenderContext ctx{m_doc,
                          m_canvas,
                          m_pick,
                          kBoardImageWidth,
                          kBoardImageHeight,
                          m_options,
                          BoardOriginX(kBoardImageWidth, m_doc.BoardWidth()),
                          m_doc.BoardType(),
                          m_doc.BoardWidth(),
                          m_doc.BoardHeight(),
                          m_caches};
        layer(ctx);
    }

    Rgb At(int x, int y) const { return m_canvas.Pixel(x, y); }
    unsigned Key(int x, int y) const { return m_pick.KeyAt(x, y); }
    Canvas& Paper() { return m_canvas; }
    QImage& Image() { return m_image; }
    const LayoutDocument& Doc() const { return m_doc; }

private:
    LayoutDocument m_doc;
    QImage m_image;
    Canvas m_canvas;
    PickMap m_pick;
    RenderOptions m_options;
    RenderCaches m_caches;
};

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlue = 0x0000FF;

}  // namespace sw::test
