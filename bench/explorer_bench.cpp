// SPDX-License-Identifier: GPL-3.0-or-later
// The explorer rebuilt from the 2000-component stress layout: what Open, New and
// Undo cost in the tree.

#include "model/layout_document.h"
#include "session/editor_session.h"
#include "session/layout_fragment.h"
#include "paste_runs.h"
#include "stress_layout.h"
#include "ui/explorer.h"
#include "ui/explorer_order.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace sw {
namespace {

void BM_ExplorerRebuildStressLayout(benchmark::State& state) {
    EditorSession session;
    FillStressLayout(session.Document());
    ExplorerTree tree(session, ExplorerHooks{});
    for (auto _ : state) {
        tree.Rebuild();
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
}
BENCHMARK(BM_ExplorerRebuildStressLayout)->Unit(benchmark::kMillisecond);

// A right click on the board selects another part: the tree follows the
// session's selection over 2000 entries.
void BM_ExplorerFollowsTheSelectionStressLayout(benchmark::State& state) {
    EditorSession session;
    FillStressLayout(session.Document());
    ExplorerTree tree(session, ExplorerHooks{});
    tree.Rebuild();
    const pugi::xml_node first = session.Document().Root().first_child();
    const pugi::xml_node last = session.Document().Root().last_child();
    bool flip = false;
    for (auto _ : state) {
        session.SelectOnly((flip = !flip) ? first : last);
        benchmark::DoNotOptimize(tree.currentItem());
    }
}
BENCHMARK(BM_ExplorerFollowsTheSelectionStressLayout)->Unit(benchmark::kMillisecond);

// A paste of range(1) parts into a layout of range(0), the explorer listing
// them and showing them selected: what the tree adds to the paste's own cost.
void BM_ExplorerFollowsAPasteIntoLayoutOf(benchmark::State& state) {
    const std::string text = PastedStressParts(state);
    EachPasteRun(
        state,
        [](EditorSession& session) {
            auto tree = std::make_shared<ExplorerTree>(session, ExplorerHooks{});
            tree->Rebuild();
            return std::shared_ptr<void>(tree);
        },
        [&](EditorSession& session) { benchmark::DoNotOptimize(PasteFragment(session, text).pasted.size()); });
}
BENCHMARK(BM_ExplorerFollowsAPasteIntoLayoutOf)
    ->Args({0, 10000})
    ->Args({40000, 10000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ListCompareNames(benchmark::State& state) {
    const QString a = QStringLiteral("R1234");
    const QString b = QStringLiteral("R987");
    for (auto _ : state)
        benchmark::DoNotOptimize(ListCompare(5, a, 5, b));
}
BENCHMARK(BM_ListCompareNames);

}  // namespace
}  // namespace sw
