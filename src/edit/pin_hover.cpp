// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/pin_hover.h"

#include "edit/editor_host.h"
#include "edit/selection.h"
#include "edit/net_lighting.h"
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

// A part's name as a note shows it; the kind's caption when it has none.
QString ShownName(pugi::xml_node element) {
    const QString name = Excerpt(QString::fromUtf8(element.attribute("Name").value()));
    return name.isEmpty() ? QLatin1String(FindKind(element.name())->toolboxCaption) : name;
}

}  // namespace

QString PinsAtHole(const LayoutDocument& doc, Hole hole) {
    QStringList pins;
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (IsAnyKind(element, kCopperKinds))
            return;
        for (const ElementPin& pin : ElementPins(element)) {
            if (pin.hole != hole)
                continue;
            pins << QStringLiteral("%1 pin %2%3").arg(ShownName(element)).arg(pin.number).arg(RoleText(pin.role));
        }
    });
    return pins.join(QStringLiteral(", "));
}

QString PartNote(const LayoutDocument& doc, unsigned key) {
    const pugi::xml_node element = ComponentOfKey(doc, key);
    if (!element)
        return {};
    const QString value = Excerpt(QString::fromUtf8(element.attribute("Value").value()));
    return value.isEmpty() ? ShownName(element) : ShownName(element) + QStringLiteral(": ") + value;
}

bool PinHover::Press(const PointerEvent&) {
    PointerLeft();
    return false;
}

void PinHover::Hover(const PointerEvent& event) {
    const int x = event.pixel.x(), y = event.pixel.y();
    std::optional<Hole> hole;
    if (IsNearHole(x, y)) {
        const QPoint p = PointToHole(x, y, m_host.Document().BoardWidth());
        hole = Hole{p.x(), p.y()};
    }
    if (m_hole == hole && m_key == event.key)
        return;
    m_hole = hole;
    m_key = event.key;
    const QString pins = PinNoteAt(hole);
    // On a hole with pins the pins and their net; elsewhere on a body, the part.
    Show(pins, pins.isEmpty() ? PartNote(m_host.Document(), event.key) : QString());
}

QString PinHover::PinNoteAt(std::optional<Hole> hole) const {
    QString pins = hole ? PinsAtHole(m_host.Document(), *hole) : QString();
    if (!pins.isEmpty())
        pins += QStringLiteral("; ") + PinNetText(m_host.Document(), *hole, m_host.Nets());
    return pins;
}

void PinHover::DocumentChanged() {
    // The pick key under the pointer is the next picture's: the next move
    // looks again.
    m_key = 0;
    Show(PinNoteAt(m_hole), {});
}

void PinHover::PointerLeft() {
    m_hole.reset();
    m_key = 0;
    Show({}, {});
}

void PinHover::Show(const QString& pins, const QString& part) {
    if (pins != m_shown) {
        m_shown = pins;
        m_host.ShowPinNote(pins);
    }
    if (part != m_partShown) {
        m_partShown = part;
        m_host.ShowPartNote(part);
    }
}

}  // namespace sw
