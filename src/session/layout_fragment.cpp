// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/layout_fragment.h"

#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/layout_file_reader.h"
#include "model/layout_validation.h"
#include "session/edit_labels.h"
#include "session/editor_session.h"
#include "session/layout_census.h"
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

// The names of a paste: those the layout has (its census) and those the
// parts pasted so far took, and the fresh ones it gives out.
class PastedNames {
public:
    explicit PastedNames(LayoutCensus& census) : m_census(census) {}
    bool Taken(std::string_view name) const {
        return m_census.InUse(name) || m_taken.find(std::string(name)) != m_taken.end();
    }
    void Take(std::string name) { m_taken.insert(std::move(name)); }
    // The smallest "prefix + n" (n = 1, 2, ...) that neither has.
    std::string Next(const std::string& prefix) {
        std::uint64_t& n = m_next.try_emplace(prefix, 1).first->second;
        for (;; ++n) {
            n = m_census.FreeNumber(prefix, n);
            std::string name = prefix + std::to_string(n);
            if (!m_taken.count(name))
                return name;
        }
    }

private:
    LayoutCensus& m_census;
    std::unordered_set<std::string> m_taken;
    // Per prefix: every number below it is taken, by the layout or the paste.
    std::unordered_map<std::string, std::uint64_t> m_next;
};

}  // namespace

PasteResult PasteFragment(EditorSession& session, std::string_view text, std::optional<Hole> at) {
    const Fragment fragment = ParseFragment(text);
    PasteResult result{fragment.status, fragment.message, {}};
    if (fragment.status != FragmentStatus::Parts)
        return result;

    // A drag going on ends before the layout is counted, as the edit would end it.
    session.CancelDrag();
    LayoutCensus& census = session.Census();
    const LayoutDocument& before = session.Document();

    // A layout Open would refuse could not be saved; the paste is refused
    // while it still costs nothing.
    if (census.Components() + qint64(fragment.parts.size()) > LayoutDocument::kMaxComponents)
        return {FragmentStatus::TooLarge,
                QStringLiteral("The %1 pasted parts would make the layout hold more than the %2 "
                               "parts a layout may hold; nothing was pasted.")
                    .arg(PartsText(qint64(fragment.parts.size())), PartsText(LayoutDocument::kMaxComponents)),
                {}};
    const qint64 partsSize = SavedSize(fragment.parts);
    if (census.SavedBytesAtMost() + partsSize > kMaxLayoutFileBytes &&
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
        PastedNames names(census);
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
