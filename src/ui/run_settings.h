// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program keeps no settings between runs. Qt's file dialog writes its
// history, sidebar and column widths to QSettings ("QtProject") whenever one
// closes; while a RunSettings lives, every user-scope QSettings file goes into
// a folder of its own that is removed with it, so the dialogs remember within
// the run and nothing is left under ~/.config.

#include <QTemporaryDir>

namespace sw {

class RunSettings {
public:
    RunSettings();
    // Where the run's settings go; empty when no folder could be made (the
    // settings then go nowhere).
    QString Folder() const;

private:
    QTemporaryDir m_folder;
};

}  // namespace sw
