// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright render LAYOUT.swb OUT.gif|OUT.jpg|OUT.bmp|OUT.png: the picture
// the editor's Render Image writes.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"
#include "render/export/layout_output.h"

namespace sw {

int RunRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        err << "stripwright: usage: stripwright render LAYOUT.swb OUT.gif|OUT.jpg|OUT.bmp|OUT.png\n";
        return kExitBadInput;
    }
    const std::optional<ImageFileFormat> format = CommandLineImageFormat(args.at(1));
    if (!format) {
        err << "stripwright: cannot tell the picture format of \"" << args.at(1)
            << "\": name it .gif, .jpg, .bmp or .png\n";
        return kExitBadInput;
    }
    if (!CheckOutputIsNotLayout(args.at(0), args.at(1), err))
        return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args.at(0), doc, err))
        return kExitBadInput;
    const WriteResult result = WriteRenderedImage(doc, args.at(1), *format);
    if (!result.ok) {
        err << "stripwright: " << result.message << "\n";
        return kExitOutputFailed;
    }
    out << "Rendered " << args.at(0) << " to " << args.at(1) << "\n";
    return kExitOk;
}

}  // namespace sw
