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
    // smaller than the board image); each is clipped on its own.
    for (int j = std::max(0, -top); j < src.height(); ++j) {
        const int y = top + j;
        if (y < 0)
            continue;
        const bool rowOnCanvas = y < target.height();
        const bool rowOnPick = y < keys.height();
        if (!rowOnCanvas && !rowOnPick)
            break;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(j));
        QRgb* to = rowOnCanvas ? reinterpret_cast<QRgb*>(target.scanLine(y)) : nullptr;
        QRgb* ids = rowOnPick ? reinterpret_cast<QRgb*>(keys.scanLine(y)) : nullptr;
        for (int i = std::max(0, -left); i < src.width(); ++i) {
            const Rgb colour = from[i] & 0xFFFFFF;
            if (colour == key)
                continue;
            const int x = left + i;
            if (to && x < target.width())
                to[x] = 0xFF000000u | BlendColour(colour, to[x] & 0xFFFFFF, effective);
            if (ids && x < keys.width())
                ids[x] = keyValue;
        }
    }
}

}  // namespace sw
