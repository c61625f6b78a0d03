// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the tests: where the test data and examples live, and a
// part placed as the placement tool would place it.

#include "model/layout_document.h"

#include <QString>

namespace sw::test {

inline QString DataPath(const QString& name) { return QStringLiteral(SW_TEST_DATA "/") + name; }
inline QString ExamplePath(const QString& name) { return QStringLiteral(SW_EXAMPLES "/") + name; }
inline QString ProgramPath() { return QStringLiteral(SW_PROGRAM); }

// Appends a resistor from hole (2, 2) to (5, 2) named "R" (a bare element
// would make a document that does not load again).
inline pugi::xml_node AddResistor(LayoutDocument& doc) {
    pugi::xml_node part = doc.AppendComponent("Resistor");
    for (const char* attribute : {"X1", "Y1", "Y2"})
        SetAttr(part, attribute, 2);
    SetAttr(part, "X2", 5);
    SetAttr(part, "Name", QStringLiteral("R"));
    return part;
}

}  // namespace sw::test

// GoogleTest shows QStrings as text in failure messages.
#include <ostream>
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
