// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board image `Board`: the 2000 x 1200 picture of the last repaint inside the
// scroll box, shown at the window's zoom, passing its mouse events on to the
// board handlers. It keeps no state of its own: the picture and the zoom belong
// to the main window; BoardPoint maps a pointer position back to the board
// image's own pixels, which is all the handlers ever see.

#include "render/board_zoom.h"
#include "render/zoomed_board.h"

#include <QImage>
#include <QWidget>

namespace sw {

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const QImage& image, const BoardZoom& zoom, QWidget* parent);
    QSize sizeHint() const override { return m_zoom.ViewSize(m_image.size()); }

    // The board-image pixel under a position of this widget.
    QPoint BoardPoint(QPointF position) const { return m_zoom.ToBoard(position); }
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
    const QImage& m_image;
    const BoardZoom& m_zoom;
    ZoomedBoardPainter m_painter;
    int m_wheelRest = 0;  // eighths of a degree not yet a whole notch
};

}  // namespace sw
