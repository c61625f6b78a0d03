// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour names and the compositing of component images.

#include "render/canvas.h"

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sw {

class PickMap;

constexpr Rgb kKeyColour = 0xFF00FF;  // magenta: the transparent colour of component images

// "Black", "Purple", "Green", "Red", "Blue", "Gray", "Brown", "Orange" (exact
// case); anything else is white.
Rgb MyTextToColor(const QString& name);
// (opacity * source + (255 - opacity) * destination) div 256.
int BlendChannel(int source, int destination, int opacity);
Rgb BlendColour(Rgb source, Rgb destination, int opacity);

// Composites `image` with its top-left at (left, top): pixels equal to `key` are
// skipped; the others are blended at `opacity` (three eighths of it when
// `reveal` is on and the call is not `exempt`) and write `identity` into the
// pick map. Pixels outside the canvas or pick map are ignored. On an enlarged
// canvas `image` is one made at the canvas's scale, (left, top) stays logical,
// and the pick map is not written (it is the picture's at scale 1).
void DrawImageBlended(Canvas& canvas, PickMap& pick, int left, int top, const QImage& image,
                      Rgb key, unsigned identity, bool exempt, int opacity, bool reveal);

// A component image kept for compositing again and again: per row, the runs of
// pixels that are not the key colour, and those drawn pixels alone, packed row
// after row in run order. The key-coloured surround (most of a body image) is
// neither kept in memory nor touched when compositing.
class KeyedImage {
public:
    KeyedImage(const QImage& image, Rgb key);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Row `row`'s runs as [start, end) column pairs: Runs(row)[0 ... 2 n).
    const int* RunsBegin(int row) const { return m_runs.data() + m_rowStart[row]; }
    const int* RunsEnd(int row) const { return m_runs.data() + m_rowStart[row + 1]; }
    // The drawn pixels of row `row`'s runs, one run after the other.
    const QRgb* RowPixels(int row) const { return m_pixels.data() + m_pixelStart[row]; }
    std::size_t Bytes() const;
    // Tells this image from every other made while the program runs, even
    // one made later at the same address.
    std::uint64_t Serial() const { return m_serial; }

private:
    std::uint64_t m_serial;
    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_rowStart;    // height + 1 offsets into m_runs
    std::vector<int> m_runs;
    std::vector<std::size_t> m_pixelStart;  // height offsets into m_pixels
    std::vector<QRgb> m_pixels;
};

// The canvas and the pick map as bare scan lines, taken once before
// compositing many images (and safe to share between threads that write
// different rows).
struct BlendTarget {
    QRgb* canvas;
    qsizetype canvasStride;  // in pixels
    int canvasWidth, canvasHeight;
    QRgb* pick;
    qsizetype pickStride;
    int pickWidth, pickHeight;
};
// An enlarged canvas gives a target without a pick map.
BlendTarget BlendTargetOf(Canvas& canvas, PickMap& pick);

// The opacity a body is composited at: three eighths of `opacity` when `reveal`
// is on and the call is not `exempt`.
int EffectiveOpacity(int opacity, bool exempt, bool reveal);

// Composites `image` with its top-left at (left, top) at `opacity` (the
// effective one), writing `identity` into the pick map, on the target's rows
// [rowBegin, rowEnd) only.
void BlendKeyedImageRows(const BlendTarget& target, int left, int top, const KeyedImage& image,
                         unsigned identity, int opacity, int rowBegin, int rowEnd);

// DrawImageBlended of the image `image` was made from, with its own key
// colour: the same pixels, the same pick keys.
void DrawKeyedImageBlended(Canvas& canvas, PickMap& pick, int left, int top,
                           const KeyedImage& image, unsigned identity, bool exempt, int opacity,
                           bool reveal);

}  // namespace sw
