// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 10: the compact parts list under the board, in three columns
// (resistors; capacitors; everything else with a value), centred on the canvas.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "render/kind_drawing.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <algorithm>
#include <array>
#include <vector>

namespace sw {

namespace {

constexpr int kRowPitch = 16;

// The group of the parts list `node` goes in, if any (render/kind_drawing.h).
int GroupOf(pugi::xml_node node) {
    const KindDrawing* drawing = DrawingOf(node);
    return drawing && drawing->list != ListGroup::None ? int(drawing->list) : -1;
}

bool Listed(pugi::xml_node node) {
    // Capacitors are listed even without a value; every other kind needs one.
    return *node.attribute("Value").value() || IsKind(node, kind::Capacitor);
}

}  // namespace

void DrawComponentList(RenderContext& ctx) {
    if (ctx.doc.HideList())
        return;
    // One walk sorts the listed elements into their groups, in document order,
    // which is what a separate walk per kind would list.
    std::array<std::vector<pugi::xml_node>, kListGroups> groups;
    ctx.doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
        const int group = GroupOf(node);
        if (group >= 0 && Listed(node))
            groups[group].push_back(node);
    });

    Canvas& canvas = ctx.canvas;
    canvas.SetFont(QStringLiteral("Tahoma"), 8, true);
    canvas.SetFontColour(0);
    canvas.SetBrush(0xFFFFFF, BrushStyle::Solid);
    // 40 pixels below the bottom row of board tiles, columns around the canvas centre.
    // 64-bit: a damaged Height of two billion rows puts the list far below.
    const long long top = 240 + 20LL * ctx.boardHeight;
    const int centre = ctx.width / 2;
    auto column = [&](int left, int firstGroup, int lastGroup) {
        int row = 0;
        for (int g = firstGroup; g <= lastGroup; ++g) {
            for (pugi::xml_node node : groups[g]) {
                const long long y = top + kRowPitch * row++;
                // A long list runs off the bottom of the canvas; entries there draw nothing.
                if (y >= ctx.height)
                    return;
                QString entry = DrawnTextAttr(node, "Name") + QStringLiteral(": ") + DrawnTextAttr(node, "Value");
                if (g == int(ListGroup::Potentiometer))
                    entry += QLatin1Char(' ') + DrawnTextAttr(node, "Taper");
                canvas.TextOut(left, int(std::max(y, -1000000LL)), entry);
            }
        }
    };
    column(centre - 150, int(ListGroup::Resistors), int(ListGroup::Resistors));
    column(centre - 50, int(ListGroup::Capacitors), int(ListGroup::Capacitors));
    column(centre + 50, int(ListGroup::DilIc), int(ListGroup::Relay));
}

}  // namespace sw
