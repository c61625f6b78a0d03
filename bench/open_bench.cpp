// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the 2000-part stress layout in the editor: from the Open dialog's
// answer to the board painted and the explorer filled, with the body image and
// wire stroke caches empty as after start-up. Beside it the same steps one by
// one, with the processor time of each (all threads) as a counter: where the
// time of an open goes.

#include "bench_tools.h"
#include "bench_dialogs.h"
#include "stress_layout.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"
#include "session/editor_session.h"
#include "ui/explorer.h"
#include "ui/main_form.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <cstdlib>

namespace sw {
namespace {

// The body images and wire strokes kept, as before the first paint of a run.
void EmptyRenderCaches(RenderCaches& caches) {
    caches.bodies.Clear();
    caches.wires.Clear();
}

void BM_OpenStressLayout(benchmark::State& state) {
    AcceptingDialogs dialogs;
    dialogs.openFile = StressLayoutFile();
    TMainForm form(BenchFormOptions(dialogs));
    for (auto _ : state) {
        state.PauseTiming();
        EmptyRenderCaches(form.Scene().Caches());
        state.ResumeTiming();
        form.OpenProject();
        benchmark::DoNotOptimize(form.BoardImage().constBits());
    }
    if (!form.Session().Selection().Empty() || form.FileName() != StressLayoutFile())
        state.SkipWithError("the layout was not opened");
}
BENCHMARK(BM_OpenStressLayout)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The steps of an open one by one: read and check the file, rebuild the
// explorer, the first paint with empty caches.
void BM_OpenStressLayoutSteps(benchmark::State& state) {
    // Processor time of the whole process (every thread), as the machine is shared.
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    };
    EditorSession session;
    ExplorerTree tree(session, ExplorerHooks{});
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    double readMs = 0, explorerMs = 0, paintMs = 0;
    const auto since = [&](double from) { return now() - from; };
    for (auto _ : state) {
        state.PauseTiming();
        EmptyRenderCaches(caches);
        state.ResumeTiming();
        LayoutDocument& doc = session.Document();
        doc.SetDefault();
        double t = now();
        if (!doc.LoadFile(StressLayoutFile()).ok)
            state.SkipWithError("the stress layout was refused");
        readMs += since(t);
        t = now();
        tree.Rebuild();
        explorerMs += since(t);
        t = now();
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        paintMs += since(t);
        benchmark::DoNotOptimize(image.constBits());
    }
    const double n = double(state.iterations());
    state.counters["read_check_cpu_ms"] = readMs / n;
    state.counters["explorer_cpu_ms"] = explorerMs / n;
    state.counters["first_paint_cpu_ms"] = paintMs / n;
}
BENCHMARK(BM_OpenStressLayoutSteps)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace sw
