// SPDX-License-Identifier: GPL-3.0-or-later
// Shared entry point of the benchmarks: drawing text needs a Qt application and the
// explorer's tree is a widget, so one widgets application (offscreen unless a display
// is asked for) with the program's fonts serves every benchmark. The tools of
// bench_tools.h run instead of the benchmarks when asked for.

#include "bench_tools.h"

#include "render/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sw::RegisterFonts();
    if (const int status = sw::RunBenchTool(argc, argv); status >= 0)
        return status;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
