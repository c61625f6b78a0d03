// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placement.h"

#include "model/kinds.h"
#include "model/text_bounds.h"
#include "render/blend.h"
#include "render/body_image_cache.h"
#include "render/composite_memo.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"
#include "render/parallel_for.h"
#include "render/render_context.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sw {
namespace {

constexpr int kBodyOpacity = 200;
// Compositing goes to several threads only when there are enough bodies for
// it to pay for starting them; the bands are more than the cores, so a core
// slowed by another program takes fewer of them.
constexpr std::size_t kBodiesWorthBands = 64;
constexpr int kCompositingBands = 12;

// Hole centres in 64 bits: x0 + 20 X, 190 + 20 Y.
struct Pixel {
    long long x;
    long long y;
};
Pixel HolePixel(const RenderContext& ctx, long long column, long long row) {
    return {ctx.x0 + 20 * column, 190 + 20 * row};
}

bool Near(double a, double b) { return SameAngle(a, b); }

BodyPlacement Place(long long left, long long top, long long width, long long height,
                    std::function<QImage()> build, std::string key) {
    return {left, top, width, height, std::move(build), std::move(key)};
}

// The key of a span kind's image: its kind, the four hole numbers and the name.
std::string SpanKey(pugi::xml_node node, int x1, int y1, int x2, int y2, const QString& name) {
    return BodyKey(node.name()).Add((long long)x1).Add((long long)y1).Add((long long)x2)
        .Add((long long)y2).Add(name).Take();
}

// Span kinds: image pixel (10, 10) on the top-left hole of the span.
BodyPlacement PlaceSpan(Pixel p1, Pixel p2, ImageSize size, std::function<QImage()> build,
                        std::string key) {
    return Place(std::min(p1.x, p2.x) - 10, std::min(p1.y, p2.y) - 10, size.width, size.height,
                 std::move(build), std::move(key));
}

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

std::optional<BodyPlacement> PlaceTwoLead(pugi::xml_node node, Pixel p1, Pixel p2) {
    const QString name = DrawnTextAttr(node, "Name");
    const double angle = BodyLeadAngle(p1.x, p1.y, p2.x, p2.y);
    std::function<QImage()> build;
    int size = kTwoLeadImageSize;
    BodyKey key(node.name());
    key.Add(name).Add(angle);
    if (IsKind(node, kind::Resistor))
        build = [name, angle] { return MakeResistorImage(name, angle); };
    else if (IsKind(node, kind::Capacitor))
        build = [name, angle] { return MakeCapacitorImage(name, angle); };
    else if (IsKind(node, kind::Diode))
        build = [name, angle] { return MakeDiodeImage(name, angle); };
    else if (IsKind(node, kind::Led))
        build = [name, angle] { return MakeLedImage(name, angle); };
    else if (IsKind(node, kind::Electrolyte)) {
        const QString bodySize =
            node.attribute("Size") ? TextAttr(node, "Size") : QStringLiteral("Medium");
        build = [name, bodySize, angle] { return MakeElectrolyteImage(name, bodySize, angle); };
        key.Add(bodySize);
        size = kElectrolyteImageSize;
    } else {
        return std::nullopt;
    }
    // Centred between the holes; the division truncates toward zero.
    return Place((p1.x + p2.x - size) / 2, (p1.y + p2.y - size) / 2, size, size, std::move(build),
                 key.Take());
}

}  // namespace

double BodyLeadAngle(long long x1, long long y1, long long x2, long long y2) {
    if (y1 == y2)
        return x2 < x1 ? kPi : 0.0;
    if (x1 == x2)
        return y2 > y1 ? kPi / 2 : -kPi / 2;
    const double angle = std::atan(double(y2 - y1) / double(x2 - x1));
    return x1 > x2 ? angle + kPi : angle;
}

TrimmerShape TrimmerShapeOf(long long x1, long long y1, long long x2, long long y2) {
    const long long dx = x2 - x1;
    const long long dy = y2 - y1;
    const bool oneAcrossX = dx == 1 || dx == -1;
    const bool oneAcrossY = dy == 1 || dy == -1;
    if (dy == 1 && dx == 1)
        return {1, kPi / 2};
    if (dy == 1 && dx == -1)
        return {1, kPi};
    if (dy == -1 && dx == 1)
        return {1, 0};
    if (dy == -1 && dx == -1)
        return {1, 3 * kPi / 2};
    for (int along : {2, 4}) {
        if (dy == along && oneAcrossX)
            return {along, kPi};
        if (dx == along && oneAcrossY)
            return {along, kPi / 2};
        if (dy == -along && oneAcrossX)
            return {along, 0};
        if (dx == -along && oneAcrossY)
            return {along, 3 * kPi / 2};
    }
    if (oneAcrossX && dy == 0)
        return {5, 0};
    if (oneAcrossY && dx == 0)
        return {5, kPi / 2};
    return {0, 0};
}

namespace {

// What every placer reads of an element: its holes, their pixels and its name.
struct BodyGeometry {
    const RenderContext& ctx;
    pugi::xml_node node;
    int x1, y1, x2, y2;
    Pixel p1, p2;
    QString name;
    bool row;     // both holes on one row
    bool column;  // both holes in one column (and not on one row)
};

using SpanImageMaker = QImage (*)(int, int, int, int, const QString&);

// Bodies sized by their hole span, top-left at the span's corner.
template <SpanImageMaker Make>
std::optional<BodyPlacement> PlaceSpanned(const BodyGeometry& g) {
    const int x1 = g.x1, y1 = g.y1, x2 = g.x2, y2 = g.y2;
    const QString name = g.name;
    return PlaceSpan(g.p1, g.p2, SpanImageSize(x1, y1, x2, y2),
                     [=] { return Make(x1, y1, x2, y2, name); }, SpanKey(g.node, x1, y1, x2, y2, name));
}

std::optional<BodyPlacement> PlaceLineIc(const BodyGeometry& g) {
    const int x1 = g.x1, y1 = g.y1, x2 = g.x2, y2 = g.y2;
    const QString name = g.name;
    // The 20-pixel body is centred across the line of pins.
    const ImageSize size = LineICImageSize(x1, y1, x2, y2);
    Pixel q1 = g.p1, q2 = g.p2;
    if (x1 == x2) {
        q1.x -= (size.width - 20) / 2;
        q2.x -= (size.width - 20) / 2;
    } else {
        q1.y -= (size.height - 20) / 2;
        q2.y -= (size.height - 20) / 2;
    }
    return PlaceSpan(q1, q2, size, [=] { return MakeLineICImage(x1, y1, x2, y2, name); },
                     SpanKey(g.node, x1, y1, x2, y2, name));
}

std::optional<BodyPlacement> PlaceTube(const BodyGeometry& g) {
    if (!g.row && !g.column)
        return std::nullopt;
    const double angle =
        g.row ? (g.p1.x < g.p2.x ? -kPi / 2 : kPi / 2) : (g.p1.y > g.p2.y ? kPi : 0.0);
    const QString name = g.name;
    const QString type = TextAttr(g.node, "Type");
    return Place(g.p1.x - 85, g.p1.y - 85, kTubeImageSize, kTubeImageSize,
                 [=] { return MakeTubeImage(name, type, angle); },
                 BodyKey("Tube").Add(name).Add(type).Add(angle).Take());
}

std::optional<BodyPlacement> PlaceTrimmer(const BodyGeometry& g) {
    const TrimmerShape t = TrimmerShapeOf(g.x1, g.y1, g.x2, g.y2);
    const Pixel topLeft = TrimmerTopLeft(g.ctx, g.x1, g.y1, g.x2, g.y2, t);
    const bool pinDots = g.ctx.type != QLatin1String("PCB");
    const QString name = g.name;
    return Place(topLeft.x, topLeft.y, kTrimmerImageSize, kTrimmerImageSize,
                 [=] { return MakeTrimmerImage(name, t.shape, t.angle, pinDots); },
                 BodyKey("Trimmer").Add(name).Add((long long)t.shape).Add(t.angle).Add(pinDots).Take());
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

std::optional<BodyPlacement> PlaceTransistor(const BodyGeometry& g) {
    const std::optional<AlongLine> line = AlongRowOrColumn(g);
    if (!line)
        return std::nullopt;
    const auto [angle, minX, minY] = *line;
    const QString name = g.name;
    return Place(g.row ? minX - 7 : minX - 27, g.row ? minY - 27 : minY - 7, kTransistorImageSize,
                 kTransistorImageSize, [name, angle = angle] { return MakeTransistorImage(name, angle); },
                 BodyKey("Transistor").Add(name).Add(angle).Take());
}

std::optional<BodyPlacement> PlacePot(const BodyGeometry& g) {
    const std::optional<AlongLine> line = AlongRowOrColumn(g);
    if (!line)
        return std::nullopt;
    const auto [angle, minX, minY] = *line;
    const QString name = g.name;
    long long left = 0, top = 0;
    if (g.row) {
        const int a = g.p1.x < g.p2.x ? 1 : 0;
        left = minX - 21 - 40 * a;
        top = minY - 10 - 102 * a;
    } else {
        const int b = g.p1.y > g.p2.y ? 1 : 0;
        const int c = g.p1.y < g.p2.y ? 1 : 0;
        left = minX - 10 - 102 * b;
        top = minY - 20 - 40 * c;
    }
    return Place(left, top, kPotImageSize, kPotImageSize, [name, angle = angle] { return MakePotImage(name, angle); },
                 BodyKey("Pot").Add(name).Add(angle).Take());
}

std::optional<BodyPlacement> PlaceJack(const BodyGeometry& g) {
    // Jacks in the right half of the board face the other way.
    const bool mirrored = g.x1 >= g.ctx.boardWidth / 2;
    const double angle = mirrored ? kPi : 0.0;
    const bool stereo = TextAttr(g.node, "Type") == QLatin1String("Stereo");
    const QString name = g.name;
    return Place(g.p1.x - 25 - (mirrored ? 67 : 0), g.p1.y - 18, kJackImageSize, kJackImageSize,
                 [=] { return MakeJackImage(name, stereo, angle); },
                 BodyKey("Jack").Add(name).Add(stereo).Add(angle).Take());
}

std::optional<BodyPlacement> PlaceTwoLeadBody(const BodyGeometry& g) {
    return PlaceTwoLead(g.node, g.p1, g.p2);
}

using Placer = std::optional<BodyPlacement> (*)(const BodyGeometry&);

// The placer of each kind with a body of its own; the other kinds with a
// body are two-lead bodies.
struct KindPlacer {
    kind::Index kind;
    Placer place;
};
constexpr KindPlacer kPlacers[] = {
    {kind::DilIc, PlaceSpanned<MakeICImage>},
    {kind::Relay, PlaceSpanned<MakeRelayImage>},
    {kind::Transformer, PlaceSpanned<MakeTransformerImage>},
    {kind::Switch, PlaceSpanned<MakeSwitchImage>},
    {kind::SilIc, PlaceLineIc},
    {kind::TubeSocket, PlaceTube},
    {kind::Trimmer, PlaceTrimmer},
    {kind::Transistor, PlaceTransistor},
    {kind::Potentiometer, PlacePot},
    {kind::AudioJack, PlaceJack},
};

Placer PlacerOf(pugi::xml_node node) {
    for (const KindPlacer& placer : kPlacers)
        if (IsKind(node, placer.kind))
            return placer.place;
    return PlaceTwoLeadBody;
}

}  // namespace

std::optional<BodyPlacement> PlaceBody(const RenderContext& ctx, pugi::xml_node node) {
    const int x1 = IntAttr(node, "X1");
    const int y1 = IntAttr(node, "Y1");
    const int x2 = IntAttr(node, "X2");
    const int y2 = IntAttr(node, "Y2");
    const bool row = y1 == y2;
    const BodyGeometry geometry{ctx, node, x1, y1, x2, y2, HolePixel(ctx, x1, y1),
                                HolePixel(ctx, x2, y2), DrawnTextAttr(node, "Name"), row,
                                !row && x1 == x2};
    const std::optional<BodyPlacement> placed = PlacerOf(node)(geometry);
    if (placed && (placed->width > kMaxImageSide || placed->height > kMaxImageSide))
        return std::nullopt;
    return placed;
}

void DrawBodies(RenderContext& ctx, const std::vector<BodyElement>& elements, CompositeMemo& memo) {
    struct Placed {
        BodyPlacement placement;
        unsigned key;
        std::shared_ptr<const KeyedImage> image;
    };
    std::vector<Placed> placed;
    placed.reserve(elements.size());
    // Bodies entirely off the canvas and the pick map are not built: their
    // coordinates may be far outside what the compositing arithmetic holds.
    const long long areaWidth = std::max(ctx.canvas.Width(), ctx.pick.Width());
    const long long areaHeight = std::max(ctx.canvas.Height(), ctx.pick.Height());
    std::vector<int> missing;
    for (const BodyElement& element : elements) {
        std::optional<BodyPlacement> placement = PlaceBody(ctx, element.node);
        if (!placement || placement->left + placement->width <= 0 ||
            placement->top + placement->height <= 0 || placement->left >= areaWidth ||
            placement->top >= areaHeight)
            continue;
        std::shared_ptr<const KeyedImage> image = FindBodyImage(placement->key);
        if (!image)
            missing.push_back(int(placed.size()));
        placed.push_back({std::move(*placement), element.key, std::move(image)});
    }
    // The images the cache lacks are independent of each other: built on every core.
    ParallelFor(int(missing.size()), [&](int i) {
        Placed& body = placed[std::size_t(missing[std::size_t(i)])];
        body.image = CachedBodyImage(body.placement.key, body.placement.build);
    });

    // Composited in document order, so a later body covers an earlier one; the
    // rows are shared out in bands, each band drawing every body that reaches it.
    const BlendTarget target = BlendTargetOf(ctx.canvas, ctx.pick);
    const int opacity = EffectiveOpacity(kBodyOpacity, ctx.options.forImage, ctx.options.reveal);
    const int rows = std::max(target.canvasHeight, target.pickHeight);
    const int bands = placed.size() >= kBodiesWorthBands ? kCompositingBands : 1;
    // Hashing and copying a band costs about what a few dozen bodies cost to
    // composite, so only a crowded layer is remembered.
    bool remembering = false;
    if (bands > 1) {
        std::vector<std::shared_ptr<const KeyedImage>> images;
        images.reserve(placed.size());
        for (const Placed& body : placed)
            images.push_back(body.image);
        remembering = memo.Begin(target, bands, opacity, std::move(images));
    }
    ParallelFor(bands, [&](int band) {
        const int rowBegin = int((long long)rows * band / bands);
        const int rowEnd = int((long long)rows * (band + 1) / bands);
        std::vector<BandBody> reaching;
        for (const Placed& body : placed) {
            const long long top = body.placement.top;
            if (top >= rowEnd || top + body.placement.height <= rowBegin)
                continue;
            reaching.push_back({body.image.get(), int(body.placement.left), int(top), body.key});
        }
        if (remembering && memo.Restore(band, rowBegin, rowEnd, reaching))
            return;
        for (const BandBody& body : reaching)
            BlendKeyedImageRows(target, body.left, body.top, *body.image, body.identity, opacity,
                                rowBegin, rowEnd);
        if (remembering)
            memo.Keep(band, rowBegin, rowEnd, reaching);
    });
    if (bands > 1)
        memo.End();
}

}  // namespace sw
