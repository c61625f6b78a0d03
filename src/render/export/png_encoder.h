// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG encoding tuned for board pictures: 8-bit RGB, every row with the "up"
// filter (rows of a board picture mostly repeat the row above), compressed with
// libdeflate at a low level. A 2000 x 1200 board image of 2000 parts takes about
// a seventh of the time of the library defaults (adaptive filters, zlib level 6)
// for a file of about the same size; a sparse board's file is a few per cent larger.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace sw {

// The PNG file of a Format_RGB32 image in `out`; false (and `error` set) on failure.
bool EncodePng(const QImage& image, QByteArray& out, QString* error);

}  // namespace sw
