// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every component image builder shares: the key-colour background, the
// turn of a finished image, the name label, and the angle comparison.
//
// A component image is a small Format_RGB32 raster on which everything the
// builder does not paint stays magenta, the key colour that compositing skips.
// One hole pitch is 20 pixels. Angles are radians in screen coordinates
// (y down), so a positive angle turns clockwise on screen.

#include "render/canvas.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace sw {

constexpr double kPi = 3.14159265358979323846;
// Bodies whose image would be larger than this on a side are not drawn: a
// layout holding an IC across a hundred million columns must not ask for a
// raster of billions of pixels.
constexpr long long kMaxImageSide = 4096;

// The scale an image was made at: its device pixel ratio, 1 ... 8.
int ImageScale(const QImage& image);

// Two angles are the same when they differ by less than 0.0001.
bool SameAngle(double a, double b);

// A width x height raster entirely in the key colour; at a scale above 1 it
// has `scale` times the pixels each way and that device pixel ratio, so a
// canvas on it draws enlarged (render/canvas.h).
QImage NewComponentImage(int width, int height, int scale = 1);

// A new image of the same size, the content turned clockwise on screen by
// `angle` about (width div 2, height div 2), nearest-neighbour. A source point
// is taken only when it lies strictly inside (1, width - 1) x (1, height - 1),
// so even a turn by 0 clears the two leftmost columns, the two topmost rows,
// the last column and the last row to the key colour. `image` is unchanged.
QImage RotateImage(const QImage& image, double angle);

// The element's name in "Tahoma" bold with a transparent background, centred on
// the canvas's image and then moved by `offset` (a kind lifts its label by 2
// pixels with (0, -2)). An empty name draws nothing.
void DrawNameLabel(Canvas& canvas, const QString& name, int points, Rgb colour,
                   QPoint offset = QPoint());

// Canvas rectangle whose corners may come in any order (mirrored drawings).
void NormalisedRectangle(Canvas& canvas, int x1, int y1, int x2, int y2);

}  // namespace sw
