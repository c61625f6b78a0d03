// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layers that show nets over the board on screen: the lit net (the
// session's NetHighlight), every piece of copper in a colour of its own (Show
// Nets) and the ratsnest with the marks of shorts. They draw through
// HoleMapping, which places a hole's centre on whatever picture they are
// drawn over, so a view that shows the board larger gets them as sharp.

#include "analysis/ratsnest.h"
#include "edit/board_overlay.h"
#include "model/hole.h"
#include "session/net_highlight.h"

#include <QColor>

#include <QPointF>
#include <functional>
#include <vector>

class QPainter;

namespace sw {

class Canvas;
class EditorSession;
class LayoutDocument;

// Where a hole's centre lies on a picture of the board image `scale` times
// its size whose top-left shows the board-image point `origin`, and how long
// a board-image pixel is there.
class HoleMapping {
public:
    HoleMapping(const LayoutDocument& doc, double scale, QPointF origin = QPointF());
    // The mapping onto a canvas: its scale and the window it shows
    // (Canvas::ToDevice), so an enlarged view's canvas gets sharp overlays.
    static HoleMapping OnCanvas(const LayoutDocument& doc, const Canvas& canvas);
    QPointF Centre(Hole hole) const;
    double Pixels(double boardPixels) const { return boardPixels * m_scale; }

private:
    int m_x0;
    double m_scale;
    QPointF m_origin;
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

// Every piece of copper that joins two or more holes, in a colour of its own
// (lone holes stay as they are), with its traces, wires and jumpers. The
// pieces are found when first drawn after the copper changed.
class ShowNetsOverlay : public BoardOverlay {
public:
    explicit ShowNetsOverlay(const EditorSession& session) : m_session(session) {}
    void SetOn(bool on) { m_on = on; }
    bool On() const { return m_on; }
    // The copper changed: the pieces are found again when next drawn.
    void Stale() { m_stale = true; }
    bool Empty() const override { return !m_on; }
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

    // The colour of piece number `n`: hues far apart for numbers next to each other.
    static QColor Colour(int n);

private:
    struct Coloured {
        Hole hole;
        int piece;
    };
    const EditorSession& m_session;
    bool m_on = false;
    mutable bool m_stale = true;
    mutable std::vector<Coloured> m_holes;  // by row, then column
    mutable std::vector<std::pair<NetHighlight::Link, int>> m_links;
};

// The ratsnest and the marks of shorts of the session's latest check.
class RatsnestOverlay : public BoardOverlay {
public:
    void Set(Ratsnest ratsnest) { m_ratsnest = std::move(ratsnest); }
    const Ratsnest& Lines() const { return m_ratsnest; }
    bool Empty() const override { return m_ratsnest.Empty(); }
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

private:
    Ratsnest m_ratsnest;
};

}  // namespace sw
