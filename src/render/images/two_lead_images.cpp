// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies of the two-lead kinds: drawn horizontally with hole 2 to the right,
// then turned along the lead angle.

#include "render/blend.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"

namespace sw {
namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);

// Resistor, capacitor and diode names up to three characters get 10 pt.
int ShortBodyLabelPoints(const QString& name) { return name.size() > 3 ? 8 : 10; }
// The round bodies (LED, electrolytic) have less room: up to two characters.
int RoundBodyLabelPoints(const QString& name) { return name.size() > 2 ? 8 : 10; }

// Resistor, capacitor and diode: draw(canvas) paints the body on a 40 x 40 key
// background; the label turns with a vertical or slanted body, but a body
// pointing left (angle pi) keeps its label upright.
template <typename Draw>
QImage LengthwiseBody(const QString& name, double angle, int scale, Draw draw) {
    QImage image = NewComponentImage(kTwoLeadImageSize, kTwoLeadImageSize, scale);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    const int points = ShortBodyLabelPoints(name);
    if (SameAngle(angle, kPi)) {
        QImage turned = RotateImage(image, angle);
        {
            Canvas canvas(turned);
            DrawNameLabel(canvas, name, points, kBlack);
        }
        return turned;
    }
    {
        Canvas canvas(image);
        DrawNameLabel(canvas, name, points, kBlack);
    }
    return RotateImage(image, angle);
}

// LED and electrolytic: turned first, the label always upright.
QImage TurnThenLabelUpright(const QImage& image, const QString& name, double angle) {
    QImage turned = RotateImage(image, angle);
    {
        Canvas canvas(turned);
        DrawNameLabel(canvas, name, RoundBodyLabelPoints(name), kBlack);
    }
    return turned;
}

struct SizeGeometry {
    const char* size;
    int circle;  // bounding box (circle, circle)-(far, far)
    int far;
    int stripeX;
    int stripeTop;
    int stripeBottom;
    int fillX;  // flood-fill start (fillX, 30)
};
constexpr SizeGeometry kElectrolyteSizes[] = {
    {"Small", 16, 44, 38, 21, 40, 40},
    {"Medium", 12, 48, 41, 19, 41, 43},
    {"Large", 4, 57, 48, 13, 47, 53},
};

}  // namespace

QImage MakeResistorImage(const QString& name, double angle, int scale) {
    return LengthwiseBody(name, angle, scale, [](Canvas& canvas) {
        canvas.SetPen(MakeRgb(0, 0, 255), 2);
        canvas.SetBrush(MakeRgb(215, 235, 255));
        canvas.Rectangle(4, 13, 37, 28);
    });
}

QImage MakeCapacitorImage(const QString& name, double angle, int scale) {
    return LengthwiseBody(name, angle, scale, [](Canvas& canvas) {
        canvas.SetPen(MakeRgb(57, 181, 74), 2);
        canvas.SetBrush(MakeRgb(223, 255, 223));
        canvas.Ellipse(2, 10, 39, 31);
    });
}

QImage MakeDiodeImage(const QString& name, double angle, int scale) {
    return LengthwiseBody(name, angle, scale, [](Canvas& canvas) {
        canvas.SetPen(MakeRgb(255, 0, 0), 2);
        canvas.SetBrush(MakeRgb(255, 215, 215));
        canvas.Rectangle(4, 13, 37, 28);
        // The cathode band, at the end towards hole 2.
        canvas.Line(32, 13, 32, 27);
    });
}

QImage MakeLedImage(const QString& name, double angle, int scale) {
    const int size = kTwoLeadImageSize;
    QImage image = NewComponentImage(size, size, scale);
    {
        Canvas canvas(image);
        canvas.SetPen(MakeRgb(128, 0, 0), 2);
        canvas.SetBrush(MakeRgb(255, 0, 0));
        canvas.Ellipse(6, 6, 35, 35);
        canvas.SetPenColour(MakeRgb(255, 70, 70));
        canvas.Ellipse(9, 9, 32, 32);
        // The flat side of the rim, towards hole 2 (the cathode).
        canvas.SetPenColour(kKeyColour);
        canvas.SetBrushColour(kKeyColour);
        canvas.Rectangle(33, 0, size + 1, size + 1);
        canvas.SetPenColour(MakeRgb(128, 0, 0));
        canvas.Line(33, 12, 33, 28);
    }
    return TurnThenLabelUpright(image, name, angle);
}

QImage MakeElectrolyteImage(const QString& name, const QString& size, double angle, int scale) {
    QImage image = NewComponentImage(kElectrolyteImageSize, kElectrolyteImageSize, scale);
    for (const SizeGeometry& g : kElectrolyteSizes) {
        if (size != QLatin1String(g.size))
            continue;
        const Rgb fill = MakeRgb(255, 232, 255);
        const Rgb grey = MakeRgb(192, 192, 192);
        Canvas canvas(image);
        canvas.SetPen(MakeRgb(128, 0, 128), 2);
        canvas.SetBrush(fill);
        canvas.Ellipse(g.circle, g.circle, g.far, g.far);
        // The minus stripe: the segment of the can beyond the line turns grey.
        canvas.SetPen(grey, 1);
        canvas.Line(g.stripeX, g.stripeTop, g.stripeX, g.stripeBottom);
        canvas.SetBrush(grey);
        if (canvas.Pixel(g.fillX, 30) == fill)
            canvas.FloodFill(g.fillX, 30);
        break;
    }
    return TurnThenLabelUpright(image, name, angle);
}

}  // namespace sw
