// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG encoding with libjpeg, fed straight from the 32-bit scan lines of the
// raster (no intermediate copy of the picture).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sw {

// The JPEG file of a Format_RGB32 image at the given quality (1 to 100) in
// `out`; false (and `error` set) on failure.
bool EncodeJpeg(const QImage& image, int quality, QByteArray& out, QString* error);

}  // namespace sw
