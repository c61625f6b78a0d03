// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placers.h"

#include "model/element_pins.h"
#include "model/text_bounds.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"
#include "render/render_context.h"

#include <algorithm>

namespace sw {
namespace {

bool Near(double a, double b) { return SameAngle(a, b); }

// The trimmer's anchors start 20 pixels left of and above the hole centres and
// are moved so that the wiper lands on hole 1 and the end pins on hole 2 and
// its mirror image.
Pixel TrimmerTopLeft(const RenderContext& ctx, long long x1, long long y1, long long x2,
                     long long y2, const TrimmerShape& t) {
    long long px1 = ctx.x0 + 20 * x1 - 20, px2 = ctx.x0 + 20 * x2 - 20;
    long long py1 = 170 + 20 * y1, py2 = 170 + 20 * y2;
    const double a = t.angle;
    const bool horizontal = Near(a, 0) || Near(a, kPi);
    const bool vertical = Near(a, kPi / 2) || Near(a, 3 * kPi / 2);
    if (horizontal && px1 < px2) {
        px1 -= 20;
        px2 -= 20;
    }
    if (vertical && py1 < py2) {
        py1 -= 20;
        py2 -= 20;
    }
    if (t.shape == 4 && horizontal) {
        py1 += 20;
        py2 += 20;
    }
    if (t.shape == 4 && vertical) {
        px1 += 20;
        px2 += 20;
    }
    if (t.shape == 1) {
        if (Near(a, 0)) {
            py1 += 20;
            py2 -= 10;
        } else if (Near(a, kPi)) {
            py1 += 20;
            py2 -= 30;
        } else if (Near(a, kPi / 2)) {
            px1 -= 10;
            px2 += 20;
        } else if (Near(a, 3 * kPi / 2)) {
            px1 -= 30;
            px2 += 20;
        }
    }
    if (t.shape == 5 && Near(a, 0)) {
        py1 += 20;
        py2 -= 20;
    }
    if (t.shape == 5 && Near(a, kPi / 2)) {
        px1 -= 20;
        px2 += 20;
    }
    return {std::min(px1, px2) - 10, std::min(py1, py2) - 10};
}

// Transistors and potentiometers lie along a row or a column (nothing else is
// drawn), turned to face from the first hole to the second.
struct AlongLine {
    double angle;
    long long minX, minY;  // the top-left of the two holes' pixels
};
std::optional<AlongLine> AlongRowOrColumn(const BodyGeometry& g) {
    if (!g.row && !g.column)
        return std::nullopt;
    return AlongLine{g.row ? (g.p1.x < g.p2.x ? kPi : 0.0) : (g.p1.y < g.p2.y ? kPi / 2 + kPi : kPi / 2),
                     std::min(g.p1.x, g.p2.x), std::min(g.p1.y, g.p2.y)};
}

}  // namespace

std::optional<BodyPlacement> PlaceElectrolyte(const BodyGeometry& g) {
    const double angle = BodyLeadAngle(g.p1.x, g.p1.y, g.p2.x, g.p2.y);
    const QString bodySize =
        g.node.attribute("Size") ? TextAttr(g.node, "Size") : QStringLiteral("Medium");
    const int size = kElectrolyteImageSize;
    return PlaceImage<MakeElectrolyteImage>(g, (g.p1.x + g.p2.x - size) / 2,
                                            (g.p1.y + g.p2.y - size) / 2, size, size, g.name,
                                            bodySize, angle);
}

std::optional<BodyPlacement> PlaceSilIc(const BodyGeometry& g) {
    // The 20-pixel body is centred across the line of pins.
    const ImageSize size = LineICImageSize(g.x1, g.y1, g.x2, g.y2);
    Pixel q1 = g.p1, q2 = g.p2;
    if (g.x1 == g.x2) {
        q1.x -= (size.width - 20) / 2;
        q2.x -= (size.width - 20) / 2;
    } else {
        q1.y -= (size.height - 20) / 2;
        q2.y -= (size.height - 20) / 2;
    }
    return PlaceSpan<MakeLineICImage>(g, size, q1, q2);
}

std::optional<BodyPlacement> PlaceTube(const BodyGeometry& g) {
    if (!g.row && !g.column)
        return std::nullopt;
    const double angle =
        g.row ? (g.p1.x < g.p2.x ? -kPi / 2 : kPi / 2) : (g.p1.y > g.p2.y ? kPi : 0.0);
    return PlaceImage<MakeTubeImage>(g, g.p1.x - 85, g.p1.y - 85, kTubeImageSize,
                                     kTubeImageSize, g.name, TextAttr(g.node, "Type"), angle);
}

std::optional<BodyPlacement> PlaceTrimmer(const BodyGeometry& g) {
    const TrimmerShape t = TrimmerShapeOf(g.x1, g.y1, g.x2, g.y2);
    const Pixel topLeft = TrimmerTopLeft(g.ctx, g.x1, g.y1, g.x2, g.y2, t);
    const bool pinDots = g.ctx.type != QLatin1String("PCB");
    return PlaceImage<MakeTrimmerImage>(g, topLeft.x, topLeft.y, kTrimmerImageSize,
                                        kTrimmerImageSize, g.name, t.shape, t.angle, pinDots);
}

std::optional<BodyPlacement> PlaceTransistor(const BodyGeometry& g) {
    const std::optional<AlongLine> line = AlongRowOrColumn(g);
    if (!line)
        return std::nullopt;
    return PlaceImage<MakeTransistorImage>(g, g.row ? line->minX - 7 : line->minX - 27, g.row ? line->minY - 27 : line->minY - 7,
        kTransistorImageSize, kTransistorImageSize, g.name, line->angle);
}

std::optional<BodyPlacement> PlacePot(const BodyGeometry& g) {
    const std::optional<AlongLine> line = AlongRowOrColumn(g);
    if (!line)
        return std::nullopt;
    long long left = 0, top = 0;
    if (g.row) {
        const int a = g.p1.x < g.p2.x ? 1 : 0;
        left = line->minX - 21 - 40 * a;
        top = line->minY - 10 - 102 * a;
    } else {
        const int b = g.p1.y > g.p2.y ? 1 : 0;
        const int c = g.p1.y < g.p2.y ? 1 : 0;
        left = line->minX - 10 - 102 * b;
        top = line->minY - 20 - 40 * c;
    }
    return PlaceImage<MakePotImage>(g, left, top, kPotImageSize, kPotImageSize, g.name,
                                    line->angle);
}

std::optional<BodyPlacement> PlaceJack(const BodyGeometry& g) {
    // Jacks in the right half of the board face the other way.
    const bool mirrored = g.x1 >= g.ctx.boardWidth / 2;
    const double angle = mirrored ? kPi : 0.0;
    const bool stereo = TextAttr(g.node, "Type") == QLatin1String("Stereo");
    return PlaceImage<MakeJackImage>(g, g.p1.x - 25 - (mirrored ? 67 : 0), g.p1.y - 18,
                                     kJackImageSize, kJackImageSize, g.name, stereo, angle);
}

TrimmerShape TrimmerShapeOf(int x1, int y1, int x2, int y2) {
    static constexpr double kTurns[] = {0.0, kPi / 2, kPi, 3 * kPi / 2};
    const TrimmerFootprint f = TrimmerFootprintOf({x1, y1}, {x2, y2});
    return {f.shape, kTurns[f.quarterTurns]};
}

}  // namespace sw
