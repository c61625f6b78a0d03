// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's pixel conventions, pinned down by the extents of each primitive.

#include "render/canvas.h"
#include "render/raster_ops.h"

#include <QRect>
#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kPen = 0x0000FF;
constexpr Rgb kBrush = 0xD7EBFF;

}  // namespace
}  // namespace sw

// Readable failure messages.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace sw {
namespace {

// Bounding box of the pixels that are not `background`.
QRect InkBox(const QImage& image, Rgb background = kWhite) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

int CountColour(const QImage& image, Rgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            n += (row[x] & 0xFFFFFF) == colour;
    }
    return n;
}

bool MirrorSymmetric(const QImage& image, const QRect& box) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != image.pixel(box.left() + box.right() - x, y) ||
                p != image.pixel(x, box.top() + box.bottom() - y))
                return false;
        }
    return true;
}

struct ShapeCase {
    const char* name;
    int kind;  // 0 rectangle, 1 ellipse, 2 rounded rectangle
    int penWidth;
    PenStyle pen;
    BrushStyle brush;
    QRect expectedInk;
};

class ShapeExtents : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeExtents, InkStaysInsideTheBoxWithExclusiveRightAndBottom) {
    const ShapeCase& c = GetParam();
    QImage image = MakeRaster(60, 60);
    Canvas canvas(image);
    canvas.SetPen(kPen, c.penWidth, c.pen);
    canvas.SetBrush(kBrush, c.brush);
    if (c.kind == 0)
        canvas.Rectangle(4, 13, 37, 28);
    else if (c.kind == 1)
        canvas.Ellipse(4, 13, 37, 28);
    else
        canvas.RoundRect(4, 13, 37, 28, 10, 8);
    EXPECT_EQ(InkBox(image), c.expectedInk) << c.name;
    EXPECT_TRUE(MirrorSymmetric(image, c.expectedInk)) << c.name;
    const int midY = 20;
    if (c.pen != PenStyle::Clear) {
        // The outline is exactly penWidth pixels thick at the middle of each side.
        for (int k = 0; k < c.penWidth; ++k) {
            EXPECT_EQ(canvas.Pixel(4 + k, midY), kPen) << c.name << " k=" << k;
            EXPECT_EQ(canvas.Pixel(36 - k, midY), kPen) << c.name << " k=" << k;
        }
        const Rgb inside = c.brush == BrushStyle::Solid ? kBrush : kWhite;
        EXPECT_EQ(canvas.Pixel(4 + c.penWidth, midY), inside) << c.name;
        EXPECT_EQ(canvas.Pixel(36 - c.penWidth, midY), inside) << c.name;
    } else {
        EXPECT_EQ(CountColour(image, kPen), 0) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, ShapeExtents,
    ::testing::Values(
        ShapeCase{"rectangle 1px", 0, 1, PenStyle::Solid, BrushStyle::Solid, QRect(4, 13, 33, 15)},
        ShapeCase{"rectangle 2px", 0, 2, PenStyle::Solid, BrushStyle::Solid, QRect(4, 13, 33, 15)},
        ShapeCase{"rectangle 3px hollow", 0, 3, PenStyle::Solid, BrushStyle::Clear,
                  QRect(4, 13, 33, 15)},
        ShapeCase{"rectangle no pen", 0, 1, PenStyle::Clear, BrushStyle::Solid,
                  QRect(4, 13, 32, 14)},
        ShapeCase{"ellipse 1px", 1, 1, PenStyle::Solid, BrushStyle::Solid, QRect(4, 13, 33, 15)},
        ShapeCase{"ellipse 2px", 1, 2, PenStyle::Solid, BrushStyle::Solid, QRect(4, 13, 33, 15)},
        ShapeCase{"ellipse hollow", 1, 1, PenStyle::Solid, BrushStyle::Clear,
                  QRect(4, 13, 33, 15)},
        ShapeCase{"round rect 1px", 2, 1, PenStyle::Solid, BrushStyle::Solid,
                  QRect(4, 13, 33, 15)},
        ShapeCase{"round rect 2px", 2, 2, PenStyle::Solid, BrushStyle::Solid,
                  QRect(4, 13, 33, 15)}));

TEST(Canvas, EllipseCornersAreRoundAndOneThinRing) {
    QImage image = MakeRaster(50, 50);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.SetBrush(kBrush, BrushStyle::Clear);
    canvas.Ellipse(2, 10, 39, 31);
    EXPECT_EQ(canvas.Pixel(2, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(38, 30), kWhite);
    EXPECT_EQ(canvas.Pixel(20, 10), kPen);  // top of the ellipse
    EXPECT_EQ(canvas.Pixel(20, 30), kPen);  // bottom
    // A thin ring: each row meets it in exactly two runs, or one at top and bottom.
    for (int y = 11; y < 30; ++y) {
        int runs = 0;
        for (int x = 0; x < 50; ++x)
            runs += canvas.Pixel(x, y) == kPen && canvas.Pixel(x - 1, y) != kPen;
        EXPECT_EQ(runs, 2) << "row " << y;
    }
}

TEST(Canvas, RoundRectCornersAreCutAndSidesStraight) {
    QImage image = MakeRaster(50, 50);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.SetBrush(kBrush);
    canvas.RoundRect(5, 5, 45, 35, 12, 12);
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(44, 34), kWhite);
    for (int y = 12; y < 28; ++y)
        EXPECT_EQ(canvas.Pixel(5, y), kPen) << y;
    for (int x = 12; x < 38; ++x)
        EXPECT_EQ(canvas.Pixel(x, 5), kPen) << x;
}

TEST(Canvas, DotIsASymmetricDiscExactlyItsDiameterAcross) {
    for (int d : {2, 3, 4, 5, 6, 8, 12, 15, 20}) {
        QImage image = MakeRaster(40, 40);
        Canvas canvas(image);
        canvas.SetPen(kPen, d);
        canvas.Line(20, 20, 20, 20);
        // Odd diameters are centred on the pixel, even ones half a pixel up-left.
        const QRect expected(20 - d / 2, 20 - d / 2, d, d);
        EXPECT_EQ(InkBox(image), expected) << "d=" << d;
        EXPECT_TRUE(MirrorSymmetric(image, expected)) << "d=" << d;
        QImage viaDot = MakeRaster(40, 40);
        Canvas other(viaDot);
        other.SetPen(kPen);
        other.Dot(20, 20, d);
        EXPECT_EQ(viaDot, image) << "Dot and a zero-length wide line differ, d=" << d;
        if (d >= 5)
            EXPECT_EQ(canvas.Pixel(expected.left(), expected.top()), kWhite) << "d=" << d;
    }
    // With a 1-pixel pen a zero-length line, and so a dot, draws nothing.
    QImage image = MakeRaster(10, 10);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.Line(5, 5, 5, 5);
    canvas.Dot(6, 6, 1);
    canvas.Dot(7, 7, 0);
    EXPECT_EQ(CountColour(image, kPen), 0);
}

TEST(Canvas, WideLineHasRoundEndsAndIsSymmetric) {
    // A 5-pixel trace between two hole centres 80 pixels apart.
    QImage image = MakeRaster(200, 60);
    Canvas canvas(image);
    canvas.SetPen(kPen, 5);
    canvas.Line(60, 30, 140, 30);
    EXPECT_EQ(InkBox(image), QRect(58, 28, 85, 5));
    EXPECT_EQ(canvas.Pixel(58, 28), kWhite);  // rounded, not square, ends
    EXPECT_EQ(canvas.Pixel(58, 30), kPen);
    EXPECT_TRUE(MirrorSymmetric(image, QRect(58, 28, 85, 5)));

    // Drawing it the other way round, or diagonally both ways, gives the same pixels.
    for (int width : {2, 3, 4, 7}) {
        QImage forward = MakeRaster(100, 100), backward = MakeRaster(100, 100);
        Canvas f(forward), b(backward);
        f.SetPen(kPen, width);
        b.SetPen(kPen, width);
        f.Line(13, 17, 81, 64);
        b.Line(81, 64, 13, 17);
        EXPECT_EQ(forward, backward) << "width " << width;
    }
}

TEST(Canvas, ThinLineStopsBeforeItsEndPoint) {
    QImage image = MakeRaster(40, 40);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.Line(5, 5, 15, 5);
    EXPECT_EQ(InkBox(image), QRect(5, 5, 10, 1));
    canvas.Line(5, 10, 5, 20);
    EXPECT_EQ(canvas.Pixel(5, 19), kPen);
    EXPECT_EQ(canvas.Pixel(5, 20), kWhite);
    canvas.Line(30, 30, 30, 30);  // zero length, 1 pixel: nothing
    EXPECT_EQ(canvas.Pixel(30, 30), kWhite);
    // A diagonal steps one pixel per row.
    canvas.Line(20, 20, 30, 30);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(canvas.Pixel(20 + k, 20 + k), kPen) << k;
}

TEST(Canvas, DashedAndDottedPatternsOnThinLines) {
    struct Case {
        PenStyle style;
        int on, off;
    };
    for (const Case& c : {Case{PenStyle::Dash, 18, 6}, Case{PenStyle::Dot, 3, 3}}) {
        QImage image = MakeRaster(100, 10);
        Canvas canvas(image);
        canvas.SetPen(kPen, 1, c.style);
        canvas.Line(0, 5, 100, 5);
        for (int x = 0; x < 100; ++x)
            EXPECT_EQ(canvas.Pixel(x, 5) == kPen, x % (c.on + c.off) < c.on) << x;
        // A wide pen ignores the pattern.
        canvas.SetPen(kPen, 2, c.style);
        canvas.Line(0, 8, 99, 8);
        for (int x = 0; x < 99; ++x)
            EXPECT_EQ(canvas.Pixel(x, 8), kPen) << x;
    }
    // A polyline continues the pattern across its corners.
    QImage image = MakeRaster(40, 40);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1, PenStyle::Dot);
    canvas.Polyline({QPoint(0, 0), QPoint(4, 0), QPoint(4, 10)});
    EXPECT_EQ(canvas.Pixel(4, 0), kWhite);  // pixel 4 of the pattern is off
    EXPECT_EQ(canvas.Pixel(4, 1), kWhite);
    EXPECT_EQ(canvas.Pixel(4, 2), kPen);    // pixel 6 is on again
    canvas.SetPen(kPen, 1, PenStyle::Clear);
    canvas.Line(0, 20, 30, 20);
    EXPECT_EQ(canvas.Pixel(10, 20), kWhite);
}

TEST(Canvas, LinesFarOffTheCanvasDrawOnlyTheirVisiblePart) {
    QImage image = MakeRaster(50, 20);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.Line(-2000000, 3, 2000000, 3);
    canvas.SetPen(kPen, 3);
    canvas.Line(-2000000, 10, 2000000, 10);
    canvas.Line(-5, -100000, -5, 100000);  // wholly outside
    EXPECT_EQ(InkBox(image), QRect(0, 3, 50, 9));
    EXPECT_EQ(CountColour(image, kPen), 50 + 3 * 50);
}

// Ends two billion pixels out (a damaged layout): the wide line is clipped
// before its exact test, whose squares would otherwise overflow, and the thin
// line starts its steps far in; both still draw the diagonal through the canvas.
TEST(Canvas, LinesBetweenTheFarthestPointsStillDrawTheirVisiblePart) {
    QImage image = MakeRaster(40, 40);
    Canvas canvas(image);
    canvas.SetPen(kPen, 3);
    canvas.Line(-2000000000, -2000000000, 2000000000, 2000000000);
    canvas.SetPen(kBrush, 1);
    // Along x + y = 39, from far right above to far left below.
    canvas.Line(2147483647, 39 - 2147483647, -2147483600, 39 + 2147483600);
    for (int i : {0, 13, 20, 39})
        EXPECT_EQ(canvas.Pixel(i, i), kPen) << i;
    for (int i : {0, 5, 34, 39})
        EXPECT_EQ(canvas.Pixel(39 - i, i), kBrush) << i;
    EXPECT_EQ(canvas.Pixel(30, 5), kWhite);
}

TEST(Canvas, BezierRunsFromFirstToLastPoint) {
    QImage image = MakeRaster(120, 80);
    Canvas canvas(image);
    canvas.SetPen(kPen, 3);
    canvas.PolyBezier({QPoint(10, 40), QPoint(40, 0), QPoint(80, 80), QPoint(110, 40)});
    EXPECT_EQ(canvas.Pixel(10, 40), kPen);
    EXPECT_EQ(canvas.Pixel(110, 40), kPen);
    EXPECT_EQ(canvas.Pixel(60, 40), kPen);  // the curve's midpoint
    const QRect ink = InkBox(image);
    EXPECT_EQ(ink.left(), 9);
    EXPECT_EQ(ink.right(), 111);
    EXPECT_GT(ink.top(), 20);  // well inside the control polygon
    // A straight Bezier is the straight wide line.
    QImage straight = MakeRaster(120, 20), line = MakeRaster(120, 20);
    Canvas a(straight), b(line);
    a.SetPen(kPen, 4);
    b.SetPen(kPen, 4);
    a.PolyBezier({QPoint(10, 10), QPoint(40, 10), QPoint(70, 10), QPoint(100, 10)});
    b.Line(10, 10, 100, 10);
    EXPECT_EQ(straight, line);
}

TEST(Canvas, FloodFillRecoloursOnlyTheConnectedSurface) {
    QImage image = MakeRaster(60, 60);
    Canvas canvas(image);
    canvas.SetPen(kPen, 1);
    canvas.SetBrush(kWhite, BrushStyle::Clear);
    canvas.Ellipse(10, 10, 50, 50);
    // A diagonal gap does not let a 4-connected fill through.
    canvas.SetPixel(0, 1, kPen);
    canvas.SetPixel(1, 0, kPen);
    canvas.SetBrush(kBrush);
    canvas.FloodFill(30, 30);
    EXPECT_EQ(canvas.Pixel(30, 30), kBrush);
    EXPECT_EQ(canvas.Pixel(12, 30), kBrush);
    EXPECT_EQ(canvas.Pixel(10, 10), kWhite);  // outside the ring
    EXPECT_EQ(canvas.Pixel(10, 30), kPen);    // the ring keeps its colour
    canvas.FloodFill(5, 5);
    EXPECT_EQ(canvas.Pixel(59, 59), kBrush);
    EXPECT_EQ(canvas.Pixel(0, 0), kWhite);  // cut off by the diagonal
    const QImage before = image.copy();
    canvas.FloodFill(5, 5);  // already the brush colour: nothing changes
    canvas.FloodFill(-1, 5);
    EXPECT_EQ(image, before);

    // A whole board-sized raster fills without trouble.
    QImage big = MakeRaster(2000, 1200);
    Canvas bigCanvas(big);
    bigCanvas.SetBrush(kBrush);
    bigCanvas.FloodFill(1000, 600);
    EXPECT_EQ(CountColour(big, kBrush), 2000 * 1200);
}

TEST(Canvas, FontSizesFollowA96DpiScreen) {
    QImage image = MakeRaster(200, 60);
    Canvas canvas(image);
    for (auto [points, pixels] : {std::pair{8, 11}, {10, 13}, {14, 19}, {24, 32}}) {
        EXPECT_EQ(PointsToPixels(points), pixels);
        canvas.SetFont(QStringLiteral("Tahoma"), points);
        EXPECT_EQ(canvas.TextExtent(QStringLiteral("Ag")).height(), pixels) << points;
    }
    canvas.SetFont(QStringLiteral("Tahoma"), 10, true);
    EXPECT_EQ(canvas.TextExtent(QStringLiteral("R1")), QSize(18, 13));
    EXPECT_EQ(canvas.TextExtent(QString()).width(), 0);
}

TEST(Canvas, TextIsUnsmoothedAndOpaqueOnlyWithASolidBrush) {
    QImage image = MakeRaster(100, 40);
    Canvas canvas(image);
    canvas.SetFont(QStringLiteral("Tahoma"), 10, true);
    canvas.SetFontColour(0x000000);
    canvas.SetBrush(kWhite, BrushStyle::Clear);
    canvas.TextOut(10, 5, QStringLiteral("R1"));
    const QSize extent = canvas.TextExtent(QStringLiteral("R1"));
    const QRect ink = InkBox(image);
    EXPECT_TRUE(QRect(QPoint(10, 5), extent).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_EQ(CountColour(image, 0x000000) + CountColour(image, kWhite), 100 * 40);

    QImage opaque = MakeRaster(100, 40);
    Canvas o(opaque);
    o.SetFont(QStringLiteral("Tahoma"), 8);
    o.SetFontColour(MakeRgb(192, 192, 192));
    o.SetBrush(kBrush);
    o.TextOut(-3, 20, QStringLiteral("12"));
    const QSize box = o.TextExtent(QStringLiteral("12"));
    EXPECT_EQ(InkBox(opaque), QRect(0, 20, box.width() - 3, box.height()));
    EXPECT_EQ(o.Pixel(0, 20), kBrush);
}

TEST(Canvas, PixelsAndImageCopiesAreClipped) {
    QImage image = MakeRaster(10, 10);
    Canvas canvas(image);
    canvas.SetPixel(-1, 0, kPen);
    canvas.SetPixel(10, 0, kPen);
    canvas.SetPixel(3, 4, kPen);
    EXPECT_EQ(canvas.Pixel(3, 4), kPen);
    EXPECT_EQ(canvas.Pixel(-1, 0), 0u);
    EXPECT_EQ(canvas.Pixel(0, 10), 0u);
    EXPECT_EQ(CountColour(image, kPen), 1);

    QImage tile = MakeRaster(4, 4, kBrush);
    tile.setPixel(0, 0, 0xFF000000u | kPen);
    canvas.CopyImage(-2, 8, tile);
    EXPECT_EQ(canvas.Pixel(0, 8), kBrush);
    EXPECT_EQ(canvas.Pixel(1, 9), kBrush);
    EXPECT_EQ(canvas.Pixel(2, 8), kWhite);
    EXPECT_EQ(CountColour(image, kBrush), 4);
    canvas.CopyImage(5, 5, tile);
    EXPECT_EQ(canvas.Pixel(5, 5), kPen);
    EXPECT_EQ(canvas.Pixel(8, 8), kBrush);
}

TEST(Canvas, FillRectAndTheWhitePageOfTheFrame) {
    QImage image = MakeRaster(30, 20, 0x123456);
    Canvas canvas(image);
    canvas.SetPen(0x000000, 1);
    canvas.SetBrush(kWhite);
    canvas.Rectangle(-2, -2, 32, 22);  // outline outside the canvas
    EXPECT_EQ(CountColour(image, kWhite), 30 * 20);
    canvas.SetBrush(kBrush);
    canvas.FillRect(5, 5, 8, 7);
    EXPECT_EQ(InkBox(image), QRect(5, 5, 3, 2));
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// The spans worked out once for a wide polyline fill exactly the pixels that
// drawing its segments one by one does: curves that turn back on themselves,
// segments off the canvas and far away, even and odd pens.
TEST(Canvas, WidePolylineSpansFillWhatThePolylineDraws) {
    const std::vector<std::vector<QPoint>> lines = {
        {{5, 5}, {40, 12}, {8, 18}, {45, 3}},
        {{-30, 10}, {10, 10}, {10, -30}, {70, 25}},
        {{20, 10}, {20, 10}},
        {{-2000000, 7}, {25, 9}, {2000000, 11}},
        {{100, 100}, {200, 150}},
    };
    for (const auto& points : lines)
        for (int width = 2; width <= 7; ++width) {
            QImage drawn = MakeRaster(50, 20), filled = MakeRaster(50, 20);
            {
                Canvas canvas(drawn);
                canvas.SetPen(kPen, width);
                canvas.Polyline(points);
                Canvas spans(filled);
                spans.SetPen(kPen, width);
                spans.FillSpans(raster::WidePolylineSpans(50, 20, points, width));
            }
            EXPECT_TRUE(drawn == filled) << "width " << width << " from " << points[0].x();
        }
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// Brute force over every pixel: is its centre strictly closer than width / 2
// to the segment (an even width shifted half a pixel up and left)? Exact in
// doubled integer coordinates.
bool CoveredByCapsule(int px, int py, int x1, int y1, int x2, int y2, int width) {
    const long long shift = width % 2 == 0 ? 1 : 0;
    const long long ax = 2LL * x1 - shift, ay = 2LL * y1 - shift, bx = 2LL * x2 - shift,
                    by = 2LL * y2 - shift;
    const long long qx = 2LL * px, qy = 2LL * py, r2 = (long long)width * width;
    const long long dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const long long along = (qx - ax) * dx + (qy - ay) * dy;
    if (len2 == 0 || along <= 0)
        return (qx - ax) * (qx - ax) + (qy - ay) * (qy - ay) < r2;
    if (along >= len2)
        return (qx - bx) * (qx - bx) + (qy - by) * (qy - by) < r2;
    const long long cross = dx * (qy - ay) - dy * (qx - ax);
    return (__int128)cross * cross < (__int128)r2 * len2;
}

// Wide lines are the same shape wherever they lie (each shape is worked out
// once and moved): the same segment at many places, partly off the canvas,
// covers exactly the pixels the brute force finds.
TEST(Canvas, WideLinesCoverExactlyThePixelsCloserThanHalfTheirWidth) {
    const struct {
        int dx, dy, width;
    } shapes[] = {{0, 0, 2}, {0, 0, 7}, {13, 4, 3}, {-9, 11, 4}, {25, -3, 6}, {0, -17, 5}, {600, 2, 3}};
    const QPoint starts[] = {{10, 10}, {-3, 5}, {30, -2}, {45, 18}, {-590, 9}};
    for (const auto& s : shapes)
        for (const QPoint& at : starts) {
            QImage image = MakeRaster(50, 20);
            {
                Canvas canvas(image);
                canvas.SetPen(kPen, s.width);
                canvas.Line(at.x(), at.y(), at.x() + s.dx, at.y() + s.dy);
            }
            int wrong = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 50; ++x)
                    wrong += (image.pixel(x, y) == (0xFF000000u | kPen)) !=
                             CoveredByCapsule(x, y, at.x(), at.y(), at.x() + s.dx, at.y() + s.dy, s.width);
            EXPECT_EQ(wrong, 0) << s.dx << "," << s.dy << " width " << s.width << " at " << at.x() << ","
                                << at.y();
        }
}

}  // namespace
}  // namespace sw
