// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/render_to_image.h"

#include "model/layout_document.h"
#include "model/web_addresses.h"
#include "render/canvas.h"
#include "render/export/logo.h"
#include "render/pick_map.h"
#include "render/render_layout.h"

namespace sw {
namespace {

constexpr int kProbeStep = 10;
constexpr int kMinimumContentWidth = 400;
constexpr int kMargin = 16;
constexpr int kFooterHeight = 64;
constexpr Rgb kFooterGrey = 0xC0C0C0;
constexpr unsigned kWhite = 0xFFFFFFu;

bool RowHasContent(const QImage& image, int y) {
    const auto* line = reinterpret_cast<const unsigned*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
        if ((line[x] & kWhite) != kWhite)
            return true;
    return false;
}

bool ColumnHasContent(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if ((reinterpret_cast<const unsigned*>(image.constScanLine(y))[x] & kWhite) != kWhite)
            return true;
    return false;
}

// The first probe from `from` in steps of `step` (inside 0 .. count - 1) that
// has content, or -1.
template <typename HasContent>
int Probe(int from, int step, int count, HasContent hasContent) {
    for (int i = from; i >= 0 && i < count; i += step)
        if (hasContent(i))
            return i;
    return -1;
}

}  // namespace

ContentEdges ContentBox(const QImage& work) {
    const int width = work.width();
    const int height = work.height();
    const auto column = [&](int x) { return ColumnHasContent(work, x); };
    const auto row = [&](int y) { return RowHasContent(work, y); };
    ContentEdges box;
    box.left = Probe(0, kProbeStep, width, column);
    box.right = Probe(width - 1, -kProbeStep, width, column);
    box.top = Probe(0, kProbeStep, height, row);
    box.bottom = Probe(height - 1, -kProbeStep, height, row);
    // Content that lies between the probes of one side only (or none at all)
    // gives no sensible box: take the whole canvas in that direction.
    if (box.left < 0 || box.right < 0 || box.left > box.right) {
        box.left = 0;
        box.right = width - 1;
    }
    if (box.top < 0 || box.bottom < 0 || box.top > box.bottom) {
        box.top = 0;
        box.bottom = height - 1;
    }
    return box;
}

QImage CropAndStamp(const QImage& work, ContentEdges box) {
    if (box.right - box.left < kMinimumContentWidth) {
        const int grow = (kMinimumContentWidth - (box.right - box.left)) / 2;
        box.left -= grow;
        box.right += grow;
    }
    const int width = box.right - box.left + 2 * kMargin;
    const int height = box.bottom - box.top + kMargin + kFooterHeight;
    QImage result = MakeRaster(width, height);

    // The work canvas, shifted so its pixel (left - 16, top - 16) lands at (0, 0).
    const int dx = box.left - kMargin;
    const int dy = box.top - kMargin;
    const int fromX = std::max(0, -dx);
    const int toX = std::min(width, work.width() - dx);
    for (int y = std::max(0, -dy); y < height && y + dy < work.height(); ++y) {
        if (toX <= fromX)
            break;
        const auto* source = reinterpret_cast<const unsigned*>(work.constScanLine(y + dy));
        auto* target = reinterpret_cast<unsigned*>(result.scanLine(y));
        std::copy(source + fromX + dx, source + toX + dx, target + fromX);
    }

    {
        Canvas canvas(result);
        canvas.SetFont(QStringLiteral("Tahoma"), 8);
        canvas.SetFontColour(kFooterGrey);
        canvas.SetBrushStyle(BrushStyle::Clear);
        // The first footer line is a stamp that is left empty.
        const QString lines[2] = {QString(), web::HomePage()};
        for (int i = 0; i < 2; ++i) {
            const QSize extent = canvas.TextExtent(lines[i]);
            canvas.TextOut((width - extent.width()) / 2, height - 32 + 16 * i, lines[i]);
        }
        canvas.CopyImage(width - 38, height - 36, Logo());
    }
    return result;
}

QImage RenderToImage(const LayoutDocument& doc, RenderCaches* caches) {
    QImage work = MakeRaster(kWorkCanvasWidth, kWorkCanvasHeight);
    {
        Canvas canvas(work);
        PickMap pick(kWorkCanvasWidth, kWorkCanvasHeight);
        RenderOptions options;
        options.forImage = true;
        options.caches = caches;
        RenderLayout(doc, canvas, pick, kWorkCanvasWidth, kWorkCanvasHeight, options);
    }
    return CropAndStamp(work, ContentBox(work));
}

}  // namespace sw
