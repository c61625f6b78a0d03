// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/board_scene.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/render_layout.h"
#include "session/editor_session.h"

#include <QPainter>
#include <algorithm>

namespace sw {
namespace {

constexpr int kMarkerWidth = 5;
constexpr Rgb kBandColour = MakeRgb(0, 0, 255);

}  // namespace

void MarkerOverlay::Draw(Canvas& canvas, const LayoutDocument& doc) const {
    const int x0 = BoardOriginX(kBoardImageWidth, doc.BoardWidth());
    for (const HoleMarker& marker : m_markers) {
        const QPoint centre = HoleCentre(x0, marker.hole.x, marker.hole.y);
        const Rgb colour = MakeRgb(marker.colour.red(), marker.colour.green(), marker.colour.blue());
        canvas.SetBrush(colour);
        canvas.SetPen(colour);
        canvas.Dot(centre.x(), centre.y(), kMarkerWidth);
    }
}

void BandOverlay::Draw(Canvas& canvas, const LayoutDocument&) const {
    canvas.SetPen(kBandColour, 1, PenStyle::Dot);
    canvas.SetBrush(kBandColour, BrushStyle::Clear);
    // The outline lies inside the box, whose right and bottom edges are exclusive.
    canvas.Rectangle(m_band->left(), m_band->top(), m_band->right() + 1, m_band->bottom() + 1);
}

void GhostOverlay::Draw(Canvas& canvas, const LayoutDocument& doc) const {
    // Through the mapping onto the canvas, so a larger picture of the board
    // gets the ghost in its place and size.
    const HoleMapping map = HoleMapping::OnCanvas(doc, canvas);
    const QPointF topLeft(m_picture.origin);
    const QRectF target(canvas.ToDevice(topLeft), canvas.ToDevice(topLeft + QPointF(m_picture.image.width(),
                                                                                    m_picture.image.height())));
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!m_picture.image.isNull())
        painter.drawImage(target, m_picture.image);
    if (m_ghost->refused) {
        // A refused pair shows red between its holes even where the part
        // cannot be drawn there (a transistor off its line).
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(255, 0, 0, 200), map.Pixels(3), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(map.Centre(m_ghost->source), map.Centre(m_ghost->destination));
    }
}

BoardScene::BoardScene(EditorSession& session)
    : m_session(session),
      m_self(std::make_shared<BoardScene*>(this)),
      m_image(MakeRaster(kBoardImageWidth, kBoardImageHeight)),
      m_pick(kBoardImageWidth, kBoardImageHeight),
      m_showNets(session),
      m_highlight(session) {
    m_overlays = {&m_showNets, &m_highlight, &m_ratsnest, &m_ghost, &m_markers, &m_band};
    std::weak_ptr<BoardScene*> self = m_self;
    session.Observe([self](SessionChange change) {
        const std::shared_ptr<BoardScene*> scene = self.lock();
        if (!scene)
            return;
        if (change == SessionChange::DocumentChanged || change == SessionChange::DocumentReplaced)
            (*scene)->m_showNets.Stale();
        if (change == SessionChange::DocumentChanged || change == SessionChange::DocumentReplaced ||
            change == SessionChange::Selection)
            (*scene)->Invalidate();
        else if (change == SessionChange::Netlist)
            (*scene)->FollowCheck();
        else if (change == SessionChange::Highlight)
            (*scene)->OverlayChanged();
    });
}

BoardScene::~BoardScene() = default;

void BoardScene::Notify() {
    if (m_notify)
        m_notify();
}

void BoardScene::FollowCheck() {
    // The session tells Netlist whenever its check changed, so a ratsnest kept
    // while it is silent is the one of the check as it stands.
    const CheckReport* check = m_session.LatestCheck();
    m_ratsnest.Set(check ? MakeRatsnest(*check) : Ratsnest{});
    OverlayChanged();
}

void BoardScene::SetShowNets(bool on) {
    m_showNets.SetOn(on);
    OverlayChanged();
}

void BoardScene::Invalidate() {
    m_stale = true;
    m_sharpStale = true;
    m_markers.Set({});
    m_shownStale = true;
    Notify();
}

RenderOptions BoardScene::Options(RenderCaches& caches) const {
    RenderOptions options;
    options.reveal = m_reveal;
    options.caches = &caches;
    options.isSelected = [this](pugi::xml_node element) { return m_session.Selection().Contains(element); };
    return options;
}

BoardScene::SharpPicture BoardScene::SharpShown(int scale, const QRect& needed, const QRect& window) {
    scale = std::clamp(scale, 2, kMaxCanvasScale);
    const bool kept = scale == m_sharpScale && m_sharpWindow.contains(needed) && !m_sharpStale;
    if (!m_painting || m_closing || (!kept && window.isEmpty()))
        return {m_sharp, m_sharpWindow};
    const LayoutDocument& doc = m_session.Document();
    if (!kept) {
        const QSize size = window.size() * scale;
        if (m_sharpBoard.size() != size)
            m_sharpBoard = MakeRaster(size.width(), size.height());
        Canvas canvas(m_sharpBoard, {scale, window.topLeft(), QSize(kBoardImageWidth, kBoardImageHeight)});
        PickMap none(0, 0);
        // A drag moves the parts in the document, so the window shows them
        // where they are; only the scale-1 picture takes the drag's shortcut.
        RenderLayout(doc, canvas, none, kBoardImageWidth, kBoardImageHeight, Options(m_sharpCaches));
        m_sharpScale = scale;
        m_sharpWindow = window;
        m_sharpStale = false;
        m_sharpOverlaysStale = true;
        ++m_sharpRenders;
    }
    if (m_sharpOverlaysStale) {
        // The overlays go over a copy, so one that follows the pointer costs
        // the copy and itself, not a render.
        const bool anything = std::any_of(m_overlays.begin(), m_overlays.end(),
                                          [](const BoardOverlay* overlay) { return !overlay->Empty(); });
        if (!anything) {
            m_sharp = m_sharpBoard;
        } else {
            if (m_sharp.size() != m_sharpBoard.size() || m_sharp.constBits() == m_sharpBoard.constBits())
                m_sharp = MakeRaster(m_sharpBoard.width(), m_sharpBoard.height());
            CopyPixels(m_sharpBoard, m_sharp);
            Canvas canvas(m_sharp, {m_sharpScale, m_sharpWindow.topLeft(), QSize(kBoardImageWidth, kBoardImageHeight)});
            for (const BoardOverlay* overlay : m_overlays)
                if (!overlay->Empty())
                    overlay->Draw(canvas, doc);
        }
        m_sharpOverlaysStale = false;
    }
    return {m_sharp, m_sharpWindow};
}

void BoardScene::Render() {
    if (!m_painting || m_closing)
        return;
    const RenderOptions options = Options(m_caches);
    const LayoutDocument& doc = m_session.Document();
    if (m_session.Dragging()) {
        // Only the dragged parts are drawn anew on each step of a drag.
        if (!m_dragPreview.Holds(m_session.DragNumber(), options.reveal))
            m_dragPreview.Begin(
                doc, kBoardImageWidth, kBoardImageHeight, options,
                [this](pugi::xml_node element) { return m_session.DragMoves(element); },
                m_session.DragNumber());
        m_dragPreview.Render(doc, m_image, m_pick);
    } else {
        m_dragPreview.End();
        Canvas canvas(m_image);
        RenderLayout(doc, canvas, m_pick, kBoardImageWidth, kBoardImageHeight, options);
    }
    m_stale = false;
    m_shownStale = true;
    ++m_renders;
}

const QImage& BoardScene::Image() {
    if (m_stale)
        Render();
    return m_image;
}

const PickMap& BoardScene::Pick() {
    if (m_stale)
        Render();
    return m_pick;
}

const QImage& BoardScene::Shown() {
    const QImage& board = Image();
    const bool anything = std::any_of(m_overlays.begin(), m_overlays.end(),
                                      [](const BoardOverlay* overlay) { return !overlay->Empty(); });
    if (!anything)
        return board;
    if (m_shownStale) {
        if (m_shown.size() != board.size())
            m_shown = MakeRaster(board.width(), board.height());
        CopyPixels(board, m_shown);
        Canvas canvas(m_shown);
        for (const BoardOverlay* overlay : m_overlays)
            if (!overlay->Empty())
                overlay->Draw(canvas, m_session.Document());
        m_shownStale = false;
    }
    return m_shown;
}

void BoardScene::SetReveal(bool on) {
    m_reveal = on;
    Invalidate();
}

void BoardScene::ShowMarkers(std::vector<HoleMarker> markers) {
    m_markers.Set(std::move(markers));
    OverlayChanged();
}

void BoardScene::ShowBand(std::optional<QRect> band) {
    if (band == m_band.Band())
        return;
    m_band.Set(band);
    OverlayChanged();
}

void BoardScene::ShowGhost(const std::optional<PlacementGhost>& ghost) {
    if (ghost == m_ghost.Ghost())
        return;
    m_ghost.Set(ghost, ghost ? RenderGhost(m_session.Document(), *ghost, m_session.Placement().defaults)
                             : GhostPicture());
    OverlayChanged();
}

void BoardScene::AddOverlay(const BoardOverlay* overlay) {
    m_overlays.push_back(overlay);
    OverlayChanged();
}

void BoardScene::RemoveOverlay(const BoardOverlay* overlay) {
    m_overlays.erase(std::remove(m_overlays.begin(), m_overlays.end(), overlay), m_overlays.end());
    OverlayChanged();
}

void BoardScene::OverlayChanged() {
    m_shownStale = true;
    m_sharpOverlaysStale = true;
    Notify();
}

}  // namespace sw
