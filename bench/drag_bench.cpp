// SPDX-License-Identifier: GPL-3.0-or-later
// One step of dragging the selection with the mouse on the 2000-part stress
// layout: the session moves 100 selected parts (and any pads they carry) one
// hole further, and the board is drawn as the window draws it during a drag
// (the rest of the layout copied from the picture made when the drag began,
// the dragged parts drawn over it, selection highlight included). The step
// alternates between one and two holes away from where the drag began, so
// every step moves every part. Beside it the same step with the whole board
// rendered anew, as a repaint outside a drag would.

#include "bench_tools.h"
#include "paste_runs.h"
#include "stress_layout.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/drag_preview.h"
#include "render/render_caches.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "session/editor_session.h"
#include "session/layout_census.h"
#include "session/layout_fragment.h"
#include "session/owned_pads.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

void DragStep(benchmark::State& state, bool preview) {
    const int selected = int(state.range(0));
    EditorSession session;
    FillStressLayout(session.Document());
    // Every n-th component, spread over the whole board.
    std::vector<pugi::xml_node> components;
    session.Document().ForEachComponent(
        [&](pugi::xml_node element, unsigned) { components.push_back(element); });
    SelectionState selection;
    const size_t stride = components.size() / size_t(selected);
    for (size_t i = 0; i < components.size() && selection.Count() < selected; i += stride)
        selection.Add(components[i]);
    session.Select(std::move(selection));
    if (!session.BeginDrag({10, 10})) {
        std::fprintf(stderr, "nothing to drag\n");
        std::abort();
    }

    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    const SelectionState& shown = session.Selection();
    options.isSelected = [&shown](pugi::xml_node element) { return shown.Contains(element); };
    RenderLayout(session.Document(), canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    DragPreview rest;
    if (preview)
        rest.Begin(session.Document(), kBoardImageWidth, kBoardImageHeight, options,
                   [&session](pugi::xml_node e) { return session.DragMoves(e); }, 1);
    int step = 0;
    for (auto _ : state) {
        if (!session.DragTo({11 + (++step % 2), 10})) {
            state.SkipWithError("the parts did not move");
            break;
        }
        if (preview)
            rest.Render(session.Document(), image, pick);
        else
            RenderLayout(session.Document(), canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["steps_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    session.CancelDrag();
}
void BM_DragStepStress(benchmark::State& state) { DragStep(state, true); }
void BM_DragStepStressFullRepaint(benchmark::State& state) { DragStep(state, false); }
BENCHMARK(BM_DragStepStress)->Arg(100)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DragStepStressFullRepaint)->Arg(100)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The session's part of a step alone: 100 parts moved one hole.
void BM_DragStepStressMoveOnly(benchmark::State& state) {
    EditorSession session;
    FillStressLayout(session.Document());
    SelectionState selection;
    int n = 0;
    session.Document().ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (n++ % 20 == 0)
            selection.Add(element);
    });
    session.Select(std::move(selection));
    session.BeginDrag({10, 10});
    int step = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(session.DragTo({11 + (++step % 2), 10}));
    session.CancelDrag();
}
BENCHMARK(BM_DragStepStressMoveOnly)->Unit(benchmark::kMicrosecond);

// Pasting the whole stress layout's text into itself: 2000 parts whose names
// are all taken, each given a fresh one.
void BM_PasteStressIntoItself(benchmark::State& state) {
    const std::string text = StressLayoutXml();
    for (auto _ : state) {
        state.PauseTiming();
        EditorSession session;
        FillStressLayout(session.Document());
        state.ResumeTiming();
        benchmark::DoNotOptimize(PasteFragment(session, text).pasted.size());
    }
}
BENCHMARK(BM_PasteStressIntoItself)->Unit(benchmark::kMillisecond);

// Pasting range(1) parts (the stress board's kinds, on a 400 x 300 board) into a
// layout that already holds range(0) of them: the cost of a paste against
// the size of the layout it goes into. Into an empty layout the parts keep
// their names; into one of 10 000 parts or more each takes a fresh one.
void BM_PasteIntoLayoutOf(benchmark::State& state) {
    const std::string text = PastedStressParts(state);
    EachPasteRun(
        state, [](EditorSession&) { return std::shared_ptr<void>(); },
        [&](EditorSession& session) { benchmark::DoNotOptimize(PasteFragment(session, text).pasted.size()); });
}
BENCHMARK(BM_PasteIntoLayoutOf)
    ->Args({0, 100000})
    ->Args({0, 10000})
    ->Args({10000, 10000})
    ->Args({40000, 10000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Undo (or, with redo, Undo and then Redo timed alone) of a paste of range(1)
// parts into a layout of range(0): the session's part, without the views.
void UndoPaste(benchmark::State& state, bool redo) {
    const std::string text = PastedStressParts(state);
    EachPasteRun(
        state,
        [&](EditorSession& session) {
            PasteFragment(session, text);
            if (redo) session.Undo();
            return std::shared_ptr<void>();
        },
        [&](EditorSession& session) { benchmark::DoNotOptimize((redo ? session.Redo() : session.Undo()).ok); });
}
void BM_UndoPasteInLayoutOf(benchmark::State& state) { UndoPaste(state, false); }
void BM_RedoPasteInLayoutOf(benchmark::State& state) { UndoPaste(state, true); }
BENCHMARK(BM_UndoPasteInLayoutOf)
    ->Args({0, 10000})
    ->Args({40000, 10000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_RedoPasteInLayoutOf)
    ->Args({0, 10000})
    ->Args({40000, 10000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The first part moved one hole right: an edit with an undo step of the whole layout.
void MoveFirstPart(EditorSession& session) {
    session.Edit(EditKind::Move, QStringLiteral("Move"), [&] {
        pugi::xml_node part = session.Document().Root().first_child();
        ShiftPoints(part, 1, 0, HasSecondPoint(part));
        return EditResult{};
    });
}

// An ordinary edit, one part moved one hole right, in a layout of range(0)
// parts: what an edit with an undo step of the whole layout costs against the
// layout's size (the paste benchmarks above are measured beside it).
void BM_MoveOnePartInLayoutOf(benchmark::State& state) {
    EachPasteRun(
        state, [](EditorSession&) { return std::shared_ptr<void>(); },
        [](EditorSession& session) { MoveFirstPart(session); });
}
BENCHMARK(BM_MoveOnePartInLayoutOf)
    ->Args({2000, 0})
    ->Args({40000, 0})
    ->Args({90000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The census of a layout of range(0) parts taken anew, as after an edit other
// than a paste (when the editor is idle, or at the next paste).
void BM_CensusOfLayoutOf(benchmark::State& state) {
    EachPasteRun(
        state, [](EditorSession&) { return std::shared_ptr<void>(); },
        [&](EditorSession& session) {
            LayoutCensus census;
            census.Take(session.Document());
            benchmark::DoNotOptimize(census.Components());
        });
}
BENCHMARK(BM_CensusOfLayoutOf)
    ->Args({2000, 0})
    ->Args({40000, 0})
    ->Args({90000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A paste of range(1) parts right after a part was moved, before the editor
// was idle: the paste takes the census first.
void BM_PasteRightAfterAMoveInLayoutOf(benchmark::State& state) {
    const std::string text = PastedStressParts(state);
    EachPasteRun(
        state,
        [](EditorSession& session) {
            MoveFirstPart(session);
            return std::shared_ptr<void>();
        },
        [&](EditorSession& session) { benchmark::DoNotOptimize(PasteFragment(session, text).pasted.size()); });
}
BENCHMARK(BM_PasteRightAfterAMoveInLayoutOf)
    ->Args({0, 10000})
    ->Args({40000, 10000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace sw
