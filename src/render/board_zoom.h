// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board view's zoom. The board image and its pick map are rendered at 20
// pixels per hole pitch; the view shows the board by a factor from 25 % to
// 400 % (above one device pixel per board pixel drawn anew at the scale
// RenderScale gives), and every pointer position is mapped back to a
// board-image pixel before anything reads the pick map or the hole lattice, so
// a click means the same at every zoom.
// View coordinates are the scaled picture's own logical pixels (what a widget
// showing it receives in its mouse events), with (0, 0) at the image's corner.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace sw {

class BoardZoom {
public:
    static constexpr double kMinimum = 0.25;
    static constexpr double kMaximum = 4.0;
    static constexpr int kMaxRenderScale = 8;

    double Factor() const { return m_factor; }
    // The factor as a whole percentage, for the status bar.
    int Percent() const;

    // Sets the factor, clamped to 25 % ... 400 %; true when it changed.
    bool SetFactor(double factor);
    // The next step of the zoom ladder above or below the present factor (a
    // factor between two steps goes to the neighbouring one); true when it changed.
    bool StepIn();
    bool StepOut();

    // The board-image pixel under a view point: floor(view / factor), so every
    // view pixel that shows a board pixel maps to it, left and above the image too.
    QPoint ToBoard(QPointF view) const;
    // The view position of a board-image point (the top-left corner of a pixel).
    QPointF ToView(QPointF board) const;
    // The size of the scaled picture of an image, rounded up to whole pixels.
    QSize ViewSize(QSize image) const;
    // The board-image pixels that a rectangle of the view shows, whole pixels
    // rounded outward and clipped to `image`.
    QRect BoardPixelsShown(const QRect& view, QSize image) const;

    // The scroll offset that puts the board-image point `board` under the
    // viewport position `viewport` at the present factor: zooming about the
    // pointer keeps the point under it.
    QPoint ScrollKeeping(QPointF board, QPointF viewport) const;
    // The scroll offset that centres the board-image rectangle `area` in a
    // viewport of `viewport` pixels.
    QPoint ScrollCentring(const QRect& area, QSize viewport) const;

    // The largest factor (clamped) at which `area` fits a viewport of `viewport` pixels.
    static double FitFactor(const QRect& area, QSize viewport);

    // Whether the picture is drawn with whole device pixels per board pixel at
    // `devicePixelRatio`: then it is scaled by nearest pixel and stays crisp.
    bool WholeDevicePixels(double devicePixelRatio) const;

    // The scale the board is rendered at for the view: ceil(factor x ratio),
    // at most 8, and 1 (the 20-pixel image, shrunk by averaging when below
    // it) whenever the view shows no more than one device pixel per board pixel.
    int RenderScale(double devicePixelRatio) const;
    // The board-image pixels to render sharp for a view showing `view`: those
    // pixels grown by an eighth of their size on every side for scrolling,
    // clipped to `image`.
    QRect SharpWindow(const QRect& view, QSize image) const;

private:
    double m_factor = 1.0;
};

}  // namespace sw
