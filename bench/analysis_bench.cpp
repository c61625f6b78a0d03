// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis on the fixed-seed stress layout: the bill of materials, and the
// connectivity check on the stress board and on a 1000 x 1000 board.

#include "stress_layout.h"

#include "analysis/bill_of_materials.h"
#include "analysis/connectivity.h"
#include "model/layout_document.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace sw {
namespace {

LayoutDocument Loaded(const std::string& xml) {
    LayoutDocument doc;
    const LoadResult r = doc.LoadText(xml);
    if (!r.ok) {
        std::fprintf(stderr, "benchmark layout refused: %s\n", qPrintable(r.message));
        std::abort();
    }
    return doc;
}

// The stress layout as the editor has it after opening the file.
const LayoutDocument& StressDocument() {
    static const LayoutDocument doc = Loaded(StressLayoutXml());
    return doc;
}

double PeakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_BillOfMaterialsStress(benchmark::State& state) {
    const LayoutDocument& doc = StressDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(BillOfMaterialsText(doc));
}
BENCHMARK(BM_BillOfMaterialsStress)->Unit(benchmark::kMillisecond);

void BM_BuildConnectionsStress(benchmark::State& state) {
    const LayoutDocument& doc = StressDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildConnections(doc));
}
BENCHMARK(BM_BuildConnectionsStress)->Unit(benchmark::kMillisecond);

// A whole check as the editor runs it: links built from the document, then the
// search. Argument 0: two holes far apart that a long chain joins; 1: a hole
// the search never reaches (a cut isolates (2, 1)), so it walks everything that
// is connected to the source, the slowest check on this board.
void BM_CheckConnectionStress(benchmark::State& state) {
    const LayoutDocument& doc = StressDocument();
    const Hole source{10, 10};
    const Hole destination = state.range(0) == 0 ? Hole{90, 40} : Hole{2, 1};
    bool connected = false;
    for (auto _ : state) {
        const ConnectionReport r = CheckConnection(doc, source, destination);
        connected = r.connected;
        benchmark::DoNotOptimize(r.text);
    }
    state.SetLabel(connected ? "connected" : "not connected");
}
BENCHMARK(BM_CheckConnectionStress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A 1000 x 1000 stripboard (a million holes) with 20 000 parts.
void BM_CheckConnectionMillionHoles(benchmark::State& state) {
    static const LayoutDocument doc = Loaded(StressLayoutXml({1000, 1000, 20000}));
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckConnection(doc, {1, 1}, {1000, 1000}));
    state.counters["peak_MB"] = PeakMemoryMB();
}
BENCHMARK(BM_CheckConnectionMillionHoles)->Unit(benchmark::kMillisecond);

// The deepest search there is: jumpers snake a 1000 x 1000 stripboard so the
// chain runs through every one of its million holes.
void BM_CheckConnectionMillionHoleSnake(benchmark::State& state) {
    static const LayoutDocument doc = [] {
        LayoutDocument d;
        d.SetNew(QStringLiteral("Stripboard"), 1000, 1000, QStringLiteral("Snake"), QString(), false);
        for (int y = 1; y < 1000; ++y) {
            pugi::xml_node j = d.AppendComponent("Jumper");
            SetAttr(j, "X1", 1000);
            SetAttr(j, "Y1", y);
            SetAttr(j, "X2", 1);
            SetAttr(j, "Y2", y + 1);
            SetAttr(j, "Name", QStringLiteral("J%1").arg(y));
        }
        return d;
    }();
    bool connected = false;
    for (auto _ : state)
        connected = CheckConnection(doc, {1, 1}, {1000, 1000}).connected;
    if (!connected)
        state.SkipWithError("the snake should connect the corners");
    state.counters["peak_MB"] = PeakMemoryMB();
}
BENCHMARK(BM_CheckConnectionMillionHoleSnake)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
