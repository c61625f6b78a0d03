// SPDX-License-Identifier: GPL-3.0-or-later
// The editor session's undo history on the fixed-seed stress layout (2000
// components): one Undo and one Redo, each alone, with a history of a hundred
// edits behind them, in the session and as the window's commands (the session's
// step, the explorer rebuilt, the board repainted); and a thousand edits in a
// row, which must leave the history within its byte bound (the benchmark fails
// otherwise).

#include "bench_dialogs.h"
#include "stress_layout.h"

#include "model/layout_document.h"
#include "session/editor_session.h"
#include "ui/main_form.h"


#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

void LoadStress(EditorSession& session) {
    const LoadResult r = session.Document().LoadText(StressLayoutXml());
    if (!r.ok) {
        std::fprintf(stderr, "benchmark layout refused: %s\n", qPrintable(r.message));
        std::abort();
    }
}

// An edit as Move Right makes it: the undo step, then one component one hole on.
void MoveOne(EditorSession& session, int n) {
    session.Edit(EditKind::Move, QStringLiteral("Move"), [&] {
        int index = 0;
        session.Document().ForEachComponent([&](pugi::xml_node element, unsigned) {
            if (index++ != n % 2000)
                return;
            for (const char* attribute : {"X1", "X2"})
                SetAttr(element, attribute, element.attribute(attribute).as_int() + 1);
        });
        return EditResult{};
    });
}

void Check(const LoadResult& result) {
    if (!result.ok) {
        std::fprintf(stderr, "undo step failed: %s\n", qPrintable(result.message));
        std::abort();
    }
}

// Undo timed, Redo untimed (or the other way round) on a history of 100 edits.
void UndoRedo(benchmark::State& state, bool timeRedo) {
    EditorSession session;
    LoadStress(session);
    for (int n = 0; n < 100; ++n)
        MoveOne(session, n * 17);
    for (auto _ : state) {
        if (timeRedo)
            state.PauseTiming();
        Check(session.Undo());
        if (timeRedo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        Check(session.Redo());
        if (!timeRedo)
            state.ResumeTiming();
    }
    state.counters["history_bytes"] = double(session.History().Bytes());
}

void BM_SessionUndoStress(benchmark::State& state) { UndoRedo(state, false); }
void BM_SessionRedoStress(benchmark::State& state) { UndoRedo(state, true); }

// A thousand edits, each a snapshot of the whole layout: the history keeps the
// last 200 within its byte bound. The time is that of the whole run.
void BM_SessionThousandEditsStress(benchmark::State& state) {
    for (auto _ : state) {
        EditorSession session;
        LoadStress(session);
        for (int n = 0; n < 1000; ++n)
            MoveOne(session, n * 7);
        const UndoHistory::Limits bound;
        state.counters["history_bytes"] = double(session.History().Bytes());
        state.counters["bound_bytes"] = double(bound.bytes);
        state.counters["undo_steps"] = double(session.History().UndoSteps());
        state.counters["layout_bytes"] = double(session.Document().ToText().size());
        if (session.History().Bytes() > bound.bytes || session.History().UndoSteps() < 100)
            state.SkipWithError("the history left its bound or kept fewer than 100 steps");
    }
}

// The Edit menu's Undo (or Redo) in the window, the other one untimed.
void CommandUndoRedo(benchmark::State& state, bool timeRedo) {
    AcceptingDialogs dialogs;
    dialogs.openFile = StressLayoutFile();
    TMainForm form(BenchFormOptions(dialogs));
    form.OpenProject();
    for (int n = 0; n < 100; ++n)
        MoveOne(form.Session(), n * 17);
    form.FormPaint();
    for (auto _ : state) {
        if (timeRedo)
            state.PauseTiming();
        form.UndoLastChange();
        if (timeRedo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        form.RedoLastUndone();
        if (!timeRedo)
            state.ResumeTiming();
        benchmark::DoNotOptimize(form.BoardImage().constBits());
    }
    if (form.Session().History().UndoSteps() != 100)
        state.SkipWithError("the commands did not step through the history");
}

void BM_UndoCommandStress(benchmark::State& state) { CommandUndoRedo(state, false); }
void BM_RedoCommandStress(benchmark::State& state) { CommandUndoRedo(state, true); }

BENCHMARK(BM_SessionUndoStress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionRedoStress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoCommandStress)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_RedoCommandStress)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_SessionThousandEditsStress)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace sw
