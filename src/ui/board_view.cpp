#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace sw {

BoardView::BoardView(const QImage& image, QWidget* parent) : QWidget(parent), m_image(image) {
    setFixedSize(image.size());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), m_image, r);
}

void BoardView::mousePressEvent(QMouseEvent* event) { emit BoardMouseDown(event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { emit BoardMouseMove(event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { emit BoardMouseUp(event); }

}  // namespace sw
