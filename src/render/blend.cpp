// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/blend.h"

#include "render/cpu_features.h"
#include "render/pick_map.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
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

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same with AVX2, eight pixels at a time; the widening and narrowing
// work within each half of the register, so the halves meet up unchanged.
__attribute__((target("avx2"))) void BlendRunAvx2(const QRgb* from, QRgb* out, int count,
                                                  unsigned opacity, unsigned keep) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i op = _mm256_set1_epi16(short(opacity));
    const __m256i kp = _mm256_set1_epi16(short(keep));
    const __m256i alpha = _mm256_set1_epi32(int(0xFF000000u));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + i));
        const __m256i lo = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(s, zero), op),
                             _mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), kp)),
            8);
        const __m256i hi = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(s, zero), op),
                             _mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), kp)),
            8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            _mm256_or_si256(_mm256_packus_epi16(lo, hi), alpha));
    }
    BlendRun(from + i, out + i, count - i, opacity, keep);
}
#endif

using BlendRunFunction = void (*)(const QRgb*, QRgb*, int, unsigned, unsigned);

BlendRunFunction ChosenBlendRun() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (HasAvx2())
        return BlendRunAvx2;
#endif
    return [](const QRgb* from, QRgb* out, int count, unsigned opacity, unsigned keep) {
        BlendRun(from, out, count, opacity, keep);
    };
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
    // An enlarged canvas takes an image made at its scale, placed at the
    // logical point's device pixel; its pick map is the picture's at scale 1,
    // which this image cannot draw.
    QImage none;
    QImage& keys = canvas.Scaled() ? none : pick.Draw().Image();
    if (canvas.Scaled()) {
        const QPoint device = canvas.ToDevice(left, top);
        left = device.x();
        top = device.y();
    }
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

namespace {

// One bit per pixel of the row, set where the pixel is drawn (not the key
// colour), into `bits` (zeroed, (width + 63) / 64 words); with SSE2 four pixels
// are compared at a time.
void DrawnMask(const QRgb* row, int width, Rgb key, std::uint64_t* bits) {
    int i = 0;
#ifdef __SSE2__
    const __m128i colour = _mm_set1_epi32(int(0x00FFFFFFu));
    const __m128i keyed = _mm_set1_epi32(int(key));
    for (; i + 4 <= width; i += 4) {
        const __m128i p = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i)), colour);
        const unsigned isKey = unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(p, keyed))));
        bits[std::size_t(i) / 64] |= std::uint64_t(~isKey & 0xFu) << (i % 64);
    }
#endif
    for (; i < width; ++i)
        if ((row[i] & 0xFFFFFFu) != key)
            bits[std::size_t(i) / 64] |= std::uint64_t(1) << (i % 64);
}

// The first pixel from `from` on whose bit is `set` (drawn or not), or `width`.
int NextBit(const std::uint64_t* bits, std::size_t words, int from, int width, bool set) {
    std::size_t w = std::size_t(from) / 64;
    if (w >= words)
        return width;
    std::uint64_t word = (set ? bits[w] : ~bits[w]) & (~std::uint64_t(0) << (from % 64));
    while (word == 0) {
        if (++w == words)
            return width;
        word = set ? bits[w] : ~bits[w];
    }
    return std::min(width, int(w * 64) + __builtin_ctzll(word));
}

}  // namespace

KeyedImage::KeyedImage(const QImage& source, Rgb key) {
    static std::atomic<std::uint64_t> made{0};
    m_serial = ++made;
    if (source.isNull())
        return;
    const QImage image =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    m_width = image.width();
    m_height = image.height();
    // Two passes: the masks of all rows first, counting runs and drawn pixels,
    // so the runs and pixels are stored once at their exact size.
    const std::size_t words = std::size_t(m_width + 63) / 64;
    std::vector<std::uint64_t> drawn(words * std::size_t(m_height));
    std::size_t runCount = 0, pixelCount = 0;
    for (int j = 0; j < m_height; ++j) {
        std::uint64_t* bits = drawn.data() + words * std::size_t(j);
        DrawnMask(reinterpret_cast<const QRgb*>(image.constScanLine(j)), m_width, key, bits);
        std::uint64_t carry = 0;  // whether the last pixel of the word before was drawn
        for (std::size_t w = 0; w < words; ++w) {
            pixelCount += std::size_t(__builtin_popcountll(bits[w]));
            runCount += std::size_t(__builtin_popcountll(bits[w] & ~((bits[w] << 1) | carry)));
            carry = bits[w] >> 63;
        }
    }
    m_rowStart.reserve(std::size_t(m_height) + 1);
    m_pixelStart.reserve(std::size_t(m_height));
    m_runs.reserve(2 * runCount);
    m_pixels.reserve(pixelCount);
    m_rowStart.push_back(0);
    for (int j = 0; j < m_height; ++j) {
        const QRgb* from = reinterpret_cast<const QRgb*>(image.constScanLine(j));
        const std::uint64_t* bits = drawn.data() + words * std::size_t(j);
        m_pixelStart.push_back(m_pixels.size());
        for (int i = NextBit(bits, words, 0, m_width, true); i < m_width;) {
            const int end = NextBit(bits, words, i, m_width, false);
            m_runs.push_back(i);
            m_runs.push_back(end);
            m_pixels.insert(m_pixels.end(), from + i, from + end);
            i = NextBit(bits, words, end, m_width, true);
        }
        m_rowStart.push_back(int(m_runs.size()));
    }
}

std::size_t KeyedImage::Bytes() const {
    return m_pixels.capacity() * sizeof(QRgb) + (m_rowStart.capacity() + m_runs.capacity()) * sizeof(int) +
           m_pixelStart.capacity() * sizeof(std::size_t) + sizeof(*this);
}

BlendTarget BlendTargetOf(Canvas& canvas, PickMap& pick) {
    QImage& image = canvas.Image();
    if (canvas.Scaled())
        return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
                image.width(), image.height(), nullptr, 0, 0, 0};
    QImage& keys = pick.Draw().Image();
    return {reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
            image.width(), image.height(),
            reinterpret_cast<QRgb*>(keys.bits()), keys.bytesPerLine() / qsizetype(sizeof(QRgb)),
            keys.width(), keys.height()};
}

int EffectiveOpacity(int opacity, bool exempt, bool reveal) {
    return (reveal && !exempt) ? opacity * 3 / 8 : opacity;
}

void BlendKeyedImageRows(const BlendTarget& target, int left, int top, const KeyedImage& image,
                         unsigned identity, int opacity, int rowBegin, int rowEnd) {
    const int width = image.Width(), height = image.Height();
    if (width == 0 || height == 0)
        return;
    // Image columns [first, canvasEnd) reach the canvas and [first, pickEnd) the
    // pick map (they may differ in size); image rows [rowFirst, rowLast) reach
    // the band of rows.
    auto columnsOn = [&](int rasterWidth) {
        return int(std::clamp<long long>((long long)rasterWidth - left, 0, width));
    };
    const int first = int(std::clamp<long long>(-(long long)left, 0, width));
    const int canvasEnd = columnsOn(target.canvasWidth);
    const int pickEnd = columnsOn(target.pickWidth);
    const int rowFirst = int(std::clamp<long long>((long long)rowBegin - top, 0, height));
    const int rowLast = int(std::clamp<long long>((long long)rowEnd - top, 0, height));
    const QRgb keyValue = 0xFF000000u | identity;
    const unsigned opacity8 = unsigned(opacity);
    const unsigned keep = 255u - opacity8;
    static const BlendRunFunction blendRun = ChosenBlendRun();
    for (int j = rowFirst; j < rowLast; ++j) {
        const int* run = image.RunsBegin(j);
        const int* runsEnd = image.RunsEnd(j);
        if (run == runsEnd)
            continue;
        const int y = top + j;
        const int blendEnd = y < target.canvasHeight ? canvasEnd : first;
        const int idEnd = y < target.pickHeight ? pickEnd : first;
        if (blendEnd <= first && idEnd <= first)
            continue;
        const QRgb* __restrict from = image.RowPixels(j);
        if (blendEnd > first) {
            QRgb* __restrict out = target.canvas + qsizetype(y) * target.canvasStride;
            const QRgb* pixels = from;
            for (const int* r = run; r != runsEnd; r += 2) {
                const int a = std::max(r[0], first);
                const int b = std::min(r[1], blendEnd);
                if (a < b)
                    blendRun(pixels + (a - r[0]), out + (left + a), b - a, opacity8, keep);
                pixels += r[1] - r[0];
            }
        }
        if (idEnd > first) {
            QRgb* __restrict ids = target.pick + qsizetype(y) * target.pickStride;
            for (const int* r = run; r != runsEnd; r += 2) {
                const int a = std::max(r[0], first);
                const int b = std::min(r[1], idEnd);
                for (int i = a; i < b; ++i)
                    ids[left + i] = keyValue;
            }
        }
    }
}

void DrawKeyedImageBlended(Canvas& canvas, PickMap& pick, int left, int top,
                           const KeyedImage& image, unsigned identity, bool exempt, int opacity,
                           bool reveal) {
    const BlendTarget target = BlendTargetOf(canvas, pick);
    if (canvas.Scaled()) {
        const QPoint device = canvas.ToDevice(left, top);
        left = device.x();
        top = device.y();
    }
    BlendKeyedImageRows(target, left, top, image, identity, EffectiveOpacity(opacity, exempt, reveal),
                        0, std::max(target.canvasHeight, target.pickHeight));
}

}  // namespace sw
