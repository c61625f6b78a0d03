// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas's own rasterisers, working straight on the scan lines of a
// Format_RGB32 image. Everything is clipped to the image and nothing is
// anti-aliased. Pixel (i, j) is taken to have its centre at the integer point
// (i, j), as on a Windows-style device context.

#include "render/canvas.h"

#include <QImage>
#include <vector>

namespace sw::raster {

// Sets pixels x1 ... x2 (inclusive) of row y, clipped.
void FillSpan(QImage& image, int y, int x1, int x2, Rgb colour);

// Every pixel whose centre lies closer than width / 2 to the segment: a line
// with round ends, exact and symmetric. An even width is centred half a pixel
// up and left of the given points, so a dot of diameter d is exactly d pixels
// across. With both points equal this is a disc (a "dot").
void Capsule(QImage& image, int x1, int y1, int x2, int y2, int width, Rgb colour);

// The pixels that a polyline through `points` drawn with a pen `width` pixels
// wide (Capsule for each segment) covers on a w x h raster, as row spans sorted
// by row and column that neither overlap nor touch.
std::vector<RowSpan> WidePolylineSpans(int w, int h, const std::vector<QPoint>& points, int width);

// Sets the pixels of every span (clipped to the image) to `colour`.
void FillSpans(QImage& image, const std::vector<RowSpan>& spans, Rgb colour);

// A 1-pixel line from (x1, y1) up to but not including (x2, y2). `pattern`
// lists on/off run lengths (empty: solid); `phase` is the position in the
// pattern and moves on by the number of pixels stepped, so connected lines
// continue the pattern.
void ThinLine(QImage& image, int x1, int y1, int x2, int y2, Rgb colour,
              const std::vector<int>& pattern, long long& phase);

// ThinLine on a canvas enlarged `scale` times: (x1, y1) and (x2, y2) are the
// logical pixels, the line covers the device pixels of the enlarged pixels that
// ThinLine would step through, as one straight band `scale` pixels across
// (measured along the minor axis). The pattern's runs count logical pixels.
void ScaledThinLine(QImage& image, int scale, int x1, int y1, int x2, int y2, Rgb colour,
                    const std::vector<int>& pattern, long long& phase);

enum class Shape { Rectangle, Ellipse, RoundRect };

struct ShapeParams {
    Shape shape = Shape::Rectangle;
    int l = 0, t = 0, r = 0, b = 0;  // right and bottom exclusive
    int cornerWidth = 0, cornerHeight = 0;
};

// Outlines the shape with a pen `penWidth` pixels wide lying inside the box (when
// `pen` is true) and fills the inside with `brushColour` (when `brush` is true).
// Without a pen the filled area is one pixel narrower and shorter, as a
// Windows-style device context does it.
void DrawShape(QImage& image, const ShapeParams& shape, bool pen, int penWidth, Rgb penColour,
               bool brush, Rgb brushColour);

// Cubic Bezier segments flattened to integer points: points[0], then three
// points per segment; the result starts at points[0] and ends at the last point.
std::vector<QPoint> FlattenBezier(const std::vector<QPoint>& points);

// Scan-line flood fill of the 4-connected area of the colour found at (x, y).
void FloodFill(QImage& image, int x, int y, Rgb colour);

}  // namespace sw::raster
