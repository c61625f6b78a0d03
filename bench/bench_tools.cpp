// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_tools.h"

#include "layout_netlist.h"
#include "stress_layout.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace sw {
namespace {

bool WriteBytes(const QString& path, const char* data, qint64 size) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data, size) == size && file.flush())
        return true;
    std::fprintf(stderr, "sw_bench: cannot write %s\n", qPrintable(path));
    return false;
}

StressLayoutOptions StressOptions(int argc, char** argv) {
    StressLayoutOptions options;
    if (const char* v = BenchOption(argc, argv, "--parts"))
        options.components = std::atoi(v);
    if (const char* v = BenchOption(argc, argv, "--width"))
        options.width = std::atoi(v);
    if (const char* v = BenchOption(argc, argv, "--height"))
        options.height = std::atoi(v);
    return options;
}

int WriteStressLayout(int argc, char** argv, const char* path) {
    const std::string text = StressLayoutXml(StressOptions(argc, argv));
    return WriteBytes(QString::fromLocal8Bit(path), text.data(), qint64(text.size())) ? 0 : 1;
}

int WriteStressNetlist(int argc, char** argv, const char* path) {
    LayoutDocument doc;
    FillStressLayout(doc, StressOptions(argc, argv));
    const std::string text = KiCadNetlistOfLayout(doc);
    return WriteBytes(QString::fromLocal8Bit(path), text.data(), qint64(text.size())) ? 0 : 1;
}

bool DumpOne(const LayoutDocument& doc, const RenderOptions& options, const QString& prefix) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    {
        Canvas canvas(image);
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    }
    const QImage& keys = pick.Image();
    return WriteBytes(prefix + QStringLiteral(".board"), reinterpret_cast<const char*>(image.constBits()),
                      image.sizeInBytes()) &&
           WriteBytes(prefix + QStringLiteral(".pick"), reinterpret_cast<const char*>(keys.constBits()),
                      keys.sizeInBytes());
}

int DumpRender(int argc, char** argv, const char* layout) {
    const char* out = BenchOption(argc, argv, "--out");
    if (!out) {
        std::fprintf(stderr, "sw_bench: --dump-render needs --out=PREFIX\n");
        return 2;
    }
    LayoutDocument doc;
    const LoadResult loaded = doc.LoadFile(QString::fromLocal8Bit(layout));
    if (!loaded.ok) {
        std::fprintf(stderr, "sw_bench: %s refused: %s\n", layout, qPrintable(loaded.message));
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(out);
    RenderOptions selected;
    selected.reveal = true;
    selected.isSelected = [&doc](pugi::xml_node node) { return doc.KeyOf(node) % 3 == 0; };
    return DumpOne(doc, RenderOptions{}, prefix) &&
                   DumpOne(doc, selected, prefix + QStringLiteral(".sel"))
               ? 0
               : 1;
}

}  // namespace

const char* BenchOption(int argc, char** argv, const char* name) {
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return argv[i] + length + 1;
    return nullptr;
}

int RunBenchTool(int argc, char** argv) {
    if (const char* path = BenchOption(argc, argv, "--write-stress-netlist"))
        return WriteStressNetlist(argc, argv, path);
    if (const char* path = BenchOption(argc, argv, "--write-stress-layout"))
        return WriteStressLayout(argc, argv, path);
    if (const char* layout = BenchOption(argc, argv, "--dump-render"))
        return DumpRender(argc, argv, layout);
    return -1;
}

}  // namespace sw
