// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board image `Board`: the board scene's picture inside the scroll box,
// shown at the scene's zoom with its overlays, passing its mouse events on to
// the board handlers. It keeps no state of its own: the picture, the zoom and
// the overlays belong to the scene (edit/board_scene.h), which asks for a paint
// whenever they change, so the board is rendered at most once per paint.
// BoardPoint maps a pointer position back to the board image's own pixels,
// which is all the handlers ever see.

#include "render/board_zoom.h"
#include "render/zoomed_board.h"

#include <QImage>
#include <QWidget>

namespace sw {

class BoardScene;

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(BoardScene& scene, QWidget* parent);
    QSize sizeHint() const override;

    // The board-image pixel under a position of this widget.
    QPoint BoardPoint(QPointF position) const;
    // Takes the new size after the zoom changed, and repaints.
    void ZoomChanged();

signals:
    void BoardMouseDown(QMouseEvent* event);
    void BoardMouseMove(QMouseEvent* event);
    void BoardMouseUp(QMouseEvent* event);
    // Ctrl and the wheel: `steps` notches away from the user (negative: towards),
    // `position` the pointer in this widget.
    void BoardZoomWheel(int steps, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    BoardScene& m_scene;
    ZoomedBoardPainter m_painter;
    int m_wheelRest = 0;  // eighths of a degree not yet a whole notch
};

}  // namespace sw
