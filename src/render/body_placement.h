// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the body image of a component goes on the canvas, with which builder
// arguments, and when a body is not drawn at all. Shared by the two body layers
// (switches and tube sockets under the wiring, every other body above it).

#include <QImage>
#include <functional>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace sw {

class CompositeMemo;
struct RenderContext;

// A body ready to be built: its image's top-left on the canvas and its size,
// in 64 bits because hole numbers may be anything an int holds, and the
// builder call with the arguments taken from the element, and the cache key
// holding the builder's kind and every one of those arguments.
struct BodyPlacement {
    long long left = 0;
    long long top = 0;
    long long width = 0;
    long long height = 0;
    std::function<QImage()> build;
    std::string key;
};

// The placement of `node`'s body, or nothing when the element has no body
// image (not a kind with one) or is not drawn: a tube, transistor or pot whose
// holes share neither a row nor a column, or a body larger than the largest
// image we build.
std::optional<BodyPlacement> PlaceBody(const RenderContext& ctx, pugi::xml_node node);

// An element whose body may be drawn, with its identity key.
struct BodyElement {
    pugi::xml_node node;
    unsigned key;
};

// Draws the bodies of `elements`, given in document order: each is built only
// when it can touch the canvas or the pick map and the body image cache does
// not already hold it (the missing ones built on every core), and composited
// at opacity 200 with its identity key, dimmed in reveal mode on screen only,
// a later body over an earlier one (bands of rows shared among the cores).
// `memo` keeps the composited bands of this layer for the next repaint.
void DrawBodies(RenderContext& ctx, const std::vector<BodyElement>& elements, CompositeMemo& memo);

// A trimmer's footprint from the offset of hole 2 to hole 1 (wiper): shape 1
// diagonal neighbour, 2 or 4 two or four away and one across, 5 direct
// neighbour, 0 none of these (angle 0).
struct TrimmerShape {
    int shape;
    double angle;
};
TrimmerShape TrimmerShapeOf(int x1, int y1, int x2, int y2);

// Direction from hole-centre pixel (x1, y1) to (x2, y2), y downward.
double BodyLeadAngle(long long x1, long long y1, long long x2, long long y2);

}  // namespace sw
