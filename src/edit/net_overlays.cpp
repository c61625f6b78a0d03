// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/net_overlays.h"

#include "analysis/copper_nets.h"
#include "edit/net_lighting.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "session/editor_session.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sw {
namespace {

// The lit net: a clear blue over the orange copper and the pale board.
const QColor kLitCopper(0, 150, 255, 150);
const QColor kLitLink(0, 110, 230, 200);
const QColor kLitPin(0, 0, 150);

// In board-image pixels.
constexpr double kLitHoleDiameter = 14;
constexpr double kLitStripHeight = 10;
constexpr double kLitLinkWidth = 6;
constexpr double kPinRingDiameter = 17;
constexpr double kPinRingWidth = 2.5;

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

std::uint64_t HoleKey(Hole h) { return std::uint64_t(std::uint32_t(h.y)) << 32 | std::uint32_t(h.x); }

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

void DrawNetHighlight(QPainter& painter, const HoleMapping& map, const NetHighlight& lit, bool strips) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLitCopper);
    // One path for all of it, so overlapping pieces do not darken each other.
    QPainterPath copper;
    copper.setFillRule(Qt::WindingFill);
    const double d = map.Pixels(kLitHoleDiameter);
    std::vector<std::uint64_t> keys;
    keys.reserve(lit.holes.size());
    for (const Hole& h : lit.holes)
        keys.push_back(HoleKey(h));
    std::sort(keys.begin(), keys.end());
    for (const Hole& h : lit.holes) {
        const QPointF c = map.Centre(h);
        copper.addEllipse(c, d / 2, d / 2);
        // Two lit holes side by side on a strip: the strip between them is lit.
        if (strips && std::binary_search(keys.begin(), keys.end(), HoleKey({h.x + 1, h.y}))) {
            const QPointF n = map.Centre({h.x + 1, h.y});
            const double half = map.Pixels(kLitStripHeight) / 2;
            copper.addRect(QRectF(QPointF(c.x(), c.y() - half), QPointF(n.x(), n.y() + half)));
        }
    }
    painter.drawPath(copper);
    painter.setPen(QPen(kLitLink, map.Pixels(kLitLinkWidth), Qt::SolidLine, Qt::RoundCap));
    for (const NetHighlight::Link& l : lit.links)
        painter.drawLine(map.Centre(l.a), map.Centre(l.b));
    painter.setPen(QPen(kLitPin, map.Pixels(kPinRingWidth)));
    painter.setBrush(Qt::NoBrush);
    const double r = map.Pixels(kPinRingDiameter) / 2;
    for (const Hole& h : lit.pins)
        painter.drawEllipse(map.Centre(h), r, r);
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
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const double d = map.Pixels(kLitHoleDiameter);
    const double half = map.Pixels(kLitStripHeight) / 2;
    // Row by row: a strip's holes as one band, each hole a disc elsewhere.
    for (std::size_t i = 0; i < m_holes.size();) {
        std::size_t j = i + 1;
        if (strips)
            while (j < m_holes.size() && m_holes[j].piece == m_holes[i].piece &&
                   m_holes[j].hole.y == m_holes[i].hole.y && m_holes[j].hole.x == m_holes[j - 1].hole.x + 1)
                ++j;
        painter.setBrush(Colour(m_holes[i].piece));
        const QPointF a = map.Centre(m_holes[i].hole), b = map.Centre(m_holes[j - 1].hole);
        if (j - i == 1)
            painter.drawEllipse(a, d / 2, d / 2);
        else
            painter.drawRoundedRect(QRectF(QPointF(a.x() - d / 2, a.y() - half), QPointF(b.x() + d / 2, b.y() + half)),
                                    half, half);
        i = j;
    }
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
