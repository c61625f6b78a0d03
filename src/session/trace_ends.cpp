// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/trace_ends.h"

#include "model/kinds.h"
#include "model/layout_document.h"

#include <cstdint>

namespace sw {
namespace {

std::uint64_t HoleKey(int x, int y) { return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y); }

}  // namespace

std::vector<TraceEnd> TraceEndsOnPads(const LayoutDocument& doc,
                                      const std::unordered_set<const void*>& moving) {
    std::vector<TraceEnd> ends;
    if (doc.BoardType() != QLatin1String("PCB") || moving.empty())
        return ends;
    std::unordered_set<std::uint64_t> padHoles;
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (IsKind(element, kind::SolderPad) && moving.count(element.internal_object()))
            padHoles.insert(HoleKey(IntAttr(element, "X1"), IntAttr(element, "Y1")));
    });
    if (padHoles.empty())
        return ends;
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (!IsKind(element, kind::Trace) || moving.count(element.internal_object()))
            return;
        for (bool second : {false, true}) {
            const TraceEnd end{element, second};
            if (!element.attribute(EndX(end)) || !element.attribute(EndY(end)))
                continue;
            if (padHoles.count(HoleKey(IntAttr(element, EndX(end)), IntAttr(element, EndY(end)))))
                ends.push_back(end);
        }
    });
    return ends;
}

}  // namespace sw
