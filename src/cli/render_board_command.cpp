// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright render-board LAYOUT.swb OUT.png [--select NAME]... [--reveal]:
// the 2000 x 1200 board image exactly as the editor shows it.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/export/image_file.h"
#include "render/pick_map.h"
#include "render/render_layout.h"

#include <QSet>
#include <unordered_set>

namespace sw {
namespace {

const char* const kUsage =
    "stripwright: usage: stripwright render-board LAYOUT.swb OUT.png [--select NAME]... "
    "[--reveal]\n";

struct RenderBoardArgs {
    QString layout;
    QString output;
    QStringList selected;
    bool reveal = false;
};

// Options may come before, between or after the two file names.
bool ParseArgs(const QStringList& args, RenderBoardArgs& parsed, QTextStream& err) {
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--reveal")) {
            parsed.reveal = true;
        } else if (arg == QLatin1String("--select")) {
            if (i + 1 >= args.size()) {
                err << "stripwright: --select needs the name of a component (see stripwright "
                       "--help)\n";
                return false;
            }
            parsed.selected << args[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            err << "stripwright: unknown option \"" << arg << "\" (see stripwright --help)\n";
            return false;
        } else {
            files << arg;
        }
    }
    if (files.size() != 2) {
        err << kUsage;
        return false;
    }
    parsed.layout = files[0];
    parsed.output = files[1];
    return true;
}

}  // namespace

int RunRenderBoardCommand(const QStringList& args, QTextStream&, QTextStream& err) {
    RenderBoardArgs parsed;
    if (!ParseArgs(args, parsed, err))
        return kExitBadInput;
    const auto format = CommandLineImageFormat(parsed.output);
    if (!format) {
        err << "stripwright: cannot tell the image type of \"" << parsed.output
            << "\"; use .png, .gif, .jpg or .bmp\n";
        return kExitBadInput;
    }
    if (!CheckOutputIsNotLayout(parsed.layout, parsed.output, err))
        return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(parsed.layout, doc, err))
        return kExitBadInput;

    // The named components are drawn as the editor draws its selection.
    std::unordered_set<const void*> selected;
    QSet<QString> found;
    const QSet<QString> wanted(parsed.selected.begin(), parsed.selected.end());
    doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
        const QString name = TextAttr(node, "Name");
        if (wanted.contains(name)) {
            selected.insert(node.internal_object());
            found.insert(name);
        }
    });
    for (const QString& name : parsed.selected)
        if (!found.contains(name)) {
            err << "stripwright: \"" << parsed.layout << "\" has no component named \"" << name
                << "\"\n";
            return kExitBadInput;
        }

    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    {
        Canvas canvas(image);
        PickMap pick(kBoardImageWidth, kBoardImageHeight);
        RenderOptions options;
        options.reveal = parsed.reveal;
        if (!selected.empty())
            options.isSelected = [&selected](pugi::xml_node node) {
                return selected.count(node.internal_object()) > 0;
            };
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    }
    const WriteResult written = WriteImageFile(image, parsed.output, *format);
    if (!written.ok) {
        err << "stripwright: " << written.message << "\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace sw
