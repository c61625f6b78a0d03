#pragma once
// The board image `Board`: a 2000 x 1200 picture inside the scroll box that shows
// the last repaint and passes its mouse events on to the board handlers.

#include <QImage>
#include <QWidget>

namespace sw {

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const QImage& image, QWidget* parent);
    QSize sizeHint() const override { return m_image.size(); }

signals:
    void BoardMouseDown(QMouseEvent* event);
    void BoardMouseMove(QMouseEvent* event);
    void BoardMouseUp(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& m_image;
};

}  // namespace sw
