// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace sw {

BoardView::BoardView(const QImage& image, const BoardZoom& zoom, QWidget* parent)
    : QWidget(parent), m_image(image), m_zoom(zoom) {
    setFixedSize(m_zoom.ViewSize(image.size()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::ZoomChanged() {
    setFixedSize(m_zoom.ViewSize(m_image.size()));
    update();
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_painter.Draw(painter, m_image, m_zoom, event->rect());
}

void BoardView::mousePressEvent(QMouseEvent* event) { emit BoardMouseDown(event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { emit BoardMouseMove(event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { emit BoardMouseUp(event); }

void BoardView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // the scroll box scrolls
        return;
    }
    // A notch is 120 eighths of a degree; fine-grained wheels add up to one.
    m_wheelRest += event->angleDelta().y();
    const int steps = m_wheelRest / 120;
    m_wheelRest -= steps * 120;
    if (steps != 0)
        emit BoardZoomWheel(steps, event->position());
    event->accept();
}

}  // namespace sw
