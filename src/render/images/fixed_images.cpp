// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies of fixed footprint whose label stays upright when they point left:
// transistor, trimmer and potentiometer.

#include "render/blend.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"

#include <vector>

namespace sw {
namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);

// Turned by pi, the body is turned first and the label drawn upright (lifted
// by `lift` pixels); at any other angle the label turns with the body.
QImage LabelAndTurn(QImage& image, const QString& name, double angle, int lift) {
    if (SameAngle(angle, kPi)) {
        QImage turned = RotateImage(image, angle);
        {
            Canvas canvas(turned);
            DrawNameLabel(canvas, name, 10, kBlack, QPoint(0, -lift));
        }
        return turned;
    }
    {
        Canvas canvas(image);
        DrawNameLabel(canvas, name, 10, kBlack);
    }
    return RotateImage(image, angle);
}

void PinDots(Canvas& canvas, std::initializer_list<QPoint> pins) {
    canvas.SetPen(kBlack, 5);
    for (const QPoint& p : pins)
        canvas.Dot(p.x(), p.y(), 5);
}

}  // namespace

QImage MakeTransistorImage(const QString& name, double angle, int scale) {
    QImage image = NewComponentImage(kTransistorImageSize, kTransistorImageSize, scale);
    {
        Canvas canvas(image);
        canvas.SetPen(MakeRgb(140, 58, 47), 2);
        canvas.SetBrush(MakeRgb(199, 178, 153));
        canvas.Ellipse(1, 7, 55, 38);
        canvas.Polyline({{2, 25}, {2, 20}, {54, 20}, {54, 25}});
        // Cut the ellipse off above the flat face at y = 20.
        canvas.SetPenColour(kKeyColour);
        canvas.SetBrushColour(kKeyColour);
        canvas.Rectangle(0, 0, 55, 19);
    }
    return LabelAndTurn(image, name, angle, 2);
}

QImage MakeTrimmerImage(const QString& name, int shape, double angle, bool pinDots, int scale) {
    const Rgb outline = MakeRgb(233, 221, 5);
    const Rgb fill = MakeRgb(255, 255, 0);
    QImage image = NewComponentImage(kTrimmerImageSize, kTrimmerImageSize, scale);
    {
        Canvas canvas(image);
        canvas.SetBrush(fill);
        auto legs = [&](std::initializer_list<QLine> lines) {
            canvas.SetPen(kBlack, 2);
            for (const QLine& l : lines)
                canvas.Line(l.x1(), l.y1(), l.x2(), l.y2());
        };
        auto pins = [&](std::initializer_list<QPoint> points) {
            if (pinDots)
                PinDots(canvas, points);
        };
        switch (shape) {
        case 1:
            canvas.SetPen(outline, 2);
            canvas.RoundRect(21, 41, 81, 61, 5, 5);
            pins({{30, 40}, {70, 40}, {50, 60}});
            break;
        case 2:
            legs({{30, 40, 30, 30}, {70, 40, 70, 30}, {50, 70, 50, 60}});
            pins({{30, 30}, {70, 30}, {50, 70}});
            canvas.SetPen(outline, 2);
            canvas.RoundRect(21, 41, 81, 61, 5, 5);
            break;
        case 4:
            legs({{30, 20, 30, 10}, {70, 20, 70, 10}, {50, 90, 50, 80}});
            pins({{30, 10}, {70, 10}, {50, 90}});
            canvas.SetPen(outline, 3);
            canvas.RoundRect(21, 21, 81, 81, 5, 5);
            canvas.Ellipse(30, 30, 70, 70);  // the adjusting screw
            break;
        case 5:
            canvas.SetPen(outline, 2);
            canvas.RoundRect(21, 41, 81, 61, 5, 5);
            pins({{30, 50}, {70, 50}});
            break;
        default:  // holes that fit no footprint: the label alone
            break;
        }
    }
    return LabelAndTurn(image, name, angle, 0);
}

QImage MakePotImage(const QString& name, double angle, int scale) {
    QImage image = NewComponentImage(kPotImageSize, kPotImageSize, scale);
    {
        Canvas canvas(image);
        const Rgb grey = MakeRgb(128, 128, 128);
        canvas.SetPen(grey, 2);
        canvas.SetBrush(MakeRgb(192, 192, 192));
        for (int left : {10, 50, 90})
            canvas.Ellipse(left, 2, left + 21, 70);  // the three lugs
        canvas.Ellipse(11, 18, 111, 119);            // the body
        for (int x : {20, 60, 100}) {
            canvas.SetPen(grey, 7);
            canvas.Dot(x, 10, 7);
            canvas.SetPen(kKeyColour, 4);
            canvas.Dot(x, 10, 4);
        }
    }
    return LabelAndTurn(image, name, angle, 2);
}

}  // namespace sw
