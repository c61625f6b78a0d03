// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parts of a layout on their own, as the clipboard holds them: a
// `LayoutFragment` element naming the board type, holding copies of the
// component elements and the pads they own, in document order. It is plain
// XML text, so it can be pasted into another editor or a text editor and
// back; the whole text of a layout file is taken as a fragment as well.

#include "model/hole.h"

#include <QString>
#include <pugixml.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class EditorSession;
class LayoutDocument;

// The clipboard format of the program's own; the same text goes as plain text too.
inline constexpr char kFragmentMimeType[] = "application/x-stripwright-fragment";

// The fragment of `components` and the pads they own (each once, in document
// order); empty text when there is nothing to copy.
std::string BuildFragment(const LayoutDocument& doc, const std::vector<pugi::xml_node>& components);
// The fragment of what the session's selection acts on.
std::string CopySelection(const EditorSession& session);

enum class FragmentStatus {
    Parts,         // parts to paste
    NotAFragment,  // text that holds no layout parts: ignored
    Damaged,       // parts whose hole coordinates are not integers: refused
    TooLarge,      // parts that would make a layout Open refuses: refused
};

struct Fragment {
    FragmentStatus status = FragmentStatus::NotAFragment;
    QString message;  // why, when there are no parts
    pugi::xml_document dom;
    std::vector<pugi::xml_node> parts;  // the component elements, in order
};

// Reads clipboard text. Anything but XML whose root is `LayoutFragment` or
// `Layout` holding at least one component is no fragment; parts are checked
// the way an opened file is.
Fragment ParseFragment(std::string_view text);

struct PasteResult {
    FragmentStatus status = FragmentStatus::NotAFragment;
    QString message;
    std::vector<pugi::xml_node> pasted;  // the new elements, in document order
};

// Appends the fragment's parts after the document's last child as one undo
// step, selects them and marks the layout modified. A part whose `Name` is
// taken gets the next free name of its name's prefix (the name without its
// trailing digits; the kind's prefix for a name of digits alone), and pads
// follow their owner's new name. The parts land with the top left of their
// holes at `at`, or one hole right and down of where they were without it.
// Text that is no fragment, or a damaged one, changes nothing.
PasteResult PasteFragment(EditorSession& session, std::string_view text,
                          std::optional<Hole> at = std::nullopt);

}  // namespace sw
