// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placement.h"

#include "model/kinds.h"
#include "model/text_bounds.h"
#include "render/blend.h"
#include "render/body_image_cache.h"
#include "render/body_placers.h"
#include "render/composite_memo.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"
#include "render/kind_drawing.h"
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
// The images a picture builds are held until composited. When those the
// cache lacks would take more than it keeps (a crowd of parts of different
// names or values), they are built and composited a run of bodies at a time,
// each run holding at most this or the cache's bound, whichever is larger.
constexpr std::size_t kLeastBuildRun = std::size_t(4) << 20;

// No less than the bytes a body's image takes once built: a pixel of its
// size each, with the runs beside them.
std::size_t ImageBytesAtMost(const BodyPlacement& placement) {
    return std::size_t(placement.width) * std::size_t(placement.height) * (sizeof(QRgb) + sizeof(int)) + 256;
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

std::optional<BodyPlacement> PlaceBody(const RenderContext& ctx, pugi::xml_node node) {
    const std::optional<kind::Index> kind = KindOf(node);
    if (!kind)
        return std::nullopt;
    const Placer place = DrawingOf(*kind).place;
    if (!place)
        return std::nullopt;
    const int x1 = IntAttr(node, "X1");
    const int y1 = IntAttr(node, "Y1");
    const int x2 = IntAttr(node, "X2");
    const int y2 = IntAttr(node, "Y2");
    const bool row = y1 == y2;
    const BodyGeometry geometry{ctx,
                                node,
                                *kind,
                                x1,
                                y1,
                                x2,
                                y2,
                                {ctx.x0 + 20LL * x1, 190 + 20LL * y1},
                                {ctx.x0 + 20LL * x2, 190 + 20LL * y2},
                                DrawnTextAttr(node, "Name"),
                                row,
                                !row && x1 == x2,
                                ctx.canvas.Scale()};
    const std::optional<BodyPlacement> placed = place(geometry);
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
    // An enlarged canvas shows a window of the picture (and has no pick map
    // of its own: see BlendTargetOf); what reaches it is placed in its device
    // pixels.
    const QRect shown = ctx.canvas.Shown();
    const long long scale = ctx.canvas.Scale();
    const bool picking = ctx.pick.Width() > 0 && ctx.pick.Height() > 0;
    const long long areaLeft = picking ? std::min(shown.left(), 0) : shown.left();
    const long long areaTop = picking ? std::min(shown.top(), 0) : shown.top();
    const long long areaRight = std::max<long long>(shown.left() + (long long)shown.width(), ctx.pick.Width());
    const long long areaBottom = std::max<long long>(shown.top() + (long long)shown.height(), ctx.pick.Height());
    std::vector<int> missing;
    for (const BodyElement& element : elements) {
        std::optional<BodyPlacement> placement = PlaceBody(ctx, element.node);
        if (!placement || placement->left + placement->width <= areaLeft ||
            placement->top + placement->height <= areaTop || placement->left >= areaRight ||
            placement->top >= areaBottom)
            continue;
        if (ctx.canvas.Scaled()) {
            placement->left = (placement->left - shown.left()) * scale;
            placement->top = (placement->top - shown.top()) * scale;
            placement->width *= scale;
            placement->height *= scale;
        }
        std::shared_ptr<const KeyedImage> image = ctx.caches.bodies.Find(placement->key);
        if (!image)
            missing.push_back(int(placed.size()));
        placed.push_back({std::move(*placement), element.key, std::move(image)});
    }
    // Composited in document order, so a later body covers an earlier one; the
    // rows are shared out in bands, each band drawing every body that reaches it.
    const BlendTarget target = BlendTargetOf(ctx.canvas, ctx.pick);
    const int opacity = EffectiveOpacity(kBodyOpacity, ctx.options.forImage, ctx.options.reveal);
    const int rows = std::max(target.canvasHeight, target.pickHeight);
    const int bands = placed.size() >= kBodiesWorthBands ? kCompositingBands : 1;
    auto bandRows = [&](int band) {
        return std::pair<int, int>(int((long long)rows * band / bands), int((long long)rows * (band + 1) / bands));
    };
    auto reachingBand = [&](int band, std::size_t first, std::size_t last) {
        const auto [rowBegin, rowEnd] = bandRows(band);
        std::vector<BandBody> reaching;
        for (std::size_t i = first; i < last; ++i) {
            const Placed& body = placed[i];
            const long long top = body.placement.top;
            if (top >= rowEnd || top + body.placement.height <= rowBegin)
                continue;
            reaching.push_back(
                {body.image.get(), body.image->Serial(), int(body.placement.left), int(top), body.key});
        }
        return reaching;
    };
    auto composite = [&](int band, const std::vector<BandBody>& reaching) {
        const auto [rowBegin, rowEnd] = bandRows(band);
        for (const BandBody& body : reaching)
            BlendKeyedImageRows(target, body.left, body.top, *body.image, body.identity, opacity, rowBegin,
                                rowEnd);
    };
    // The images the cache lacks are independent of each other: built on every core.
    // `missing` is in document order: those of bodies [first, last) are a run of it.
    auto build = [&](std::size_t first, std::size_t last) {
        const auto begin = std::lower_bound(missing.begin(), missing.end(), int(first));
        const auto end = std::lower_bound(begin, missing.end(), int(last));
        ParallelFor(int(end - begin), [&](int i) {
            Placed& body = placed[std::size_t(begin[i])];
            body.image = ctx.caches.bodies.Cached(body.placement.key, body.placement.build);
        });
    };

    std::size_t missingBytes = 0;
    for (int i : missing)
        missingBytes += ImageBytesAtMost(placed[std::size_t(i)].placement);
    const std::size_t run = std::max(ctx.caches.bodies.Limit(), kLeastBuildRun);
    if (missingBytes > run) {
        // Run by run, each image let go once composited: memory stays within
        // the run. Nothing is remembered, since what the cache could not keep
        // is built anew by the next picture anyway.
        for (std::size_t first = 0; first < placed.size();) {
            std::size_t last = first, bytes = 0;
            while (last < placed.size() && (last == first || bytes <= run)) {
                if (!placed[last].image)
                    bytes += ImageBytesAtMost(placed[last].placement);
                ++last;
            }
            build(first, last);
            ParallelFor(bands, [&](int band) { composite(band, reachingBand(band, first, last)); });
            for (std::size_t i = first; i < last; ++i)
                placed[i].image.reset();
            first = last;
        }
        return;
    }
    build(0, placed.size());
    // Hashing and copying a band costs about what a few dozen bodies cost to
    // composite, so only a crowded layer is remembered.
    const bool remembering = bands > 1 && memo.Begin(target, bands, opacity);
    ParallelFor(bands, [&](int band) {
        const std::vector<BandBody> reaching = reachingBand(band, 0, placed.size());
        const auto [rowBegin, rowEnd] = bandRows(band);
        if (remembering && memo.Restore(band, rowBegin, rowEnd, reaching))
            return;
        composite(band, reaching);
        if (remembering)
            memo.Keep(band, rowBegin, rowEnd, reaching);
    });
    if (bands > 1)
        memo.End();
}

}  // namespace sw
