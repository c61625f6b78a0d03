// SPDX-License-Identifier: GPL-3.0-or-later
// The check against a netlist: reading a KiCad netlist of 1000 parts, and the
// whole check of the 2000-part stress layout against the netlist its copper
// makes, which the window is to run after every edit.

#include "layout_netlist.h"
#include "stress_layout.h"

#include "analysis/netlist_check.h"
#include "model/layout_document.h"
#include "netlist/netlist.h"
#include "session/editor_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace sw {
namespace {

const LayoutDocument& Stress(int parts) {
    static std::map<int, LayoutDocument> docs;
    auto [it, fresh] = docs.try_emplace(parts);
    if (fresh) {
        StressLayoutOptions options;
        options.components = parts;
        FillStressLayout(it->second, options);
    }
    return it->second;
}

Netlist Read(const std::string& text) {
    NetlistReadResult r = ReadNetlist(text);
    if (!r.netlist) {
        std::fprintf(stderr, "benchmark netlist refused: %s\n", r.error.c_str());
        std::abort();
    }
    return std::move(*r.netlist);
}

// A stress layout of 1400 components has about 1000 parts (the rest are
// copper, texts and pads).
constexpr int kThousandParts = 1400;

void BM_ReadKiCadNetlist1000(benchmark::State& state) {
    const std::string text = KiCadNetlistOfLayout(Stress(kThousandParts));
    std::size_t parts = 0;
    for (auto _ : state) {
        NetlistReadResult r = ReadNetlist(text);
        parts = r.netlist ? r.netlist->parts.size() : 0;
        benchmark::DoNotOptimize(parts);
    }
    state.counters["parts"] = double(parts);
    state.counters["KB"] = double(text.size()) / 1024.0;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_ReadKiCadNetlist1000)->Unit(benchmark::kMillisecond);

void BM_NetlistCheckStress(benchmark::State& state) {
    const LayoutDocument& doc = Stress(2000);
    const Netlist netlist = Read(KiCadNetlistOfLayout(doc));
    std::size_t differences = 0;
    for (auto _ : state) {
        const CheckReport report = CheckLayoutAgainstNetlist(doc, netlist);
        differences = report.differences.size();
        benchmark::DoNotOptimize(differences);
    }
    state.counters["parts"] = double(netlist.parts.size());
    state.counters["nets"] = double(netlist.nets.size());
    state.counters["differences"] = double(differences);
}
BENCHMARK(BM_NetlistCheckStress)->Unit(benchmark::kMillisecond);

// What the window pays for the netlist after an edit: the session's edit of
// one part (moved a hole on, without an undo step) and the check of the whole
// stress layout against its netlist that the session makes before telling the
// views.
void BM_CheckAfterEditStress(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stress.net"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromStdString(KiCadNetlistOfLayout(Stress(2000)))) < 0)
            std::abort();
    }
    EditorSession session;
    session.SetWatchNetlist(false);
    const LoadResult loaded = session.ReplaceDocument({}, [&](LayoutDocument& doc) {
        LoadResult r = doc.LoadText(Stress(2000).ToText());
        SetAttr(doc.Root(), "Netlist", path);
        return r;
    });
    if (!loaded.ok || !session.LatestCheck() || !session.LatestCheck()->Matches()) {
        std::fprintf(stderr, "the stress layout does not match its own netlist\n");
        std::abort();
    }
    pugi::xml_node part = session.Document().Root().child("Resistor");
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2) ? -1 : 1;  // there and back, so the layout stays the same
        session.Edit(EditKind::ChangeShape, QStringLiteral("Move"), [&] {
            for (const char* attribute : {"X1", "X2"})
                SetAttr(part, attribute, part.attribute(attribute).as_int() + dx);
            return EditResult{};
        });
        benchmark::DoNotOptimize(session.LatestCheck());
    }
    state.counters["differences"] = double(session.LatestCheck()->differences.size());
}
BENCHMARK(BM_CheckAfterEditStress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
