// SPDX-License-Identifier: GPL-3.0-or-later
// Gerber and drill output of a crowded PCB against drawing its copper picture:
// a fixed-seed 98 x 50 PCB with 2000 pads and 1000 traces.

#include "model/layout_document.h"
#include "render/export/copper_output.h"
#include "render/export/gerber_files.h"
#include "render/export/gerber_output.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sw {
namespace {

// The same layout on every machine: a 64-bit linear congruential generator.
class Lcg {
public:
    int Range(int lo, int hi) {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return lo + int((m_state >> 33) % std::uint64_t(hi - lo + 1));
    }

private:
    std::uint64_t m_state = 20261209;
};

const LayoutDocument& StressPcb() {
    static const LayoutDocument doc = [] {
        Lcg rng;
        std::string xml = R"(<Layout Type="PCB" Width="98" Height="50" Project="Stress">)";
        for (int i = 0; i < 2000; ++i)
            xml += "<Pad X1=\"" + std::to_string(rng.Range(1, 98)) + "\" Y1=\"" +
                   std::to_string(rng.Range(1, 50)) + "\" Value=\"" +
                   std::to_string(rng.Range(10, 25)) + "\" Name=\"P" + std::to_string(i + 1) +
                   "\" Square=\"" + (rng.Range(0, 2) == 0 ? "True" : "False") + "\"/>";
        for (int i = 0; i < 1000; ++i) {
            const int x = rng.Range(1, 98), y = rng.Range(1, 50);
            xml += "<Trace X1=\"" + std::to_string(x) + "\" Y1=\"" + std::to_string(y) + "\" X2=\"" +
                   std::to_string(std::clamp(x + rng.Range(-6, 6), 1, 98)) + "\" Y2=\"" +
                   std::to_string(std::clamp(y + rng.Range(-6, 6), 1, 50)) + "\" Value=\"" +
                   std::to_string(rng.Range(2, 16)) + "\" Name=\"T" + std::to_string(i + 1) + "\"/>";
        }
        xml += "</Layout>";
        LayoutDocument loaded;
        if (!loaded.LoadText(xml).ok)
            std::abort();
        return loaded;
    }();
    return doc;
}

// The three texts, without the disk.
void BM_GerberTextsStressPcb(benchmark::State& state) {
    const LayoutDocument& doc = StressPcb();
    for (auto _ : state) {
        benchmark::DoNotOptimize(GerberRefusal(doc));
        benchmark::DoNotOptimize(GerberCopperText(doc));
        benchmark::DoNotOptimize(GerberOutlineText(doc));
        benchmark::DoNotOptimize(ExcellonDrillText(doc, kDefaultDrillUnits));
    }
}
BENCHMARK(BM_GerberTextsStressPcb)->Unit(benchmark::kMillisecond);

// What the command and the window do: the check, the texts and three atomic writes.
void BM_WriteGerberStressPcb(benchmark::State& state) {
    const LayoutDocument& doc = StressPcb();
    QTemporaryDir dir;
    for (auto _ : state) {
        const GerberWriteResult result = WriteGerberFiles(doc, dir.path(), "stress", kDefaultDrillUnits);
        if (!result.write.ok) {
            state.SkipWithError(qPrintable(result.write.message));
            break;
        }
    }
}
BENCHMARK(BM_WriteGerberStressPcb)->Unit(benchmark::kMillisecond);

// The toner-transfer picture of the same board (2000 x 1040 pixels), not encoded.
void BM_RenderCopperStressPcb(benchmark::State& state) {
    const LayoutDocument& doc = StressPcb();
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderCopperImage(doc, &error));
}
BENCHMARK(BM_RenderCopperStressPcb)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
