// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright gerber LAYOUT.swb OUTDIR [--drill MM]: the copper, outline and
// drill files of a PCB layout, written into OUTDIR (made when missing).

#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"
#include "render/export/gerber_files.h"
#include "render/export/gerber_output.h"

#include <QDir>
#include <QFileInfo>

namespace sw {
namespace {

constexpr char kUsage[] = "stripwright: usage: stripwright gerber LAYOUT.swb OUTDIR [--drill MM]\n";

}  // namespace

int RunGerberCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList args = arguments;
    std::int64_t drill = kDefaultDrillUnits;
    const qsizetype option = args.indexOf(QStringLiteral("--drill"));
    if (option >= 0) {
        if (option + 1 >= args.size()) {
            err << kUsage;
            return kExitBadInput;
        }
        const std::optional<std::int64_t> units = DrillUnitsFromText(args.at(option + 1));
        if (!units) {
            err << "stripwright: " << DrillRefusal(args.at(option + 1)) << "\n";
            return kExitBadInput;
        }
        drill = *units;
        args.remove(option, 2);
    }
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--")) ||
        args.at(1).startsWith(QLatin1String("--"))) {
        err << kUsage;
        return kExitBadInput;
    }
    const QString baseName = QFileInfo(args.at(0)).completeBaseName();
    // A layout called NAME.drl in OUTDIR would be replaced by the drill file.
    for (const QString& name : GerberFileNames(baseName))
        if (!CheckOutputIsNotLayout(args.at(0), QDir(args.at(1)).filePath(name), err))
            return kExitBadInput;
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args.at(0), doc, err))
        return kExitBadInput;
    const GerberWriteResult result = WriteGerberFiles(doc, args.at(1), baseName, drill);
    if (!result.write.ok) {
        err << "stripwright: " << result.write.message << "\n";
        return result.refused ? kExitBadInput : kExitOutputFailed;
    }
    out << "Wrote the Gerber and drill files of " << args.at(0) << ":\n";
    for (const QString& file : result.files)
        out << "  " << file << "\n";
    return kExitOk;
}

}  // namespace sw
