// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set-up the paste benchmarks share: each run a new session whose layout
// holds range(0) parts of the stress board's kinds (on a 400 x 300 board), put
// in place as Open puts one, what `before` makes of it (untimed; it may hand
// back views to keep alive), then `timed` alone is measured, and all is
// dropped untimed.

#include "session/editor_session.h"
#include "stress_layout.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace sw {

// The text of range(1) stress parts, as the clipboard holds them.
inline std::string PastedStressParts(const benchmark::State& state) {
    return StressLayoutXml(StressLayoutOptions{400, 300, int(state.range(1))});
}

template <typename Before, typename Timed>
void EachPasteRun(benchmark::State& state, Before before, Timed timed) {
    const StressLayoutOptions present{400, 300, int(state.range(0))};
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<EditorSession>();
        // Put in place as Open puts a layout read from its file.
        session->ReplaceDocument({}, [&](LayoutDocument& doc) {
            FillStressLayout(doc, present);
            return LoadResult{true, {}};
        });
        std::shared_ptr<void> kept = before(*session);
        state.ResumeTiming();
        timed(*session);
        state.PauseTiming();
        kept.reset();
        session.reset();
        state.ResumeTiming();
    }
}

}  // namespace sw
