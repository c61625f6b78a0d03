// SPDX-License-Identifier: GPL-3.0-or-later
// RenderLayout on the editor's 2000 x 1200 board image: each example layout, the
// fixed-seed stress layout, and beside each the frame alone (the same board with
// no components: page, grid, title, rulers, tiles, outline), so the cost of the
// components can be read as a ratio.

#include "bench_tools.h"
#include "peak_memory.h"
#include "stress_layout.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/board_zoom.h"
#include "render/render_caches.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "render/zoomed_board.h"

#include <benchmark/benchmark.h>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace sw {
namespace {

LayoutDocument Load(const std::string& text, const char* what) {
    LayoutDocument doc;
    const LoadResult r = doc.LoadText(text);
    if (!r.ok) {
        std::fprintf(stderr, "%s refused: %s\n", what, qPrintable(r.message));
        std::abort();
    }
    return doc;
}

const LayoutDocument& Example(const char* name) {
    static std::map<std::string, LayoutDocument> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        LayoutDocument doc;
        const LoadResult r = doc.LoadFile(QStringLiteral(SW_EXAMPLES "/") + QLatin1String(name));
        if (!r.ok) {
            std::fprintf(stderr, "%s refused: %s\n", name, qPrintable(r.message));
            std::abort();
        }
        it = cache.emplace(name, std::move(doc)).first;
    }
    return it->second;
}

// The same board as `doc` with no components.
LayoutDocument FrameOf(const LayoutDocument& doc) {
    LayoutDocument frame;
    frame.SetNew(doc.BoardType(), doc.BoardWidth(), doc.BoardHeight(),
                 doc.GetRootAttribute("Project").value_or(QString()),
                 doc.GetRootAttribute("Credits").value_or(QString()), doc.HideList());
    return frame;
}

const LayoutDocument& Stress() {
    static const LayoutDocument doc = Load(StressLayoutXml(), "stress layout");
    return doc;
}

void RenderOnBoardImage(benchmark::State& state, const LayoutDocument& doc, const RenderOptions& options) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();  // as the editor's board keeps them
    RenderOptions cached = options;
    cached.caches = &caches;
    for (auto _ : state) {
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, cached);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RenderExample(benchmark::State& state, const char* name) {
    RenderOnBoardImage(state, Example(name), RenderOptions{});
}

void BM_RenderExampleFrame(benchmark::State& state, const char* name) {
    const LayoutDocument frame = FrameOf(Example(name));
    RenderOnBoardImage(state, frame, RenderOptions{});
}

// Every third component selected, reveal mode on: the screen aids' own cost.
void BM_RenderExampleSelectedReveal(benchmark::State& state, const char* name) {
    const LayoutDocument& doc = Example(name);
    RenderOptions options;
    options.reveal = true;
    options.isSelected = [&doc](pugi::xml_node node) { return doc.KeyOf(node) % 3 == 0; };
    RenderOnBoardImage(state, doc, options);
}

void BM_RenderStress(benchmark::State& state) { RenderOnBoardImage(state, Stress(), RenderOptions{}); }

// Every body image and wire stroke worked out again on each repaint, as on the
// first paint of a layout: the caches emptied before each repaint.
void BM_RenderStressCold(benchmark::State& state) {
    const LayoutDocument& doc = Stress();
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    for (auto _ : state) {
        caches.bodies.Clear();
        caches.wires.Clear();
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A repaint while a part is dragged: every repaint moves the first resistor of
// the stress layout one hole right or back, so the document changes each time
// and only the bands of rows the resistor leaves and reaches differ.
void BM_RenderStressMovingPart(benchmark::State& state) {
    LayoutDocument doc = Load(StressLayoutXml(), "stress layout");
    pugi::xml_node part = doc.Root().child("Resistor");
    const int x1 = part.attribute("X1").as_int(), x2 = part.attribute("X2").as_int();
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    int step = 0;
    for (auto _ : state) {
        const int shift = ++step % 2;
        part.attribute("X1").set_value(x1 + shift);
        part.attribute("X2").set_value(x2 + shift);
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RenderStressFrame(benchmark::State& state) {
    const LayoutDocument frame = FrameOf(Stress());
    RenderOnBoardImage(state, frame, RenderOptions{});
}

// A repaint as the zoomed board view shows it: the stress layout rendered at 20
// pixels per pitch, then the part of it that a 1460 x 860 viewport (the centre
// of a maximised 1600 x 1000 window) shows, scaled to the zoom, centred on the
// board. The argument is the zoom in percent; 100 is the unzoomed repaint.
void BM_RepaintStressZoomed(benchmark::State& state) {
    const LayoutDocument& doc = Stress();
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    BoardZoom zoom;
    zoom.SetFactor(state.range(0) / 100.0);
    const QSize viewportSize(1460, 860);
    const QPoint scroll =
        zoom.ScrollCentring(BoardAreaRect(doc.BoardWidth(), doc.BoardHeight()), viewportSize);
    const QSize shown = zoom.ViewSize(image.size());
    const QRect exposed = QRect(scroll, viewportSize)
                              .intersected(QRect(QPoint(0, 0), shown));
    QImage viewport(viewportSize, QImage::Format_RGB32);
    ZoomedBoardPainter painter;
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    for (auto _ : state) {
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        QPainter p(&viewport);
        p.translate(-exposed.topLeft());
        painter.Draw(p, image, zoom, exposed);
        p.end();
        benchmark::DoNotOptimize(viewport.constBits());
    }
}

// The view's part of the above alone: the stress layout's board image scaled
// into the viewport, the image touched before each draw as a repaint does (so
// a halved copy is made anew each time).
void BM_ZoomedViewStress(benchmark::State& state) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderLayout(Stress(), canvas, pick, kBoardImageWidth, kBoardImageHeight, RenderOptions{});
    BoardZoom zoom;
    zoom.SetFactor(state.range(0) / 100.0);
    const QSize viewportSize(1460, 860);
    const QPoint scroll =
        zoom.ScrollCentring(BoardAreaRect(Stress().BoardWidth(), Stress().BoardHeight()), viewportSize);
    const QRect exposed = QRect(scroll, viewportSize).intersected(QRect(QPoint(0, 0), zoom.ViewSize(image.size())));
    QImage viewport(viewportSize, QImage::Format_RGB32);
    ZoomedBoardPainter painter;
    for (auto _ : state) {
        image.bits();  // a write: the picture counts as new
        QPainter p(&viewport);
        p.translate(-exposed.topLeft());
        painter.Draw(p, image, zoom, exposed);
        p.end();
        benchmark::DoNotOptimize(viewport.constBits());
    }
}

BENCHMARK_CAPTURE(BM_RenderExample, stripboard, "stripboard.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExampleFrame, stripboard, "stripboard.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExample, perfboard, "perfboard.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExampleFrame, perfboard, "perfboard.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExample, pcb, "pcb.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExampleFrame, pcb, "pcb.swb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderExampleSelectedReveal, perfboard, "perfboard.swb")->Unit(benchmark::kMillisecond);
// Bodies are built and composited on every core: the processor time of all
// threads, and the wall-clock time beside it.
BENCHMARK(BM_RenderStress)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// A crowd: range(0) stress parts on the stress board, nearly every one with
// an image of its own (a name and value no other has), far more than the
// body image cache keeps, as pastes of pastes make them. Repainted with one
// set of caches as the editor's board keeps it; the counter is the memory
// the repaints took at their peak.
void BM_RenderCrowdPastTheCache(benchmark::State& state) {
    LayoutDocument doc;
    FillStressLayout(doc, StressLayoutOptions{98, 50, int(state.range(0))});
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches caches;
    RenderOptions options;
    options.caches = &caches;
    const bench::PeakMemory peak;
    for (auto _ : state)
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK(BM_RenderCrowdPastTheCache)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(4);
BENCHMARK(BM_RenderStressCold)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_RenderStressFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderStressMovingPart)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_RepaintStressZoomed)
    ->ArgName("percent")
    ->Arg(100)->Arg(25)->Arg(50)->Arg(75)->Arg(150)->Arg(200)->Arg(400)
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ZoomedViewStress)
    ->ArgName("percent")
    ->Arg(100)->Arg(25)->Arg(50)->Arg(75)->Arg(150)->Arg(200)->Arg(400)
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace sw
