// SPDX-License-Identifier: GPL-3.0-or-later
// One benchmark per class of hostile input, each beside the same work on a
// normal layout (examples/stripboard.swb or examples/pcb.swb), with the time and
// the memory it costs (peak_MB: the high-water mark above what was resident):
//   deep nesting   saving (the undo snapshot is the same text) of 20 000 levels
//   endless input  reading a pipe with no writer, /dev/zero and a 1 GiB file
//   costly text    a repaint with a letter of a million accents, 50 MB credits,
//                  60 000 texts of 1000 characters
//   long messages  refusing a damaged file whose name is 2 MB or 50 000 lines
//   NUL            opening with the NUL check, on 50 MB of text
//   exit codes     pnp of a board with no holes, and of one too large
// The start-up arguments are timed as whole processes (README, farm-bench).

#include "bench_tools.h"
#include "cli/command_line.h"
#include "hostile_layouts.h"
#include "model/layout_document.h"
#include "model/layout_file_reader.h"
#include "model/text_bounds.h"
#include "peak_memory.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

QByteArray Example(const char* name) {
    QFile file(QStringLiteral(SW_EXAMPLES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Credits50MB() {
    return "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"" +
           QByteArray(50 * 1024 * 1024, 'c') + "\"/>";
}

// 60 000 texts of 1000 characters on the board's holes: 62 MB, under the cap.
QByteArray ManyLongTexts() {
    QByteArray body;
    const QByteArray text(1000, 'W');
    for (int i = 0; i < 60000; ++i)
        body += "<Text Value=\"" + text + "\" X1=\"" + QByteArray::number(1 + i % 20) + "\" Y1=\"" +
                QByteArray::number(1 + i / 20 % 10) + "\"/>\n";
    return "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\">" + body +
           "</Layout>";
}

LayoutDocument Loaded(const QByteArray& bytes) {
    LayoutDocument doc;
    doc.LoadBytes(bytes, QStringLiteral("bench.swb"));
    return doc;
}

// ---- deep nesting: saving costs in proportion to the file --------------------------
void BM_SaveText(benchmark::State& state, QByteArray bytes) {
    const LayoutDocument doc = Loaded(bytes);
    const bench::PeakMemory peak;
    size_t saved = 0;
    for (auto _ : state)
        saved = doc.ToText().size();
    state.counters["in_KB"] = double(bytes.size()) / 1024;
    state.counters["saved_KB"] = double(saved) / 1024;
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_SaveText, stripboard, Example("stripboard.swb"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveText, deep_20000, GeneratedHostileLayout(QStringLiteral("unknown-elements-20000-deep")))
    ->Unit(benchmark::kMillisecond);

// ---- endless inputs: refused before a byte is read -----------------------------------
struct Inputs {
    QTemporaryDir dir;
    QString layout = dir.filePath(QStringLiteral("stripboard.swb"));
    QString pipe = dir.filePath(QStringLiteral("pipe.swb"));
    QString zero = dir.filePath(QStringLiteral("zero.swb"));
    QString huge = dir.filePath(QStringLiteral("huge.swb"));
    Inputs() {
        QFile file(layout);
        if (file.open(QIODevice::WriteOnly))
            file.write(Example("stripboard.swb"));
        mkfifo(QFile::encodeName(pipe).constData(), 0600);
        QFile::link(QStringLiteral("/dev/zero"), zero);
        QFile sparse(huge);  // 1 GiB of holes: no disk used
        if (sparse.open(QIODevice::WriteOnly))
            sparse.resize(qint64(1) << 30);
    }
};

void BM_ReadLayoutFile(benchmark::State& state, int which) {
    static Inputs inputs;
    const QString paths[] = {inputs.layout, inputs.pipe, inputs.zero, inputs.huge};
    const bench::PeakMemory peak;
    bool ok = false;
    for (auto _ : state)
        ok = ReadLayoutFileBytes(paths[which]).ok;
    state.counters["read"] = ok ? 1 : 0;
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_ReadLayoutFile, stripboard, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadLayoutFile, pipe_without_writer, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadLayoutFile, link_to_dev_zero, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadLayoutFile, file_of_1_GiB, 3)->Unit(benchmark::kMicrosecond);

// ---- text expensive to draw: a repaint stays bounded -----------------------------------
void BM_RepaintText(benchmark::State& state, QByteArray bytes) {
    const LayoutDocument doc = Loaded(bytes);
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderCaches& caches = BenchRenderCaches();
    RenderOptions options;
    options.caches = &caches;
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);  // body images cached
    const bench::PeakMemory peak;
    for (auto _ : state)
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_RepaintText, stripboard, Example("stripboard.swb"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RepaintText, letter_with_a_million_accents,
                  GeneratedHostileLayout(QStringLiteral("text-letter-with-a-million-accents")))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RepaintText, credits_50_MB, Credits50MB())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RepaintText, texts_60000_of_1000_characters, ManyLongTexts())->Unit(benchmark::kMillisecond);

// ---- messages: a damaged file is refused with a short line -------------------------------
void BM_RefuseDamaged(benchmark::State& state, QByteArray bytes) {
    const bench::PeakMemory peak;
    qsizetype length = 0;
    for (auto _ : state) {
        LayoutDocument doc;
        const LoadResult result = doc.LoadBytes(bytes, QStringLiteral("damaged.swb"));
        length = ShownMessage(result.message).size();
    }
    state.counters["in_KB"] = double(bytes.size()) / 1024;
    state.counters["message_chars"] = double(length);
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_RefuseDamaged, resistor_without_x2,
                  QByteArray("<Layout Width=\"20\" Height=\"10\"><Resistor X1=\"1\" Y1=\"1\" Name=\"R1\"/></Layout>"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefuseDamaged, name_2_MB, GeneratedHostileLayout(QStringLiteral("damaged-name-2-megabytes")))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefuseDamaged, name_50000_lines, GeneratedHostileLayout(QStringLiteral("damaged-name-50000-lines")))
    ->Unit(benchmark::kMillisecond);

// ---- NUL: the check on top of the parse ----------------------------------------------------
void BM_OpenWithNulCheck(benchmark::State& state, QByteArray bytes) {
    const bench::PeakMemory peak;
    bool ok = false;
    for (auto _ : state) {
        LayoutDocument doc;
        ok = doc.LoadBytes(bytes, QStringLiteral("bench.swb")).ok;
    }
    state.counters["opened"] = ok ? 1 : 0;
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_OpenWithNulCheck, stripboard, Example("stripboard.swb"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWithNulCheck, credits_50_MB, Credits50MB())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWithNulCheck, credits_50_MB_ending_in_nul, Credits50MB() + QByteArray(1, '\0'))
    ->Unit(benchmark::kMillisecond);

// ---- exit codes: a board with no copper picture is refused before drawing --------------------
void BM_PnpCommand(benchmark::State& state, QByteArray bytes) {
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("L.swb"));
    QFile file(layout);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    const bench::PeakMemory peak;
    int exit = -1;
    for (auto _ : state) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        exit = RunCommandLine({QStringLiteral("pnp"), layout, dir.filePath(QStringLiteral("PnP.gif"))},
                              outStream, errStream);
    }
    state.counters["exit"] = exit;
    state.counters["peak_MB"] = peak.GrowthMB();
}
BENCHMARK_CAPTURE(BM_PnpCommand, pcb, Example("pcb.swb"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PnpCommand, no_holes, QByteArray("<Layout Type=\"PCB\" Width=\"0\" Height=\"10\"/>"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PnpCommand, too_large,
                  QByteArray("<Layout Type=\"PCB\" Width=\"2000000000\" Height=\"2000000000\"/>"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
