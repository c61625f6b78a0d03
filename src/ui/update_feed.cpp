// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_feed.h"

#include "model/release.h"

#include <algorithm>
#include <pugixml.hpp>

namespace sw {
namespace {

std::optional<int> ReleaseNumber(const pugi::xml_node& node) {
    const pugi::xml_attribute attr = node.attribute("version");
    if (!attr) return std::nullopt;
    bool ok = false;
    const int number = QString::fromUtf8(attr.value()).trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

}  // namespace

int OurRelease() { return QStringLiteral(SW_VERSION).toInt(); }

std::optional<UpdateFeedReading> ReadUpdateFeed(const QByteArray& text, int ourRelease) {
    pugi::xml_document doc;
    if (!doc.load_buffer(text.constData(), size_t(text.size())))
        return std::nullopt;
    const pugi::xml_node root = doc.document_element();
    if (!root) return std::nullopt;
    const std::optional<int> newest = ReleaseNumber(root);
    if (!newest) return std::nullopt;

    UpdateFeedReading reading;
    if (*newest == ourRelease) {
        reading.upToDate = true;
        return reading;
    }
    reading.date = QString::fromUtf8(root.attribute("date").value());
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() != pugi::node_element) continue;
        const std::optional<int> release = ReleaseNumber(child);
        if (!release) return std::nullopt;
        if (*release > ourRelease)
            reading.lines << QStringLiteral("* ") + QString::fromUtf8(child.attribute("text").value());
    }
    return reading;
}

void SortUpdateLines(QStringList& lines) {
    // QString compares UTF-16 code units: plain character-code order.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& a, const QString& b) { return a < b; });
}

}  // namespace sw
