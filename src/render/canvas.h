// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small drawing vocabulary that the renderer, every component image builder,
// the pick map and the toner-transfer image are written in. It follows the pixel
// conventions of a classic Windows-style device context, because the layout's
// geometry is defined that way:
//  - rectangle, ellipse and rounded rectangle take a bounding box (l, t, r, b)
//    whose right and bottom edges are exclusive; they are outlined with the pen
//    and filled with the brush;
//  - lines wider than one pixel have round ends; a zero-length line with a pen d
//    pixels wide is a filled disc exactly d pixels across (a "dot");
//  - 1-pixel lines run from the start point up to but not including the end
//    point (so lines through consecutive points join without overlap), and may
//    be solid, dashed (18 on, 6 off) or dotted (3 on, 3 off); a zero-length
//    1-pixel line draws nothing; wider pens are always solid;
//  - a wide pen covers every pixel whose centre lies closer than width / 2 to
//    the segment; an even width is centred half a pixel up and left of the
//    point, so a dot of diameter d is a symmetric disc exactly d pixels across;
//  - the outline of a shape lies inside its box: a pen w pixels wide inks the
//    outermost w pixels; with a clear pen the filled area is one pixel narrower
//    and shorter (l ... r - 2, t ... b - 2);
//  - fonts are given by face, size in points and weight; points become pixels as
//    on a 96-DPI screen (8 pt = 11 px, 10 pt = 13 px, 14 pt = 19 px, 24 pt = 32 px);
//  - nothing is anti-aliased, so every pixel is an exact colour (the pick map
//    depends on that).
// A canvas may also draw a picture enlarged a whole number of times (a scale s
// of 1 to 8, for a view that shows it zoomed or on a dense screen), onto a
// raster that holds a window of it: every operation still takes the picture's
// own (logical) pixels, and coordinates, pen widths, dot diameters, dash runs
// and font sizes are multiplied by s, so each logical pixel becomes s x s device
// pixels drawn sharp rather than enlarged. Text is measured at the logical size
// (TextExtent, OutlineMetrics), so everything placed by it lands where it does
// at s = 1; only the glyphs are drawn at s times the size. At s = 1 with the
// window at the origin the canvas is exactly the one described above.
// Per-pixel work (pixel access, image copies, flood fill) goes through scan lines.
// Only text uses a QPainter, kept open across a run of TextOut calls and closed
// by any other operation, by Image() and by the destructor: read or copy the
// raster through Image() (or after the canvas is gone), not through the QImage
// variable in the middle of a run of texts.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

namespace sw {

struct FontEntry;

enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };

// A 24-bit colour (the alpha byte of the underlying raster is always 0xFF).
using Rgb = unsigned;  // 0xRRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) { return Rgb((r << 16) | (g << 8) | b); }

// Pixels x1 ... x2 (inclusive) of row y.
struct RowSpan {
    int y, x1, x2;
};

// The largest whole scale a canvas draws at.
constexpr int kMaxCanvasScale = 8;

// How a canvas's raster shows its picture: `factor` device pixels per logical
// pixel, the logical pixel `origin` at the raster's top-left, and the size of
// the whole picture in logical pixels (empty: the raster's size / factor).
struct CanvasScale {
    int factor = 1;
    QPoint origin;
    QSize picture;
};

class Canvas {
public:
    // Draws on `image`, which must outlive the canvas and be Format_RGB32.
    explicit Canvas(QImage& image);
    // Draws the picture enlarged as `scale` says (factor clamped to 1 ... 8).
    Canvas(QImage& image, const CanvasScale& scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The size of the picture in logical pixels.
    int Width() const;
    int Height() const;
    int Scale() const { return m_scale; }
    // Whether the raster differs from the picture (enlarged, or a window of it).
    bool Scaled() const { return m_scale != 1 || !m_origin.isNull(); }
    // The logical pixels the raster shows (the whole picture at scale 1).
    QRect Shown() const;
    // The device pixel of the raster where logical point (x, y) begins.
    QPoint ToDevice(int x, int y) const;
    // The same for a point anywhere in the picture (logical pixel (i, j)
    // covering [i, i + 1) x [j, j + 1)): the mapping for painting of one's own
    // on Image(), such as an overlay's QPainter, so it comes out as sharp.
    QPointF ToDevice(QPointF p) const {
        return (p - QPointF(m_origin)) * double(m_scale);
    }
    // The raster itself (any text drawing in progress is finished first).
    QImage& Image();

    // Pen, brush and font state, kept until changed (the renderer does not restore it).
    void SetPen(Rgb colour, int width = 1, PenStyle style = PenStyle::Solid);
    void SetPenColour(Rgb colour);
    void SetPenWidth(int width);
    void SetPenStyle(PenStyle style);
    void SetBrush(Rgb colour, BrushStyle style = BrushStyle::Solid);
    void SetBrushColour(Rgb colour);
    void SetBrushStyle(BrushStyle style);
    // Size in points; pixels = round(points * 96 / 72) as on a 96-DPI screen.
    void SetFont(const QString& face, int points, bool bold = false);
    void SetFontColour(Rgb colour);
    Rgb PenColour() const { return m_penColour; }
    int PenWidth() const { return m_penWidth; }
    Rgb BrushColour() const { return m_brushColour; }

    // A line from (x1, y1) to (x2, y2) with the current pen; a zero-length line
    // with a wide pen is a dot.
    void Line(int x1, int y1, int x2, int y2);
    // A filled disc of diameter d centred on (x, y) in the pen colour, exactly
    // what Line(x, y, x, y) draws with a pen d pixels wide (nothing when d <= 1).
    void Dot(int x, int y, int diameter);
    // Connected lines through the points with the current pen.
    void Polyline(const std::vector<QPoint>& points);
    // Sets the pixels of the row spans to the pen colour (raster::WidePolylineSpans
    // works out once which pixels a wide polyline covers). The spans are in the
    // device pixels of the whole enlarged picture (logical pixels at scale 1):
    // see DevicePoint.
    void FillSpans(const std::vector<RowSpan>& spans);
    // Cubic Bezier segments: points[0] is the start, then three points per segment.
    void PolyBezier(const std::vector<QPoint>& points);
    void Rectangle(int l, int t, int r, int b);
    void Ellipse(int l, int t, int r, int b);
    void RoundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight);
    // Fill the rectangle with the brush colour, no outline (exclusive right and bottom).
    void FillRect(int l, int t, int r, int b);
    // Recolours with the brush colour the 4-connected area of pixels that have
    // the colour found at (x, y) (a "surface" fill).
    void FloodFill(int x, int y);

    // Text with the current font and font colour, (x, y) being the top-left of
    // the text box; with a solid brush the box (TextExtent) is first filled with
    // the brush colour, with a clear brush only the glyphs are drawn. Both draw
    // and measure only the part of a long text this canvas can show
    // (`DrawnText`, at most half the canvas width in characters).
    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    // The same text with its baseline at `baseline`.
    void TextOutAtBaseline(int x, int baseline, const QString& text);
    // The current font's ascent and descent in pixels as its outline face
    // defines them. A face with bitmap strikes ("Tahoma" at 13 pixels) reports
    // a shorter line for its strikes, which would set a centred text too high.
    struct FaceMetrics {
        int ascent = 0;
        int descent = 0;
    };
    FaceMetrics OutlineMetrics() const;

    // On an enlarged canvas Pixel reads the centre of the logical pixel and
    // SetPixel sets all of its device pixels.
    Rgb Pixel(int x, int y) const;          // 0 outside the canvas
    void SetPixel(int x, int y, Rgb colour);  // ignored outside the canvas
    // Copies `source` unblended with its top-left at (x, y), clipped to the
    // canvas. On an enlarged canvas `source` is in device pixels (an image
    // made at the canvas's scale).
    void CopyImage(int x, int y, const QImage& source);

private:
    QString Drawn(const QString& text) const;
    // Device coordinate of the logical coordinate v along one axis, for a pen
    // `width` pixels wide: the enlarged pixel's centre for an odd width, its
    // top-left corner for an even one (which the rasterisers shift by half a
    // device pixel, as they shift an even width by half a pixel).
    int DeviceX(int x, int width = 0) const;
    int DeviceY(int y, int width = 0) const;
    QPainter& Painter();
    void EndPainting();
    QImage& Raster();  // the raster for direct scan-line work
    void Segment(int x1, int y1, int x2, int y2, long long& phase);
    void Shape(int kind, int l, int t, int r, int b, int cw, int ch);
    const QFont& CurrentFont() const;
    const QFontMetrics& Metrics() const;
    FontEntry& Font() const;
    FontEntry& DeviceFont() const;
    FaceMetrics ReadOutlineMetrics() const;
    QImage& m_image;
    int m_scale = 1;
    QPoint m_origin;
    QSize m_picture;
    std::unique_ptr<QPainter> m_painter;
    double m_paintedRatio = 1.0;  // the raster's device pixel ratio while the painter is open
    Rgb m_penColour = 0;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    Rgb m_brushColour = 0xFFFFFF;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    Rgb m_fontColour = 0;
    QString m_fontFace = QStringLiteral("Tahoma");
    int m_fontPoints = 8;
    bool m_fontBold = false;
    // The font and its metrics (kept per thread by face, size and weight),
    // found when first needed after SetFont.
    mutable FontEntry* m_fontEntry = nullptr;
    mutable FontEntry* m_deviceFontEntry = nullptr;  // the font at the canvas's scale
};

// The device pixel of the whole picture enlarged `scale` times where a pen
// `width` pixels wide is centred for the logical point p (p itself at scale 1):
// the points that WidePolylineSpans takes for spans given to FillSpans.
QPoint DevicePoint(QPoint p, int scale, int width);

// A new Format_RGB32 raster of the given size filled with `colour`.
QImage MakeRaster(int width, int height, Rgb colour = 0xFFFFFF);
// Copies the pixels of `from` into `to`, a raster of the same size and format,
// in place (images that share `to` see the copy).
void CopyPixels(const QImage& from, QImage& to);
// round(points * 96 / 72): 8 pt = 11 px, 10 pt = 13 px, 14 pt = 19 px, 24 pt = 32 px.
int PointsToPixels(int points);
// The font the canvas draws with: face, pixel size from points (times `scale`),
// bold or normal, no anti-aliasing.
QFont MakeFont(const QString& face, int points, bool bold, int scale = 1);

}  // namespace sw
