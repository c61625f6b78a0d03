// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog seam for benchmarks: every question answered yes, every value
// dialog with OK and its proposed name, the Open dialog with `openFile`; and the
// options of a main window that uses it.

#include "edit/dialog_service.h"
#include "ui/main_form.h"

#include <optional>

namespace sw {

class AcceptingDialogs : public DialogService {
public:
    std::optional<QString> openFile;

    MessageAnswer Message(MessageKind, const QString&, MessageButtons) override {
        return MessageAnswer::Yes;
    }
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return openFile; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<QString> InputBox(const QString&, const QString&, const QString& i) override {
        return i;
    }
    bool ShellOpen(const QString&) override { return false; }
    bool HasPrinters() override { return false; }
    bool PrintDialog(QPrinter&) override { return false; }
    std::optional<ValueEditorResult> EditValue(const ValueEditorSetup& setup) override {
        return ValueEditorResult{setup.name, QStringLiteral("10"), QStringLiteral("K"), {}};
    }
    std::optional<LayoutProperties> EditLayoutProperties(const LayoutProperties&) override {
        return std::nullopt;
    }
};

// A main window answered by `dialogs`, with nothing registered, the symbol font
// taken as installed and a fixed banner.
inline MainFormOptions BenchFormOptions(DialogService& dialogs) {
    MainFormOptions options;
    options.dialogs = &dialogs;
    options.registerFileType = false;
    options.hasWingdings = [] { return true; };
    options.bannerSeed = 1;
    return options;
}

}  // namespace sw
