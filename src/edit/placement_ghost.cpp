// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/placement_ghost.h"

#include "edit/netlist_placing.h"
#include "edit/placement_rules.h"
#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/blend.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"

#include <algorithm>

namespace sw {
namespace {

constexpr kind::Index kColouredKinds[] = {kind::SolderPad, kind::Trace, kind::Wire};

// The element the placement would write, alone in a layout of the same board.
void WriteGhostElement(LayoutDocument& ghostDoc, const LayoutDocument& doc, const CatalogueEntry& entry,
                       const PlacementGhost& ghost, const PlacementDefaults& defaults) {
    pugi::xml_node root = ghostDoc.Root();
    for (const char* name : {"Type", "Width", "Height"})
        SetAttr(root, name, TextAttr(doc.Root(), name));
    pugi::xml_node element = ghostDoc.AppendComponent(entry.element);
    const QString colour = defaults.lastColour.isEmpty() ? QStringLiteral("Black") : defaults.lastColour;
    if (IsKind(element, kind::SolderPad))
        SetAttr(element, "Value", defaults.padSize);
    else if (IsKind(element, kind::Trace))
        SetAttr(element, "Value", QString::number(defaults.traceWidth) + QStringLiteral("px"));
    if (IsAnyKind(element, kColouredKinds))
        SetAttr(element, "Color", colour);
    if (IsKind(element, kind::Wire))
        SetAttr(element, "Seed", 1);
    SetAttr(element, "X1", ghost.source.x);
    SetAttr(element, "Y1", ghost.source.y);
    if (!entry.oneClick) {
        SetAttr(element, "X2", ghost.destination.x);
        SetAttr(element, "Y2", ghost.destination.y);
    }
    // A target that left the document names nothing: the part is placed as a new one.
    const bool replacing = ghost.replacing && doc.KeyOf(ghost.replacing) != 0;
    QString name = replacing ? TextAttr(ghost.replacing, "Name") : ghost.netlistName;
    if (!replacing && name.isEmpty())
        name = doc.NextFreeName(QLatin1String(entry.prefix));
    SetAttr(element, "Name", name);
}

// The box of the pixels that are not `key`; empty when every pixel is.
QRect DrawnBox(const QImage& image, QRgb key) {
    int left = image.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int first = 0;
        while (first < image.width() && (row[first] & 0xFFFFFF) == key)
            ++first;
        if (first == image.width())
            continue;
        int last = image.width() - 1;
        while ((row[last] & 0xFFFFFF) == key)
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRgb GhostPixel(QRgb pixel, bool refused) {
    int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (refused) {
        // Half the part's own colour, half red: still the part, plainly refused.
        r = (r + qRed(kRefusedRed)) / 2;
        g = (g + qGreen(kRefusedRed)) / 2;
        b = (b + qBlue(kRefusedRed)) / 2;
    }
    const int a = kGhostOpacity;
    return qRgba(r * a / 255, g * a / 255, b * a / 255, a);
}

}  // namespace

std::optional<PlacementGhost> GhostOf(const PlacementState& s, bool overHole) {
    const CatalogueEntry* entry = FindKind(s.kind);
    if (!entry || s.connectivity || s.kind == kind::Text || !overHole)
        return std::nullopt;
    PlacementGhost ghost;
    ghost.kind = s.kind;
    ghost.replacing = s.replaceTarget;
    if (!s.replaceTarget && TakesNetlistName(kind::Index(s.kind)))
        ghost.netlistName = s.fromNetlist.name;
    if (entry->oneClick && s.awaitingFirst) {
        ghost.source = ghost.destination = s.current;
        return ghost;
    }
    if (!s.awaitingSecond || s.current == s.source)
        return std::nullopt;
    ghost.source = s.source;
    ghost.destination = s.current;
    ghost.refused = CheckPlacement(s.kind, s.source, s.current).outcome == PlacementCheck::Outcome::Refuse;
    return ghost;
}

GhostPicture RenderGhost(const LayoutDocument& doc, const PlacementGhost& ghost,
                         const PlacementDefaults& defaults) {
    const CatalogueEntry* entry = FindKind(ghost.kind);
    if (!entry)
        return {};
    LayoutDocument ghostDoc;
    WriteGhostElement(ghostDoc, doc, *entry, ghost, defaults);
    // The part alone over the key colour: every pixel that is not the key is the part's.
    QImage keyed = MakeRaster(kBoardImageWidth, kBoardImageHeight, kKeyColour);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(keyed);
    RenderOptions options;
    options.componentsOnly = true;
    RenderLayout(ghostDoc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    const QImage& raster = canvas.Image();
    const QRect box = DrawnBox(raster, kKeyColour);
    if (box.isEmpty())
        return {};
    GhostPicture picture;
    picture.origin = box.topLeft();
    picture.image = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < box.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(raster.constScanLine(box.top() + y)) + box.left();
        QRgb* to = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
        for (int x = 0; x < box.width(); ++x)
            to[x] = (from[x] & 0xFFFFFF) == kKeyColour ? 0 : GhostPixel(from[x], ghost.refused);
    }
    return picture;
}

}  // namespace sw
