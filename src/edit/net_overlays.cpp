// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/net_overlays.h"

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

std::uint64_t HoleKey(Hole h) { return std::uint64_t(std::uint32_t(h.y)) << 32 | std::uint32_t(h.x); }

}  // namespace

HoleMapping::HoleMapping(const LayoutDocument& doc, double scale)
    : m_x0(BoardOriginX(kBoardImageWidth, doc.BoardWidth())), m_scale(scale) {}

HoleMapping HoleMapping::OnCanvas(const LayoutDocument& doc, const Canvas& canvas) {
    return HoleMapping(doc, double(canvas.Width()) / kBoardImageWidth);
}

QPointF HoleMapping::Centre(Hole hole) const {
    const QPoint c = HoleCentre(m_x0, hole.x, hole.y);
    // The middle of the hole's centre pixel.
    return {(c.x() + 0.5) * m_scale, (c.y() + 0.5) * m_scale};
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

}  // namespace sw
