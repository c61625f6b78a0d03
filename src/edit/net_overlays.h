// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layers that show nets over the board on screen: the lit net (the
// session's NetHighlight), every piece of copper in a colour of its own (Show
// Nets) and the ratsnest with the marks of shorts. They draw through
// HoleMapping, which places a hole's centre on whatever picture they are
// drawn over, so a view that shows the board larger gets them as sharp.

#include "edit/board_overlay.h"
#include "model/hole.h"

#include <QPointF>
#include <functional>
#include <vector>

class QPainter;

namespace sw {

class Canvas;
class EditorSession;
class LayoutDocument;
struct NetHighlight;

// Where a hole's centre lies on a picture of the board image `scale` times
// its size, and how long a board-image pixel is there.
class HoleMapping {
public:
    HoleMapping(const LayoutDocument& doc, double scale);
    // The mapping onto a canvas: its width against the board image's.
    static HoleMapping OnCanvas(const LayoutDocument& doc, const Canvas& canvas);
    QPointF Centre(Hole hole) const;
    double Pixels(double boardPixels) const { return boardPixels * m_scale; }

private:
    int m_x0;
    double m_scale;
};

// Draws a lit net: the strips joining its holes, its holes, its links, and a
// ring round each pin.
void DrawNetHighlight(QPainter& painter, const HoleMapping& map, const NetHighlight& lit, bool strips);

// The session's lit net over the board.
class NetHighlightOverlay : public BoardOverlay {
public:
    explicit NetHighlightOverlay(const EditorSession& session) : m_session(session) {}
    bool Empty() const override;
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

private:
    const EditorSession& m_session;
};

}  // namespace sw
