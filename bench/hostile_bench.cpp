// SPDX-License-Identifier: GPL-3.0-or-later
// Every hostile layout (tests/data/hostile and the big ones made at run time),
// opened and taken through everything opening sets going: the sequence the
// hostile-file tests state and the fuzzer explores. Each must end within its
// bound; one that takes longer is reported as an error, not just a slow figure.

#include "hostile_layouts.h"
#include "open_pipeline.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace sw {
namespace {

// A small hostile file ends well within this on a loaded two-core machine; the
// generated ones (up to 100 000 components) within the larger bound.
constexpr double kFileBoundSeconds = 2.0;
constexpr double kGeneratedBoundSeconds = 20.0;

void OpenHostile(benchmark::State& state, const QByteArray& bytes, double boundSeconds) {
    double worst = 0;
    bool opened = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const OpenOutcome outcome = RunOpenPipeline(bytes);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(outcome.billOfMaterials.constData());
        worst = std::max(worst, took.count());
        opened = outcome.opened;
    }
    state.counters["worst_s"] = worst;
    state.counters["bound_s"] = boundSeconds;
    state.counters["opened"] = opened ? 1 : 0;
    if (worst > boundSeconds)
        state.SkipWithError("took longer than its bound");
}

const bool kRegistered = [] {
    const QDir dir(QStringLiteral(SW_TEST_DATA "/hostile"));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        benchmark::RegisterBenchmark(("BM_OpenHostile/" + name).toUtf8().constData(), OpenHostile,
                                     file.readAll(), kFileBoundSeconds)
            ->Unit(benchmark::kMillisecond);
    }
    for (const GeneratedLayout& layout : GeneratedHostileLayouts())
        benchmark::RegisterBenchmark(("BM_OpenHostileGenerated/" + layout.name).toUtf8().constData(),
                                     OpenHostile, layout.bytes, kGeneratedBoundSeconds)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace sw
