// SPDX-License-Identifier: GPL-3.0-or-later
// Editing on a PCB layout with many parts: placing resistors (automatic pads,
// next free names), then moving and deleting everything with their pads.

#include "edit/edit_commands.h"
#include "edit/editor_host.h"
#include "model/kinds.h"
#include "edit/placement_tool.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "session/editor_session.h"
#include "edit/dialog_service.h"

#include "bench_dialogs.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace sw {
namespace {

// The editor without a window on an empty 98 x 50 PCB.
struct BenchEditor {
    BenchEditor() {
        session.Document().SetNew(QStringLiteral("PCB"), 98, 50, QStringLiteral("bench"), {}, false);
    }
    EditorSession session;
    AcceptingDialogs dialogs;
    EditorHost host{session, dialogs};
    PlacementTool tool{host};

    void SelectCategory(int kind) {
        SelectionState selection;
        selection.AddCategory(kind);
        session.Select(std::move(selection));
    }
};

// `count` resistors, four holes long, row after row.
void PlaceResistors(PlacementTool& tool, int count) {
    tool.StartKind(kind::Resistor);
    for (int i = 0; i < count; ++i) {
        const int x = 1 + (i % 19) * 5;
        const int y = 1 + (i / 19) % 50;
        tool.PointAtHole({x, y});
        tool.LeftClick();
        tool.PointAtHole({x + 4, y});
        tool.LeftClick();
    }
}

void BM_PlaceResistorsOnPcb(benchmark::State& state) {
    const int count = int(state.range(0));
    for (auto _ : state) {
        BenchEditor editor;
        PlaceResistors(editor.tool, count);
        benchmark::DoNotOptimize(editor.session.Document().Root().last_child());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_PlaceResistorsOnPcb)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_MoveAllResistorsWithPads(benchmark::State& state) {
    BenchEditor editor;
    PlaceResistors(editor.tool, int(state.range(0)));
    editor.SelectCategory(kind::Resistor);
    for (auto _ : state)
        MoveSelection(editor.host, MoveDirection::Right);
}
BENCHMARK(BM_MoveAllResistorsWithPads)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_DeleteAllResistorsWithPads(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        BenchEditor editor;
        PlaceResistors(editor.tool, int(state.range(0)));
        editor.SelectCategory(kind::Resistor);
        state.ResumeTiming();
        DeleteSelection(editor.host);
    }
}
BENCHMARK(BM_DeleteAllResistorsWithPads)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
