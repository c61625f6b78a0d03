// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the tests make it: every dialog scripted, no file-type
// registration at start-up, and the "Wingdings" font taken as installed.

#include "scripted_dialogs.h"
#include "ui/main_form.h"

#include <QStringList>

namespace sw::test {

inline MainFormOptions TestFormOptions(ScriptedDialogs& dialogs, QStringList arguments = {}) {
    MainFormOptions options;
    options.arguments = std::move(arguments);
    options.dialogs = &dialogs;
    options.registerFileType = false;
    options.hasWingdings = [] { return true; };
    return options;
}

}  // namespace sw::test
