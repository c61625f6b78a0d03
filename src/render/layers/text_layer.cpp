// SPDX-License-Identifier: GPL-3.0-or-later
// Layer 9: free text labels, starting at their hole and centred on its row.

#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "render/layers.h"
#include "render/render_context.h"

namespace sw {

void DrawTextLayer(RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    Canvas& pick = ctx.pick.Draw();
    // Texts that cannot reach the canvas are not measured; past the budget of a
    // repaint (a file of tens of thousands of long texts) no more are drawn.
    int budget = kMaxDrawnCharactersPerPaint;
    ctx.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        if (!IsKind(node, kind::Text) || budget <= 0)
            return;
        const QPoint p = ctx.Hole(IntAttr(node, "X1"), IntAttr(node, "Y1"));
        if (p.x() >= ctx.width || p.y() < -100 || p.y() > ctx.height + 100)
            return;
        const QString text = DrawnTextAttr(node, "Value");
        budget -= int(text.size());
        canvas.SetFont(QStringLiteral("Tahoma"), 10, false);
        // Red marks a selected text in exported images too.
        canvas.SetFontColour(ctx.IsSelected(node) ? MakeRgb(255, 0, 0) : 0);
        canvas.SetBrushStyle(BrushStyle::Clear);
        const QSize extent = canvas.TextExtent(text);
        const int top = p.y() - extent.height() / 2;
        canvas.TextOut(p.x(), top, text);
        canvas.SetBrushStyle(BrushStyle::Solid);
        // The whole text box picks the text, gaps between the glyphs included.
        if (extent.width() > 0 && extent.height() > 0) {
            pick.SetBrush(key, BrushStyle::Solid);
            pick.FillRect(p.x(), top, p.x() + extent.width(), top + extent.height());
        }
    });
}

}  // namespace sw
