// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layout_validation.h"

#include "model/layout_document.h"
#include "model/text_bounds.h"

#include <climits>
#include <cstring>

namespace sw {
namespace {

// The element as a message names it; a name from the file is quoted short.
QString Describe(pugi::xml_node node) {
    const QString name = TextAttr(node, "Name");
    if (name.isEmpty())
        return QStringLiteral("%1 without a name").arg(QString::fromUtf8(node.name()));
    return QStringLiteral("%1 \"%2\"").arg(QString::fromUtf8(node.name()), Excerpt(name));
}

// Digits with an optional sign: a number, even when it does not fit.
bool IsDecimalNumber(const char* text) {
    if (*text == '+' || *text == '-')
        ++text;
    if (*text == '\0')
        return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return false;
    return true;
}

// What is wrong with an integer attribute, as a sentence; empty when it is sound.
QString CheckInt(pugi::xml_node node, const char* attr, const QString& what) {
    pugi::xml_attribute a = node.attribute(attr);
    if (!a)
        return QStringLiteral("%1 has no %2.").arg(what, QLatin1String(attr));
    if (!ParseInt(a.value()))
        return QStringLiteral("%1 has %2=\"%3\", which is %4.")
            .arg(what, QLatin1String(attr), Excerpt(QString::fromUtf8(a.value())),
                 IsDecimalNumber(a.value())
                     ? QStringLiteral("out of range (%1 to %2)").arg(INT_MIN).arg(INT_MAX)
                     : QStringLiteral("not an integer"));
    return {};
}

QString Damaged(const QString& problem) {
    return problem.isEmpty() ? problem : QStringLiteral("The layout is damaged: ") + problem;
}

}  // namespace

QString FindComponentDamage(pugi::xml_node component) {
    const bool oneHole = LayoutDocument::IsOneHoleKind(component.name());
    for (const char* attr : {"X1", "Y1", "X2", "Y2"}) {
        if (oneHole && attr[1] == '2')
            break;
        const QString problem = CheckInt(component, attr, Describe(component));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString FindLayoutDamage(const pugi::xml_document& doc) {
    pugi::xml_node root = doc.document_element();
    if (!root)
        return QStringLiteral("The file holds no layout: it has no root element.");
    // The parser takes a second top-level element without complaint; such a file
    // is not well-formed XML, and saving would write both roots back.
    for (pugi::xml_node other = root.next_sibling(); other; other = other.next_sibling())
        if (other.type() == pugi::node_element)
            return QStringLiteral("The file is not a layout: it has more than one root element.");
    if (std::strcmp(root.name(), "Layout") != 0)
        return QStringLiteral("The file is not a layout: its root element is <%1>, not <Layout>.")
            .arg(Excerpt(QString::fromUtf8(root.name())));
    for (const char* attr : {"Width", "Height"}) {
        const QString problem = Damaged(CheckInt(root, attr, QStringLiteral("the layout")));
        if (!problem.isEmpty())
            return problem;
    }
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || !LayoutDocument::IsComponentKind(child.name()))
            continue;
        const QString problem = Damaged(FindComponentDamage(child));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

}  // namespace sw
