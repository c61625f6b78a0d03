// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One function per subcommand, each in a file of its own; `args` excludes the
// command's own name.

#include <QStringList>
#include <QTextStream>

namespace sw {

class LayoutDocument;

// render-board LAYOUT.swb OUT.png [--select NAME]... [--reveal]: the board image
// in screen mode, the named components selected.
int RunRenderBoardCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// bom LAYOUT.swb OUT.txt ("-": standard output).
int RunBomCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// connect LAYOUT.swb X1 Y1 X2 Y2: exit 0 connected, 1 not connected.
int RunConnectCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunPnpCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// check LAYOUT.swb [NETLIST] [--json] [--format F]: exit 0 the layout matches the
// netlist, 1 it differs, 2 bad input.
int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);
// gerber LAYOUT.swb OUTDIR [--drill MM]: Gerber copper and outline, Excellon drill.
int RunGerberCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// Loads a layout for a command, writing the one-line reason to `err` on failure.
bool LoadLayoutForCommand(const QString& path, LayoutDocument& doc, QTextStream& err);
// False, with the reason on `err`, when `output` is the layout file itself (links
// followed): writing it would destroy the layout the output is made from.
bool CheckOutputIsNotLayout(const QString& layout, const QString& output, QTextStream& err);

}  // namespace sw
