// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog seam: every modal interaction of the windows goes through this one
// interface. The Qt implementation shows the real dialogs; tests install a
// scripted one that answers in turn and records what was asked, so a whole
// command can be tested without a screen.

#include "render/export/print_layout.h"

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace sw {

// The four kinds of message box, each with the platform's caption and icon.
enum class MessageKind { Error, Warning, Confirm, Information };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString caption;
    QString filter;            // Qt form, e.g. "SWB Layouts (*.swb);;All Files (*)"
    QString defaultSuffix;     // without the dot, e.g. "swb"
    QString proposedFileName;  // file name or full path shown at first
};

// The two sizes Print offers.
inline const QString kFillPageChoice = QStringLiteral("Fill the page");
inline const QString kActualSizeChoice = QStringLiteral("Actual size (1:1)");

// What the caller puts into the value editor (`TEditForm`) before showing it.
struct ValueEditorSetup {
    QString caption;  // "New component" or "Replace component"
    QString name;
    QString value;
    bool valueEnabled = true;
    QStringList units;
    bool unitsEnabled = true;
    QString unit;  // the unit entry to select; empty selects none
    QStringList extras;
    bool extrasEnabled = false;
    QString extra;  // the extra entry to preselect
    QString extraLabel = QStringLiteral("Extra:");
    // Placing a new component (not replacing one): the first unit is selected
    // when the dialog is shown.
    bool isNew = true;
};

// What the caller reads back after OK.
struct ValueEditorResult {
    QString name;
    QString value;
    QString unit;   // empty when no unit is selected
    QString extra;  // empty when no extra is selected
};

// The layout properties dialog (`TNewForm`): the root attributes it edits.
struct LayoutProperties {
    QString type;  // "Stripboard", "Perfboard", "PCB", or any other text the file holds
    int width = 20;
    int height = 10;
    QString project;
    QString credits;
    bool hideList = false;
    friend bool operator==(const LayoutProperties&, const LayoutProperties&) = default;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MessageAnswer Message(MessageKind kind, const QString& text, MessageButtons buttons) = 0;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    // The chosen path (the dialog asks before overwriting), or nothing when cancelled.
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    // A folder chooser starting in `initialFolder` (may be empty); the chosen
    // folder, or nothing when cancelled.
    virtual std::optional<QString> ChooseFolder(const QString& caption, const QString& initialFolder) = 0;
    // One-line input box; nothing when cancelled.
    virtual std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    // Opens a file or a web address with the desktop's default program.
    virtual bool ShellOpen(const QString& target) = 0;
    // True when the system offers at least one printer (Qt's PDF file output
    // counts as one on Linux, so the real answer is practically always yes).
    virtual bool HasPrinters() = 0;
    // The platform's print dialog, configuring `printer`; false when cancelled.
    // A scripted implementation points the printer at a PDF file instead.
    virtual bool PrintDialog(QPrinter& printer) = 0;
    // The print dialog of Print, which also offers how large the layout is
    // printed: "Fill the page" or "Actual size (1:1)", `size` offered first and
    // holding the choice after OK. A service without the choice asks PrintDialog.
    virtual bool PrintLayoutDialog(QPrinter& printer, PrintSize& /*size*/) { return PrintDialog(printer); }
    // The value editor; nothing when cancelled.
    virtual std::optional<ValueEditorResult> EditValue(const ValueEditorSetup& setup) = 0;
    // The layout properties dialog, filled from `initial`; nothing when cancelled. A type that is none of the three items shows no item
    // selected and comes back unchanged unless the user picks one.
    virtual std::optional<LayoutProperties> EditLayoutProperties(const LayoutProperties& initial) = 0;

    // Shorthands for the common boxes.
    void ShowError(const QString& text) { Message(MessageKind::Error, text, MessageButtons::Ok); }
    void ShowInformation(const QString& text) {
        Message(MessageKind::Information, text, MessageButtons::Ok);
    }
    bool Confirm(const QString& text) {
        return Message(MessageKind::Confirm, text, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
};

}  // namespace sw
