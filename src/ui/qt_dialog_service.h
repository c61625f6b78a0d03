// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog seam on real Qt dialogs, owned by the main window.

#include "edit/dialog_service.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace sw {

class TEditForm;
class TNewForm;

// The address ShellOpen hands to the desktop: a text that starts with a scheme
// of two or more characters ("http://...", "mailto:...") as it is, anything
// else (a path, "C:/...") as a local file.
QUrl ShellTargetUrl(const QString& target);

class QtDialogService : public DialogService {
public:
    // Dialogs are centred on `parent`.
    explicit QtDialogService(QWidget* parent);
    ~QtDialogService() override;

    MessageAnswer Message(MessageKind kind, const QString& text, MessageButtons buttons) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const QString& caption, const QString& initialFolder) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    bool ShellOpen(const QString& target) override;
    bool HasPrinters() override;
    bool PrintDialog(QPrinter& printer) override;
    bool PrintLayoutDialog(QPrinter& printer, PrintSize& size) override;
    std::optional<ValueEditorResult> EditValue(const ValueEditorSetup& setup) override;
    std::optional<LayoutProperties> EditLayoutProperties(const LayoutProperties& initial) override;

private:
    QPointer<QWidget> m_parent;
    // One instance of each dialog for the whole run, created on first use.
    TEditForm* m_editForm = nullptr;
    TNewForm* m_newForm = nullptr;
};

}  // namespace sw
