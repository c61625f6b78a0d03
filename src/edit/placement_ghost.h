// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part a click would place, drawn lightly over the board while placing:
// after the first hole, between that hole and the hole under the pointer; for
// a one-click kind, at the pointer's hole. It is the part's own picture (what
// the renderer draws for it alone) at low opacity, tinted red where the
// placement rules would refuse the pair.

#include "model/hole.h"
#include "session/placement_state.h"

#include <QImage>
#include <QPoint>
#include <optional>

namespace sw {

class LayoutDocument;

struct PlacementGhost {
    int kind = -1;
    Hole source;
    Hole destination;  // the source again for a one-click kind
    bool refused = false;
    // The name the part would get: Replace's target keeps its own, a part of
    // the netlist being placed takes the netlist's; otherwise (both empty) the
    // next free name of the kind.
    pugi::xml_node replacing;
    QString netlistName;
    friend bool operator==(const PlacementGhost&, const PlacementGhost&) = default;
};

// The ghost for the placement state with the pointer over a hole or not;
// nothing while no kind is placed, while the connectivity check picks holes,
// for Text, off a hole, and on the first hole itself.
std::optional<PlacementGhost> GhostOf(const PlacementState& state, bool overHole);

// The ghost's picture: the drawn pixels of the part alone, premultiplied with
// their opacity, and where its top left lies on the board image.
struct GhostPicture {
    QImage image;  // null: nothing drawn
    QPoint origin;
};
GhostPicture RenderGhost(const LayoutDocument& doc, const PlacementGhost& ghost,
                         const PlacementDefaults& defaults);

// How opaque the ghost is (of 255), and the red its refused pixels are mixed with.
inline constexpr int kGhostOpacity = 120;
inline constexpr QRgb kRefusedRed = 0xFFFF0000;

}  // namespace sw
