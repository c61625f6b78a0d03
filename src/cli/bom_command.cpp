// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright bom LAYOUT.swb OUT.txt: the editor's bill of materials, written to
// a file or, for "-", to standard output.

#include "analysis/bill_of_materials.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"

namespace sw {

int RunBomCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        err << "stripwright: usage: stripwright bom LAYOUT.swb OUT.txt (OUT.txt \"-\" writes to "
               "standard output)\n";
        return kExitBadInput;
    }
    if (args[1] != QLatin1String("-") && !CheckOutputIsNotLayout(args[0], args[1], err))
        return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args[0], doc, err))
        return kExitBadInput;
    if (args[1] == QLatin1String("-")) {
        out << QString::fromUtf8(BillOfMaterialsText(doc));
        out.flush();
        return kExitOk;
    }
    const WriteResult result = WriteBillOfMaterials(doc, args[1]);
    if (!result.ok) {
        err << "stripwright: " << result.message << "\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace sw
