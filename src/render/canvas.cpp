// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/canvas.h"

#include "render/raster_ops.h"

#include <QFont>
#include "model/text_bounds.h"

#include <QFontMetrics>
#include <QRawFont>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

namespace sw {
namespace {

// 1-pixel pen patterns as on-off runs in pixels.
const std::vector<int>& PatternOf(PenStyle style) {
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    switch (style) {
    case PenStyle::Dash:
        return dash;
    case PenStyle::Dot:
        return dot;
    default:
        return solid;
    }
}

// Device coordinates of an enlarged canvas stay well inside an int, however far
// off the canvas the logical ones lie; the rasterisers clip them away.
constexpr long long kDeviceReach = 1LL << 30;

int ClampDevice(long long v) { return int(std::clamp(v, -kDeviceReach, kDeviceReach)); }

// A segment in device pixels whose ends may lie beyond kDeviceReach, cut to
// the square within that reach (Liang-Barsky), so that its direction, and so
// every pixel it covers on the canvas, stays the same. False when no part of
// it lies within reach, where no canvas is.
struct DeviceSegment {
    long long x1, y1, x2, y2;
    bool Shorten() {
        const double dx = double(x2 - x1), dy = double(y2 - y1);
        double t0 = 0, t1 = 1;
        const double reach = double(kDeviceReach);
        auto clip = [&](double p, double q) {
            if (p == 0)
                return q >= 0;
            const double t = q / p;
            if (p < 0) {
                if (t > t1)
                    return false;
                t0 = std::max(t0, t);
            } else {
                if (t < t0)
                    return false;
                t1 = std::min(t1, t);
            }
            return true;
        };
        if (!clip(-dx, double(x1) + reach) || !clip(dx, reach - double(x1)) ||
            !clip(-dy, double(y1) + reach) || !clip(dy, reach - double(y1)))
            return false;
        const long long ax = x1, ay = y1;
        if (t1 < 1) {
            x2 = std::clamp(std::llround(double(ax) + dx * t1), -kDeviceReach, kDeviceReach);
            y2 = std::clamp(std::llround(double(ay) + dy * t1), -kDeviceReach, kDeviceReach);
        }
        if (t0 > 0) {
            x1 = std::clamp(std::llround(double(ax) + dx * t0), -kDeviceReach, kDeviceReach);
            y1 = std::clamp(std::llround(double(ay) + dy * t0), -kDeviceReach, kDeviceReach);
        }
        return true;
    }
};

}  // namespace

QPoint DevicePoint(QPoint p, int scale, int width) {
    const long long offset = (width % 2 != 0) ? scale / 2 : 0;
    return QPoint(ClampDevice((long long)p.x() * scale + offset),
                  ClampDevice((long long)p.y() * scale + offset));
}

QImage MakeRaster(int width, int height, Rgb colour) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.fill(QColor(QRgb(0xFF000000u | colour)));
    return image;
}

void CopyPixels(const QImage& from, QImage& to) {
    if (from.size() != to.size() || from.format() != to.format())
        return;
    const size_t bytes = size_t(std::min(from.bytesPerLine(), to.bytesPerLine()));
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(to.scanLine(y), from.constScanLine(y), bytes);
}

int PointsToPixels(int points) { return int(std::lround(points * 96.0 / 72.0)); }

QFont MakeFont(const QString& face, int points, bool bold, int scale) {
    QFont font(face);
    font.setPixelSize(std::max(1, PointsToPixels(points)) * std::clamp(scale, 1, kMaxCanvasScale));
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    // Whole-pixel advances, and a synthetic bold one pixel wider per glyph, as a
    // classic screen device context lays text out.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

Canvas::Canvas(QImage& image) : m_image(image) {
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    // A raster made for an enlarged picture carries its scale as its device
    // pixel ratio (a component image built for a zoomed view).
    if (m_image.devicePixelRatio() > 1.0) {
        m_scale = std::clamp(int(std::lround(m_image.devicePixelRatio())), 1, kMaxCanvasScale);
        m_picture = QSize(m_image.width() / m_scale, m_image.height() / m_scale);
        return;
    }
    m_picture = m_image.size();
}

Canvas::Canvas(QImage& image, const CanvasScale& scale) : m_image(image) {
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    m_scale = std::clamp(scale.factor, 1, kMaxCanvasScale);
    m_origin = scale.origin;
    m_picture = scale.picture.isEmpty()
                    ? QSize((m_image.width() + m_scale - 1) / m_scale, (m_image.height() + m_scale - 1) / m_scale)
                    : scale.picture;
}

Canvas::~Canvas() { EndPainting(); }

int Canvas::Width() const { return m_picture.width(); }
int Canvas::Height() const { return m_picture.height(); }

QRect Canvas::Shown() const {
    return QRect(m_origin, QSize((m_image.width() + m_scale - 1) / m_scale,
                                 (m_image.height() + m_scale - 1) / m_scale));
}

QPoint Canvas::ToDevice(int x, int y) const { return QPoint(DeviceX(x), DeviceY(y)); }

int Canvas::DeviceX(int x, int width) const {
    const long long offset = (width % 2 != 0) ? m_scale / 2 : 0;
    return ClampDevice(((long long)x - m_origin.x()) * m_scale + offset);
}

int Canvas::DeviceY(int y, int width) const {
    const long long offset = (width % 2 != 0) ? m_scale / 2 : 0;
    return ClampDevice(((long long)y - m_origin.y()) * m_scale + offset);
}

QImage& Canvas::Image() {
    EndPainting();
    return m_image;
}

void Canvas::SetPen(Rgb colour, int width, PenStyle style) {
    m_penColour = colour & 0xFFFFFF;
    m_penWidth = std::max(width, 1);
    m_penStyle = style;
}
void Canvas::SetPenColour(Rgb colour) { m_penColour = colour & 0xFFFFFF; }
void Canvas::SetPenWidth(int width) { m_penWidth = std::max(width, 1); }
void Canvas::SetPenStyle(PenStyle style) { m_penStyle = style; }
void Canvas::SetBrush(Rgb colour, BrushStyle style) {
    m_brushColour = colour & 0xFFFFFF;
    m_brushStyle = style;
}
void Canvas::SetBrushColour(Rgb colour) { m_brushColour = colour & 0xFFFFFF; }
void Canvas::SetBrushStyle(BrushStyle style) { m_brushStyle = style; }
void Canvas::SetFont(const QString& face, int points, bool bold) {
    if (face != m_fontFace || points != m_fontPoints || bold != m_fontBold) {
        m_fontEntry = nullptr;
        m_deviceFontEntry = nullptr;
    }
    m_fontFace = face;
    m_fontPoints = points;
    m_fontBold = bold;
}
void Canvas::SetFontColour(Rgb colour) { m_fontColour = colour & 0xFFFFFF; }

QImage& Canvas::Raster() {
    EndPainting();
    return m_image;
}

void Canvas::Segment(int x1, int y1, int x2, int y2, long long& phase) {
    if (m_penStyle == PenStyle::Clear)
        return;
    if (Scaled()) {
        if (m_penWidth > 1) {
            const long long offset = (m_penWidth % 2 != 0) ? m_scale / 2 : 0;
            DeviceSegment d{((long long)x1 - m_origin.x()) * m_scale + offset,
                            ((long long)y1 - m_origin.y()) * m_scale + offset,
                            ((long long)x2 - m_origin.x()) * m_scale + offset,
                            ((long long)y2 - m_origin.y()) * m_scale + offset};
            if (!d.Shorten())
                return;
            raster::Capsule(Raster(), int(d.x1), int(d.y1), int(d.x2), int(d.y2),
                            m_penWidth * m_scale, m_penColour);
        } else {
            raster::ScaledThinLine(Raster(), m_scale, int(std::clamp<long long>((long long)x1 - m_origin.x(), INT_MIN, INT_MAX)),
                                   int(std::clamp<long long>((long long)y1 - m_origin.y(), INT_MIN, INT_MAX)),
                                   int(std::clamp<long long>((long long)x2 - m_origin.x(), INT_MIN, INT_MAX)),
                                   int(std::clamp<long long>((long long)y2 - m_origin.y(), INT_MIN, INT_MAX)),
                                   m_penColour, PatternOf(m_penStyle), phase);
        }
        return;
    }
    if (m_penWidth > 1)
        raster::Capsule(Raster(), x1, y1, x2, y2, m_penWidth, m_penColour);
    else
        raster::ThinLine(Raster(), x1, y1, x2, y2, m_penColour, PatternOf(m_penStyle), phase);
}

void Canvas::Line(int x1, int y1, int x2, int y2) {
    long long phase = 0;
    Segment(x1, y1, x2, y2, phase);
}

void Canvas::Dot(int x, int y, int diameter) {
    // A zero-length line with a 1-pixel (or thinner) pen draws nothing.
    if (diameter <= 1)
        return;
    if (Scaled()) {
        const int dx = DeviceX(x, diameter), dy = DeviceY(y, diameter);
        raster::Capsule(Raster(), dx, dy, dx, dy, int(std::min<long long>((long long)diameter * m_scale, INT_MAX / 4)),
                        m_penColour);
        return;
    }
    raster::Capsule(Raster(), x, y, x, y, diameter, m_penColour);
}

void Canvas::Polyline(const std::vector<QPoint>& points) {
    long long phase = 0;
    for (size_t i = 1; i < points.size(); ++i)
        Segment(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), phase);
}

void Canvas::FillSpans(const std::vector<RowSpan>& spans) {
    if (m_origin.isNull()) {
        raster::FillSpans(Raster(), spans, m_penColour);
        return;
    }
    // The spans are in the whole enlarged picture: moved to the raster's window.
    const long long left = (long long)m_origin.x() * m_scale, top = (long long)m_origin.y() * m_scale;
    QImage& image = Raster();
    for (const RowSpan& span : spans) {
        const long long y = span.y - top;
        if (y < 0 || y >= image.height())
            continue;
        raster::FillSpan(image, int(y), ClampDevice(span.x1 - left), ClampDevice(span.x2 - left), m_penColour);
    }
}

void Canvas::PolyBezier(const std::vector<QPoint>& points) {
    if (points.size() < 4)
        return;
    if (!Scaled()) {
        Polyline(raster::FlattenBezier(points));
        return;
    }
    // Flattened in device pixels, so the curve is as smooth as the raster is fine.
    if (m_penStyle == PenStyle::Clear)
        return;
    std::vector<QPoint> device;
    device.reserve(points.size());
    for (const QPoint& p : points)
        device.push_back(QPoint(DeviceX(p.x(), m_penWidth), DeviceY(p.y(), m_penWidth)));
    const std::vector<QPoint> flat = raster::FlattenBezier(device);
    for (std::size_t i = 1; i < flat.size(); ++i)
        raster::Capsule(Raster(), flat[i - 1].x(), flat[i - 1].y(), flat[i].x(), flat[i].y(),
                        m_penWidth * m_scale, m_penColour);
}

void Canvas::Shape(int kind, int l, int t, int r, int b, int cw, int ch) {
    raster::ShapeParams s;
    s.shape = raster::Shape(kind);
    s.l = l;
    s.t = t;
    s.r = r;
    s.b = b;
    s.cornerWidth = cw;
    s.cornerHeight = ch;
    const bool pen = m_penStyle != PenStyle::Clear;
    if (Scaled()) {
        // The box's edges move to the enlarged pixels' edges; without a pen the
        // fill ends one logical pixel in, which DrawShape's one device pixel
        // less is made up for.
        s.l = DeviceX(l);
        s.t = DeviceY(t);
        s.r = pen ? DeviceX(r) : ClampDevice((long long)DeviceX(r - 1) + 1);
        s.b = pen ? DeviceY(b) : ClampDevice((long long)DeviceY(b - 1) + 1);
        s.cornerWidth = ClampDevice((long long)cw * m_scale);
        s.cornerHeight = ClampDevice((long long)ch * m_scale);
        raster::DrawShape(Raster(), s, pen, ClampDevice((long long)m_penWidth * m_scale), m_penColour,
                          m_brushStyle == BrushStyle::Solid, m_brushColour);
        return;
    }
    raster::DrawShape(Raster(), s, pen, m_penWidth, m_penColour,
                      m_brushStyle == BrushStyle::Solid, m_brushColour);
}

void Canvas::Rectangle(int l, int t, int r, int b) {
    Shape(int(raster::Shape::Rectangle), l, t, r, b, 0, 0);
}

void Canvas::Ellipse(int l, int t, int r, int b) {
    Shape(int(raster::Shape::Ellipse), l, t, r, b, 0, 0);
}

void Canvas::RoundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight) {
    Shape(int(raster::Shape::RoundRect), l, t, r, b, cornerWidth, cornerHeight);
}

void Canvas::FillRect(int l, int t, int r, int b) {
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    if (Scaled()) {
        l = DeviceX(l);
        r = DeviceX(r);
        t = DeviceY(t);
        b = DeviceY(b);
    }
    QImage& image = Raster();
    for (int y = std::max(t, 0); y < std::min(b, image.height()); ++y)
        raster::FillSpan(image, y, l, r - 1, m_brushColour);
}

void Canvas::FloodFill(int x, int y) {
    if (m_brushStyle == BrushStyle::Clear)
        return;
    raster::FloodFill(Raster(), DeviceX(x, 1), DeviceY(y, 1), m_brushColour);
}

// A font with its metrics and outline line, made once per thread: making a
// QFont resolves the face, and the outline line reads two font tables, which
// cost more than drawing a body's short label.
struct FontEntry {
    explicit FontEntry(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetrics metrics;
    std::optional<Canvas::FaceMetrics> outline;
};

namespace {

FontEntry& FontFor(const QString& face, int points, bool bold, int scale) {
    thread_local std::map<std::tuple<QString, int, bool, int>, FontEntry> fonts;
    const auto key = std::make_tuple(face, points, bold, scale);
    auto it = fonts.find(key);
    if (it == fonts.end())
        it = fonts.emplace(key, FontEntry(MakeFont(face, points, bold, scale))).first;
    return it->second;
}

}  // namespace

const QFont& Canvas::CurrentFont() const { return Font().font; }

const QFontMetrics& Canvas::Metrics() const { return Font().metrics; }

FontEntry& Canvas::Font() const {
    if (!m_fontEntry)
        m_fontEntry = &FontFor(m_fontFace, m_fontPoints, m_fontBold, 1);
    return *m_fontEntry;
}

// The font the glyphs are drawn in: the logical one at scale 1.
FontEntry& Canvas::DeviceFont() const {
    if (m_scale == 1)
        return Font();
    if (!m_deviceFontEntry)
        m_deviceFontEntry = &FontFor(m_fontFace, m_fontPoints, m_fontBold, m_scale);
    return *m_deviceFontEntry;
}

// However long a text, only what can be read on this canvas is drawn
// (model/text_bounds.h): no glyph is narrower than two pixels, so one line shows
// at most half the canvas's width in characters (a body image's label a few).
QString Canvas::Drawn(const QString& text) const {
    return DrawnText(text, std::clamp(Width() / 2, kMinDrawnCharacters, kMaxDrawnCharacters));
}

void Canvas::TextOut(int x, int y, const QString& whole) {
    TextOutAtBaseline(x, y + Metrics().ascent(), whole);
}

Canvas::FaceMetrics Canvas::OutlineMetrics() const {
    std::optional<FaceMetrics>& kept = Font().outline;
    if (!kept)
        kept = ReadOutlineMetrics();
    return *kept;
}

Canvas::FaceMetrics Canvas::ReadOutlineMetrics() const {
    // The face's own line (the OS/2 table's usWinAscent and usWinDescent in
    // font units, else the hhea table's), scaled to the pixel size: what a
    // classic screen device context reports as the text's ascent and descent.
    const QFont& font = CurrentFont();
    const QRawFont raw = QRawFont::fromFont(font);
    const auto word = [](const QByteArray& table, int offset, bool isSigned) -> double {
        const auto value = quint16((quint8(table[offset]) << 8) | quint8(table[offset + 1]));
        return isSigned ? double(qint16(value)) : double(value);
    };
    const double unitsPerEm = raw.isValid() ? raw.unitsPerEm() : 0;
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    const QByteArray hhea = raw.isValid() ? raw.fontTable("hhea") : QByteArray();
    double ascent = 0, descent = 0;
    if (os2.size() >= 78) {
        ascent = word(os2, 74, false);
        descent = word(os2, 76, false);
    } else if (hhea.size() >= 8) {
        ascent = word(hhea, 4, true);
        descent = -word(hhea, 6, true);
    }
    if (unitsPerEm <= 0 || ascent <= 0 || descent < 0) {
        const QFontMetrics& metrics = Metrics();
        return {metrics.ascent(), metrics.descent()};
    }
    const double pixels = font.pixelSize();
    return {int(std::lround(ascent * pixels / unitsPerEm)),
            int(std::lround(descent * pixels / unitsPerEm))};
}

void Canvas::TextOutAtBaseline(int x, int baseline, const QString& whole) {
    const QString text = Drawn(whole);
    if (text.isEmpty())
        return;
    const QFont& font = DeviceFont().font;
    const QFontMetrics& metrics = Metrics();
    QPainter& painter = Painter();
    // The box is filled through the painter too, so a run of labels is one
    // painting session.
    if (m_brushStyle == BrushStyle::Solid) {
        const QSize extent = TextExtent(text);
        const int top = int(std::clamp<long long>((long long)baseline - metrics.ascent(), INT_MIN / 2, INT_MAX / 2));
        painter.fillRect(QRect(QPoint(DeviceX(x), DeviceY(top)),
                               QSize(ClampDevice((long long)extent.width() * m_scale),
                                     ClampDevice((long long)extent.height() * m_scale))),
                         QColor(QRgb(0xFF000000u | m_brushColour)));
    }
    if (painter.font() != font)
        painter.setFont(font);
    painter.setPen(QColor(QRgb(0xFF000000u | m_fontColour)));
    painter.drawText(Scaled() ? QPoint(DeviceX(x), DeviceY(baseline)) : QPoint(x, baseline), text);
}

QSize Canvas::TextExtent(const QString& whole) const {
    const QString text = Drawn(whole);
    const QFontMetrics& metrics = Metrics();
    // Emboldened glyphs reach one pixel past their advance: the overhang counts
    // in the extent of a bold text.
    const int overhang = (m_fontBold && !text.isEmpty()) ? 1 : 0;
    return QSize(metrics.horizontalAdvance(text) + overhang, metrics.height());
}

Rgb Canvas::Pixel(int x, int y) const {
    if (Scaled()) {
        x = DeviceX(x, 1);
        y = DeviceY(y, 1);
    }
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 0;
    if (m_painter)
        const_cast<Canvas*>(this)->EndPainting();
    return reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x] & 0xFFFFFF;
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
    if (Scaled()) {
        const int left = DeviceX(x), top = DeviceY(y);
        QImage& image = Raster();
        for (int j = std::max(top, 0); j < std::min(top + m_scale, image.height()); ++j)
            raster::FillSpan(image, j, left, left + m_scale - 1, colour);
        return;
    }
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb*>(Raster().scanLine(y))[x] = 0xFF000000u | colour;
}

void Canvas::CopyImage(int x, int y, const QImage& source) {
    if (source.format() != QImage::Format_RGB32) {
        CopyImage(x, y, source.convertToFormat(QImage::Format_RGB32));
        return;
    }
    const QImage& src = source;
    if (Scaled()) {
        x = DeviceX(x);
        y = DeviceY(y);
    }
    QImage& image = Raster();
    const int left = std::max(x, 0), right = std::min<long long>(x + (long long)src.width(), image.width());
    const int top = std::max(y, 0), bottom = std::min<long long>(y + (long long)src.height(), image.height());
    if (left >= right || top >= bottom)
        return;
    // Tiles are copied thousands of times a frame: take the row pointers once.
    const uchar* from = src.constBits();
    uchar* to = image.bits();
    const qsizetype fromStride = src.bytesPerLine(), toStride = image.bytesPerLine();
    const size_t bytes = size_t(right - left) * sizeof(QRgb);
    for (int j = top; j < bottom; ++j)
        std::memcpy(to + j * toStride + left * sizeof(QRgb),
                    from + (j - y) * fromStride + (left - x) * sizeof(QRgb), bytes);
}

QPainter& Canvas::Painter() {
    if (!m_painter) {
        // The text is placed in device pixels here: a painter on a raster with
        // a device pixel ratio would enlarge it again.
        m_paintedRatio = m_image.devicePixelRatio();
        if (m_paintedRatio != 1.0)
            m_image.setDevicePixelRatio(1.0);
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *m_painter;
}

void Canvas::EndPainting() {
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
        if (m_paintedRatio != 1.0)
            m_image.setDevicePixelRatio(m_paintedRatio);
    }
}

}  // namespace sw
