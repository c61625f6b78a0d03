// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/placement_rules.h"

#include "edit/kind_editing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace sw {
namespace {

constexpr const char kSameLineText[] =
    "Both source and destination holes must be in same row or column!";
constexpr const char kOneApartText[] = "Source and destination holes must separated with one hole!";
constexpr const char kAdjacentText[] = "Source and destination holes must be next to each other!";
constexpr const char kDiagonalText[] = "Source and destination hole must be in different rows/columns!";
constexpr const char kSilLineText[] = "Source and destination hole must be in the same row or column!";
constexpr const char kTrimmerText[] = "Source and destination hole can be only marked ones!";

PlacementCheck Refuse(const char* text) {
    return {PlacementCheck::Outcome::Refuse, QString::fromLatin1(text)};
}
PlacementCheck Ask(const char* text) { return {PlacementCheck::Outcome::Ask, QString::fromLatin1(text)}; }

// In one row or column, `apart` holes away (along that line).
PlacementCheck InLine(int dx, int dy, int apart, const char* distanceText) {
    if (dx != 0 && dy != 0)
        return Refuse(kSameLineText);
    if (std::abs(dx) != apart && std::abs(dy) != apart)
        return Refuse(distanceText);
    return {};
}

bool TrimmerOffset(int adx, int ady) {
    static constexpr std::pair<int, int> kOffsets[] = {{1, 2}, {2, 1}, {1, 4}, {4, 1},
                                                       {1, 1}, {1, 0}, {0, 1}};
    for (const auto& [ox, oy] : kOffsets)
        if (adx == ox && ady == oy)
            return true;
    return false;
}

}  // namespace

bool IsStandardDilSize(int columns, int rows) {
    static constexpr std::pair<int, int> kSizes[] = {{4, 4}, {4, 7}, {7, 4}, {4, 8}, {8, 4}};
    for (const auto& [c, r] : kSizes)
        if (columns == c && rows == r)
            return true;
    return false;
}

PlacementCheck CheckPlacement(int kindIndex, Hole source, Hole destination) {
    const KindEditing* editing = EditingOf(kindIndex);
    if (!editing || editing->rule == PlacementRule::OneHole)
        return {};
    if (source == destination)
        return Refuse(kSameHoleText);
    const int dx = destination.x - source.x;
    const int dy = destination.y - source.y;
    switch (editing->rule) {
    case PlacementRule::OneHole:
    case PlacementRule::HolesDiffer:
        return {};
    case PlacementRule::TwoApartInLine:
        return InLine(dx, dy, 2, kOneApartText);
    case PlacementRule::NextInLine:
        return InLine(dx, dy, 1, kAdjacentText);
    case PlacementRule::DilPackage:
        if (dx == 0 || dy == 0)
            return Refuse(kDiagonalText);
        if (!IsStandardDilSize(std::abs(dx) + 1, std::abs(dy) + 1))
            return Ask(kNotStandardIcText);
        return {};
    case PlacementRule::Diagonal:
        if (dx == 0 || dy == 0)
            return Refuse(kDiagonalText);
        return {};
    case PlacementRule::SilPackage: {
        if (dx != 0 && dy != 0)
            return Refuse(kSilLineText);
        const int pins = std::max(std::abs(dx), std::abs(dy)) + 1;
        if (pins % 2 == 0)
            return Ask(kNotStandardIcText);
        return {};
    }
    case PlacementRule::TrimmerOffsets:
        if (!TrimmerOffset(std::abs(dx), std::abs(dy)))
            return Refuse(kTrimmerText);
        return {};
    }
    return {};
}

std::vector<HoleMarker> PlacementMarkers(int kindIndex, Hole source, int width, int height) {
    std::vector<HoleMarker> markers{{source, kSourceColour}};
    auto add = [&](int ox, int oy, const QColor& colour, bool onBoardOnly) {
        const Hole h{source.x + ox, source.y + oy};
        if (onBoardOnly && (h.x < 1 || h.x > width || h.y < 1 || h.y > height))
            return;
        markers.push_back({h, colour});
    };
    // (±a, 0) and (0, ±a)
    auto cross = [&](int a, const QColor& colour, bool onBoardOnly) {
        add(a, 0, colour, onBoardOnly);
        add(-a, 0, colour, onBoardOnly);
        add(0, a, colour, onBoardOnly);
        add(0, -a, colour, onBoardOnly);
    };
    // (±a, ±b)
    auto corners = [&](int a, int b, const QColor& colour) {
        add(a, b, colour, true);
        add(-a, b, colour, true);
        add(a, -b, colour, true);
        add(-a, -b, colour, true);
    };
    const KindEditing* editing = EditingOf(kindIndex);
    switch (editing ? editing->marks : PlacementMarks::SourceOnly) {
    case PlacementMarks::SourceOnly:
        break;
    case PlacementMarks::TwoApartOnBoard:
        cross(2, kLime, true);
        break;
    case PlacementMarks::TwoApart:
        cross(2, kLime, false);
        break;
    case PlacementMarks::NextTo:
        cross(1, kLime, false);
        break;
    case PlacementMarks::TrimmerOffsets:
        corners(1, 2, kLime);
        corners(2, 1, kLime);
        corners(4, 1, kGreen);
        corners(1, 4, kGreen);
        corners(1, 1, kYellow);
        cross(1, kOlive, true);
        break;
    }
    return markers;
}

}  // namespace sw
