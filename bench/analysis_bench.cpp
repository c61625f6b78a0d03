// The analysis on the fixed-seed stress layout: the bill of materials, and the
// connectivity check on the stress board and on a 1000 x 1000 board.

#include "stress_layout.h"

#include "analysis/bill_of_materials.h"
#include "model/layout_document.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

// The stress layout as the editor would have it after opening the file.
const LayoutDocument& StressDocument() {
    static const LayoutDocument doc = [] {
        LayoutDocument d;
        const LoadResult r = d.LoadText(StressLayoutXml());
        if (!r.ok) {
            std::fprintf(stderr, "stress layout refused: %s\n", qPrintable(r.message));
            std::abort();
        }
        return d;
    }();
    return doc;
}

void BM_BillOfMaterialsStress(benchmark::State& state) {
    const LayoutDocument& doc = StressDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(BillOfMaterialsText(doc));
}
BENCHMARK(BM_BillOfMaterialsStress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw

BENCHMARK_MAIN();
