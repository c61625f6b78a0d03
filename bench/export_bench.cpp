// SPDX-License-Identifier: GPL-3.0-or-later
// Render Image of each example layout to GIF, JPEG and BMP: rendering on the
// work canvas, cropping, the footer, encoding and the atomic write.

#include "model/layout_document.h"
#include "render/export/image_file.h"
#include "render/export/layout_output.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <cstdlib>

namespace sw {
namespace {

const LayoutDocument& Example(const char* name) {
    static std::map<std::string, LayoutDocument> loaded;
    auto it = loaded.find(name);
    if (it == loaded.end()) {
        it = loaded.emplace(name, LayoutDocument()).first;
        const LoadResult r = it->second.LoadFile(QStringLiteral(SW_EXAMPLES "/") + name);
        if (!r.ok) {
            std::fprintf(stderr, "example %s refused: %s\n", name, qPrintable(r.message));
            std::abort();
        }
    }
    return it->second;
}

void BM_RenderImage(benchmark::State& state, const char* example, ImageFileFormat format,
                    const char* suffix) {
    const LayoutDocument& doc = Example(example);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("render.") + suffix);
    for (auto _ : state) {
        const WriteResult result = WriteRenderedImage(doc, path, format);
        if (!result.ok) {
            state.SkipWithError(qPrintable(result.message));
            break;
        }
    }
}

#define SW_EXPORT_BENCH(example, tag)                                                           \
    BENCHMARK_CAPTURE(BM_RenderImage, tag##_gif, example, ImageFileFormat::Gif, "gif")          \
        ->Unit(benchmark::kMillisecond);                                                        \
    BENCHMARK_CAPTURE(BM_RenderImage, tag##_jpg, example, ImageFileFormat::Jpeg, "jpg")         \
        ->Unit(benchmark::kMillisecond);                                                        \
    BENCHMARK_CAPTURE(BM_RenderImage, tag##_bmp, example, ImageFileFormat::Bmp, "bmp")          \
        ->Unit(benchmark::kMillisecond)

SW_EXPORT_BENCH("stripboard.swb", stripboard);
SW_EXPORT_BENCH("perfboard.swb", perfboard);
SW_EXPORT_BENCH("pcb.swb", pcb);

}  // namespace
}  // namespace sw
