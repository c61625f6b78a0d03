// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: `stripwright [LAYOUT.swb]` opens the editor; the
// subcommands run the same code without a window.
//
// Exit status: 0 success; 1 the output could not be written (or, for
// `connect`, the holes are not connected); 2 bad input: bad usage, a layout that
// cannot be read (missing, not a regular file, over the size cap), XML that does
// not parse, a damaged layout, a board with no copper picture, or the editor
// started without a display. A failed command leaves no partial output file.

#include <QStringList>
#include <QTextStream>

namespace sw {

constexpr int kExitOk = 0;
constexpr int kExitOutputFailed = 1;
constexpr int kExitBadInput = 2;

// True when `args` (without the program name) name a subcommand or an option,
// so the program runs headlessly instead of opening the editor.
bool IsCommandLineCommand(const QStringList& args);

// Runs the command; `out` and `err` are standard output and standard error.
int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace sw
