// The document operations every edit pays for, on the fixed-seed stress layout
// (2000 components): taking and restoring the undo snapshot, and the next free
// name that every placement asks for.

#include "stress_layout.h"

#include "model/layout_document.h"
#include "model/undo_snapshot.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

LayoutDocument StressLoaded() {
    LayoutDocument doc;
    const LoadResult r = doc.LoadText(StressLayoutXml());
    if (!r.ok) {
        std::fprintf(stderr, "benchmark layout refused: %s\n", qPrintable(r.message));
        std::abort();
    }
    return doc;
}

void BM_UndoTake(benchmark::State& state) {
    const LayoutDocument doc = StressLoaded();
    UndoSnapshot undo;
    for (auto _ : state) {
        undo.Take(doc);
        benchmark::DoNotOptimize(undo.Text().data());
    }
    state.counters["bytes"] = double(undo.Text().size());
}
BENCHMARK(BM_UndoTake)->Unit(benchmark::kMillisecond);

void BM_UndoRestore(benchmark::State& state) {
    LayoutDocument doc = StressLoaded();
    UndoSnapshot undo;
    undo.Take(doc);
    for (auto _ : state) {
        const LoadResult r = undo.Restore(doc);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_UndoRestore)->Unit(benchmark::kMillisecond);

void BM_NextFreeName(benchmark::State& state) {
    const LayoutDocument doc = StressLoaded();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.NextFreeName(QStringLiteral("R")));
}
BENCHMARK(BM_NextFreeName)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sw
