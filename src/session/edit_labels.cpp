// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/edit_labels.h"

#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"

#include <QSet>

namespace sw {

QString EditLabel(const QString& verb, const std::vector<pugi::xml_node>& parts) {
    QSet<QString> names;
    for (pugi::xml_node part : parts)
        if (!IsKind(part, kind::SolderPad))
            names.insert(TextAttr(part, "Name"));
    std::vector<pugi::xml_node> own;
    for (pugi::xml_node part : parts) {
        const bool carried = IsKind(part, kind::SolderPad) && !TextAttr(part, "Parent").isEmpty() &&
                             names.contains(TextAttr(part, "Parent"));
        if (!carried)
            own.push_back(part);
    }
    if (own.empty())
        return verb;
    if (own.size() == 1) {
        const QString name = TextAttr(own.front(), "Name");
        if (!name.isEmpty())
            return verb + QLatin1Char(' ') + Excerpt(name);
    }
    return verb + QStringLiteral(" %1 ").arg(own.size()) +
           (own.size() == 1 ? QStringLiteral("part") : QStringLiteral("parts"));
}

}  // namespace sw
