// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sw {
namespace {

// The steps of Ctrl++, Ctrl+- and the wheel.
constexpr std::array<double, 9> kLadder = {0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0};
// Factors closer than this count as one (a fitted factor just below a step
// steps past it, not onto it).
constexpr double kSame = 1e-6;

}  // namespace

int BoardZoom::Percent() const { return int(std::lround(m_factor * 100.0)); }

bool BoardZoom::SetFactor(double factor) {
    if (!std::isfinite(factor))
        return false;
    const double clamped = std::clamp(factor, kMinimum, kMaximum);
    if (std::abs(clamped - m_factor) < kSame)
        return false;
    m_factor = clamped;
    return true;
}

bool BoardZoom::StepIn() {
    for (double step : kLadder)
        if (step > m_factor + kSame)
            return SetFactor(step);
    return false;
}

bool BoardZoom::StepOut() {
    for (auto it = kLadder.rbegin(); it != kLadder.rend(); ++it)
        if (*it < m_factor - kSame)
            return SetFactor(*it);
    return false;
}

QPoint BoardZoom::ToBoard(QPointF view) const {
    // The small nudge keeps a view position computed as board * factor on its
    // own pixel despite rounding (0.3 / 0.1 is 2.9999...).
    auto map = [this](double v) { return int(std::floor(v / m_factor + 1e-9)); };
    return {map(view.x()), map(view.y())};
}

QPointF BoardZoom::ToView(QPointF board) const { return board * m_factor; }

QSize BoardZoom::ViewSize(QSize image) const {
    return {int(std::ceil(image.width() * m_factor - 1e-9)),
            int(std::ceil(image.height() * m_factor - 1e-9))};
}

QRect BoardZoom::BoardPixelsShown(const QRect& view, QSize image) const {
    if (view.isEmpty())
        return {};
    const QPoint first = ToBoard(QPointF(view.left(), view.top()));
    // The right and bottom edges are exclusive: the last view pixel is
    // right() and bottom(), and the board pixel that holds its far side counts.
    const int right = int(std::ceil((view.right() + 1) / m_factor - 1e-9));
    const int bottom = int(std::ceil((view.bottom() + 1) / m_factor - 1e-9));
    return QRect(first, QPoint(right - 1, bottom - 1)).intersected(QRect(QPoint(0, 0), image));
}

QPoint BoardZoom::ScrollKeeping(QPointF board, QPointF viewport) const {
    const QPointF view = ToView(board) - viewport;
    return {int(std::lround(view.x())), int(std::lround(view.y()))};
}

QPoint BoardZoom::ScrollCentring(const QRect& area, QSize viewport) const {
    const QPointF centre = ToView(QPointF(area.x() + area.width() / 2.0, area.y() + area.height() / 2.0));
    return {int(std::lround(centre.x() - viewport.width() / 2.0)),
            int(std::lround(centre.y() - viewport.height() / 2.0))};
}

double BoardZoom::FitFactor(const QRect& area, QSize viewport) {
    if (area.isEmpty() || viewport.isEmpty())
        return 1.0;
    const double factor = std::min(double(viewport.width()) / area.width(),
                                   double(viewport.height()) / area.height());
    return std::clamp(factor, kMinimum, kMaximum);
}

bool BoardZoom::WholeDevicePixels(double devicePixelRatio) const {
    const double scale = m_factor * devicePixelRatio;
    return scale >= 1.0 - kSame && std::abs(scale - std::round(scale)) < kSame;
}

int BoardZoom::RenderScale(double devicePixelRatio) const {
    const double scale = m_factor * devicePixelRatio;
    if (!(scale > 1.0 + kSame))
        return 1;
    return std::min(int(std::ceil(scale - kSame)), kMaxRenderScale);
}

QRect BoardZoom::SharpWindow(const QRect& view, QSize image) const {
    const QRect shown = BoardPixelsShown(view, image);
    if (shown.isEmpty())
        return {};
    const int dx = (shown.width() + 7) / 8, dy = (shown.height() + 7) / 8;
    return shown.adjusted(-dx, -dy, dx, dy).intersected(QRect(QPoint(0, 0), image));
}

}  // namespace sw
