// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_view.h"

#include "edit/board_scene.h"
#include "render/board_geometry.h"
#include "render/zoomed_board.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace sw {
namespace {

const QSize kBoardImageSize(kBoardImageWidth, kBoardImageHeight);

}  // namespace

BoardView::BoardView(BoardScene& scene, QWidget* parent) : QWidget(parent), m_scene(scene) {
    setFixedSize(m_scene.Zoom().ViewSize(kBoardImageSize));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every change of the board asks for one paint; Qt joins the requests of one turn.
    m_scene.OnChange([this] { update(); });
}

QSize BoardView::sizeHint() const { return m_scene.Zoom().ViewSize(kBoardImageSize); }

QPoint BoardView::BoardPoint(QPointF position) const { return m_scene.Zoom().ToBoard(position); }

void BoardView::ZoomChanged() {
    setFixedSize(m_scene.Zoom().ViewSize(kBoardImageSize));
    update();
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const BoardZoom& zoom = m_scene.Zoom();
    const int scale = zoom.RenderScale(devicePixelRatioF());
    if (scale == 1) {
        m_painter.Draw(painter, m_scene.Shown(), zoom, event->rect());
        return;
    }
    // Above one device pixel per board pixel the board is drawn anew at the
    // view's resolution, for the part of it the scroll box shows.
    const QRect visible = visibleRegion().boundingRect().united(event->rect());
    const BoardScene::SharpPicture sharp =
        m_scene.SharpShown(scale, zoom.BoardPixelsShown(visible, kBoardImageSize),
                           zoom.SharpWindow(visible, kBoardImageSize));
    DrawSharpBoard(painter, sharp.image, sharp.window, zoom, kBoardImageSize, event->rect());
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
