// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The placer of each kind with a body image: where the image goes and the
// builder's arguments, read from the element. The arguments are held once, as
// the values a placer passes to PlaceImage, which makes both the builder call
// and the cache key from them, so the two cannot drift apart.

#include "model/kinds.h"
#include "render/body_image_cache.h"
#include "render/body_placement.h"
#include "render/images/component_images.h"

#include <QString>
#include <algorithm>
#include <optional>

namespace sw {

struct RenderContext;

// Hole centres in 64 bits: x0 + 20 X, 190 + 20 Y.
struct Pixel {
    long long x;
    long long y;
};

// What every placer reads of an element: its kind, holes, their pixels and its name.
struct BodyGeometry {
    const RenderContext& ctx;
    pugi::xml_node node;
    kind::Index kind;
    int x1, y1, x2, y2;
    Pixel p1, p2;
    QString name;
    bool row;     // both holes on one row
    bool column;  // both holes in one column (and not on one row)
    int scale;    // the canvas's: the image is built that many times larger
};

using Placer = std::optional<BodyPlacement> (*)(const BodyGeometry&);

// The image of `g`'s kind built by `Make(args..., scale)` at the canvas's
// scale, with its top-left at (left, top) in logical pixels; the key is the
// kind, every argument and the scale.
template <auto Make, typename... Args>
BodyPlacement PlaceImage(const BodyGeometry& g, long long left, long long top, long long width,
                         long long height, Args... args) {
    BodyKey key(ElementName(g.kind));
    (key.Add(args), ...);
    const int scale = g.scale;
    key.Add(scale);
    return {left, top, width, height, [args..., scale] { return Make(args..., scale); }, key.Take()};
}

// Two-lead bodies lie along the line between the holes, centred between them
// (the division truncates toward zero).
template <auto Make>
std::optional<BodyPlacement> PlaceTwoLead(const BodyGeometry& g) {
    const double angle = BodyLeadAngle(g.p1.x, g.p1.y, g.p2.x, g.p2.y);
    const int size = kTwoLeadImageSize;
    return PlaceImage<Make>(g, (g.p1.x + g.p2.x - size) / 2, (g.p1.y + g.p2.y - size) / 2,
                            size, size, g.name, angle);
}

// Bodies sized by their hole span: image pixel (10, 10) on the top-left hole
// of the span (q1, q2: the hole pixels, moved where the body is centred).
template <auto Make>
std::optional<BodyPlacement> PlaceSpan(const BodyGeometry& g, ImageSize size, Pixel q1, Pixel q2) {
    return PlaceImage<Make>(g, std::min(q1.x, q2.x) - 10, std::min(q1.y, q2.y) - 10,
                            size.width, size.height, g.x1, g.y1, g.x2, g.y2, g.name);
}

template <auto Make>
std::optional<BodyPlacement> PlaceSpanned(const BodyGeometry& g) {
    return PlaceSpan<Make>(g, SpanImageSize(g.x1, g.y1, g.x2, g.y2), g.p1, g.p2);
}

// The placers of the bodies of a footprint of their own.
std::optional<BodyPlacement> PlaceElectrolyte(const BodyGeometry& g);
std::optional<BodyPlacement> PlaceTransistor(const BodyGeometry& g);
std::optional<BodyPlacement> PlaceSilIc(const BodyGeometry& g);
std::optional<BodyPlacement> PlaceTrimmer(const BodyGeometry& g);
std::optional<BodyPlacement> PlacePot(const BodyGeometry& g);
std::optional<BodyPlacement> PlaceJack(const BodyGeometry& g);
std::optional<BodyPlacement> PlaceTube(const BodyGeometry& g);

}  // namespace sw
