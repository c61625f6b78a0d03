// Editing on a PCB layout with many parts: placing resistors (automatic pads,
// next free names), then moving and deleting everything with their pads.

#include "edit/edit_commands.h"
#include "edit/editor_host.h"
#include "edit/explorer_port.h"
#include "model/kinds.h"
#include "edit/placement_tool.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "model/undo_snapshot.h"
#include "edit/dialog_service.h"

#include "bench_dialogs.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace sw {
namespace {

// The explorer as plain lists.
class ListExplorer : public ExplorerPort {
public:
    ListExplorer() : m_categories(kKindCount) {
        for (int i = 0; i < kKindCount; ++i)
            m_categories[size_t(i)].kind = i;
    }
    std::vector<ExplorerCategory> Categories() const override { return m_categories; }
    ExplorerCurrent Current() const override { return {}; }
    int SelectedCount() const override {
        int n = 0;
        for (const ExplorerCategory& c : m_categories)
            n += c.selected;
        return n;
    }
    void RemoveEntry(pugi::xml_node element) override {
        for (ExplorerCategory& c : m_categories)
            std::erase_if(c.entries, [&](const ExplorerEntry& e) { return e.element == element; });
    }
    void UpdateCounts() override {}
    void ReloadPads(const LayoutDocument& doc) override {
        std::vector<ExplorerEntry>& pads = m_categories[kind::SolderPad].entries;
        pads.clear();
        for (pugi::xml_node p = doc.Root().child("Pad"); p; p = p.next_sibling("Pad"))
            pads.push_back({p, TextAttr(p, "Name"), false});
    }
    void AddOrUpdateEntry(pugi::xml_node element, bool) override {
        m_categories[size_t(FindKind(element.name())->index)].entries.push_back(
            {element, TextAttr(element, "Name"), false});
    }
    void SelectEntry(pugi::xml_node) override {}
    void SetSuppress(bool) override {}
    bool AllCategoriesSelected() const override { return SelectedCount() == kKindCount; }
    void ClearSelection() override {
        for (ExplorerCategory& c : m_categories)
            c.selected = false;
    }
    void SelectAllCategories() override {
        for (ExplorerCategory& c : m_categories)
            c.selected = true;
    }
    void SelectCategory(int kind) { m_categories[size_t(kind)].selected = true; }

private:
    std::vector<ExplorerCategory> m_categories;
};

class BenchHost : public EditorHost {
public:
    BenchHost() {
        doc.SetNew(QStringLiteral("PCB"), 98, 50, QStringLiteral("bench"), {}, false);
    }
    LayoutDocument& Document() override { return doc; }
    DialogService& Dialogs() override { return dialogs; }
    ExplorerPort& Explorer() override { return explorer; }
    void TakeSnapshot() override { undo.Take(doc); }
    void SetModified() override {}
    void Repaint() override {}
    void HintsOff() override {}
    void ShowPrompt(const QString&) override {}
    void ShowActiveKind(int) override {}
    void DrawMarkers(const std::vector<HoleMarker>&) override {}

    LayoutDocument doc;
    UndoSnapshot undo;
    AcceptingDialogs dialogs;
    ListExplorer explorer;
};

// `count` resistors, four holes long, row after row.
void PlaceResistors(BenchHost& host, PlacementTool& tool, int count) {
    tool.StartKind(kind::Resistor);
    for (int i = 0; i < count; ++i) {
        const int x = 1 + (i % 19) * 5;
        const int y = 1 + (i / 19) % 50;
        tool.PointAtHole({x, y});
        tool.LeftClick();
        tool.PointAtHole({x + 4, y});
        tool.LeftClick();
    }
}

void BM_PlaceResistorsOnPcb(benchmark::State& state) {
    const int count = int(state.range(0));
    for (auto _ : state) {
        BenchHost host;
        PlacementTool tool(host);
        PlaceResistors(host, tool, count);
        benchmark::DoNotOptimize(host.doc.Root().last_child());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_PlaceResistorsOnPcb)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_MoveAllResistorsWithPads(benchmark::State& state) {
    BenchHost host;
    PlacementTool tool(host);
    PlaceResistors(host, tool, int(state.range(0)));
    host.explorer.SelectCategory(kind::Resistor);
    for (auto _ : state)
        MoveSelection(host, MoveDirection::Right);
}
BENCHMARK(BM_MoveAllResistorsWithPads)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_DeleteAllResistorsWithPads(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        BenchHost host;
        PlacementTool tool(host);
        PlaceResistors(host, tool, int(state.range(0)));
        host.explorer.SelectCategory(kind::Resistor);
        state.ResumeTiming();
        DeleteSelection(host);
    }
}
BENCHMARK(BM_DeleteAllResistorsWithPads)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
