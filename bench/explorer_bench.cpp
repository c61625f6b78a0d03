// The explorer rebuilt from the 2000-component stress layout: what Open, New and
// Undo cost in the tree.

#include "model/layout_document.h"
#include "stress_layout.h"
#include "ui/explorer.h"
#include "ui/explorer_order.h"

#include <benchmark/benchmark.h>

namespace sw {
namespace {

void BM_ExplorerRebuildStressLayout(benchmark::State& state) {
    LayoutDocument doc;
    FillStressLayout(doc);
    ExplorerTree tree(ExplorerHooks{});
    for (auto _ : state) {
        tree.Rebuild(doc);
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
}
BENCHMARK(BM_ExplorerRebuildStressLayout)->Unit(benchmark::kMillisecond);

void BM_ListCompareNames(benchmark::State& state) {
    const QString a = QStringLiteral("R1234");
    const QString b = QStringLiteral("R987");
    for (auto _ : state)
        benchmark::DoNotOptimize(ListCompare(5, a, 5, b));
}
BENCHMARK(BM_ListCompareNames);

}  // namespace
}  // namespace sw
