// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_settings.h"

#include <QDir>
#include <QSettings>

namespace sw {

RunSettings::RunSettings() : m_folder(QDir::tempPath() + QStringLiteral("/stripwright-settings-XXXXXX")) {
    // A folder that cannot be made leaves a path under which no file can be
    // written either, rather than the user's own.
    const QString folder = m_folder.isValid() ? m_folder.path() : QStringLiteral("/dev/null");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

QString RunSettings::Folder() const { return m_folder.isValid() ? m_folder.path() : QString(); }

}  // namespace sw
