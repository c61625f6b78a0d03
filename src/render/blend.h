#pragma once
// Colour names and the compositing of component images.

#include "render/canvas.h"

#include <QImage>
#include <QString>
#include <cstddef>
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
// pick map. Pixels outside the canvas or pick map are ignored.
void DrawImageBlended(Canvas& canvas, PickMap& pick, int left, int top, const QImage& image,
                      Rgb key, unsigned identity, bool exempt, int opacity, bool reveal);

// A component image in Format_RGB32 with, per row, the runs of pixels that are
// not the key colour, found once so that compositing it again and again
// touches only the drawn pixels.
class KeyedImage {
public:
    KeyedImage(const QImage& image, Rgb key);
    const QImage& Image() const { return m_image; }
    Rgb Key() const { return m_key; }
    // Row `row`'s runs as [start, end) column pairs: Runs(row)[0 ... 2 n).
    const int* RunsBegin(int row) const { return m_runs.data() + m_rowStart[row]; }
    const int* RunsEnd(int row) const { return m_runs.data() + m_rowStart[row + 1]; }
    std::size_t Bytes() const;

private:
    QImage m_image;
    Rgb m_key;
    std::vector<int> m_rowStart;  // height + 1 offsets into m_runs
    std::vector<int> m_runs;
};

// DrawImageBlended of `image` with its own key colour: the same pixels, the
// same pick keys.
void DrawKeyedImageBlended(Canvas& canvas, PickMap& pick, int left, int top,
                           const KeyedImage& image, unsigned identity, bool exempt, int opacity,
                           bool reveal);

}  // namespace sw
