// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/net_overlays.h"

#include "analysis/copper_nets.h"
#include "edit/net_lighting.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "session/editor_session.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sw {
namespace {

// The lit net: a clear blue over the orange copper and the pale board.
const QColor kLitCopper(0, 150, 255, 150);
const QColor kLitLink(0, 110, 230, 200);
const QColor kLitPin(0, 0, 150);

// In board-image pixels.
constexpr double kLitHoleDiameter = 14;
constexpr double kLitLinkWidth = 6;
constexpr double kPinRingDiameter = 17;
constexpr double kPinRingWidth = 2.5;
constexpr std::size_t kSmoothNet = 400;

// Show Nets: see-through, so the holes and strips show under the colour.
constexpr int kPieceAlpha = 140;
constexpr double kPieceLinkWidth = 5;

// The ratsnest: thin lines with a dot at each end; a short's mark, a red cross
// on each of the two pins and a dashed line between them.
const QColor kRatsnest(170, 0, 190);
const QColor kShort(230, 0, 0);
constexpr double kRatsnestWidth = 1.5;
constexpr double kRatsnestDot = 5;
constexpr double kShortCross = 6;  // half the cross's width
constexpr double kShortWidth = 2.5;


}  // namespace

HoleMapping::HoleMapping(const LayoutDocument& doc, double scale, QPointF origin)
    : m_x0(BoardOriginX(kBoardImageWidth, doc.BoardWidth())), m_scale(scale), m_origin(origin) {}

HoleMapping HoleMapping::OnCanvas(const LayoutDocument& doc, const Canvas& canvas) {
    return HoleMapping(doc, canvas.Scale(), canvas.Shown().topLeft());
}

QPointF HoleMapping::Centre(Hole hole) const {
    const QPoint c = HoleCentre(m_x0, hole.x, hole.y);
    // The middle of the hole's centre pixel.
    return {(c.x() + 0.5 - m_origin.x()) * m_scale, (c.y() + 0.5 - m_origin.y()) * m_scale};
}

namespace {

bool RowOrder(Hole a, Hole b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

// Holes first ... last of one row as one band with round ends (one hole: a
// disc), a single shape so that a see-through colour covers it evenly.
void DrawRun(QPainter& painter, const HoleMapping& map, Hole first, Hole last) {
    const double d = map.Pixels(kLitHoleDiameter);
    const QPointF a = map.Centre(first), b = map.Centre(last);
    painter.drawRoundedRect(QRectF(a.x() - d / 2, a.y() - d / 2, b.x() - a.x() + d, d), d / 2, d / 2);
}

// Calls `draw(first, last)` for each run of `holes` (sorted by row, then
// column) that lies side by side on a strip; each hole alone elsewhere.
template <typename Same, typename Draw>
void ForEachRun(const std::vector<Hole>& holes, bool strips, Same same, Draw draw) {
    for (std::size_t i = 0; i < holes.size();) {
        std::size_t j = i + 1;
        if (strips)
            while (j < holes.size() && holes[j].y == holes[i].y && holes[j].x == holes[j - 1].x + 1 && same(i, j))
                ++j;
        draw(i, j - 1);
        i = j;
    }
}

}  // namespace

void DrawNetHighlight(QPainter& painter, const HoleMapping& map, const NetHighlight& lit, bool strips) {
    painter.save();
    // Smooth edges cost several times the plain ones: a net of thousands of
    // holes (a ground over half the board) is drawn plain, within a frame.
    painter.setRenderHint(QPainter::Antialiasing, lit.holes.size() + lit.pins.size() <= kSmoothNet);
    // Each strip's run of holes drawn once, so nothing is covered twice.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLitCopper);
    std::vector<Hole> holes = lit.holes;
    std::sort(holes.begin(), holes.end(), RowOrder);
    holes.erase(std::unique(holes.begin(), holes.end()), holes.end());
    ForEachRun(holes, strips, [](std::size_t, std::size_t) { return true; },
               [&](std::size_t first, std::size_t last) { DrawRun(painter, map, holes[first], holes[last]); });
    painter.setPen(QPen(kLitLink, map.Pixels(kLitLinkWidth), Qt::SolidLine, Qt::RoundCap));
    for (const NetHighlight::Link& l : lit.links)
        painter.drawLine(map.Centre(l.a), map.Centre(l.b));
    // The pins: one ring drawn smooth once, then stamped at each pin.
    const double r = map.Pixels(kPinRingDiameter) / 2, w = map.Pixels(kPinRingWidth);
    const int side = int(std::ceil(2 * r + w)) + 2;
    QImage ring(side, side, QImage::Format_ARGB32_Premultiplied);
    ring.fill(Qt::transparent);
    {
        QPainter stamp(&ring);
        stamp.setRenderHint(QPainter::Antialiasing, true);
        stamp.setPen(QPen(kLitPin, w));
        stamp.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    }
    for (const Hole& h : lit.pins)
        painter.drawImage(map.Centre(h) - QPointF(side / 2.0, side / 2.0), ring);
    painter.restore();
}

bool NetHighlightOverlay::Empty() const { return m_session.Highlight().Empty(); }

void NetHighlightOverlay::Draw(Canvas& canvas, const LayoutDocument& doc) const {
    const HoleMapping map = HoleMapping::OnCanvas(doc, canvas);
    QPainter painter(&canvas.Image());
    DrawNetHighlight(painter, map, m_session.Highlight(), doc.BoardType() == QLatin1String("Stripboard"));
}

QColor ShowNetsOverlay::Colour(int n) {
    // The golden angle keeps neighbouring numbers (strips one above the other) apart.
    return QColor::fromHsv(int((std::int64_t(n) * 137 + 20) % 360), 210, 235, kPieceAlpha);
}

void ShowNetsOverlay::Draw(Canvas& canvas, const LayoutDocument& doc) const {
    const bool strips = doc.BoardType() == QLatin1String("Stripboard");
    if (m_stale) {
        // The board's holes the image can show, and the ends of every link.
        const HoleBox box = BoardImageHoles(doc);
        const LayoutCopper copper = ReadLayoutCopper(doc);
        std::vector<Hole> holes;
        const int firstX = std::max(box.first.x, 1), lastX = std::min(box.last.x, doc.BoardWidth());
        const int firstY = std::max(box.first.y, 1), lastY = std::min(box.last.y, doc.BoardHeight());
        for (int y = firstY; y <= lastY; ++y)
            for (int x = firstX; x <= lastX; ++x)
                holes.push_back({x, y});
        const std::size_t board = holes.size();
        for (const LayoutCopper::Link& l : copper.links) {
            holes.push_back(l.a);
            holes.push_back(l.b);
        }
        const std::vector<int> pieces = CopperPieces(copper, holes);
        // A piece counts when it joins two holes: count each piece's board holes and links.
        std::vector<int> size(holes.size(), 0);
        for (std::size_t i = 0; i < board; ++i)
            ++size[std::size_t(pieces[i])];
        for (std::size_t i = board; i < holes.size(); i += 2)
            size[std::size_t(pieces[i])] += 2;
        m_holes.clear();
        for (std::size_t i = 0; i < board; ++i)
            if (size[std::size_t(pieces[i])] > 1)
                m_holes.push_back({holes[i], pieces[i]});
        m_links.clear();
        for (std::size_t i = 0; i < copper.links.size(); ++i)
            m_links.push_back({{copper.links[i].a, copper.links[i].b}, pieces[board + 2 * i]});
        m_stale = false;
    }
    const HoleMapping map = HoleMapping::OnCanvas(doc, canvas);
    QPainter painter(&canvas.Image());
    painter.setPen(Qt::NoPen);
    // Row by row: a strip's holes as one band, each hole a disc elsewhere.
    std::vector<Hole> holes;
    holes.reserve(m_holes.size());
    for (const Coloured& c : m_holes)
        holes.push_back(c.hole);
    ForEachRun(holes, strips, [&](std::size_t i, std::size_t j) { return m_holes[i].piece == m_holes[j].piece; },
               [&](std::size_t first, std::size_t last) {
                   painter.setBrush(Colour(m_holes[first].piece));
                   DrawRun(painter, map, holes[first], holes[last]);
               });
    for (const auto& [link, piece] : m_links) {
        painter.setPen(QPen(Colour(piece), map.Pixels(kPieceLinkWidth), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(map.Centre(link.a), map.Centre(link.b));
    }
}

void RatsnestOverlay::Draw(Canvas& canvas, const LayoutDocument& doc) const {
    const HoleMapping map = HoleMapping::OnCanvas(doc, canvas);
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kRatsnest, map.Pixels(kRatsnestWidth), Qt::SolidLine, Qt::RoundCap));
    for (const RatsnestLine& l : m_ratsnest.lines)
        painter.drawLine(map.Centre(l.a), map.Centre(l.b));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRatsnest);
    const double r = map.Pixels(kRatsnestDot) / 2;
    for (const RatsnestLine& l : m_ratsnest.lines)
        for (const Hole h : {l.a, l.b})
            painter.drawEllipse(map.Centre(h), r, r);
    const double c = map.Pixels(kShortCross);
    for (const ShortMark& s : m_ratsnest.shorts) {
        painter.setPen(QPen(kShort, map.Pixels(kRatsnestWidth), Qt::DashLine, Qt::FlatCap));
        painter.drawLine(map.Centre(s.a), map.Centre(s.b));
        painter.setPen(QPen(kShort, map.Pixels(kShortWidth), Qt::SolidLine, Qt::RoundCap));
        for (const Hole h : {s.a, s.b}) {
            const QPointF p = map.Centre(h);
            painter.drawLine(p + QPointF(-c, -c), p + QPointF(c, c));
            painter.drawLine(p + QPointF(-c, c), p + QPointF(c, -c));
        }
    }
}

}  // namespace sw
