// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the renderer's frame on the 2000 x 1200 board image: an empty
// layout (page, grid, title, rulers, tiles, outline, ten empty layer walks)
// beside the floor of any repaint, a bare fill of the canvas and the pick map,
// and beside the tile copies alone.

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/board_tiles.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"

#include <benchmark/benchmark.h>

namespace sw {
namespace {

LayoutDocument EmptyStripboard(int width, int height) {
    LayoutDocument doc;
    doc.SetNew(QStringLiteral("Stripboard"), width, height, QStringLiteral("Benchmark"),
               QStringLiteral("an empty layout"), false);
    return doc;
}

void BM_BareFill(benchmark::State& state) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    for (auto _ : state) {
        pick.Clear();
        canvas.SetBrush(0xFFFFFF);
        canvas.FillRect(0, 0, kBoardImageWidth, kBoardImageHeight);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BareFill)->Unit(benchmark::kMillisecond);

// Only the tile copies of a board of state.range(0) x state.range(1) holes.
void BM_TilesOnly(benchmark::State& state) {
    const int width = int(state.range(0)), height = int(state.range(1));
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    const int x0 = BoardOriginX(kBoardImageWidth, width);
    const BoardTileSet tiles = *TilesForBoardType(QStringLiteral("Stripboard"));
    for (auto _ : state) {
        for (int i = 0; i <= width; ++i) {
            const QImage& tile =
                TileImage(i == 0 ? tiles.first : i == width ? tiles.last : tiles.middle);
            for (int row = 1; row <= height; ++row)
                canvas.CopyImage(x0 + 20 * i, 180 + 20 * row, tile);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TilesOnly)->Args({20, 10})->Args({98, 50})->Unit(benchmark::kMillisecond);

void BM_EmptyFrame(benchmark::State& state) {
    const LayoutDocument doc = EmptyStripboard(int(state.range(0)), int(state.range(1)));
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    const RenderOptions options;
    for (auto _ : state) {
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_EmptyFrame)->Args({20, 10})->Args({98, 50})->Unit(benchmark::kMillisecond);

// A board far larger than the canvas costs what a board that fills it costs.
void BM_EmptyFrameHugeBoard(benchmark::State& state) {
    const LayoutDocument doc = EmptyStripboard(100000, 100000);
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    const RenderOptions options;
    for (auto _ : state) {
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_EmptyFrameHugeBoard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
