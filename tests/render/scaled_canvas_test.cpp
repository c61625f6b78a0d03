// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas drawn at a whole scale: straight shapes are exactly the scale-1
// picture enlarged, round ones keep its extents, a window of the picture is
// the same pixels as that part of the whole, and text is placed by its
// scale-1 measure.

#include "render/canvas.h"
#include "render/raster_ops.h"

#include <QRect>
#include <functional>
#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kInk = 0x0000FF;
constexpr Rgb kFill = 0xD7EBFF;

// The picture enlarged by nearest pixel.
QImage Enlarged(const QImage& image, int scale) {
    return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Draw(int w, int h, const CanvasScale& scale, const std::function<void(Canvas&)>& draw) {
    const int s = std::max(scale.factor, 1);
    QImage image = MakeRaster(w * s, h * s, kWhite);
    {
        Canvas canvas(image, scale);
        draw(canvas);
    }
    return image;
}

QImage DrawPlain(int w, int h, const std::function<void(Canvas&)>& draw) {
    QImage image = MakeRaster(w, h, kWhite);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image;
}

QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != kWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

int Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

struct Operation {
    const char* name;
    std::function<void(Canvas&)> draw;
};

// Operations whose every edge runs along the pixel grid.
const std::vector<Operation>& StraightOperations() {
    static const std::vector<Operation> ops = {
        {"rectangle, 2-pixel pen", [](Canvas& c) { c.SetPen(kInk, 2); c.SetBrush(kFill); c.Rectangle(3, 4, 20, 15); }},
        {"rectangle, clear pen", [](Canvas& c) { c.SetPen(kInk, 1, PenStyle::Clear); c.SetBrush(kFill); c.Rectangle(3, 4, 20, 15); }},
        {"rectangle, clear brush", [](Canvas& c) { c.SetPen(kInk, 3); c.SetBrush(kFill, BrushStyle::Clear); c.Rectangle(1, 2, 25, 18); }},
        {"fill rect", [](Canvas& c) { c.SetBrush(kFill); c.FillRect(22, 17, 5, 2); }},
        {"horizontal line", [](Canvas& c) { c.SetPen(kInk); c.Line(2, 5, 27, 5); }},
        {"vertical line upwards", [](Canvas& c) { c.SetPen(kInk); c.Line(9, 18, 9, 1); }},
        {"dashed line", [](Canvas& c) { c.SetPen(kInk, 1, PenStyle::Dash); c.Line(0, 7, 30, 7); }},
        {"dotted polyline", [](Canvas& c) { c.SetPen(kInk, 1, PenStyle::Dot); c.Polyline({{1, 1}, {20, 1}, {20, 17}}); }},
        {"pixels", [](Canvas& c) { c.SetPixel(0, 0, kInk); c.SetPixel(29, 19, kInk); c.SetPixel(7, 3, kFill); }},
        {"flood fill", [](Canvas& c) {
             c.SetPen(kInk, 1); c.SetBrush(kFill, BrushStyle::Clear); c.Rectangle(4, 4, 16, 14);
             c.SetBrush(kFill); c.FloodFill(8, 8); }},
        {"copy", [](Canvas& c) {
             QImage tile = MakeRaster(5 * c.Scale(), 3 * c.Scale(), kInk);
             c.CopyImage(-2, 16, tile); c.CopyImage(12, 9, tile); }},
    };
    return ops;
}

TEST(ScaledCanvas, StraightShapesAreTheScaleOnePictureEnlarged) {
    for (const Operation& op : StraightOperations()) {
        const QImage plain = DrawPlain(30, 20, op.draw);
        for (int s : {2, 3, 4, 8}) {
            const QImage scaled = Draw(30, 20, {s, {}, {}}, op.draw);
            EXPECT_EQ(Differing(scaled, Enlarged(plain, s)), 0) << op.name << " at " << s;
        }
    }
}

// Round shapes are drawn anew, not enlarged: the same box, finer edges.
TEST(ScaledCanvas, RoundShapesKeepTheirBoxes) {
    const std::vector<Operation> ops = {
        {"odd dot", [](Canvas& c) { c.SetPen(kInk); c.Dot(10, 9, 5); }},
        {"even dot", [](Canvas& c) { c.SetPen(kInk); c.Dot(10, 9, 6); }},
        {"wide line", [](Canvas& c) { c.SetPen(kInk, 3); c.Line(4, 5, 22, 5); }},
        {"even wide line", [](Canvas& c) { c.SetPen(kInk, 4); c.Line(6, 3, 6, 16); }},
        {"ellipse", [](Canvas& c) { c.SetPen(kInk, 2); c.SetBrush(kFill); c.Ellipse(2, 10, 29, 19); }},
        {"ellipse, clear pen", [](Canvas& c) { c.SetPen(kInk, 1, PenStyle::Clear); c.SetBrush(kFill); c.Ellipse(2, 3, 19, 17); }},
        {"round rectangle", [](Canvas& c) { c.SetPen(kInk, 2); c.SetBrush(kFill); c.RoundRect(3, 2, 27, 18, 8, 8); }},
        {"bezier", [](Canvas& c) { c.SetPen(kInk, 2); c.PolyBezier({{2, 2}, {10, 18}, {20, 18}, {27, 3}}); }},
    };
    for (const Operation& op : ops) {
        const QRect plain = InkBox(DrawPlain(30, 20, op.draw));
        for (int s : {2, 3, 4}) {
            const QRect box = InkBox(Draw(30, 20, {s, {}, {}}, op.draw));
            const QRect expected(plain.topLeft() * s, plain.size() * s);
            // A curve's extreme row may fall a device pixel inside the enlarged one.
            EXPECT_LE(std::abs(box.left() - expected.left()), 1) << op.name << " at " << s;
            EXPECT_LE(std::abs(box.top() - expected.top()), 1) << op.name << " at " << s;
            EXPECT_LE(std::abs(box.right() - expected.right()), 1) << op.name << " at " << s;
            EXPECT_LE(std::abs(box.bottom() - expected.bottom()), 1) << op.name << " at " << s;
        }
    }
}

// A dot's device pixels are symmetric about the enlarged pixel's centre (odd)
// or corner (even), as at scale 1.
TEST(ScaledCanvas, DotsStayCentred) {
    for (int d : {2, 3, 5, 6, 12}) {
        for (int s : {2, 3, 5}) {
            const QImage image = Draw(40, 40, {s, {}, {}}, [d](Canvas& c) { c.SetPen(kInk); c.Dot(20, 20, d); });
            const QRect box = InkBox(image);
            EXPECT_EQ(box.width(), d * s) << d << " at " << s;
            EXPECT_EQ(box.height(), d * s) << d << " at " << s;
            const double centre = d % 2 ? 20 * s + (s - 1) / 2.0 : 20 * s - 0.5;
            EXPECT_DOUBLE_EQ((box.left() + box.right()) / 2.0, centre) << d << " at " << s;
        }
    }
}

// Every operation drawn on a window of the picture gives that part of the whole.
TEST(ScaledCanvas, AWindowIsThatPartOfTheWholePicture) {
    std::vector<Operation> ops = StraightOperations();
    ops.push_back({"diagonal line", [](Canvas& c) { c.SetPen(kInk); c.Line(1, 2, 28, 17); }});
    ops.push_back({"steep dashed line", [](Canvas& c) { c.SetPen(kInk, 1, PenStyle::Dash); c.Line(25, 0, 14, 19); }});
    ops.push_back({"wide line", [](Canvas& c) { c.SetPen(kInk, 5); c.Line(3, 17, 26, 4); }});
    ops.push_back({"ellipse", [](Canvas& c) { c.SetPen(kInk, 2); c.SetBrush(kFill); c.Ellipse(2, 1, 29, 19); }});
    ops.push_back({"spans", [](Canvas& c) {
        c.SetPen(kInk);
        const int s = c.Scale();
        c.FillSpans(raster::WidePolylineSpans(30 * s, 20 * s, {DevicePoint({3, 3}, s, 3), DevicePoint({25, 15}, s, 3)}, 3 * s)); }});
    const QPoint origin(7, 5);
    for (const Operation& op : ops) {
        for (int s : {1, 2, 3}) {
            const QImage whole = Draw(30, 20, {s, {}, {}}, op.draw);
            QImage window = MakeRaster(13 * s, 9 * s, kWhite);
            {
                Canvas canvas(window, {s, origin, QSize(30, 20)});
                EXPECT_EQ(canvas.Shown(), QRect(origin, QSize(13, 9)));
                op.draw(canvas);
            }
            const QImage part = whole.copy(QRect(origin * s, window.size()));
            EXPECT_EQ(Differing(window, part), 0) << op.name << " at " << s;
        }
    }
}

TEST(ScaledCanvas, TextIsMeasuredAtScaleOneAndDrawnLarger) {
    QImage plainImage = MakeRaster(60, 30, kWhite);
    Canvas plain(plainImage);
    plain.SetFont(QStringLiteral("Tahoma"), 10, true);
    const QSize extent = plain.TextExtent(QStringLiteral("R12"));
    for (int s : {2, 4}) {
        QImage image = MakeRaster(60 * s, 30 * s, kWhite);
        {
            Canvas canvas(image, {s, {}, {}});
            canvas.SetFont(QStringLiteral("Tahoma"), 10, true);
            EXPECT_EQ(canvas.TextExtent(QStringLiteral("R12")), extent);
            EXPECT_EQ(canvas.OutlineMetrics().ascent, plain.OutlineMetrics().ascent);
            canvas.SetFontColour(kInk);
            canvas.SetBrushStyle(BrushStyle::Clear);
            canvas.TextOut(10, 8, QStringLiteral("R12"));
        }
        const QRect ink = InkBox(image);
        const QRect box(QPoint(10, 8) * s, extent * s);
        EXPECT_TRUE(box.adjusted(-s, -s, s, s).contains(ink)) << s;
        // Drawn at the larger size, not enlarged: glyph strokes thinner than s
        // device pixels would be impossible in an enlarged picture.
        EXPECT_GT(ink.height(), extent.height() * s / 2) << s;
    }
}

TEST(ScaledCanvas, ComponentRastersCarryTheirScale) {
    QImage image = MakeRaster(80, 40, kWhite);
    image.setDevicePixelRatio(2);
    Canvas canvas(image);
    EXPECT_EQ(canvas.Scale(), 2);
    EXPECT_EQ(canvas.Width(), 40);
    EXPECT_EQ(canvas.Height(), 20);
    EXPECT_EQ(canvas.ToDevice(3, 4), QPoint(6, 8));
}

// Far-off coordinates neither overflow nor turn a line that crosses the canvas.
TEST(ScaledCanvas, FarLinesKeepTheirDirection) {
    const auto draw = [](Canvas& c) { c.SetPen(kInk, 3); c.Line(-1000000000, 10, 1000000000, 10); };
    const QImage plain = DrawPlain(30, 20, draw);
    const QImage scaled = Draw(30, 20, {8, {}, {}}, draw);
    EXPECT_EQ(InkBox(scaled), QRect(InkBox(plain).topLeft() * 8, InkBox(plain).size() * 8));
}

}  // namespace
}  // namespace sw
