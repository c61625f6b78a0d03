// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies of the panel parts drawn around one hole: the jack (mirrored in the
// right half of the board) and the tube socket (keyed towards hole 2).

#include "render/blend.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"

#include <cmath>
#include <vector>

namespace sw {
namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);

// Turned by 0 (which clears the image's edges) with the label upright, lifted by 2.
QImage FinishUpright(const QImage& image, const QString& name) {
    QImage turned = RotateImage(image, 0);
    {
        Canvas canvas(turned);
        DrawNameLabel(canvas, name, 10, kBlack, QPoint(0, -2));
    }
    return turned;
}

}  // namespace

QImage MakeJackImage(const QString& name, bool stereo, double angle, int scale) {
    // Mirrored left to right when turned by pi: outlines through m, thin
    // strokes and dots through n.
    const bool mirrored = SameAngle(angle, kPi);
    auto m = [mirrored](int x) { return mirrored ? 120 - x : x; };
    auto n = [mirrored](int x) { return mirrored ? 118 - x : x; };
    const int s = stereo ? 1 : 0;
    const Rgb blue = MakeRgb(0, 128, 192);
    const Rgb orange = MakeRgb(242, 101, 34);
    const Rgb darkGrey = MakeRgb(75, 75, 75);

    QImage image = NewComponentImage(kJackImageSize, kJackImageSize, scale);
    {
        Canvas canvas(image);
        auto hollowDot = [&](Rgb colour, int x, int y) {
            canvas.SetPen(colour, 12);
            canvas.Dot(x, y, 12);
            canvas.SetPen(kKeyColour, 5);
            canvas.Dot(x, y, 5);
        };
        // The bushing and its thread.
        canvas.SetPen(blue, 2);
        canvas.SetBrush(MakeRgb(166, 202, 240));
        NormalisedRectangle(canvas, m(3), 43, m(19), 77);
        canvas.SetPenWidth(1);
        canvas.Line(n(7), 51, n(7), 72);
        canvas.Line(n(12), 47, n(12), 68);
        // The insulating body.
        canvas.SetBrush(MakeRgb(255, 127, 59));
        canvas.SetPen(MakeRgb(128, 128, 128), 2);
        NormalisedRectangle(canvas, m(20), 33, m(41 + 10 * s), 87);
        // The sleeve contact and its lug.
        canvas.SetPen(blue, 3);
        canvas.Line(m(25), 18, m(25), 87);
        canvas.Polyline({{m(40 + 10 * s), 84}, {m(100), 84}, {m(118), 72}, {m(100), 60}, {m(82), 72}});
        hollowDot(blue, n(25), 18);
        if (stereo) {
            canvas.SetPen(orange, 3);
            canvas.Polyline({{n(45), 97}, {n(35), 87}, {n(35), 30}});
            canvas.Polyline({{n(50), 34}, {n(80), 34}, {n(98), 46}, {n(80), 60}, {n(62), 46}});
            canvas.SetPenColour(darkGrey);
            canvas.Line(n(45), 77, n(45), 18);
            hollowDot(darkGrey, n(45), 18);
            hollowDot(orange, n(45), 97);
        } else {
            canvas.SetPen(darkGrey, 3);
            canvas.Polyline({{n(45), 18}, {n(35), 28}, {n(35), 77}});
            hollowDot(darkGrey, n(45), 18);
        }
    }
    return FinishUpright(image, name);
}

QImage MakeTubeImage(const QString& name, const QString& type, double angle, int scale) {
    const bool noval = type == QLatin1String("Noval");
    if (!noval && type != QLatin1String("Octal"))
        return {};
    const Rgb cream = MakeRgb(249, 241, 232);
    const Rgb tan = MakeRgb(199, 178, 153);
    QImage image = NewComponentImage(kTubeImageSize, kTubeImageSize, scale);
    {
        Canvas canvas(image);
        canvas.SetPen(tan, 2);
        canvas.SetBrush(cream);
        canvas.Ellipse(2, 2, 169, 169);
        canvas.SetBrush(tan);
        canvas.Ellipse(65, 65, 105, 105);
        auto pin = [&](int x, int y) {
            canvas.SetPen(MakeRgb(0, 128, 192), 20);
            canvas.Dot(x, y, 20);
            canvas.SetPen(cream, 8);
            canvas.Dot(x, y, 8);
        };
        if (noval) {
            // Ten places, nine pins: the gap is the place towards hole 2.
            struct Place {
                int x, y;
                bool keyed;  // left out when the angle is `gapAngle`
                double gapAngle;
            };
            const Place places[] = {
                {85, 15, true, kPi},      {45, 35, false, 0},   {125, 35, false, 0},
                {25, 70, false, 0},       {145, 70, true, -kPi / 2},
                {25, 100, true, kPi / 2}, {145, 100, false, 0}, {45, 135, false, 0},
                {125, 135, false, 0},     {85, 155, true, 0},
            };
            for (const Place& p : places)
                if (!p.keyed || !SameAngle(angle, p.gapAngle))
                    pin(p.x, p.y);
        } else {
            const QPoint pins[] = {{85, 15},   {140, 45}, {30, 45},  {140, 125},
                                   {30, 125}, {85, 155}, {15, 85}, {155, 85}};
            for (const QPoint& p : pins)
                pin(p.x(), p.y());
            // The key of the octal spigot.
            const double a = angle + kPi / 4 + 0.4;
            canvas.SetPen(tan, 24);
            canvas.Line(85, 85, 85 + int(std::nearbyint(20 * std::cos(a))),
                        85 + int(std::nearbyint(20 * std::sin(a))));
        }
    }
    return FinishUpright(image, name);
}

}  // namespace sw
