#include "render/blend.h"

#include "render/pick_map.h"

#include <algorithm>

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

void DrawImageBlended(Canvas& canvas, PickMap& pick, int left, int top, const QImage& image,
                      Rgb key, unsigned identity, bool exempt, int opacity, bool reveal) {
    const QImage src = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const int effective = (reveal && !exempt) ? opacity * 3 / 8 : opacity;
    QImage& target = canvas.Image();
    QImage& keys = pick.Draw().Image();
    const QRgb keyValue = 0xFF000000u | identity;
    // The canvas and the pick map may differ in size (an export raster is
    // smaller than the board image); each is clipped on its own. The clip
    // ranges are worked out once per image, not per pixel: compositing is the
    // largest cost of a repaint.
    auto columnsOn = [&](const QImage& raster) {
        const long long end = std::clamp<long long>((long long)raster.width() - left, 0, src.width());
        return int(end);
    };
    const int first = int(std::clamp<long long>(-(long long)left, 0, src.width()));
    const int canvasEnd = columnsOn(target);
    const int pickEnd = columnsOn(keys);
    const int rowFirst = int(std::clamp<long long>(-(long long)top, 0, src.height()));
    const unsigned keep = 255u - unsigned(effective);
    for (int j = rowFirst; j < src.height(); ++j) {
        const long long y = (long long)top + j;
        const bool rowOnCanvas = y < target.height();
        const bool rowOnPick = y < keys.height();
        if (!rowOnCanvas && !rowOnPick)
            break;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
        if (rowOnCanvas) {
            QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(int(y)));
            for (int i = first; i < canvasEnd; ++i) {
                const unsigned colour = from[i] & 0xFFFFFFu;
                if (colour == key)
                    continue;
                const unsigned d = row[left + i];
                // BlendChannel on each channel: (opacity * s + (255 - opacity) * d) div 256.
                const unsigned r = (unsigned(effective) * (colour >> 16) + keep * ((d >> 16) & 0xFFu)) >> 8;
                const unsigned g = (unsigned(effective) * ((colour >> 8) & 0xFFu) + keep * ((d >> 8) & 0xFFu)) >> 8;
                const unsigned b = (unsigned(effective) * (colour & 0xFFu) + keep * (d & 0xFFu)) >> 8;
                row[left + i] = 0xFF000000u | (r << 16) | (g << 8) | b;
            }
        }
        if (rowOnPick) {
            QRgb* ids = reinterpret_cast<QRgb*>(keys.scanLine(int(y)));
            for (int i = first; i < pickEnd; ++i)
                if ((from[i] & 0xFFFFFFu) != key)
                    ids[left + i] = keyValue;
        }
    }
}

}  // namespace sw
