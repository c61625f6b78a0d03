// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/layout_fragment.h"

#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/layout_file_reader.h"
#include "model/layout_validation.h"
#include "session/edit_labels.h"
#include "session/editor_session.h"
#include "session/fresh_names.h"
#include "session/owned_pads.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace sw {
namespace {

constexpr char kFragmentRoot[] = "LayoutFragment";

const QString kNoParts =
    QStringLiteral("Nothing to paste: the clipboard holds no layout parts.");

Fragment NoFragment(QString message = kNoParts) {
    Fragment fragment;
    fragment.message = std::move(message);
    return fragment;
}

// The prefix a fresh name counts up from: the name without its trailing
// digits, or the kind's own prefix for a name of digits alone.
std::string NamePrefix(pugi::xml_node element, std::string_view name) {
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9')
        --end;
    if (end > 0)
        return std::string(name.substr(0, end));
    const CatalogueEntry* kind = FindKind(element.name());
    return kind ? kind->prefix : "X";
}

// The top left of the parts' holes.
QPoint TopLeft(const std::vector<pugi::xml_node>& parts) {
    int minX = INT_MAX, minY = INT_MAX;
    for (pugi::xml_node part : parts) {
        minX = std::min(minX, IntAttr(part, "X1"));
        minY = std::min(minY, IntAttr(part, "Y1"));
        if (HasSecondPoint(part)) {
            minX = std::min(minX, IntAttr(part, "X2", minX));
            minY = std::min(minY, IntAttr(part, "Y2", minY));
        }
    }
    return {minX, minY};
}

}  // namespace

std::string BuildFragment(const LayoutDocument& doc, const std::vector<pugi::xml_node>& components) {
    ComponentsWithPads chosen;
    const PadIndex pads(doc);
    for (pugi::xml_node component : components)
        if (chosen.Add(component) && !IsKind(component, kind::SolderPad))
            chosen.AddOwnedPads(pads, TextAttr(component, "Name"));
    if (chosen.Elements().empty())
        return {};
    pugi::xml_document fragment;
    pugi::xml_node root = fragment.append_child(kFragmentRoot);
    SetAttr(root, "Type", doc.BoardType());
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (chosen.Contains(element))
            root.append_copy(element);
    });
    std::ostringstream out;
    fragment.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

std::string CopySelection(const EditorSession& session) {
    return BuildFragment(session.Document(), session.AffectedComponents());
}

Fragment ParseFragment(std::string_view text) {
    if (qint64(text.size()) > kMaxLayoutFileBytes)
        return NoFragment(
            QStringLiteral("Nothing to paste: the clipboard holds more text than a layout file "
                           "may (%1 MiB).")
                .arg(kMaxLayoutFileBytes / (1024 * 1024)));
    // XML forbids the character NUL, and the parser would take it for the end.
    if (text.find('\0') != std::string_view::npos)
        return NoFragment();
    Fragment fragment;
    if (!fragment.dom.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8))
        return NoFragment();
    const pugi::xml_node root = fragment.dom.document_element();
    for (pugi::xml_node other = root.next_sibling(); other; other = other.next_sibling())
        if (other.type() == pugi::node_element)
            return NoFragment();
    if (std::strcmp(root.name(), kFragmentRoot) != 0 && std::strcmp(root.name(), "Layout") != 0)
        return NoFragment();
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || !LayoutDocument::IsComponentKind(child.name()))
            continue;
        const QString problem = FindComponentDamage(child);
        if (!problem.isEmpty()) {
            fragment.status = FragmentStatus::Damaged;
            fragment.message = QStringLiteral("The pasted parts are damaged: ") + problem;
            fragment.parts.clear();
            return fragment;
        }
        fragment.parts.push_back(child);
    }
    if (fragment.parts.empty())
        return NoFragment();
    fragment.status = FragmentStatus::Parts;
    return fragment;
}

namespace {

struct ByteCounter : pugi::xml_writer {
    qint64 bytes = 0;
    void write(const void*, size_t size) override { bytes += qint64(size); }
};

// The bytes the parts take in a saved layout (indented as a save indents them),
// counted without making the text.
qint64 SavedSize(const std::vector<pugi::xml_node>& parts) {
    ByteCounter counter;
    for (const pugi::xml_node part : parts) part.print(counter, "  ", pugi::format_indent, pugi::encoding_utf8, 1);
    return counter.bytes;
}

// At least what the layout takes when saved (a deep one is saved unindented).
qint64 SavedSize(const LayoutDocument& doc) {
    ByteCounter counter;
    doc.Dom().save(counter, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return counter.bytes;
}

struct LayoutSurvey {
    qint64 components = 0;
    qint64 bytesAtMost = 0;
};

// One walk of the layout for what a paste needs of it: its components, every
// name in use (told to `names`), and no less than the bytes it takes when
// saved, found without writing it: a node as two lines at the deepest
// indentation with its name twice, each character of a value as its longest
// escape ("&quot;"). Far cheaper than writing, it leaves the exact count to
// layouts near the bound.
LayoutSurvey Survey(const LayoutDocument& doc, FreshNames& names) {
    constexpr qint64 kNode = 160, kAttribute = 4, kEscape = 6;
    LayoutSurvey survey;
    const pugi::xml_node root = doc.Root();
    pugi::xml_node node = doc.Dom().first_child();
    while (node) {
        survey.bytesAtMost +=
            kNode + 2 * qint64(std::strlen(node.name())) + kEscape * qint64(std::strlen(node.value()));
        bool named = !(node.parent() == root && node.type() == pugi::node_element);
        if (!named)
            survey.components += LayoutDocument::IsComponentKind(node.name());
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
            const std::size_t length = std::strlen(a.value());
            survey.bytesAtMost += kAttribute + qint64(std::strlen(a.name())) + kEscape * qint64(length);
            if (!named && a.name()[0] == 'N' && std::strcmp(a.name(), "Name") == 0) {
                names.InUse(std::string_view(a.value(), length));
                named = true;
            }
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling())
            node = node.parent();
        if (node)
            node = node.next_sibling();
    }
    return survey;
}

}  // namespace

PasteResult PasteFragment(EditorSession& session, std::string_view text, std::optional<Hole> at) {
    const Fragment fragment = ParseFragment(text);
    PasteResult result{fragment.status, fragment.message, {}};
    if (fragment.status != FragmentStatus::Parts)
        return result;

    std::vector<std::string> pastedNames, prefixes;
    for (const pugi::xml_node part : fragment.parts)
        if (const char* name = part.attribute("Name").value(); *name) {
            pastedNames.emplace_back(name);
            prefixes.push_back(NamePrefix(part, pastedNames.back()));
        }
    std::sort(prefixes.begin(), prefixes.end());
    prefixes.erase(std::unique(prefixes.begin(), prefixes.end()), prefixes.end());
    const LayoutDocument& before = session.Document();
    FreshNames names(pastedNames, prefixes);
    const LayoutSurvey survey = Survey(before, names);

    // A layout Open would refuse could not be saved; the paste is refused
    // while it still costs nothing.
    if (survey.components + qint64(fragment.parts.size()) > LayoutDocument::kMaxComponents)
        return {FragmentStatus::TooLarge,
                QStringLiteral("The %1 pasted parts would make the layout hold more than the %2 "
                               "parts a layout may hold; nothing was pasted.")
                    .arg(PartsText(qint64(fragment.parts.size())), PartsText(LayoutDocument::kMaxComponents)),
                {}};
    const qint64 partsSize = SavedSize(fragment.parts);
    if (survey.bytesAtMost + partsSize > kMaxLayoutFileBytes &&
        SavedSize(before) + partsSize > kMaxLayoutFileBytes)
        return {FragmentStatus::TooLarge,
                QStringLiteral("The pasted parts would make the layout larger than the %1 MiB a "
                               "layout file may have to be opened again; nothing was pasted.")
                    .arg(kMaxLayoutFileBytes / (1024 * 1024)),
                {}};

    const QPoint topLeft = TopLeft(fragment.parts);
    const long long dx = at ? 0LL + at->x - topLeft.x() : 1;
    const long long dy = at ? 0LL + at->y - topLeft.y() : 1;

    session.Edit(EditKind::Paste, QStringLiteral("Paste"), [&] {
        LayoutDocument& doc = session.Document();
        pugi::xml_node root = doc.Root();
        // Old name -> new name of each part renamed (the first part of a name).
        std::unordered_map<std::string, std::string> renamed;
        for (pugi::xml_node part : fragment.parts) {
            const std::string_view name = part.attribute("Name").value();
            std::string fresh(name);
            if (!name.empty() && names.Taken(name))
                fresh = names.Next(NamePrefix(part, name));
            pugi::xml_node copy = root.append_copy(part);
            ShiftPoints(copy, dx, dy, HasSecondPoint(copy));
            if (fresh != name) {
                copy.attribute("Name").set_value(fresh.c_str());
                renamed.emplace(name, fresh);
            }
            if (!fresh.empty())
                names.Take(fresh);
            result.pasted.push_back(copy);
        }
        for (pugi::xml_node copy : result.pasted) {
            if (!IsKind(copy, kind::SolderPad))
                continue;
            pugi::xml_attribute parent = copy.attribute("Parent");
            const auto owner = renamed.find(parent.value());
            if (owner != renamed.end())
                parent.set_value(owner->second.c_str());
        }

        SelectionState selection;
        for (pugi::xml_node copy : result.pasted)
            selection.Add(copy);
        const auto owner = std::find_if(result.pasted.begin(), result.pasted.end(),
                                        [](pugi::xml_node e) { return !IsKind(e, kind::SolderPad); });
        selection.SetCurrent({owner != result.pasted.end() ? *owner : result.pasted.front(), -1});
        session.ComponentsChanged();
        session.Select(std::move(selection));
        EditResult outcome;
        outcome.label = EditLabel(QStringLiteral("Paste"), result.pasted);
        return outcome;
    });
    return result;
}

}  // namespace sw
