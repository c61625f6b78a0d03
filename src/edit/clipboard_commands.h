// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cut, Copy and Paste on layout fragments (session/layout_fragment.h). The
// window moves the text to and from the system clipboard; these decide what
// the text is and what pasting it does.

#include "model/hole.h"

#include <optional>
#include <string>
#include <string_view>

namespace sw {

class EditorHost;

// The fragment Copy puts on the clipboard: the parts the selection acts on and
// their pads; empty when nothing is selected.
std::string CopySelectionText(EditorHost& host);
// The same, then the parts and their pads deleted as one undo step.
std::string CutSelectionText(EditorHost& host);
// Pastes clipboard text at hole `at` (or one hole right and down of where the
// parts were) as one undo step and selects it. Text that is no
// fragment is ignored with a note in the status bar; damaged parts are refused
// with an error box, as a damaged file is. True when parts were pasted.
bool PasteText(EditorHost& host, std::string_view text, std::optional<Hole> at = std::nullopt);

}  // namespace sw
