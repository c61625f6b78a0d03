// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pairs of holes each kind accepts, the messages for the pairs it refuses,
// and the markers that show the acceptable destinations after the first hole.

#include "edit/editor_host.h"

#include <QString>
#include <vector>

namespace sw {

struct PlacementCheck {
    enum class Outcome {
        Accept,
        Refuse,  // show `message` as an error and give up
        Ask,     // ask `message` with Yes and No; Yes accepts
    };
    Outcome outcome = Outcome::Accept;
    QString message;
};

inline constexpr const char kSameHoleText[] = "Source and destination holes must be different!";
inline constexpr const char kNotStandardIcText[] =
    "IC you are trying to create is not standard size, continue?";

// The rule of a two-click kind for the pair (source, destination), including the
// different-holes test. One-click kinds accept anything.
PlacementCheck CheckPlacement(int kindIndex, Hole source, Hole destination);

// A DIL IC of this many columns and rows is one of the standard packages.
bool IsStandardDilSize(int columns, int rows);

// The purple source dot followed by the kind's target markers around `source`;
// markers "on board only" are left out where their hole is off a board of
// `width` x `height` holes.
std::vector<HoleMarker> PlacementMarkers(int kindIndex, Hole source, int width, int height);

inline const QColor kSourceColour{128, 0, 128};
inline const QColor kLime{0, 255, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kOlive{128, 128, 0};

}  // namespace sw
