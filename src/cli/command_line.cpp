// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "cli/process_heap.h"

#include "cli/commands.h"
#include "model/atomic_file.h"
#include "model/layout_document.h"
#include "model/release.h"
#include "model/text_bounds.h"

#include <functional>

namespace sw {
namespace {

struct Command {
    const char* name;
    const char* usage;
    std::function<int(const QStringList&, QTextStream&, QTextStream&)> run;
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"bom", "bom LAYOUT.swb OUT.txt       write the bill of materials (OUT.txt \"-\": standard output)",
         RunBomCommand},
        {"connect", "connect LAYOUT.swb X1 Y1 X2 Y2   are the two holes connected? exit 0 yes, 1 no",
         RunConnectCommand},
        {"check",
         "check LAYOUT.swb [NETLIST] [--json] [--format kicad|orcadpcb2|tango|spice]\n"
         "               the copper against a schematic's netlist (the layout's own without\n"
         "               NETLIST); exit 0 it matches, 1 it differs",
         RunCheckCommand},
        {"render-board",
         "render-board LAYOUT.swb OUT.png [--select NAME]... [--reveal]\n"
         "               the 2000 x 1200 board image as the editor shows it (.png, .gif, .jpg, .bmp)",
         RunRenderBoardCommand},
        {"render", "render LAYOUT.swb OUT.gif|OUT.jpg|OUT.bmp|OUT.png   the rendered picture",
         RunRenderCommand},
        {"pnp", "pnp LAYOUT.swb OUT.gif | --pdf OUT.pdf [--page a4|letter]   the toner-transfer picture",
         RunPnpCommand},
        {"print",
         "print LAYOUT.swb OUT.pdf [--page a4|letter] [--actual-size]\n"
         "               the printed page, as a PDF file; at actual size a hole pitch is 2.54 mm",
         RunPrintCommand},
        {"gerber",
         "gerber LAYOUT.swb OUTDIR [--drill MM]   a PCB's copper and outline (Gerber) and\n"
         "               drill (Excellon) files for a board house",
         RunGerberCommand},
    };
    return commands;
}

// What --version says below the release: who holds the copyright and the
// licence under which anyone may share and change the program.
constexpr char kLicenceNotice[] =
    "Copyright 2026 The Stripwright developers\n"
    "Licence GPL-3.0-or-later: the GNU General Public License, version 3 or any\n"
    "later version <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you may share and change it under the licence's terms.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

void PrintHelp(QTextStream& out) {
    out << "Usage: stripwright [LAYOUT.swb]        open the editor\n"
           "       stripwright COMMAND ARGUMENTS   run a command without a window\n\n"
           "Commands:\n";
    for (const Command& c : Commands())
        out << "  " << c.usage << "\n";
    out << "  --help       show this text\n"
           "  --version    show the program's release number and licence\n\n"
           "Exit status: 0 success; 1 the output could not be written (connect: the holes\n"
           "are not connected; check: the layout differs from the netlist); 2 bad input:\n"
           "bad usage or a number out of range, an output that is the layout itself, a\n"
           "layout that is missing, not a regular file or over 64 MB, XML that does not\n"
           "parse or holds NUL, a damaged layout, a board with no copper picture (pnp),\n"
           "copper too vast to follow (connect), a netlist that cannot be read (check), or\n"
           "the editor started without a display.\n";
}

}  // namespace

namespace {

// "--" ends a command's options: a word after it that begins with "-" (a file
// named "-x.swb") is given as "./-x.swb", which every option reader passes by
// and names the same file. "-" (standard output) and numbers stay as they are.
QStringList EndOfOptions(QStringList args) {
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    if (end < 0)
        return args;
    args.removeAt(end);
    for (qsizetype i = end; i < args.size(); ++i) {
        bool number = false;
        args[i].toLongLong(&number);
        if (args[i].startsWith(QLatin1Char('-')) && args[i] != QLatin1String("-") && !number)
            args[i].prepend(QStringLiteral("./"));
    }
    return args;
}

}  // namespace

bool IsCommandLineCommand(const QStringList& args) {
    if (args.isEmpty())
        return false;
    // "--" ends the options: what follows is the editor's layout, whatever
    // its name begins with.
    if (args.first() == QLatin1String("--"))
        return args.size() > 2;
    // The editor takes one layout; more words can only be a command (a
    // misspelt one is refused with the usage text instead of being ignored).
    if (args.first().startsWith(QLatin1String("-")) || args.size() > 1)
        return true;
    for (const Command& c : Commands())
        if (args.first() == QLatin1String(c.name))
            return true;
    return false;
}

int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty())
        return kExitBadInput;
    const QString& first = args.first();
    if (first == QLatin1String("--")) {
        err << "stripwright: the editor opens one layout; after \"--\" came " << args.size() - 1
            << " words\n";
        return kExitBadInput;
    }
    const bool alone = first == QLatin1String("--help") || first == QLatin1String("-h") ||
                       first == QLatin1String("--version");
    if (alone && args.size() > 1) {
        err << "stripwright: " << first << " takes no further arguments (got \"" << Excerpt(args.at(1))
            << "\")\n";
        return kExitBadInput;
    }
    // No command takes an empty word: as a file name it would name the
    // current folder, or nothing.
    if (args.contains(QString())) {
        err << "stripwright: argument " << args.indexOf(QString()) + 1
            << " is empty; name a file (or \"-\" for standard output where a command allows it)\n";
        return kExitBadInput;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        PrintHelp(out);
        return kExitOk;
    }
    if (first == QLatin1String("--version")) {
        out << "Stripwright release " << SW_VERSION << "\n" << kLicenceNotice;
        return kExitOk;
    }
    for (const Command& c : Commands())
        if (first == QLatin1String(c.name)) {
            PrepareHeapForPictures();
            return c.run(EndOfOptions(args.mid(1)), out, err);
        }
    if (first.startsWith(QLatin1String("-"))) {
        err << "stripwright: unknown command or option \"" << Excerpt(first) << "\" (see stripwright --help)\n";
        return kExitBadInput;
    }
    err << "stripwright: unknown command \"" << Excerpt(first) << "\"\n\n";
    PrintHelp(err);
    return kExitBadInput;
}

bool CheckOutputIsNotLayout(const QString& layout, const QString& output, QTextStream& err) {
    if (!IsSameFile(layout, output))
        return true;
    err << "stripwright: the output \"" << output << "\" is the layout \"" << layout
        << "\" itself; writing it would destroy the layout: name another file\n";
    return false;
}

bool LoadLayoutForCommand(const QString& path, LayoutDocument& doc, QTextStream& err) {
    const LoadResult result = doc.LoadFile(path);
    if (!result.ok) {
        err << "stripwright: " << result.message << "\n";
        return false;
    }
    return true;
}

}  // namespace sw
