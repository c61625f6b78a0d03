// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bill_of_materials.h"

#include "analysis/kind_analysis.h"
#include "model/atomic_file.h"
#include "model/layout_document.h"
#include "model/web_addresses.h"

#include <algorithm>

namespace sw {
namespace {

QString PartLine(pugi::xml_node e) { return TextAttr(e, "Name") + QStringLiteral(": ") + TextAttr(e, "Value"); }

}  // namespace

QStringList BillOfMaterialsParts(const LayoutDocument& doc) {
    QStringList parts;
    for (pugi::xml_node e = doc.Root().first_child(); e; e = e.next_sibling()) {
        const KindAnalysis* kind = e.type() == pugi::node_element ? AnalysisOf(e) : nullptr;
        if (!kind || kind->billOfMaterials == Listing::Never)
            continue;
        const bool hasValue = !TextAttr(e, "Value").isEmpty();
        if (kind->billOfMaterials == Listing::Always || (kind->billOfMaterials == Listing::WithValue && hasValue))
            parts << PartLine(e);
        else if (kind->billOfMaterials == Listing::WithValueAndTaper && hasValue)
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
