// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/owned_pads.h"

#include "model/kinds.h"
#include "model/layout_document.h"

#include <algorithm>
#include <climits>

namespace sw {

PadIndex::PadIndex(const LayoutDocument& doc) {
    // Only the pads are walked (a `Pad` element is always a component).
    const char* pad = ElementName(kind::SolderPad);
    for (pugi::xml_node element = doc.Root().child(pad); element; element = element.next_sibling(pad))
        m_byParent[TextAttr(element, "Parent")].push_back(element);
}

const std::vector<pugi::xml_node>& PadIndex::Owned(const QString& owner) const {
    static const std::vector<pugi::xml_node> none;
    const auto it = m_byParent.find(owner);
    return it == m_byParent.end() ? none : it->second;
}

bool ComponentsWithPads::Add(pugi::xml_node element) {
    if (!m_seen.insert(element.internal_object()).second)
        return false;
    m_elements.push_back(element);
    return true;
}

void ComponentsWithPads::AddOwnedPads(const PadIndex& pads, const QString& name) {
    if (name.isEmpty())
        return;
    for (pugi::xml_node pad : pads.Owned(name)) {
        // Marked first, so a pad owned (through others) by itself is visited once.
        if (!m_seen.insert(pad.internal_object()).second)
            continue;
        AddOwnedPads(pads, TextAttr(pad, "Name"));
        m_elements.push_back(pad);
    }
}

std::vector<pugi::xml_node> CarriedPads(const SelectionState& selection, const PadIndex& pads,
                                        pugi::xml_node owner) {
    std::vector<pugi::xml_node> out;
    if (selection.CategorySelected(kind::SolderPad))
        return out;
    for (pugi::xml_node pad : pads.Owned(TextAttr(owner, "Name")))
        if (!selection.Contains(pad))
            out.push_back(pad);
    return out;
}

namespace {

int ClampToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

void ShiftAttr(pugi::xml_node element, const char* name, long long d) {
    SetAttr(element, name, ClampToInt(IntAttr(element, name) + d));
}

}  // namespace

void ShiftPoints(pugi::xml_node element, long long dx, long long dy, bool second) {
    ShiftAttr(element, "X1", dx);
    ShiftAttr(element, "Y1", dy);
    if (second) {
        ShiftAttr(element, "X2", dx);
        ShiftAttr(element, "Y2", dy);
    }
}

}  // namespace sw
