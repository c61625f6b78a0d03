// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GIF encoding with giflib: one frame, a palette of at most 256 colours. An
// image that already has at most 256 distinct colours keeps them exactly; a
// richer one is quantised with libimagequant.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace sw {

// A palette of up to 256 colours (0xRRGGBB) and one index per pixel, row by row.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned> palette;
    std::vector<unsigned char> indices;
};

// The exact palette of a Format_RGB32 image, or an empty palette when it has
// more than 256 colours.
IndexedImage ExactPalette(const QImage& image);
// A quantised palette of at most 256 colours for a Format_RGB32 image; an empty
// palette (and `error` set) when the quantiser fails.
IndexedImage QuantisedPalette(const QImage& image, QString* error);

// The GIF file for a Format_RGB32 image in `out`; false (and `error` set) on failure.
bool EncodeGif(const QImage& image, QByteArray& out, QString* error);

}  // namespace sw
