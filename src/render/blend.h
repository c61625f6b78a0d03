#pragma once
// Colour names and the compositing of component images.

#include "render/canvas.h"

#include <QImage>
#include <QString>

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

}  // namespace sw
