// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The edits of the layout's link to its schematic: importing a netlist (the
// root attribute `Netlist`), forgetting it, and marking parts as mounted off
// the board (the root attribute `OffBoard`). Each is one undo step and a
// change to save.

#include <QString>

namespace sw {

class EditorSession;

// Reads the netlist at `path` and, when it is one, makes it the layout's
// netlist ("Import Netlist"). Empty on success; otherwise why the file was
// not taken, the layout as it was.
QString ImportNetlist(EditorSession& session, const QString& path);
// The layout names no netlist any more ("Forget Netlist"); false when it
// named none.
bool ForgetNetlist(EditorSession& session);

// Whether the layout lists the part `name` in `OffBoard`.
bool IsOffBoard(const EditorSession& session, const QString& name);
// Lists the part in `OffBoard` or takes it out ("Mark R1 Off Board", "Mark
// R1 On Board"); false when it already was so or has no name.
bool SetOffBoard(EditorSession& session, const QString& name, bool offBoard);

}  // namespace sw
