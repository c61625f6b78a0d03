// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/clipboard_commands.h"

#include "edit/dialog_service.h"
#include "edit/edit_commands.h"
#include "edit/editor_host.h"
#include "session/editor_session.h"
#include "session/layout_fragment.h"

namespace sw {

std::string CopySelectionText(EditorHost& host) { return CopySelection(host.Session()); }

std::string CutSelectionText(EditorHost& host) {
    std::string text = CopySelection(host.Session());
    if (!text.empty())
        DeleteSelection(host, QStringLiteral("Cut"));
    return text;
}

bool PasteText(EditorHost& host, std::string_view text, std::optional<Hole> at) {
    const PasteResult result = PasteFragment(host.Session(), text, at);
    switch (result.status) {
    case FragmentStatus::NotAFragment:
        host.ShowNote(result.message);
        return false;
    case FragmentStatus::Damaged:
    case FragmentStatus::TooLarge:
        host.Dialogs().ShowError(result.message);
        return false;
    case FragmentStatus::Parts:
        break;
    }
    return true;
}

}  // namespace sw
