// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bill_of_materials.h"

#include "model/atomic_file.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/web_addresses.h"

#include <algorithm>

namespace sw {
namespace {

// Kinds listed whatever their value; a relay only with one (pots have their own
// pass). Wires, jumpers, cuts, traces, pads, text and jacks are not parts to buy.
constexpr kind::Index kListedKinds[] = {
    kind::Resistor, kind::Capacitor, kind::Electrolyte, kind::DilIc,   kind::SilIc,  kind::Diode,
    kind::Transistor, kind::Transformer, kind::Led,     kind::Trimmer, kind::Switch, kind::TubeSocket};

QString PartLine(pugi::xml_node e) { return TextAttr(e, "Name") + QStringLiteral(": ") + TextAttr(e, "Value"); }

}  // namespace

QStringList BillOfMaterialsParts(const LayoutDocument& doc) {
    QStringList parts;
    pugi::xml_node root = doc.Root();
    for (pugi::xml_node e = root.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element)
            continue;
        if (IsAnyKind(e, kListedKinds) ||
            (IsKind(e, kind::Relay) && !TextAttr(e, "Value").isEmpty()))
            parts << PartLine(e);
    }
    for (pugi::xml_node e = root.child("Pot"); e; e = e.next_sibling("Pot")) {
        if (!TextAttr(e, "Value").isEmpty())
            parts << PartLine(e) + QLatin1Char(' ') + TextAttr(e, "Taper");
    }
    // Plain code-unit order, case-sensitive, no numeric ordering.
    std::sort(parts.begin(), parts.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return parts;
}

QStringList BillOfMaterialsLines(const LayoutDocument& doc) {
    QStringList lines;
    lines << QStringLiteral("Project: ") + doc.GetRootAttribute("Project").value_or(QString())
          << QStringLiteral("Credits: ") + doc.GetRootAttribute("Credits").value_or(QString())
          << QString();
    lines << BillOfMaterialsParts(doc);
    // An empty line, the stamp line (empty) and the home page.
    lines << QString() << QString() << web::HomePage();
    return lines;
}

QByteArray BillOfMaterialsText(const LayoutDocument& doc) {
    QByteArray bytes;
    for (const QString& line : BillOfMaterialsLines(doc)) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

WriteResult WriteBillOfMaterials(const LayoutDocument& doc, const QString& path) {
    return WriteFileAtomically(path, BillOfMaterialsText(doc));
}

}  // namespace sw
