// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_tools.h"

#include "layout_netlist.h"
#include "stress_layout.h"

#include "model/element_pins.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
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

// One part of every kind with pins on a perfboard, each pin labelled with its
// number and role (A anode, K cathode, + plus, - minus, W wiper) by a text at
// its hole, and the kind's name above: the README's picture of pin numbers.
int WritePinLayout(const char* path) {
    struct Placed {
        const char* kind;
        const char* caption;
        int x1, y1, x2, y2;
        const char* extra;
    };
    const Placed parts[] = {
        {"Resistor", "Resistor", 2, 3, 6, 3, ""},
        {"Capacitor", "Capacitor", 2, 7, 5, 7, ""},
        {"Diode", "Diode", 2, 11, 6, 11, ""},
        {"Led", "LED", 2, 15, 5, 15, ""},
        {"Electrolyte", "Electrolyte", 2, 19, 5, 19, ""},
        {"Transistor", "Transistor", 11, 3, 13, 3, ""},
        {"IC", "DIL IC", 11, 7, 14, 10, ""},
        {"LineIC", "SIL IC", 11, 15, 16, 15, ""},
        {"Trimmer", "Trimmer", 21, 4, 22, 5, ""},
        {"Pot", "Potentiometer", 23, 11, 25, 11, ""},
        {"Transformer", "Transformer", 29, 3, 33, 7, ""},
        {"Switch", "Switch", 29, 12, 30, 14, ""},
        {"Relay", "Relay", 22, 16, 25, 19, ""},
        {"Jack", "Audio Jack, stereo", 38, 3, 38, 3, " Type=\"Stereo\""},
        {"Tube", "Tube Socket, Noval", 45, 10, 45, 9, " Type=\"Noval\""},
        {"Tube", "Tube Socket, Octal", 55, 10, 55, 9, " Type=\"Octal\""},
        {"Pad", "Solder Pad", 38, 16, 38, 16, ""},
    };
    std::string xml = "<Layout Type=\"Perfboard\" Width=\"60\" Height=\"22\" Project=\"Pin numbers\" "
                      "Credits=\"The number and role of every pin, as the netlist check reads them\" HideList=\"True\">\n";
    int n = 0;
    for (const Placed& p : parts) {
        ++n;
        const bool one = LayoutDocument::IsOneHoleKind(p.kind);
        std::string element = "<" + std::string(p.kind) + " Value=\"\"" + p.extra + " X1=\"" + std::to_string(p.x1) +
                              "\" Y1=\"" + std::to_string(p.y1) + "\"";
        if (!one)
            element += " X2=\"" + std::to_string(p.x2) + "\" Y2=\"" + std::to_string(p.y2) + "\"";
        element += " Name=\"K" + std::to_string(n) + "\" />";
        pugi::xml_document one_part;
        const std::string wrapped = "<Layout Width=\"60\">" + element + "</Layout>";
        one_part.load_string(wrapped.c_str());
        const std::vector<ElementPin> pins = ElementPins(one_part.first_child().first_child());
        xml += "  " + element + "\n";
        xml += "  <Text Value=\"" + std::string(p.caption) +
               "\" X1=\"" + std::to_string(p.x1) + "\" Y1=\"" + std::to_string(std::min(p.y1, p.y2) - (std::strcmp(p.kind, "Tube") == 0 ? 5 : std::strcmp(p.kind, "Trimmer") == 0 ? 2 : 1)) +
               "\" Name=\"L" + std::to_string(n) + "\" />\n";
        for (const ElementPin& pin : pins) {
            const char* role = pin.role == PinRole::Anode ? "A" : pin.role == PinRole::Cathode ? "K"
                               : pin.role == PinRole::Plus ? "+" : pin.role == PinRole::Minus ? "-"
                               : pin.role == PinRole::Wiper ? "W" : "";
            xml += "  <Text Value=\"" + std::to_string(pin.number) + role + "\" X1=\"" + std::to_string(pin.hole.x) +
                   "\" Y1=\"" + std::to_string(pin.hole.y) + "\" Name=\"N" + std::to_string(n) + "_" +
                   std::to_string(pin.number) + "\" />\n";
        }
    }
    xml += "</Layout>\n";
    return WriteBytes(QString::fromLocal8Bit(path), xml.data(), qint64(xml.size())) ? 0 : 1;
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

RenderCaches& BenchRenderCaches() {
    static RenderCaches caches;
    return caches;
}

const char* BenchOption(int argc, char** argv, const char* name) {
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return argv[i] + length + 1;
    return nullptr;
}

int RunBenchTool(int argc, char** argv) {
    if (const char* path = BenchOption(argc, argv, "--write-pin-layout"))
        return WritePinLayout(path);
    if (const char* path = BenchOption(argc, argv, "--write-stress-netlist"))
        return WriteStressNetlist(argc, argv, path);
    if (const char* path = BenchOption(argc, argv, "--write-stress-layout"))
        return WriteStressLayout(argc, argv, path);
    if (const char* layout = BenchOption(argc, argv, "--dump-render"))
        return DumpRender(argc, argv, layout);
    return -1;
}

}  // namespace sw
