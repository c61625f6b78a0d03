// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of the program's own source names its licence on its first line
// (after the "#!" line of a script) as an SPDX identifier: the C++ sources and
// headers of every folder, the CMake files and the scripts. A file added
// without it fails here with its path.

#include "packaging_support.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr char kIdentifier[] = "SPDX-License-Identifier: GPL-3.0-or-later";

// Whether `text` opens with `marker` and the identifier as a line of its own,
// on the first line or on the one after a "#!" line.
bool OpensWithLicenceLine(const QByteArray& text, const QByteArray& marker) {
    QList<QByteArray> lines = text.left(4096).split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("#!"))
        lines.removeFirst();
    return !lines.isEmpty() && lines.first() == marker + ' ' + kIdentifier;
}

TEST(SourceLicence, TheLineIsFirstAndWhole) {
    struct Case {
        const char* text;
        const char* marker;
        bool accepted;
    };
    const Case cases[] = {
        {"// SPDX-License-Identifier: GPL-3.0-or-later\n#pragma once\n", "//", true},
        {"#!/usr/bin/env bash\n# SPDX-License-Identifier: GPL-3.0-or-later\nset -e\n", "#", true},
        {"# SPDX-License-Identifier: GPL-3.0-or-later\ncmake_minimum_required(VERSION 3.25)\n", "#", true},
        {"#pragma once\n// SPDX-License-Identifier: GPL-3.0-or-later\n", "//", false},      // not first
        {"// Copyright\n// SPDX-License-Identifier: GPL-3.0-or-later\n", "//", false},     // under a banner
        {"// SPDX-License-Identifier: GPL-3.0-only\n", "//", false},                        // another licence
        {"//SPDX-License-Identifier: GPL-3.0-or-later\n", "//", false},                     // marker run on
        {"# SPDX-License-Identifier: GPL-3.0-or-later\n", "//", false},                     // wrong comment
        {"#!/bin/sh\n\n# SPDX-License-Identifier: GPL-3.0-or-later\n", "#", false},         // blank line first
        {"", "//", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpensWithLicenceLine(c.text, c.marker), c.accepted) << c.text;
}

TEST(SourceLicence, EverySourceFileCMakeFileAndScriptOpensWithIt) {
    struct Files {
        const char* folder;  // below the top of the repository
        QStringList names;   // wildcards
        bool below;          // the folders below it too
        QByteArray marker;
    };
    const QStringList cxx = {QStringLiteral("*.cpp"), QStringLiteral("*.h")};
    const QStringList cmakeLists = {QStringLiteral("CMakeLists.txt")};
    const Files groups[] = {
        {"src", cxx, true, "//"},
        {"tests", cxx, true, "//"},
        {"bench", cxx, true, "//"},
        {"fuzz", cxx, true, "//"},
        {"tools", cxx, true, "//"},
        {".", cmakeLists, false, "#"},
        {"cmake", {QStringLiteral("*.cmake")}, false, "#"},
        {"scripts", {QStringLiteral("*")}, false, "#"},
        {".ci", {QStringLiteral("*")}, false, "#"},
    };
    for (const Files& group : groups) {
        const QString folder = QStringLiteral(SW_SOURCE_DIR "/") + QLatin1String(group.folder);
        QStringList lacking;
        int seen = 0;
        for (QDirIterator it(folder, group.names, QDir::Files | QDir::Hidden,
                             group.below ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
             it.hasNext();) {
            const QString path = it.next();
            ++seen;
            if (!OpensWithLicenceLine(test::ReadFile(path), group.marker))
                lacking << QDir(QStringLiteral(SW_SOURCE_DIR)).relativeFilePath(path);
        }
        // A folder that is empty or missing would pass the check unseen.
        EXPECT_GT(seen, 0) << group.folder;
        EXPECT_TRUE(lacking.isEmpty()) << "these files do not open with \"" << group.marker.constData() << ' '
                                       << kIdentifier << "\":\n  " << lacking.join(QStringLiteral("\n  ")).toStdString();
    }
}

}  // namespace
}  // namespace sw
