#pragma once
// The dialog seam: every modal interaction of the windows goes through this one
// interface. The Qt implementation shows the real dialogs; tests install a
// scripted one that answers in turn and records what was asked, so a whole
// command can be tested without a screen.

#include <QString>
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

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MessageAnswer Message(MessageKind kind, const QString& text, MessageButtons buttons) = 0;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    // The chosen path (the dialog asks before overwriting), or nothing when cancelled.
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
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
