// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright check LAYOUT.swb [NETLIST] [--json] [--format kicad|orcadpcb2|tango|spice]:
// the layout's copper against a schematic's netlist. Exit status 0 when they
// match, 1 when they differ, 2 for bad input.

#include "analysis/netlist_check.h"
#include "analysis/netlist_file.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"

namespace sw {

int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const char* usage = "stripwright: usage: stripwright check LAYOUT.swb [NETLIST] [--json] "
                        "[--format kicad|orcadpcb2|tango|spice]\n";
    QStringList positional;
    bool json = false;
    std::optional<NetlistFormat> format;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--format")) {
            if (i + 1 >= args.size()) {
                err << "stripwright: check: --format needs a format: kicad, orcadpcb2, tango or spice\n";
                return kExitBadInput;
            }
            format = NetlistFormatFromWord(args[++i].toStdString());
            if (!format) {
                err << "stripwright: check: \"" << Excerpt(args[i])
                    << "\" is no netlist format: kicad, orcadpcb2, tango or spice\n";
                return kExitBadInput;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            err << "stripwright: check: unknown option \"" << Excerpt(a) << "\"\n" << usage;
            return kExitBadInput;
        } else {
            positional << a;
        }
    }
    if (positional.isEmpty() || positional.size() > 2) {
        err << usage;
        return kExitBadInput;
    }
    LayoutDocument doc;
    if (!LoadLayoutForCommand(positional[0], doc, err))
        return kExitBadInput;
    QString netlistPath;
    if (positional.size() == 2) {
        netlistPath = positional[1];
    } else if (const std::optional<QString> own = LayoutNetlistPath(doc, positional[0])) {
        netlistPath = *own;
    } else {
        err << "stripwright: check: the layout \"" << positional[0]
            << "\" names no netlist of its own (its Netlist attribute); name one: stripwright "
               "check LAYOUT.swb NETLIST\n";
        return kExitBadInput;
    }
    const NetlistFileResult loaded = LoadNetlistFile(netlistPath, format);
    if (!loaded.netlist) {
        err << "stripwright: " << loaded.message << "\n";
        return kExitBadInput;
    }
    for (const std::string& warning : loaded.netlist->warnings)
        err << "stripwright: " << netlistPath << ": " << QString::fromStdString(warning) << "\n";
    const CheckReport report = CheckLayoutAgainstNetlist(doc, *loaded.netlist);
    out << QString::fromStdString(json ? CheckReportJson(report) : CheckReportText(report));
    out.flush();
    return report.Matches() ? kExitOk : kExitOutputFailed;
}

}  // namespace sw
