// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright print LAYOUT.swb OUT.pdf [--page a4|letter] [--actual-size]: the
// editor's Print, printed into a PDF file, as large as the page allows or at
// actual size (one hole pitch 2.54 mm).

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/pdf_output.h"
#include "model/layout_document.h"
#include "render/export/layout_output.h"

namespace sw {

int RunPrintCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList args = arguments;
    const std::optional<QPageSize::PageSizeId> page = TakePageOption(args, err);
    if (!page)
        return kExitBadInput;
    const PrintSize size =
        args.removeAll(QStringLiteral("--actual-size")) > 0 ? PrintSize::ActualSize : PrintSize::FillPage;
    if (args.size() != 2) {
        err << "stripwright: usage: stripwright print LAYOUT.swb OUT.pdf [--page a4|letter] "
               "[--actual-size]\n";
        return kExitBadInput;
    }
    if (!CheckPdfName(args.at(1), err))
        return kExitBadInput;
    if (!CheckOutputIsNotLayout(args.at(0), args.at(1), err))
        return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args.at(0), doc, err))
        return kExitBadInput;
    const WriteResult result = PrintToPdf(
        args.at(1), *page, [&doc, size](QPrinter& printer) { return PrintRenderedImage(doc, printer, nullptr, size); });
    if (!result.ok) {
        err << "stripwright: " << result.message << "\n";
        return kExitOutputFailed;
    }
    out << "Printed " << args.at(0) << " to " << args.at(1) << "\n";
    return kExitOk;
}

}  // namespace sw
