// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/pin_hover.h"

#include "edit/editor_host.h"
#include "model/catalogue.h"
#include "model/element_pins.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "render/board_geometry.h"

#include <QStringList>

namespace sw {
namespace {

QString RoleText(PinRole role) {
    switch (role) {
    case PinRole::Anode:
        return QStringLiteral(" (anode)");
    case PinRole::Cathode:
        return QStringLiteral(" (cathode)");
    case PinRole::Plus:
        return QStringLiteral(" (plus)");
    case PinRole::Minus:
        return QStringLiteral(" (minus)");
    case PinRole::Wiper:
        return QStringLiteral(" (wiper)");
    case PinRole::None:
        break;
    }
    return {};
}

constexpr kind::Index kCopperKinds[] = {kind::SolderPad, kind::Jumper, kind::Wire};

}  // namespace

QString PinsAtHole(const LayoutDocument& doc, Hole hole) {
    QStringList pins;
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (IsAnyKind(element, kCopperKinds))
            return;
        for (const ElementPin& pin : ElementPins(element)) {
            if (pin.hole != hole)
                continue;
            QString name = Excerpt(QString::fromUtf8(element.attribute("Name").value()));
            if (name.isEmpty())
                name = QLatin1String(FindKind(element.name())->toolboxCaption);
            pins << QStringLiteral("%1 pin %2%3").arg(name).arg(pin.number).arg(RoleText(pin.role));
        }
    });
    return pins.join(QStringLiteral(", "));
}

bool PinHover::Press(const PointerEvent&) {
    m_hole.reset();
    Show({});
    return false;
}

void PinHover::Hover(const PointerEvent& event) {
    const int x = event.pixel.x(), y = event.pixel.y();
    if (!IsNearHole(x, y)) {
        m_hole.reset();
        Show({});
        return;
    }
    const QPoint p = PointToHole(x, y, m_host.Document().BoardWidth());
    const Hole hole{p.x(), p.y()};
    if (m_hole == hole)
        return;
    m_hole = hole;
    Show(PinsAtHole(m_host.Document(), hole));
}

void PinHover::PointerLeft() {
    m_hole.reset();
    Show({});
}

void PinHover::Show(const QString& text) {
    if (text == m_shown)
        return;
    m_shown = text;
    m_host.ShowPinNote(text);
}

}  // namespace sw
