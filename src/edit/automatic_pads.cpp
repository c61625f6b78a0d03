// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/automatic_pads.h"

#include "edit/kind_editing.h"
#include "model/element_pins.h"
#include "model/kinds.h"
#include "model/layout_document.h"

#include <algorithm>

namespace sw {
namespace {

// The pins in the order their pads are made.
std::vector<ElementPin> InPadOrder(std::vector<ElementPin> pins, PadOrder order, Hole hole1,
                                   Hole hole2) {
    switch (order) {
    case PadOrder::None:
        return {};
    case PadOrder::PinNumber:
        return pins;
    case PadOrder::HolesFirst: {
        // Stable, so the pins elsewhere keep their numbers' order.
        auto rank = [&](const ElementPin& p) { return p.hole == hole1 ? 0 : p.hole == hole2 ? 1 : 2; };
        std::stable_sort(pins.begin(), pins.end(),
                         [&](const ElementPin& a, const ElementPin& b) { return rank(a) < rank(b); });
        return pins;
    }
    case PadOrder::OuterPairs: {
        std::vector<ElementPin> paired;
        for (std::size_t i = 0, j = pins.size(); i < j; ++i) {
            paired.push_back(pins[i]);
            if (i != --j)
                paired.push_back(pins[j]);
        }
        return paired;
    }
    case PadOrder::ByColumn:
        std::stable_sort(pins.begin(), pins.end(), [](const ElementPin& a, const ElementPin& b) {
            return a.hole.x != b.hole.x ? a.hole.x < b.hole.x : a.hole.y < b.hole.y;
        });
        return pins;
    case PadOrder::RowOfHole1First: {
        auto rank = [&](const ElementPin& p) {
            const bool corner = (p.hole.x == hole1.x || p.hole.x == hole2.x) &&
                                (p.hole.y == hole1.y || p.hole.y == hole2.y);
            return !corner ? 4 : 2 * (p.hole.y != hole1.y) + (p.hole.x != hole1.x);
        };
        std::stable_sort(pins.begin(), pins.end(),
                         [&](const ElementPin& a, const ElementPin& b) { return rank(a) < rank(b); });
        return pins;
    }
    }
    return pins;
}

}  // namespace

bool CreateAutomaticPad(LayoutDocument& doc, int x, int y, bool square, const QString& owner,
                        int padSize) {
    if (x < 1 || x > doc.BoardWidth() || y < 1 || y > doc.BoardHeight())
        return false;
    if (doc.PadExists(x, y, owner))
        return false;
    const QString name = doc.NextFreeName(QStringLiteral("P"));
    pugi::xml_node pad = doc.AppendComponent(ElementName(kind::SolderPad));
    SetAttr(pad, "X1", x);
    SetAttr(pad, "Y1", y);
    SetAttr(pad, "Value", padSize);
    SetAttr(pad, "Name", name);
    SetAttr(pad, "Parent", owner);
    SetAttr(pad, "Square", square ? QStringLiteral("True") : QStringLiteral("False"));
    return true;
}

void CreateAutomaticPads(LayoutDocument& doc, int kindIndex, Hole source, Hole destination,
                         const QString& owner, int padSize) {
    const KindEditing* editing = EditingOf(kindIndex);
    if (!editing || editing->pads == PadOrder::None)
        return;
    const std::vector<ElementPin> pins =
        InPadOrder(KindPins(kind::Index(kindIndex), source, destination), editing->pads, source,
                   destination);
    for (const ElementPin& pin : pins)
        CreateAutomaticPad(doc, pin.hole.x, pin.hole.y, editing->squarePin1 && pin.number == 1,
                           owner, padSize);
}

}  // namespace sw
