// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's resistor picture: a 160 x 64 template per mode, drawn by the
// program on a magenta (255, 0, 255) background, whose band stripes are marked
// with the exact colours (0, 0, k) for band k; the picture is the template with
// its outer background filled and each marker replaced by its band's colour.

#include "ui/resistor_code.h"

#include <QImage>
#include <QRect>

namespace sw {

constexpr int kResistorPictureWidth = 160;
constexpr int kResistorPictureHeight = 64;

// The stripe of band `band` (0-based) in the template of `mode`, inclusive edges.
QRect BandStripe(BandMode mode, int band);

// The template of `mode` ("Resistor4" or "Resistor5"), Format_RGB32.
QImage MakeResistorTemplate(BandMode mode);

// The picture for the bands: the template, its background reachable from (1, 1)
// and (1, 63) filled with `brush`, and every marker of band k replaced by the
// drawn colour of band k's code. Format_RGB32.
QImage MakeResistorPicture(BandMode mode, const BandCodes& bands, QRgb brush);

// A copy with every pixel of the bottom-left pixel's colour made transparent,
// the way the picture is shown.
QImage KeyedOnBottomLeft(const QImage& picture);

}  // namespace sw
