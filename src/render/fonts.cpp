// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace sw {
namespace {

const char* const kWineFonts = "/usr/share/wine/fonts/";

bool HasFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void RegisterIfMissing(const QString& family, const char* file) {
    if (!HasFamily(family))
        QFontDatabase::addApplicationFont(QString::fromLatin1(kWineFonts) + QLatin1String(file));
}

}  // namespace

void RegisterFonts() {
    // Only the regular Tahoma face: the wine bold face has the regular outlines
    // with wider advances, so Qt's synthetic emboldening of the regular face is
    // what a bold label should look like.
    RegisterIfMissing(QStringLiteral("Tahoma"), "tahoma.ttf");
    RegisterIfMissing(QStringLiteral("Wingdings"), "wingding.ttf");
}

bool HasWingdings() { return HasFamily(QStringLiteral("Wingdings")); }

}  // namespace sw
