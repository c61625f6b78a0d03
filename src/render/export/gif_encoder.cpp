// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/gif_encoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <libimagequant.h>
#include <memory>

namespace sw {
namespace {

// A small open-addressing table from colour to palette index, enough for the
// 256 colours a GIF palette can hold.
class ColourTable {
public:
    ColourTable() { m_keys.fill(kEmpty); }
    // The index of `colour`, adding it when new; -1 once the table is full.
    int IndexOf(unsigned colour, std::vector<unsigned>& palette) {
        unsigned slot = (colour * 2654435761u) >> (32 - kBits);
        while (true) {
            if (m_keys[slot] == colour)
                return m_values[slot];
            if (m_keys[slot] == kEmpty) {
                if (palette.size() >= 256)
                    return -1;
                m_keys[slot] = colour;
                m_values[slot] = (unsigned char)palette.size();
                palette.push_back(colour);
                return m_values[slot];
            }
            slot = (slot + 1) & (kSize - 1);
        }
    }

private:
    static constexpr int kBits = 10;
    static constexpr unsigned kSize = 1u << kBits;
    static constexpr unsigned kEmpty = 0xFFFFFFFFu;  // never a colour: the top byte is masked off
    std::array<unsigned, kSize> m_keys;
    std::array<unsigned char, kSize> m_values{};
};

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
using Attr = std::unique_ptr<liq_attr, LiqDeleter>;
using Image = std::unique_ptr<liq_image, LiqDeleter>;
using Result = std::unique_ptr<liq_result, LiqDeleter>;

int WriteToByteArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

QString GifError(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("GIF encoder: %1").arg(text ? QString::fromLatin1(text)
                                                      : QString::number(code));
}

}  // namespace

IndexedImage ExactPalette(const QImage& image) {
    IndexedImage result;
    result.width = image.width();
    result.height = image.height();
    result.indices.resize(size_t(result.width) * size_t(result.height));
    ColourTable table;
    unsigned last = 0xFFFFFFFFu;
    unsigned char lastIndex = 0;
    unsigned char* out = result.indices.data();
    for (int y = 0; y < result.height; ++y) {
        const unsigned* line = reinterpret_cast<const unsigned*>(image.constScanLine(y));
        for (int x = 0; x < result.width; ++x) {
            const unsigned colour = line[x] & 0xFFFFFFu;
            if (colour != last) {
                const int index = table.IndexOf(colour, result.palette);
                if (index < 0)
                    return IndexedImage{};
                last = colour;
                lastIndex = (unsigned char)index;
            }
            *out++ = lastIndex;
        }
    }
    return result;
}

IndexedImage QuantisedPalette(const QImage& image, QString* error) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int width = rgba.width();
    const int height = rgba.height();
    std::vector<const void*> rows(height);
    for (int y = 0; y < height; ++y)
        rows[y] = rgba.constScanLine(y);

    Attr attr(liq_attr_create());
    if (!attr) {
        *error = QStringLiteral("GIF encoder: the colour quantiser could not start");
        return {};
    }
    liq_set_max_colors(attr.get(), 256);
    liq_set_speed(attr.get(), 8);
    Image liqImage(liq_image_create_rgba_rows(attr.get(), const_cast<void**>(rows.data()), width,
                                              height, 0));
    liq_result* rawResult = nullptr;
    if (!liqImage || liq_image_quantize(liqImage.get(), attr.get(), &rawResult) != LIQ_OK) {
        *error = QStringLiteral("GIF encoder: the colours could not be reduced to a palette");
        return {};
    }
    Result result(rawResult);
    liq_set_dithering_level(result.get(), 1.0f);

    IndexedImage indexed;
    indexed.width = width;
    indexed.height = height;
    indexed.indices.resize(size_t(width) * size_t(height));
    if (liq_write_remapped_image(result.get(), liqImage.get(), indexed.indices.data(),
                                 indexed.indices.size()) != LIQ_OK) {
        *error = QStringLiteral("GIF encoder: the picture could not be mapped to its palette");
        return {};
    }
    const liq_palette* palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color& c = palette->entries[i];
        indexed.palette.push_back((unsigned(c.r) << 16) | (unsigned(c.g) << 8) | c.b);
    }
    return indexed;
}

bool EncodeGif(const QImage& image, QByteArray& out, QString* error) {
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        *error = QStringLiteral("GIF encoder: no picture to write");
        return false;
    }
    IndexedImage indexed = ExactPalette(image);
    if (indexed.palette.empty()) {
        indexed = QuantisedPalette(image, error);
        if (indexed.palette.empty())
            return false;
    }

    // GIF palettes have a power-of-two size; the unused entries stay black.
    int mapSize = 2;
    while (mapSize < int(indexed.palette.size()))
        mapSize *= 2;
    ColorMapObject* map = GifMakeMapObject(mapSize, nullptr);
    if (!map) {
        *error = QStringLiteral("GIF encoder: out of memory");
        return false;
    }
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> mapGuard(map, &GifFreeMapObject);
    for (int i = 0; i < mapSize; ++i) {
        const unsigned c = i < int(indexed.palette.size()) ? indexed.palette[i] : 0;
        map->Colors[i] = GifColorType{GifByteType(c >> 16), GifByteType(c >> 8), GifByteType(c)};
    }

    QByteArray bytes;
    int code = 0;
    GifFileType* gif = EGifOpen(&bytes, &WriteToByteArray, &code);
    if (!gif) {
        *error = GifError(code);
        return false;
    }
    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y)
        ok = EGifPutLine(gif, indexed.indices.data() + size_t(y) * size_t(indexed.width),
                         indexed.width) == GIF_OK;
    if (!ok)
        code = gif->Error;
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
        ok = false;
        code = closeCode;
    }
    if (!ok) {
        *error = GifError(code);
        return false;
    }
    out = std::move(bytes);
    return true;
}

}  // namespace sw
