// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of edits as Undo and Redo show them: the command's verb and what it
// acted on, "Move R1" for one part, "Delete 3 parts" for several. A pad that
// goes with its owner among the parts is not counted on its own.

#include <QString>
#include <pugixml.hpp>
#include <vector>

namespace sw {

// `verb` followed by the one part's name (shortened to an excerpt), or by the
// number of parts; the verb alone for none.
QString EditLabel(const QString& verb, const std::vector<pugi::xml_node>& parts);

}  // namespace sw
