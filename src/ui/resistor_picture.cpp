// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sw {
namespace {

constexpr QRgb kBackground = 0xFFFF00FF;
constexpr QRgb kLead = 0xFF000000;
constexpr QRgb kOutline = 0xFF9C8266;

// The body is two rounded end caps joined by a narrower middle section.
struct RoundBox {
    int l, t, r, b, radius;  // inclusive edges
    bool Contains(int x, int y) const {
        if (x < l || x > r || y < t || y > b) return false;
        const int cx = std::clamp(x, l + radius, r - radius);
        const int cy = std::clamp(y, t + radius, b - radius);
        const int dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    }
};

constexpr RoundBox kBodyParts[] = {
    {28, 8, 56, 53, 9},     // left cap, carries band 1
    {50, 10, 110, 51, 3},   // middle, carries the inner bands
    {104, 7, 134, 54, 10},  // right cap, carries the last band
};

bool InBody(int x, int y) {
    for (const auto& part : kBodyParts)
        if (part.Contains(x, y)) return true;
    return false;
}

// Beige (234, 217, 197) lit from above: lighter near the top, darker below.
QRgb BodyShade(int y) {
    const double t = (y - 7) / 47.0;                 // 0 at the top, 1 at the bottom
    const double light = 1.10 - 0.22 * t - 0.12 * (t - 0.3) * (t - 0.3);
    auto ch = [&](int c) { return std::clamp(int(std::lround(c * light)), 0, 255); };
    return qRgb(ch(234), ch(217), ch(197));
}

struct Stripe {
    int l, r, t, b;
};
constexpr Stripe kFourStripes[] = {{39, 44, 8, 53}, {59, 64, 10, 51}, {77, 82, 10, 51},
                                   {117, 122, 7, 54}};
constexpr Stripe kFiveStripes[] = {{39, 44, 8, 53}, {59, 64, 10, 51}, {77, 82, 10, 51},
                                   {96, 101, 10, 51}, {117, 122, 7, 54}};

const Stripe& StripeOf(BandMode mode, int band) {
    return mode == BandMode::Four ? kFourStripes[band] : kFiveStripes[band];
}

QRgb MarkerOf(int band) { return qRgb(0, 0, band + 1); }

// 4-connected fill of the area of the colour found at (x, y), by spans.
void FloodFill(QImage& image, int x, int y, QRgb colour) {
    const int w = image.width(), h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    auto row = [&](int yy) { return reinterpret_cast<QRgb*>(image.scanLine(yy)); };
    const QRgb target = row(y)[x];
    if (target == colour) return;
    std::vector<QPoint> stack{QPoint(x, y)};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb* line = row(p.y());
        if (line[p.x()] != target) continue;
        int l = p.x(), r = p.x();
        while (l > 0 && line[l - 1] == target) --l;
        while (r < w - 1 && line[r + 1] == target) ++r;
        std::fill(line + l, line + r + 1, colour);
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h) continue;
            const QRgb* other = row(ny);
            for (int i = l; i <= r; ++i)
                if (other[i] == target && (i == l || other[i - 1] != target))
                    stack.emplace_back(i, ny);
        }
    }
}

}  // namespace

QRect BandStripe(BandMode mode, int band) {
    const Stripe& s = StripeOf(mode, band);
    return QRect(QPoint(s.l, s.t), QPoint(s.r, s.b));
}

QImage MakeResistorTemplate(BandMode mode) {
    QImage image(kResistorPictureWidth, kResistorPictureHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool lead = y >= 30 && y <= 33;
        for (int x = 0; x < image.width(); ++x) {
            if (InBody(x, y)) {
                const bool edge = !InBody(x - 1, y) || !InBody(x + 1, y) || !InBody(x, y - 1) ||
                                  !InBody(x, y + 1);
                line[x] = edge ? kOutline : BodyShade(y);
            } else if (lead) {
                line[x] = kLead;
            }
        }
    }
    for (int band = 0; band < BandCount(mode); ++band) {
        const Stripe& s = StripeOf(mode, band);
        for (int y = s.t; y <= s.b; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line + s.l, line + s.r + 1, MarkerOf(band));
        }
    }
    return image;
}

QImage MakeResistorPicture(BandMode mode, const BandCodes& bands, QRgb brush) {
    QImage image = MakeResistorTemplate(mode);
    brush |= 0xFF000000;
    FloodFill(image, 1, 1, brush);
    FloodFill(image, 1, kResistorPictureHeight - 1, brush);
    const int count = BandCount(mode);
    QRgb drawn[kMaxBands];
    for (int band = 0; band < count; ++band) {
        const BandColour& c = ColourOfCode(bands[band]);
        drawn[band] = qRgb(c.red, c.green, c.blue);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int k = qBlue(p);
            if (qRed(p) == 0 && qGreen(p) == 0 && k >= 1 && k <= count)
                line[x] = drawn[k - 1];
        }
    }
    return image;
}

QImage KeyedOnBottomLeft(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull()) return out;
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key) line[x] = 0;
    }
    return out;
}

}  // namespace sw
