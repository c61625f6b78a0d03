// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright pnp LAYOUT.swb OUT.gif: the toner-transfer picture as GIF;
// stripwright pnp LAYOUT.swb --pdf OUT.pdf [--page a4|letter]: printed at true
// scale into a PDF file.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/pdf_output.h"
#include "model/layout_document.h"
#include "render/export/copper_output.h"
#include "render/export/render_copper.h"

#include <QFileInfo>

namespace sw {

int RunPnpCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList args = arguments;
    const std::optional<QPageSize::PageSizeId> page = TakePageOption(args, err);
    if (!page)
        return kExitBadInput;
    const bool pdf = args.size() == 3 && args.at(1) == QLatin1String("--pdf");
    if (!(args.size() == 2 || pdf) || args.at(0).startsWith(QLatin1String("--"))) {
        err << "stripwright: usage: stripwright pnp LAYOUT.swb OUT.gif\n"
               "                    stripwright pnp LAYOUT.swb --pdf OUT.pdf [--page a4|letter]\n";
        return kExitBadInput;
    }
    const QString output = args.last();
    if (pdf && !CheckPdfName(output, err))
        return kExitBadInput;
    if (!pdf && QFileInfo(output).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0) {
        err << "stripwright: the toner-transfer picture is written as GIF; name it OUT.gif (got \""
            << output << "\"), or print it with --pdf OUT.pdf\n";
        return kExitBadInput;
    }
    if (!CheckOutputIsNotLayout(args.at(0), output, err))
        return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args.at(0), doc, err))
        return kExitBadInput;
    // A board with no holes, or one too large for a picture, is bad input, not
    // an output that could not be written.
    QString noCopper;
    if (CopperCanvasSize(doc, &noCopper).isEmpty()) {
        err << "stripwright: " << noCopper << "\n";
        return kExitBadInput;
    }
    if (const std::optional<QString> refusal = PnpRefusal(doc)) {
        err << "stripwright: " << *refusal << "\n";
        return kExitBadInput;
    }
    const WriteResult result =
        pdf ? PrintToPdf(output, *page,
                         [&doc](QPrinter& printer) { return PrintCopperImage(doc, printer); })
            : WriteCopperImage(doc, output);
    if (!result.ok) {
        err << "stripwright: " << result.message << "\n";
        return kExitOutputFailed;
    }
    out << "Rendered the copper of " << args.at(0) << " to " << output << "\n";
    return kExitOk;
}

}  // namespace sw
