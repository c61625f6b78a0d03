// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/png_encoder.h"

#include <libdeflate.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace sw {
namespace {

// Level 2 of libdeflate's 12: most of level 6's ratio on board pictures at
// about a third of its time.
constexpr int kDeflateLevel = 2;
constexpr unsigned char kUpFilter = 2;

void PutBigEndian(QByteArray& out, std::uint32_t value) {
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(QByteArray& out, const char type[4], const unsigned char* data, std::size_t size) {
    PutBigEndian(out, std::uint32_t(size));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto* crcFrom = reinterpret_cast<const unsigned char*>(out.constData() + typeAt);
    PutBigEndian(out, std::uint32_t(libdeflate_crc32(0, crcFrom, size + 4)));
}

// The image's rows as PNG scan lines: a filter byte, then R, G, B of each pixel
// less the byte above it (modulo 256).
std::vector<unsigned char> UpFilteredRows(const QImage& image) {
    const int width = image.width(), height = image.height();
    const std::size_t stride = 1 + 3 * std::size_t(width);
    std::vector<unsigned char> rows(stride * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const QRgb* above = y > 0 ? reinterpret_cast<const QRgb*>(image.constScanLine(y - 1)) : nullptr;
        unsigned char* out = rows.data() + stride * std::size_t(y);
        *out++ = kUpFilter;
        for (int x = 0; x < width; ++x) {
            const QRgb p = pixels[x];
            const QRgb a = above ? above[x] : 0;
            *out++ = static_cast<unsigned char>(qRed(p) - qRed(a));
            *out++ = static_cast<unsigned char>(qGreen(p) - qGreen(a));
            *out++ = static_cast<unsigned char>(qBlue(p) - qBlue(a));
        }
    }
    return rows;
}

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

}  // namespace

bool EncodePng(const QImage& image, QByteArray& out, QString* error) {
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        *error = QStringLiteral("PNG encoder: no picture to write");
        return false;
    }
    const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
        libdeflate_alloc_compressor(kDeflateLevel));
    if (!compressor) {
        *error = QStringLiteral("PNG encoder: out of memory");
        return false;
    }
    const std::vector<unsigned char> rows = UpFilteredRows(image);
    std::vector<unsigned char> packed(libdeflate_zlib_compress_bound(compressor.get(), rows.size()));
    const std::size_t packedSize = libdeflate_zlib_compress(compressor.get(), rows.data(), rows.size(),
                                                            packed.data(), packed.size());
    if (packedSize == 0) {
        *error = QStringLiteral("PNG encoder: the compressor failed");
        return false;
    }

    out.clear();
    out.reserve(qsizetype(packedSize) + 64);
    out.append("\x89PNG\r\n\x1a\n", 8);
    unsigned char header[13] = {};
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<unsigned char>(std::uint32_t(image.width()) >> (24 - 8 * i));
        header[4 + i] = static_cast<unsigned char>(std::uint32_t(image.height()) >> (24 - 8 * i));
    }
    header[8] = 8;  // bits per channel
    header[9] = 2;  // colour type RGB; compression, filter method and interlace 0
    PutChunk(out, "IHDR", header, sizeof header);
    PutChunk(out, "IDAT", packed.data(), packedSize);
    PutChunk(out, "IEND", nullptr, 0);
    return true;
}

}  // namespace sw
