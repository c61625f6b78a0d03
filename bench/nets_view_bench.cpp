// SPDX-License-Identifier: GPL-3.0-or-later
// Nets in the window on the 2000-part stress layout with the netlist its own
// copper makes: the check and the ratsnest after an edit that opens nets, the
// net lit by a middle click, and a repaint with Show Nets on.

#include "layout_netlist.h"
#include "stress_layout.h"

#include "analysis/netlist_check.h"
#include "analysis/ratsnest.h"
#include "edit/board_scene.h"
#include "edit/net_lighting.h"
#include "edit/net_overlays.h"
#include "model/element_pins.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "session/editor_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

// A session holding the stress layout with its netlist beside it.
struct StressSession {
    QTemporaryDir dir;
    EditorSession session;
    StressSession() {
        LayoutDocument stress;
        FillStressLayout(stress);
        const QString path = dir.filePath(QStringLiteral("stress.net"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromStdString(KiCadNetlistOfLayout(stress))) < 0)
            std::abort();
        file.close();
        session.SetWatchNetlist(false);
        const LoadResult loaded = session.ReplaceDocument({}, [&](LayoutDocument& doc) {
            LoadResult r = doc.LoadText(stress.ToText());
            SetAttr(doc.Root(), "Netlist", path);
            return r;
        });
        if (!loaded.ok || !session.LatestCheck() || !session.LatestCheck()->Matches()) {
            std::fprintf(stderr, "the stress layout does not match its own netlist\n");
            std::abort();
        }
    }
    // A hole of the stress layout's largest net, thousands of holes: the
    // first resistor's first pin.
    Hole LargestNetHole() const {
        return ElementPins(session.Document().Root().child("Resistor")).front().hole;
    }
    NetNames Names() const { return {session.LinkedNetlist(), session.LatestCheck()}; }
    // A resistor whose move a row down opens its nets (many of the stress
    // layout's parts are alone on their copper).
    pugi::xml_node Resistor() {
        const Netlist& netlist = *session.LinkedNetlist();
        for (pugi::xml_node e = session.Document().Root().child("Resistor"); e; e = e.next_sibling("Resistor")) {
            MoveDown(e, 1);
            const bool opens = !MakeRatsnest(CheckLayoutAgainstNetlist(session.Document(), netlist)).lines.empty();
            MoveDown(e, -1);
            if (opens)
                return e;
        }
        std::fprintf(stderr, "no resistor of the stress layout opens a net\n");
        std::abort();
    }
    static void MoveDown(pugi::xml_node e, int dy) {
        for (const char* attribute : {"Y1", "Y2"})
            SetAttr(e, attribute, e.attribute(attribute).as_int() + dy);
    }
};

// What the window pays after an edit for the netlist: the session's check
// made again before it tells the views, and the board's ratsnest of it. The
// resistor goes a row down and back, so every other step has opens to join.
void BM_CheckAndRatsnestAfterEditStress(benchmark::State& state) {
    StressSession s;
    BoardScene scene(s.session);
    pugi::xml_node part = s.Resistor();
    int step = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        const int dy = (step++ % 2) ? -1 : 1;
        s.session.Edit(EditKind::ChangeShape, QStringLiteral("Move"), [&] {
            StressSession::MoveDown(part, dy);
            return EditResult{};
        });
        lines = std::max(lines, scene.RatsnestShown().lines.size() + scene.RatsnestShown().shorts.size());
        benchmark::DoNotOptimize(scene.RatsnestShown());
    }
    state.counters["marks"] = double(lines);
}
BENCHMARK(BM_CheckAndRatsnestAfterEditStress)->Unit(benchmark::kMillisecond);

// The ratsnest alone, of a check with opens and shorts.
void BM_RatsnestStress(benchmark::State& state) {
    StressSession s;
    StressSession::MoveDown(s.Resistor(), 1);
    const CheckReport report = CheckLayoutAgainstNetlist(s.session.Document(), *s.session.LinkedNetlist());
    std::size_t marks = 0;
    for (auto _ : state) {
        const Ratsnest r = MakeRatsnest(report);
        marks = r.lines.size() + r.shorts.size();
        benchmark::DoNotOptimize(marks);
    }
    state.counters["marks"] = double(marks);
}
BENCHMARK(BM_RatsnestStress)->Unit(benchmark::kMicrosecond);

// From the middle click to the picture with the net lit: the net found, named
// from the netlist and drawn over the board already rendered.
void BM_LightNetStress(benchmark::State& state) {
    StressSession s;
    BoardScene scene(s.session);
    scene.EnablePainting();
    scene.Image();
    const Hole hole = s.LargestNetHole();
    const NetNames names = s.Names();
    std::size_t holes = 0;
    for (auto _ : state) {
        s.session.SetHighlight(LightNet(s.session.Document(), hole, names));
        holes = s.session.Highlight().holes.size();
        benchmark::DoNotOptimize(scene.Shown().constBits());
        s.session.ClearHighlight();
    }
    state.counters["holes"] = double(holes);
}
BENCHMARK(BM_LightNetStress)->Unit(benchmark::kMillisecond);

// The net of the largest piece alone, found and named, without drawing.
void BM_FindNetStress(benchmark::State& state) {
    StressSession s;
    const Hole hole = s.LargestNetHole();
    const NetNames names = s.Names();
    std::size_t pins = 0;
    for (auto _ : state) {
        const NetHighlight lit = LightNet(s.session.Document(), hole, names);
        pins = lit.pins.size();
        benchmark::DoNotOptimize(pins);
    }
    state.counters["pins"] = double(pins);
}
BENCHMARK(BM_FindNetStress)->Unit(benchmark::kMillisecond);

// A repaint with Show Nets on once the copper changed: the pieces found
// again and coloured over a copy of the board, as the view shows it.
void BM_ShowNetsRepaintStress(benchmark::State& state) {
    StressSession s;
    BoardScene scene(s.session);
    scene.EnablePainting();
    const QImage board = scene.Image();
    ShowNetsOverlay overlay(s.session);
    overlay.SetOn(true);
    QImage shown = MakeRaster(board.width(), board.height());
    for (auto _ : state) {
        overlay.Stale();
        CopyPixels(board, shown);
        Canvas canvas(shown);
        overlay.Draw(canvas, s.session.Document());
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_ShowNetsRepaintStress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
