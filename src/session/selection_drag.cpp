// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/selection_drag.h"

#include "model/layout_document.h"
#include "session/owned_pads.h"
#include "session/selection_state.h"
#include "session/trace_ends.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace sw {
namespace {

constexpr const char* kPointNames[4] = {"X1", "Y1", "X2", "Y2"};

void SetAttrText(pugi::xml_node element, const char* name, const std::string& text) {
    pugi::xml_attribute a = element.attribute(name);
    if (!a)
        a = element.append_attribute(name);
    a.set_value(text.c_str());
}

int Moved(int from, long long by) { return int(std::clamp<long long>(from + by, INT_MIN, INT_MAX)); }

}  // namespace

void SelectionDrag::Begin(LayoutDocument& doc, const SelectionState& selection,
                          const std::vector<pugi::xml_node>& components, Hole start) {
    End();
    m_doc = &doc;
    m_generation = doc.Generation();
    m_start = start;
    const PadIndex pads(doc);
    std::unordered_set<const void*>& held = m_held;
    for (pugi::xml_node component : components) {
        if (held.insert(component.internal_object()).second)
            Hold(component, true, HasSecondPoint(component));
        // A pad carried by two parts (both named alike) still moves once.
        for (pugi::xml_node pad : CarriedPads(selection, pads, component))
            if (held.insert(pad.internal_object()).second)
                Hold(pad, true, false);
    }
    // The traces on the moving pads follow them: one end, or both (the trace whole).
    const std::vector<TraceEnd> ends = TraceEndsOnPads(doc, held);
    for (size_t i = 0; i < ends.size(); ++i) {
        const bool both = i + 1 < ends.size() && ends[i + 1].trace == ends[i].trace;
        Hold(ends[i].trace, !ends[i].second, ends[i].second || both);
        held.insert(ends[i].trace.internal_object());
        i += both;
    }
}

void SelectionDrag::Hold(pugi::xml_node element, bool first, bool second) {
    Part part;
    part.element = element;
    part.first = first;
    part.second = second;
    int* values[4] = {&part.x1, &part.y1, &part.x2, &part.y2};
    for (int i = 0; i < (second ? 4 : 2); ++i) {
        if (const pugi::xml_attribute a = element.attribute(kPointNames[i]))
            part.text[i] = a.value();
        *values[i] = IntAttr(element, kPointNames[i]);
    }
    m_parts.push_back(std::move(part));
}

bool SelectionDrag::Active() const {
    return m_doc && m_doc->Generation() == m_generation && !m_parts.empty();
}

bool SelectionDrag::MoveTo(Hole hole) {
    if (!Active())
        return false;
    const QPoint offset(hole.x - m_start.x, hole.y - m_start.y);
    if (offset == m_offset)
        return false;
    m_offset = offset;
    m_leftStart = true;
    Place(offset);
    return true;
}

void SelectionDrag::Place(QPoint offset) {
    if (!Active())
        return;
    for (const Part& part : m_parts) {
        if (part.first) {
            SetAttr(part.element, "X1", Moved(part.x1, offset.x()));
            SetAttr(part.element, "Y1", Moved(part.y1, offset.y()));
        }
        if (part.second) {
            SetAttr(part.element, "X2", Moved(part.x2, offset.x()));
            SetAttr(part.element, "Y2", Moved(part.y2, offset.y()));
        }
    }
}

void SelectionDrag::Restore() {
    if (!Active())
        return;
    for (const Part& part : m_parts) {
        for (int i = part.first ? 0 : 2; i < (part.second ? 4 : 2); ++i) {
            pugi::xml_node element = part.element;
            if (part.text[i])
                SetAttrText(element, kPointNames[i], *part.text[i]);
            else
                element.remove_attribute(kPointNames[i]);
        }
    }
    m_offset = {};
}

void SelectionDrag::End() {
    m_doc = nullptr;
    m_parts.clear();
    m_held.clear();
    m_offset = {};
    m_leftStart = false;
}

}  // namespace sw
