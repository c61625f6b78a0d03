// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies sized by their hole span: dual in-line ICs, relays, switches,
// transformers and single in-line ICs. Image pixel (10 + 20 c, 10 + 20 r) is
// the hole c columns right of and r rows below the span's top-left hole.

#include "render/blend.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"

#include <algorithm>
#include <cstdlib>

namespace sw {
namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kGrey = MakeRgb(128, 128, 128);

// Spans are computed in 64 bits: hole numbers may be anything an int holds.
long long Span(int a, int b) { return std::llabs(static_cast<long long>(b) - a); }

bool Drawable(const ImageSize& size) {
    return size.width > 0 && size.height > 0 && size.width <= kMaxImageSide &&
           size.height <= kMaxImageSide;
}

// How a dual in-line package lies, from hole 1 (pin 1) and the opposite corner.
// Cases A and C have a pin column at the left and right, B and D a pin row at
// the top and bottom; holes sharing a row or a column give no package.
enum class DipCase { A, B, C, D, None };

DipCase DipCaseOf(int x1, int y1, int x2, int y2) {
    if (x1 < x2 && y1 < y2)
        return DipCase::A;
    if (x2 < x1 && y1 < y2)
        return DipCase::B;
    if (x2 < x1 && y2 < y1)
        return DipCase::C;
    if (x1 < x2 && y2 < y1)
        return DipCase::D;
    return DipCase::None;
}

bool PinsAtSides(DipCase c) { return c == DipCase::A || c == DipCase::C; }

// Body (in the current pen and brush) and black pins of a dual in-line package.
void DrawDipBody(Canvas& canvas, DipCase c, int corner) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    if (PinsAtSides(c))
        canvas.RoundRect(10, 3, w - 10, h - 1, corner, corner);
    else
        canvas.RoundRect(3, 10, w - 1, h - 10, corner, corner);
    canvas.SetPen(kBlack, 5);
    if (PinsAtSides(c)) {
        for (int k = 0; k < h / 20; ++k) {
            canvas.Dot(9, 20 * k + 10, 5);
            canvas.Dot(w - 11, 20 * k + 10, 5);
        }
    } else {
        for (int k = 0; k < w / 20; ++k) {
            canvas.Dot(20 * k + 10, 9, 5);
            canvas.Dot(20 * k + 10, h - 11, 5);
        }
    }
}

// A body as large as the span of holes (x1, y1)-(x2, y2): draw(canvas, w, h)
// paints it on the key background; spans too large to draw give no image.
template <typename Draw>
QImage SpanBody(int x1, int y1, int x2, int y2, int scale, Draw draw) {
    const ImageSize size = SpanImageSize(x1, y1, x2, y2);
    if (!Drawable(size))
        return {};
    QImage image = NewComponentImage(int(size.width), int(size.height), scale);
    {
        Canvas canvas(image);
        draw(canvas, canvas.Width(), canvas.Height());
    }
    return RotateImage(image, 0);
}

}  // namespace

ImageSize SpanImageSize(int x1, int y1, int x2, int y2) {
    return {20 * Span(x1, x2) + 20, 20 * Span(y1, y2) + 20};
}

ImageSize LineICImageSize(int x1, int y1, int x2, int y2) {
    const long long side = 20 * std::max(Span(x1, x2), Span(y1, y2)) + 20;
    return {side, side};
}

QImage MakeICImage(int x1, int y1, int x2, int y2, const QString& name, int scale) {
    return SpanBody(x1, y1, x2, y2, scale, [&](Canvas& canvas, int w, int h) {
        const DipCase c = DipCaseOf(x1, y1, x2, y2);
        if (c != DipCase::None) {
            canvas.SetPen(kGrey, 2);
            canvas.SetBrush(MakeRgb(192, 192, 192));
            DrawDipBody(canvas, c, 8);
            // The pin-1 mark, just inside the corner of hole 1.
            const QPoint mark[] = {{20, 10}, {w - 10, 20}, {w - 20, h - 10}, {10, h - 20}};
            canvas.SetPen(kGrey, 10);
            canvas.Dot(mark[int(c)].x(), mark[int(c)].y(), 10);
        }
        DrawNameLabel(canvas, name, 10, kBlack);
    });
}

QImage MakeRelayImage(int x1, int y1, int x2, int y2, const QString& name, int scale) {
    return SpanBody(x1, y1, x2, y2, scale, [&](Canvas& canvas, int w, int h) {
        const DipCase c = DipCaseOf(x1, y1, x2, y2);
        if (c != DipCase::None) {
            canvas.SetPen(kBlack, 2);
            canvas.SetBrush(MakeRgb(68, 68, 68));
            DrawDipBody(canvas, c, 4);
            // The pin-1 mark: a white stripe along the end of hole 1.
            const QLine stripe[] = {{20, 10, w - 20, 10},
                                    {w - 10, 20, w - 10, h - 20},
                                    {w - 20, h - 10, 20, h - 10},
                                    {10, h - 20, 10, 20}};
            const QLine& s = stripe[int(c)];
            canvas.SetPen(kWhite, 5);
            canvas.Line(s.x1(), s.y1(), s.x2(), s.y2());
        }
        DrawNameLabel(canvas, name, 10, kWhite);
    });
}

QImage MakeSwitchImage(int x1, int y1, int x2, int y2, const QString& name, int scale) {
    return SpanBody(x1, y1, x2, y2, scale, [&](Canvas& canvas, int w, int h) {
        canvas.SetPen(MakeRgb(0, 0, 255), 2);
        canvas.SetBrush(MakeRgb(166, 202, 240));
        canvas.RoundRect(3, 3, w - 1, h - 1, 8, 8);
        // A solder lug on every hole of the span.
        const int columns = int(Span(x1, x2));
        const int rows = int(Span(y1, y2));
        for (int c = 0; c <= columns; ++c) {
            for (int r = 0; r <= rows; ++r) {
                canvas.SetPen(MakeRgb(255, 0, 0), 8);
                canvas.Dot(20 * c + 10, 20 * r + 10, 8);
                canvas.SetPen(kWhite, 5);
                canvas.Dot(20 * c + 10, 20 * r + 10, 5);
            }
        }
        // Off the middle lug when the label would sit on one.
        const long long across = static_cast<long long>(x2) - x1;
        const long long down = static_cast<long long>(y2) - y1;
        const QPoint offset(across % 2 == 0 && y1 == y2 ? 10 : 0,
                            down % 2 == 0 && y1 != y2 ? 10 : 0);
        DrawNameLabel(canvas, name, 10, kBlack, offset);
    });
}

QImage MakeTransformerImage(int x1, int y1, int x2, int y2, const QString& name, int scale) {
    return SpanBody(x1, y1, x2, y2, scale, [&](Canvas& canvas, int w, int h) {
        const bool sides = (x1 < x2 && y1 < y2) || (x2 < x1 && y2 < y1);
        canvas.SetPen(MakeRgb(0, 128, 0), 2);
        canvas.SetBrush(MakeRgb(0, 255, 255));
        if (sides)
            canvas.Rectangle(10, 3, w - 10, h - 1);
        else
            canvas.Rectangle(3, 10, w - 1, h - 10);
        canvas.SetPenColour(kBlack);
        canvas.SetBrushStyle(BrushStyle::Clear);
        // The windings, a row of circles along each pin side.
        const int n = (sides ? h : w) / 10 - 3;
        for (int k = 1; k <= n; ++k) {
            if (sides) {
                canvas.Ellipse(14, 10 * k, 34, 10 * k + 20);
                canvas.Ellipse(w - 34, 10 * k, w - 14, 10 * k + 20);
            } else {
                canvas.Ellipse(10 * k, 14, 10 * k + 20, 34);
                canvas.Ellipse(10 * k, h - 34, 10 * k + 20, h - 14);
            }
        }
        canvas.SetPenWidth(5);
        const QPoint corners[] = {{9, 10}, {w - 11, 10}, {9, h - 10}, {w - 11, h - 10}};
        for (const QPoint& p : corners)
            canvas.Dot(p.x(), p.y(), 5);
        canvas.SetPenWidth(2);
        if (sides) {
            canvas.Line(9, 10, 24, 10);
            canvas.Line(w - 11, 10, w - 24, 10);
            canvas.Line(9, h - 10, 24, h - 10);
            canvas.Line(w - 11, h - 10, w - 24, h - 10);
        } else {
            canvas.Line(10, 9, 10, 24);
            canvas.Line(10, h - 11, 10, h - 24);
            canvas.Line(w - 10, 9, w - 10, 24);
            canvas.Line(w - 10, h - 11, w - 10, h - 24);
        }
        // The centre tap, on the side of hole 2, when the pin count is odd.
        const long long pinSpan =
            sides ? static_cast<long long>(y1) - y2 : static_cast<long long>(x1) - x2;
        if (pinSpan % 2 == 0) {
            QLine lead;
            if (sides)
                lead = y1 < y2 ? QLine(w - 11, h / 2, w - 24, h / 2) : QLine(9, h / 2, 24, h / 2);
            else
                lead = y1 < y2 ? QLine(w / 2, h - 11, w / 2, h - 24) : QLine(w / 2, 9, w / 2, 24);
            canvas.SetPenWidth(2);
            canvas.Line(lead.x1(), lead.y1(), lead.x2(), lead.y2());
            canvas.SetPenWidth(5);
            canvas.Dot(lead.x1(), lead.y1(), 5);
        }
        canvas.SetBrushStyle(BrushStyle::Solid);
        DrawNameLabel(canvas, name, 10, kBlack);
    });
}

QImage MakeLineICImage(int x1, int y1, int x2, int y2, const QString& name, int scale) {
    const ImageSize size = LineICImageSize(x1, y1, x2, y2);
    if (!Drawable(size))
        return {};
    const int side = int(size.width);
    QImage image = NewComponentImage(side, side, scale);
    {
        Canvas canvas(image);
        const int mid = side / 2;
        canvas.SetPen(kGrey, 1);
        canvas.SetBrush(MakeRgb(192, 192, 192));
        canvas.RoundRect(1, mid - 10, side - 1, mid + 10, 8, 8);
        // The pin-1 mark at the end of hole 1.
        const bool markRight = (y1 == y2 && x2 < x1) || (y1 != y2 && y1 < y2);
        canvas.SetPen(kGrey, 10);
        canvas.Dot(markRight ? side - 10 : 10, mid, 10);
        DrawNameLabel(canvas, name, 10, kBlack);
    }
    // A column of pins turns a quarter anticlockwise: the label reads upwards.
    return RotateImage(image, x1 == x2 ? -kPi / 2 : 0.0);
}

}  // namespace sw
