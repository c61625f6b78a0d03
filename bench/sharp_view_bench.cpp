// SPDX-License-Identifier: GPL-3.0-or-later
// The zoomed board view drawn at its own resolution, on the stress layout: the
// repaint after a change at 200 % (the window the viewport shows rendered at
// scale 2, four times the pixels, and drawn), a zoom step, and the memory that
// 400 % on a 4K view takes beyond 100 %.

#include "bench_tools.h"
#include "peak_memory.h"
#include "stress_layout.h"

#include "edit/board_scene.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/board_zoom.h"
#include "render/zoomed_board.h"
#include "session/editor_session.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace sw {
namespace {

const QSize kBoardSize(kBoardImageWidth, kBoardImageHeight);

// A scene of the stress layout with its viewport centred on the board.
struct View {
    EditorSession session;
    BoardScene scene{session};
    QSize viewport;
    QRect exposed;
    QImage screen;
    ZoomedBoardPainter painter;
    explicit View(QSize size) : viewport(size), screen(size, QImage::Format_RGB32) {
        FillStressLayout(session.Document());
        scene.EnablePainting();
    }
    void SetZoom(double factor) {
        scene.Zoom().SetFactor(factor);
        const QPoint scroll = scene.Zoom().ScrollCentring(
            BoardAreaRect(session.Document().BoardWidth(), session.Document().BoardHeight()), viewport);
        exposed = QRect(scroll, viewport).intersected(QRect(QPoint(), scene.Zoom().ViewSize(kBoardSize)));
    }
    // What BoardView's paint does for the exposed viewport.
    void Paint() {
        QPainter p(&screen);
        p.translate(-exposed.topLeft());
        const BoardZoom& zoom = scene.Zoom();
        if (zoom.RenderScale(1.0) == 1) {
            painter.Draw(p, scene.Shown(), zoom, exposed);
        } else {
            const BoardScene::SharpPicture sharp = scene.SharpShown(
                zoom.RenderScale(1.0), zoom.BoardPixelsShown(exposed, kBoardSize), zoom.SharpWindow(exposed, kBoardSize));
            DrawSharpBoard(p, sharp.image, sharp.window, zoom, kBoardSize, exposed);
        }
        p.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
};

// A change, then the repaint of a 1460 x 860 viewport at the zoom (percent);
// with the pick map (1) the scale-1 render the pointer reads is made too.
void BM_SharpRepaintStress(benchmark::State& state) {
    View view(QSize(1460, 860));
    view.SetZoom(state.range(0) / 100.0);
    const bool pick = state.range(1) != 0;
    view.Paint();  // the caches warm, as in a window open for a while
    for (auto _ : state) {
        view.scene.Invalidate();
        view.Paint();
        if (pick)
            benchmark::DoNotOptimize(view.scene.Pick().KeyAt(0, 0));
    }
}
BENCHMARK(BM_SharpRepaintStress)
    ->ArgNames({"percent", "pick"})
    ->Args({100, 0})->Args({200, 0})->Args({200, 1})->Args({400, 0})
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One step of the zoom ladder and the repaint it causes, up and down between
// 100 % and 400 % (150, 200, 300 and 400 % rendered sharp, each step a new scale).
void BM_ZoomStepStress(benchmark::State& state) {
    View view(QSize(1460, 860));
    view.SetZoom(1.0);
    view.Paint();
    bool up = true;
    for (auto _ : state) {
        BoardZoom& zoom = view.scene.Zoom();
        if (up ? !zoom.StepIn() : !zoom.StepOut()) {
            up = !up;
            up ? zoom.StepIn() : zoom.StepOut();
        }
        view.SetZoom(zoom.Factor());
        view.Paint();
    }
}
BENCHMARK(BM_ZoomStepStress)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// Memory: the 100 % view of a 3840 x 2160 viewport painted, then 400 %
// (scale 4) painted and scrolled across the board; the counter is the peak
// beyond what the 100 % view held.
void BM_SharpMemory4K(benchmark::State& state) {
    for (auto _ : state) {
        View view(QSize(3840, 2160));
        view.SetZoom(1.0);
        view.Paint();
        bench::PeakMemory peak;
        view.SetZoom(4.0);
        for (int step = 0; step < 4; ++step) {
            view.exposed.translate(view.viewport.width() / 2, 0);
            view.Paint();
        }
        state.counters["MB_beyond_100"] = peak.GrowthMB();
    }
}
BENCHMARK(BM_SharpMemory4K)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace sw
