// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the editor shows it, without a widget: the 2000 x 1200 board
// image and its pick map, the zoom, the reveal flag, what the renderer keeps
// from one repaint to the next (the screen's own RenderCaches), the picture of
// the rest of the layout while parts are dragged, and the layers drawn over
// the rendered board on screen only (the lit net, the placement markers). It follows the session: a change of the document, its replacement or
// a change of the selection makes the board stale, and the board is rendered
// again when it is next shown or its pick map read, so any number of changes
// within one turn of the event loop cost one repaint. The markers go with the
// picture they were drawn over.

#include "edit/board_overlay.h"
#include "edit/editor_host.h"
#include "edit/net_overlays.h"
#include "edit/placement_ghost.h"
#include "render/board_zoom.h"
#include "render/drag_preview.h"
#include "render/pick_map.h"
#include "render/render_caches.h"

#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sw {

class Canvas;
class EditorSession;
class LayoutDocument;

// Dots at hole centres: where a placement's first hole was taken, and where
// its second may go.
class MarkerOverlay : public BoardOverlay {
public:
    void Set(std::vector<HoleMarker> markers) { m_markers = std::move(markers); }
    const std::vector<HoleMarker>& Markers() const { return m_markers; }
    bool Empty() const override { return m_markers.empty(); }
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

private:
    std::vector<HoleMarker> m_markers;
};

// The select tool's band: a dotted outline around the parts it will select.
class BandOverlay : public BoardOverlay {
public:
    void Set(std::optional<QRect> band) { m_band = band; }
    const std::optional<QRect>& Band() const { return m_band; }
    bool Empty() const override { return !m_band; }
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

private:
    std::optional<QRect> m_band;
};

// The part a click would place, drawn lightly (edit/placement_ghost.h).
class GhostOverlay : public BoardOverlay {
public:
    void Set(std::optional<PlacementGhost> ghost, GhostPicture picture) {
        m_ghost = ghost;
        m_picture = std::move(picture);
    }
    const std::optional<PlacementGhost>& Ghost() const { return m_ghost; }
    const GhostPicture& Picture() const { return m_picture; }
    bool Empty() const override { return !m_ghost; }
    void Draw(Canvas& canvas, const LayoutDocument& doc) const override;

private:
    std::optional<PlacementGhost> m_ghost;
    GhostPicture m_picture;
};

class BoardScene {
public:
    explicit BoardScene(EditorSession& session);
    ~BoardScene();
    BoardScene(const BoardScene&) = delete;
    BoardScene& operator=(const BoardScene&) = delete;

    // Called whenever what is shown changed and should be painted (the view's update).
    void OnChange(std::function<void()> notify) { m_notify = std::move(notify); }
    // Nothing is rendered before painting is enabled (the window's start) or
    // once the window is closing; the last picture stays.
    void EnablePainting() { m_painting = true; }
    void SetClosing() { m_closing = true; }
    bool Closing() const { return m_closing; }

    // The rendered board and its pick map, rendered first when stale.
    const QImage& Image();
    const PickMap& Pick();
    // What the view shows: the board with the overlays over it.
    const QImage& Shown();
    // The same drawn `scale` times larger (2 ... 8) for a window of the
    // board image, the overlays at that resolution: what a view zoomed in, or
    // on a dense screen, shows sharp. The window kept is reused while it
    // holds the board-image pixels `needed` at this scale and nothing
    // changed; otherwise `window` (which holds `needed`) is rendered, and only
    // it. A change of an overlay draws the overlays anew over the kept window. The pick map is not rendered for it (Pick renders it at scale 1).
    struct SharpPicture {
        const QImage& image;
        QRect window;  // the board-image pixels the image shows
    };
    SharpPicture SharpShown(int scale, const QRect& needed, const QRect& window);
    // How many times a sharp window was rendered.
    unsigned SharpRenders() const { return m_sharpRenders; }
    // Renders the board now, stale or not (FormPaint).
    void Render();
    // The board must be rendered again before it is next shown; the markers go.
    void Invalidate();
    bool Stale() const { return m_stale; }
    // How many times the board was rendered.
    unsigned Renders() const { return m_renders; }

    BoardZoom& Zoom() { return m_zoom; }
    const BoardZoom& Zoom() const { return m_zoom; }
    // Reveal mode: bodies dimmed and leads thinned on screen.
    bool Reveal() const { return m_reveal; }
    void SetReveal(bool on);
    // The screen's caches (exports keep their own).
    RenderCaches& Caches() { return m_caches; }

    // The placement markers, shown until the board is next rendered.
    void ShowMarkers(std::vector<HoleMarker> markers);
    const std::vector<HoleMarker>& Markers() const { return m_markers.Markers(); }
    // The select tool's band, in board-image pixels, until told otherwise.
    void ShowBand(std::optional<QRect> band);
    const std::optional<QRect>& Band() const { return m_band.Band(); }
    // The part a click would place, until told otherwise; drawn anew only
    // when the ghost differs from the one shown.
    void ShowGhost(const std::optional<PlacementGhost>& ghost);
    const std::optional<PlacementGhost>& Ghost() const { return m_ghost.Ghost(); }
    // Another layer over the board, drawn after those added before it; it
    // must outlive the scene or be removed. `Changed` after it changed.
    void AddOverlay(const BoardOverlay* overlay);
    // Show Nets: every piece of copper in a colour of its own, on screen only.
    bool ShowNets() const { return m_showNets.On(); }
    void SetShowNets(bool on);
    // The ratsnest and shorts of the session's latest check, drawn over the board.
    const Ratsnest& RatsnestShown() const { return m_ratsnest.Lines(); }
    void RemoveOverlay(const BoardOverlay* overlay);
    void OverlayChanged();

private:
    void Notify();
    RenderOptions Options(RenderCaches& caches) const;
    void FollowCheck();

    EditorSession& m_session;
    std::shared_ptr<BoardScene*> m_self;  // the session's observer holds it weakly
    std::function<void()> m_notify;
    QImage m_image;
    PickMap m_pick;
    QImage m_shown;  // the board with the overlays, while there are any
    bool m_shownStale = true;
    bool m_stale = true;
    bool m_painting = false;
    bool m_closing = false;
    bool m_reveal = false;
    unsigned m_renders = 0;
    BoardZoom m_zoom;
    RenderCaches m_caches;
    // The enlarged window of the board the view shows above 100 %, with
    // caches of its own (its bodies are built at its scale).
    QImage m_sharpBoard;  // the window rendered
    QImage m_sharp;       // the same with the overlays
    bool m_sharpOverlaysStale = true;
    int m_sharpScale = 0;
    QRect m_sharpWindow;
    bool m_sharpStale = true;
    unsigned m_sharpRenders = 0;
    RenderCaches m_sharpCaches;
    // While parts are dragged: the board without them, drawn once per drag.
    DragPreview m_dragPreview;
    MarkerOverlay m_markers;
    ShowNetsOverlay m_showNets;
    NetHighlightOverlay m_highlight;
    BandOverlay m_band;
    RatsnestOverlay m_ratsnest;
    GhostOverlay m_ghost;
    // From the bottom: Show Nets, the lit net, the ratsnest, the ghost, the
    // markers, the band, then those added.
    std::vector<const BoardOverlay*> m_overlays;
};

}  // namespace sw
