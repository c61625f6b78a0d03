// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the tests make it: every dialog scripted, no file-type
// registration at start-up, and the "Wingdings" font taken as installed.

#include "scripted_dialogs.h"
#include "render/board_geometry.h"
#include "ui/main_form.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <memory>

namespace sw::test {

inline MainFormOptions TestFormOptions(ScriptedDialogs& dialogs, QStringList arguments = {}) {
    MainFormOptions options;
    options.arguments = std::move(arguments);
    options.dialogs = &dialogs;
    options.registerFileType = false;
    options.hasWingdings = [] { return true; };
    return options;
}

// The window opened on `text`, written to `path` first, maximised as a user
// first sees it.
inline std::unique_ptr<TMainForm> OpenWindowOn(const QString& path, const char* text, ScriptedDialogs& dialogs) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    file.close();
    auto form = std::make_unique<TMainForm>(TestFormOptions(dialogs, {path}));
    form->MaximiseAfterStart();
    QApplication::processEvents();
    return form;
}

// Where hole (x, y) of a board `boardWidth` columns wide lies in the window's board view.
inline QPoint HoleInView(const TMainForm& form, int x, int y, int boardWidth) {
    const QPoint pixel = HoleCentre(BoardOriginX(kBoardImageWidth, boardWidth), x, y);
    return form.Zoom().ToView(QPointF(pixel)).toPoint();
}

}  // namespace sw::test
