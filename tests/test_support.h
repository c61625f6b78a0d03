#pragma once
// Helpers shared by the tests: where the test data and examples live.

#include <QString>

namespace sw::test {

inline QString DataPath(const QString& name) { return QStringLiteral(SW_TEST_DATA "/") + name; }
inline QString ExamplePath(const QString& name) { return QStringLiteral(SW_EXAMPLES "/") + name; }
inline QString ProgramPath() { return QStringLiteral(SW_PROGRAM); }

}  // namespace sw::test

// GoogleTest shows QStrings as text in failure messages.
#include <ostream>
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
