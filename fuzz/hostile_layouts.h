// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hostile layouts too big to keep as files: names and texts of 100 000
// characters, unknown elements nested 10 000 and 20 000 deep, 100 000
// components, a letter with a million accents, credits of 8 MB, names of 2 MB
// and of 50 000 lines in a damaged file. They are made when asked, the same
// bytes every time, for the tests and the benchmark.

#include <QByteArray>
#include <QString>
#include <vector>

namespace sw {

struct GeneratedLayout {
    QString name;
    QByteArray bytes;
};

// Every generated layout, in a fixed order.
std::vector<GeneratedLayout> GeneratedHostileLayouts();
// One of them by name; empty bytes when there is none of that name.
QByteArray GeneratedHostileLayout(const QString& name);

constexpr int kLongText = 100000;
constexpr int kDeepNesting = 10000;
constexpr int kDeeperNesting = 20000;
constexpr int kAccents = 1000000;
constexpr int kLongCredits = 8 * 1024 * 1024;
constexpr int kNameLines = 50000;
constexpr int kManyComponents = 100000;

}  // namespace sw
