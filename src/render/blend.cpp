#include "render/blend.h"

#include "render/pick_map.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace sw {

Rgb MyTextToColor(const QString& name) {
    struct Named {
        const char* name;
        Rgb colour;
    };
    static constexpr Named kColours[] = {
        {"Black", MakeRgb(0, 0, 0)},       {"Purple", MakeRgb(128, 0, 128)},
        {"Green", MakeRgb(0, 128, 0)},     {"Red", MakeRgb(255, 0, 0)},
        {"Blue", MakeRgb(0, 0, 255)},      {"Gray", MakeRgb(128, 128, 128)},
        {"Brown", MakeRgb(140, 98, 57)},   {"Orange", MakeRgb(247, 148, 29)},
    };
    for (const Named& n : kColours)
        if (name == QLatin1String(n.name))
            return n.colour;
    return MakeRgb(255, 255, 255);
}

int BlendChannel(int source, int destination, int opacity) {
    return (opacity * source + (255 - opacity) * destination) / 256;
}

Rgb BlendColour(Rgb source, Rgb destination, int opacity) {
    const int r = BlendChannel(int(source >> 16) & 0xFF, int(destination >> 16) & 0xFF, opacity);
    const int g = BlendChannel(int(source >> 8) & 0xFF, int(destination >> 8) & 0xFF, opacity);
    const int b = BlendChannel(int(source) & 0xFF, int(destination) & 0xFF, opacity);
    return MakeRgb(r, g, b);
}

namespace {

// BlendColour with red and blue in one multiply: each channel's sum is below
// 2^16, so the two never carry into each other and every channel is exactly
// (opacity * s + (255 - opacity) * d) div 256.
inline unsigned Blend(unsigned source, unsigned destination, unsigned opacity, unsigned keep) {
    const unsigned rb = (((source & 0xFF00FFu) * opacity + (destination & 0xFF00FFu) * keep) >> 8) & 0xFF00FFu;
    const unsigned g = (((source & 0x00FF00u) * opacity + (destination & 0x00FF00u) * keep) >> 8) & 0x00FF00u;
    return rb | g;
}

// Blends `count` drawn pixels over `out`. With SSE2 four pixels at a time:
// each channel widened to 16 bits, where opacity * s + keep * d stays below
// 2^16, so every channel is exactly the scalar Blend's.
inline void BlendRun(const QRgb* from, QRgb* out, int count, unsigned opacity, unsigned keep) {
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i op = _mm_set1_epi16(short(opacity));
    const __m128i kp = _mm_set1_epi16(short(keep));
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i lo = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), op),
                          _mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), kp)),
            8);
        const __m128i hi = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), op),
                          _mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), kp)),
            8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
    }
#endif
    for (; i < count; ++i)
        out[i] = 0xFF000000u | Blend(from[i] & 0xFFFFFFu, out[i], opacity, keep);
}

// Where an image drawn with its top-left at (left, top) meets the canvas and the
// pick map. They may differ in size (an export raster is smaller than the board
// image), so each is clipped on its own: image columns [first, canvasEnd) reach
// the canvas and [first, pickEnd) the pick map, image rows from rowFirst. The
// ranges are worked out once per image, not per pixel: compositing is the
// largest cost of a repaint.
struct BlendClip {
    int first;
    int canvasEnd;
    int pickEnd;
    int rowFirst;
};

BlendClip ClipOf(const QImage& src, const QImage& target, const QImage& keys, int left, int top) {
    auto columnsOn = [&](const QImage& raster) {
        return int(std::clamp<long long>((long long)raster.width() - left, 0, src.width()));
    };
    return {int(std::clamp<long long>(-(long long)left, 0, src.width())), columnsOn(target),
            columnsOn(keys), int(std::clamp<long long>(-(long long)top, 0, src.height()))};
}

}  // namespace

void DrawImageBlended(Canvas& canvas, PickMap& pick, int left, int top, const QImage& image,
                      Rgb key, unsigned identity, bool exempt, int opacity, bool reveal) {
    const QImage src = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const int effective = (reveal && !exempt) ? opacity * 3 / 8 : opacity;
    QImage& target = canvas.Image();
    QImage& keys = pick.Draw().Image();
    const QRgb keyValue = 0xFF000000u | identity;
    const auto [first, canvasEnd, pickEnd, rowFirst] = ClipOf(src, target, keys, left, top);
    const unsigned opacity8 = unsigned(effective);
    const unsigned keep = 255u - opacity8;
    for (int j = rowFirst; j < src.height(); ++j) {
        const long long y = (long long)top + j;
        const bool rowOnCanvas = y < target.height();
        const bool rowOnPick = y < keys.height();
        if (!rowOnCanvas && !rowOnPick)
            break;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
        QRgb* row = rowOnCanvas ? reinterpret_cast<QRgb*>(target.scanLine(int(y))) : nullptr;
        QRgb* ids = rowOnPick ? reinterpret_cast<QRgb*>(keys.scanLine(int(y))) : nullptr;
        const int blendEnd = row ? canvasEnd : first;
        const int idEnd = ids ? pickEnd : first;
        // Component images are mostly key colour around the body: trim each row
        // to its first and last drawn pixel before touching the rasters.
        int i = first;
        int end = std::max(blendEnd, idEnd);
        while (i < end && (from[i] & 0xFFFFFFu) == key)
            ++i;
        while (end > i && (from[end - 1] & 0xFFFFFFu) == key)
            --end;
        // Where a pixel lies on both rasters (nearly always) the loop has no
        // branches, so the compiler vectorises it; key pixels write back what
        // was there.
        const int both = std::min({blendEnd, idEnd, end});
        if (i < both) {
            const QRgb* __restrict in = from;
            QRgb* __restrict out = row;
            QRgb* __restrict picked = ids;
            for (; i < both; ++i) {
                const unsigned colour = in[i] & 0xFFFFFFu;
                const unsigned d = out[left + i];
                const unsigned draw = 0u - unsigned(colour != key);  // all ones, or 0 for a key pixel
                out[left + i] = ((0xFF000000u | Blend(colour, d, opacity8, keep)) & draw) | (d & ~draw);
                picked[left + i] = (keyValue & draw) | (picked[left + i] & ~draw);
            }
        }
        for (; i < end; ++i) {
            const unsigned colour = from[i] & 0xFFFFFFu;
            if (colour == key)
                continue;
            if (i < blendEnd)
                row[left + i] = 0xFF000000u | Blend(colour, row[left + i], opacity8, keep);
            if (i < idEnd)
                ids[left + i] = keyValue;
        }
    }
}

KeyedImage::KeyedImage(const QImage& image, Rgb key)
    : m_image(image.isNull() || image.format() == QImage::Format_RGB32
                  ? image
                  : image.convertToFormat(QImage::Format_RGB32)),
      m_key(key) {
    const int height = m_image.isNull() ? 0 : m_image.height();
    const int width = m_image.isNull() ? 0 : m_image.width();
    m_rowStart.reserve(std::size_t(height) + 1);
    m_rowStart.push_back(0);
    for (int j = 0; j < height; ++j) {
        const QRgb* from = reinterpret_cast<const QRgb*>(m_image.constScanLine(j));
        int i = 0;
        while (i < width) {
            while (i < width && (from[i] & 0xFFFFFFu) == key)
                ++i;
            if (i == width)
                break;
            const int start = i;
            while (i < width && (from[i] & 0xFFFFFFu) != key)
                ++i;
            m_runs.push_back(start);
            m_runs.push_back(i);
        }
        m_rowStart.push_back(int(m_runs.size()));
    }
}

std::size_t KeyedImage::Bytes() const {
    return std::size_t(m_image.isNull() ? 0 : m_image.sizeInBytes()) +
           (m_rowStart.size() + m_runs.size()) * sizeof(int) + sizeof(*this);
}

void DrawKeyedImageBlended(Canvas& canvas, PickMap& pick, int left, int top,
                           const KeyedImage& image, unsigned identity, bool exempt, int opacity,
                           bool reveal) {
    const QImage& src = image.Image();
    if (src.isNull())
        return;
    const int effective = (reveal && !exempt) ? opacity * 3 / 8 : opacity;
    QImage& target = canvas.Image();
    QImage& keys = pick.Draw().Image();
    const QRgb keyValue = 0xFF000000u | identity;
    const auto [first, canvasEnd, pickEnd, rowFirst] = ClipOf(src, target, keys, left, top);
    const unsigned opacity8 = unsigned(effective);
    const unsigned keep = 255u - opacity8;
    for (int j = rowFirst; j < src.height(); ++j) {
        const int* run = image.RunsBegin(j);
        const int* runsEnd = image.RunsEnd(j);
        if (run == runsEnd)
            continue;
        const long long y = (long long)top + j;
        const bool rowOnCanvas = y < target.height();
        const bool rowOnPick = y < keys.height();
        if (!rowOnCanvas && !rowOnPick)
            break;
        const QRgb* __restrict from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
        const int blendEnd = rowOnCanvas ? canvasEnd : first;
        const int idEnd = rowOnPick ? pickEnd : first;
        if (blendEnd > first) {
            QRgb* __restrict out = reinterpret_cast<QRgb*>(target.scanLine(int(y)));
            for (const int* r = run; r != runsEnd; r += 2) {
                const int a = std::max(r[0], first);
                const int b = std::min(r[1], blendEnd);
                BlendRun(from + a, out + (left + a), b - a, opacity8, keep);
            }
        }
        if (idEnd > first) {
            QRgb* __restrict ids = reinterpret_cast<QRgb*>(keys.scanLine(int(y)));
            for (const int* r = run; r != runsEnd; r += 2) {
                const int a = std::max(r[0], first);
                const int b = std::min(r[1], idEnd);
                for (int i = a; i < b; ++i)
                    ids[left + i] = keyValue;
            }
        }
    }
}

}  // namespace sw
