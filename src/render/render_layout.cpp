// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of a repaint: the white page, the screen grid, title and credits,
// rulers, board tiles and outline, then the ten layers in order.

#include "render/render_layout.h"

#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "render/board_geometry.h"
#include "render/board_tiles.h"
#include "render/canvas.h"
#include "render/layers.h"
#include "render/pick_map.h"
#include "render/render_context.h"

#include <algorithm>
#include <optional>

namespace sw {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kGridGrey = MakeRgb(245, 245, 245);
constexpr Rgb kRulerGrey = MakeRgb(192, 192, 192);
constexpr Rgb kTitleBlue = MakeRgb(0, 0, 255);
// Ruler labels reach at most this far from their anchor; labels further off
// the canvas are skipped, which gives the same pixels as drawing them all.
constexpr long long kLabelReach = 200;

// Pixel positions of absurd boards stay within about a billion, so the
// arithmetic below cannot overflow and the canvas clips them away.
int Saturate(long long v) { return int(std::clamp(v, -1000000000LL, 1000000000LL)); }

void DrawGrid(Canvas& canvas, int width, int height) {
    canvas.SetPen(kGridGrey, 1, PenStyle::Solid);
    // The vertical lines go down in bands of rows that stay in the cache; a
    // 1-pixel line stops before its end, so the bands join into the same lines.
    constexpr int kBand = 16;
    for (int top = 0; top < height; top += kBand)
        for (int i = 0; i <= width / 20; ++i)
            canvas.Line(20 * i, top, 20 * i, std::min(top + kBand, height));
    for (int j = 0; j <= height / 20; ++j)
        canvas.Line(0, 20 * j + 10, width, 20 * j + 10);
}

void DrawCentred(Canvas& canvas, int width, int top, const QString& text) {
    canvas.TextOut((width - canvas.TextExtent(text).width()) / 2, top, text);
}

void DrawTitle(const RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    canvas.SetFont(QStringLiteral("Tahoma"), 24, false);
    canvas.SetFontColour(kTitleBlue);
    DrawCentred(canvas, ctx.width, 8, DrawnTextAttr(ctx.doc.Root(), "Project"));
    canvas.SetFont(QStringLiteral("Tahoma"), 14, false);
    canvas.SetFontColour(kBlack);
    DrawCentred(canvas, ctx.width, 44, DrawnTextAttr(ctx.doc.Root(), "Credits"));
}

void DrawRulers(const RenderContext& ctx) {
    Canvas& canvas = ctx.canvas;
    canvas.SetFont(QStringLiteral("Tahoma"), 8, false);
    canvas.SetFontColour(kRulerGrey);
    canvas.SetBrush(kWhite, BrushStyle::Solid);
    const int columnTop = ctx.type == QLatin1String("Stripboard") ? 188 : 186;
    const long long firstColumn =
        std::max<long long>(1, (-(long long)ctx.x0 - kLabelReach) / 20);
    const long long lastColumn =
        std::min<long long>(ctx.boardWidth, ((long long)ctx.width - ctx.x0 + kLabelReach) / 20);
    for (long long n = firstColumn; n <= lastColumn; ++n) {
        const QString text = QString::number(n);
        const int centre = Saturate(ctx.x0 + 20 * n);
        canvas.TextOut(centre - canvas.TextExtent(text).width() / 2, columnTop, text);
    }
    if (ctx.x0 < -kLabelReach || ctx.x0 > ctx.width + kLabelReach)
        return;
    const int lastRow = std::min<long long>(ctx.boardHeight, (ctx.height - 183) / 20 + 1);
    for (int row = 1; row <= lastRow; ++row) {
        const QString text = RowLabel(row);
        canvas.TextOut(ctx.x0 - canvas.TextExtent(text).width(), 183 + 20 * row, text);
    }
}

void DrawTiles(const RenderContext& ctx) {
    const auto tiles = TilesForBoardType(ctx.type);
    if (!tiles)
        return;
    const TileRange columns = VisibleTileColumns(ctx.x0, ctx.boardWidth, ctx.width);
    const TileRange rows = VisibleTileRows(ctx.boardHeight, ctx.height);
    if (columns.Empty() || rows.Empty())
        return;
    for (int i = columns.first; i <= columns.last; ++i) {
        const Tile tile = i == 0 ? tiles->first : i == ctx.boardWidth ? tiles->last : tiles->middle;
        const QImage& image = TileImage(tile, ctx.canvas.Scale());
        const int left = Saturate(ctx.x0 + 20LL * i);
        for (int row = rows.first; row <= rows.last; ++row)
            ctx.canvas.CopyImage(left, 180 + 20 * row, image);
    }
}

void DrawOutline(const RenderContext& ctx) {
    const bool pcb = ctx.type == QLatin1String("PCB");
    const bool strip = ctx.type == QLatin1String("Stripboard");
    const int left = Saturate(ctx.x0 + 10LL);
    const int right = Saturate(ctx.x0 + 10LL + 20LL * ctx.boardWidth);
    const int top = strip ? 203 : 200;
    const int bottom = Saturate((strip ? 196LL : 200LL) + 20LL * ctx.boardHeight);
    Canvas& canvas = ctx.canvas;
    canvas.SetPen(pcb ? kBlack : kRulerGrey, 1, PenStyle::Solid);
    canvas.Polyline({QPoint(left, top), QPoint(right, top), QPoint(right, bottom),
                     QPoint(left, bottom), QPoint(left, top)});
}

// Layers 1 to 9.
void DrawComponentLayers(RenderContext& ctx) {
    DrawTraceLayer(ctx);
    DrawPadLayer(ctx);
    DrawCutLayer(ctx);
    DrawSwitchTubeLayer(ctx);
    DrawJumperLayer(ctx);
    DrawWireLayer(ctx);
    DrawLeadLayer(ctx);
    DrawBodyLayer(ctx);
    DrawTextLayer(ctx);
}

}  // namespace

void RenderLayout(const LayoutDocument& doc, Canvas& canvas, PickMap& pick, int width, int height,
                  const RenderOptions& options) {
    if (options.closing || !doc.Root())
        return;
    const int boardWidth = doc.BoardWidth();
    std::optional<RenderCaches> ownCaches;
    RenderCaches& caches = options.caches ? *options.caches : ownCaches.emplace();
    // An enlarged canvas has no pick map of its own: the picture's is made at
    // scale 1, and `pick` is left as it is.
    std::optional<PickMap> noPick;
    PickMap& keys = canvas.Scaled() ? noPick.emplace(0, 0) : pick;
    RenderContext ctx{doc,     canvas,
                      keys,    width,
                      height,  options,
                      BoardOriginX(width, boardWidth), doc.BoardType(),
                      boardWidth, doc.BoardHeight(), caches};

    if (options.componentsOnly) {
        DrawComponentLayers(ctx);
        return;
    }
    keys.Clear();
    canvas.SetBrush(kWhite, BrushStyle::Solid);
    canvas.SetPen(kBlack, 1, PenStyle::Solid);
    canvas.Rectangle(-2, -2, width + 2, height + 2);
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (!options.forImage)
        DrawGrid(canvas, width, height);
    DrawTitle(ctx);
    canvas.SetBrush(kWhite, BrushStyle::Solid);
    if (!(options.forImage && ctx.type == QLatin1String("PCB"))) {
        DrawRulers(ctx);
        DrawTiles(ctx);
    }
    DrawOutline(ctx);

    DrawComponentLayers(ctx);
    DrawComponentList(ctx);
}

}  // namespace sw
