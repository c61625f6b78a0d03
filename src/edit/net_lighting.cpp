// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/net_lighting.h"

#include "analysis/copper_nets.h"
#include "analysis/netlist_check.h"
#include "model/catalogue.h"
#include "model/element_pins.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "netlist/netlist.h"
#include "render/board_geometry.h"

#include <QStringList>
#include <algorithm>

namespace sw {
namespace {

// Pads, jumpers and wires are copper, not parts with pins.
constexpr kind::Index kCopperKinds[] = {kind::SolderPad, kind::Jumper, kind::Wire};

// The caption lists this many pins, then says how many more there are.
constexpr int kCaptionPins = 30;

struct LitPiece {
    LayoutCopper copper;
    CopperPiece piece;
    QStringList pins;        // "R1.2", in document order
    std::vector<Hole> pinHoles;
    QStringList netlistNets;  // the netlist's nets of the pins on it, in netlist order
};

QString PartName(pugi::xml_node element) {
    const QString name = Excerpt(QString::fromUtf8(element.attribute("Name").value()));
    return name.isEmpty() ? QLatin1String(FindKind(element.name())->toolboxCaption) : name;
}

LitPiece PieceAt(const LayoutDocument& doc, Hole hole, const NetNames& names) {
    LitPiece lit;
    lit.copper = ReadLayoutCopper(doc);
    lit.piece = CopperPieceAt(lit.copper, hole, BoardImageHoles(doc));
    // The hole itself is on it even where the board image cannot show it.
    auto onPiece = [&](Hole h) { return h == hole || lit.piece.Holds(h); };
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (!KindOf(element) || IsAnyKind(element, kCopperKinds))
            return;
        for (const ElementPin& pin : ElementPins(element))
            if (onPiece(pin.hole)) {
                lit.pins << QStringLiteral("%1.%2").arg(PartName(element)).arg(pin.number);
                lit.pinHoles.push_back(pin.hole);
            }
    });
    if (names.netlist && names.check) {
        std::vector<int> nets;
        for (const PinOnNet& p : names.check->pins)
            if (p.net >= 0 && std::size_t(p.net) < names.netlist->nets.size() && onPiece(p.hole))
                nets.push_back(p.net);
        std::sort(nets.begin(), nets.end());
        nets.erase(std::unique(nets.begin(), nets.end()), nets.end());
        for (int n : nets)
            lit.netlistNets << QString::fromStdString(names.netlist->nets[std::size_t(n)]);
    }
    return lit;
}

// The netlist's name, "GND + VCC (short)" where the copper joins nets, or
// empty when no netlist pin is on it.
QString NetlistName(const LitPiece& lit) {
    if (lit.netlistNets.size() > 1)
        return lit.netlistNets.join(QStringLiteral(" + ")) + QStringLiteral(" (short)");
    return lit.netlistNets.isEmpty() ? QString() : lit.netlistNets.front();
}

}  // namespace

HoleBox BoardImageHoles(const LayoutDocument& doc) {
    const int x0 = BoardOriginX(kBoardImageWidth, doc.BoardWidth());
    // Columns whose centre x0 + 20 X and rows whose centre 190 + 20 Y lie on the image.
    auto ceilDiv = [](long long a, long long b) { return int(a >= 0 ? (a + b - 1) / b : -((-a) / b)); };
    auto floorDiv = [](long long a, long long b) { return int(a >= 0 ? a / b : -((-a + b - 1) / b)); };
    return {{ceilDiv(-static_cast<long long>(x0), kHolePitch), ceilDiv(-190, kHolePitch)},
            {floorDiv(kBoardImageWidth - 1LL - x0, kHolePitch), floorDiv(kBoardImageHeight - 1 - 190, kHolePitch)}};
}

NetHighlight LightNet(const LayoutDocument& doc, Hole hole, const NetNames& names) {
    const LitPiece lit = PieceAt(doc, hole, names);
    NetHighlight out;
    out.holes = lit.piece.Holes();
    for (const std::size_t i : lit.piece.links)
        out.links.push_back({lit.copper.links[i].a, lit.copper.links[i].b});
    out.pins = lit.pinHoles;
    std::sort(out.pins.begin(), out.pins.end(), [](Hole a, Hole b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    out.pins.erase(std::unique(out.pins.begin(), out.pins.end()), out.pins.end());
    if (lit.pins.isEmpty()) {
        out.caption = QStringLiteral("Copper at X: %1 Y: %2, no pins on it").arg(hole.x).arg(hole.y);
        return out;
    }
    QString name = NetlistName(lit);
    if (name.isEmpty())
        name = QStringLiteral("Net of ") + lit.pins.front();
    QStringList shown = lit.pins.mid(0, kCaptionPins);
    if (lit.pins.size() > kCaptionPins)
        shown << QStringLiteral("and %1 more").arg(lit.pins.size() - kCaptionPins);
    out.caption = name + QStringLiteral(": ") + shown.join(QStringLiteral(", "));
    return out;
}

QString PinNetText(const LayoutDocument& doc, Hole hole, const NetNames& names) {
    const LitPiece lit = PieceAt(doc, hole, names);
    if (lit.pins.isEmpty())
        return {};
    const QString name = NetlistName(lit);
    if (!name.isEmpty())
        return QStringLiteral("net ") + name;
    return lit.pins.size() == 1 ? QStringLiteral("alone on its copper") : QStringLiteral("net of ") + lit.pins.front();
}

}  // namespace sw
