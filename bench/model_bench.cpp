// SPDX-License-Identifier: GPL-3.0-or-later
// The document operations every edit pays for, on the fixed-seed stress layout
// (2000 components): keeping a step of the undo history (the text of the
// whole layout, deflated), loading a step's text back, and the next free name
// that every placement asks for.

#include "stress_layout.h"

#include "model/layout_document.h"
#include "model/undo_history.h"

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

// Steady state: past 200 steps each new one lets the oldest go.
void BM_UndoTake(benchmark::State& state) {
    const LayoutDocument doc = StressLoaded();
    UndoHistory history;
    UndoHistory::Tag tag = 0;
    for (auto _ : state)
        history.Take(doc, ++tag);
    state.counters["step_bytes"] = double(history.Bytes()) / double(history.UndoSteps());
}
BENCHMARK(BM_UndoTake)->Unit(benchmark::kMillisecond);

// A step's text read and checked into the document, as Undo and Redo (and
// Open) do it.
void BM_UndoRestore(benchmark::State& state) {
    LayoutDocument doc = StressLoaded();
    const std::string text = doc.ToText();
    for (auto _ : state) {
        const LoadResult r = doc.LoadText(text);
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
