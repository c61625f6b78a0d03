// SPDX-License-Identifier: GPL-3.0-or-later
// The ghost while placing: drawing the part alone for a new pointer hole, and
// a whole step of the board scene (the ghost drawn, the board shown with it).

#include "edit/board_scene.h"
#include "edit/placement_ghost.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "session/editor_session.h"

#include <benchmark/benchmark.h>

namespace sw {
namespace {

void BM_PlacementGhostPicture(benchmark::State& state) {
    LayoutDocument doc;
    doc.SetNew(QStringLiteral("PCB"), 98, 50, QStringLiteral("bench"), {}, false);
    int column = 0;
    for (auto _ : state) {
        // A 16-pin DIL IC from (10, 10) to a pointer that moves a column each time.
        const PlacementGhost ghost{kind::DilIc, {10, 10}, {13 + column % 4, 17}, false};
        benchmark::DoNotOptimize(RenderGhost(doc, ghost, {}).image.width());
        ++column;
    }
}
BENCHMARK(BM_PlacementGhostPicture)->Unit(benchmark::kMillisecond);

void BM_PlacementGhostSceneStep(benchmark::State& state) {
    EditorSession session;
    session.Document().SetNew(QStringLiteral("PCB"), 98, 50, QStringLiteral("bench"), {}, false);
    BoardScene scene(session);
    scene.EnablePainting();
    scene.Image();
    int column = 0;
    for (auto _ : state) {
        scene.ShowGhost(PlacementGhost{kind::Resistor, {10, 10}, {14 + column % 4, 10}, false});
        benchmark::DoNotOptimize(scene.Shown().width());
        ++column;
    }
}
BENCHMARK(BM_PlacementGhostSceneStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
