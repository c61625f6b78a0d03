// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/render_copper.h"

#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"

#include <algorithm>
#include <cmath>

namespace sw {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
// Large enough for any board a person draws (a 1000 x 1000 hole board), small
// enough that the raster can always be made.
constexpr int kMaxCanvasSide = 20 * 1002;

// Canvas positions of absurd holes stay within about a billion pixels, so the
// arithmetic cannot overflow and the canvas clips them away.
int Saturate(long long v) { return int(std::clamp(v, -1000000000LL, 1000000000LL)); }

}  // namespace

int CopperSizeNumber(pugi::xml_node node) {
    // Capped before the conversion: a size of 10^20 is a pen wider than the canvas.
    const double size = std::nearbyint(ValueNumber(TextAttr(node, "Value")));
    return int(std::clamp(size, 0.0, double(kMaxCanvasSide) * 4));
}

int CopperTraceWidth(pugi::xml_node node) { return std::max(1, CopperSizeNumber(node)); }

int CopperSquareSide(int sizeNumber) { return 2 * (sizeNumber / 2); }

int PadCopperPixels(pugi::xml_node pad) {
    const int size = CopperSizeNumber(pad);
    return BoolAttr(pad, "Square") ? CopperSquareSide(size) : size;
}

QSize CopperCanvasSize(const LayoutDocument& doc, QString* error) {
    const int width = doc.BoardWidth();
    const int height = doc.BoardHeight();
    const auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return QSize();
    };
    if (!doc.Root())
        return fail(QStringLiteral("There is no layout to render."));
    if (width < 1 || height < 1)
        return fail(QStringLiteral("The board has no holes (%1 x %2), so there is no copper to render.")
                        .arg(width)
                        .arg(height));
    if (width > kMaxCanvasSide / 20 - 2 || height > kMaxCanvasSide / 20 - 2)
        return fail(QStringLiteral("The board (%1 x %2 holes) is too large to render.")
                        .arg(width)
                        .arg(height));
    return QSize(kHolePitch * (width + 2), kHolePitch * (height + 2));
}

int CopperOriginX(int canvasWidth, int layoutWidth) {
    return BoardOriginX(canvasWidth, layoutWidth);
}

void RenderCopper(const LayoutDocument& doc, Canvas& canvas, int width, int height) {
    const pugi::xml_node root = doc.Root();
    if (!root)
        return;
    const int boardWidth = doc.BoardWidth();
    const int boardHeight = doc.BoardHeight();
    const int x0 = CopperOriginX(width, boardWidth);
    const auto at = [x0](pugi::xml_node node, const char* x, const char* y) {
        return QPoint(Saturate(x0 + (long long)kHolePitch * IntAttr(node, x)),
                      Saturate((long long)kHolePitch * IntAttr(node, y)));
    };
    const auto hole = [&at](pugi::xml_node node) { return at(node, "X1", "Y1"); };

    canvas.SetBrush(kWhite);
    canvas.SetPen(kBlack, 1);
    canvas.Rectangle(-2, -2, width + 2, height + 2);

    const int left = x0 + 10;
    const int right = left + kHolePitch * boardWidth;
    const int bottom = 10 + kHolePitch * boardHeight;
    canvas.Polyline({{left, 10}, {right, 10}, {right, bottom}, {left, bottom}, {left, 10}});

    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (!IsKind(node, kind::Trace))
            continue;
        canvas.SetPen(kBlack, CopperTraceWidth(node));
        const QPoint from = hole(node);
        const QPoint to = at(node, "X2", "Y2");
        canvas.Line(from.x(), from.y(), to.x(), to.y());
    }

    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (!IsKind(node, kind::SolderPad))
            continue;
        if (PadCopperPixels(node) <= 0)
            continue;
        const QPoint c = hole(node);
        const int size = CopperSizeNumber(node);
        canvas.SetPen(kBlack, 2);
        canvas.SetBrush(kBlack);
        if (BoolAttr(node, "Square")) {
            // The square's corners are (x - h + 1, y - h + 1) and (x + h, y + h),
            // both inked (a 2-pixel outline straddles its path): for size 15 it
            // runs from 6 pixels left of and above the hole to 7 right and below.
            const int h = CopperSquareSide(size) / 2;
            canvas.Rectangle(c.x() - h + 1, c.y() - h + 1, c.x() + h + 1, c.y() + h + 1);
        } else if (size > 0) {
            canvas.Dot(c.x(), c.y(), size);
        }
        canvas.SetPenColour(kWhite);
        canvas.Dot(c.x(), c.y(), kCopperDrillMark);
    }
    canvas.SetBrush(kWhite);
}

}  // namespace sw
