// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A DialogService for tests: it answers from a script, in turn, and records
// every question asked, so a whole command runs without a screen.
//
//   ScriptedDialogs dialogs;
//   dialogs.AnswerSaveFile(dir.filePath("bom.txt"));
//   ExportBillOfMaterials(doc, dialogs);
//   EXPECT_EQ(dialogs.Calls().size(), 1u);
//
// Each kind of dialog has its own queue of answers. A dialog shown with no
// answer left in its queue fails the running test (and then answers "cancel":
// No / Cancel / nothing), so an unexpected dialog never passes unseen. Shell
// opens are recorded and succeed unless scripted otherwise.

#include "edit/dialog_service.h"

#include <QPrinter>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace sw::test {

class ScriptedDialogs : public DialogService {
public:
    enum class Type {
        Message, OpenFile, SaveFile, ChooseFolder, InputBox, ShellOpen, PrintDialog, EditValue,
        LayoutProperties
    };

    struct Call {
        Type type = Type::Message;
        // Message
        MessageKind kind = MessageKind::Information;
        MessageButtons buttons = MessageButtons::Ok;
        QString text;  // message text; InputBox prompt; ShellOpen target; PDF of a print
        // OpenFile, SaveFile
        FileDialogRequest request;
        // InputBox, ChooseFolder (the initial folder)
        QString caption;
        QString initial;
        // EditValue: how the value editor was set up
        ValueEditorSetup valueSetup;
        // LayoutProperties: what the dialog was filled with
        sw::LayoutProperties properties;
        // PrintDialog of Print: the size offered first (none for the other prints)
        std::optional<PrintSize> printSize;
    };

    // Script the answers, consumed in order per dialog kind.
    ScriptedDialogs& AnswerMessage(MessageAnswer answer) {
        m_messages.push_back(answer);
        return *this;
    }
    ScriptedDialogs& AnswerOpenFile(std::optional<QString> path) {
        m_openFiles.push_back(std::move(path));
        return *this;
    }
    ScriptedDialogs& AnswerSaveFile(std::optional<QString> path) {
        m_saveFiles.push_back(std::move(path));
        return *this;
    }
    ScriptedDialogs& AnswerChooseFolder(std::optional<QString> folder) {
        m_folders.push_back(std::move(folder));
        return *this;
    }
    ScriptedDialogs& AnswerInput(std::optional<QString> text) {
        m_inputs.push_back(std::move(text));
        return *this;
    }
    ScriptedDialogs& AnswerShellOpen(bool opened) {
        m_shellOpens.push_back(opened);
        return *this;
    }
    // A print dialog confirmed by printing to this PDF file, or cancelled (nothing).
    // Print's dialog also takes `size` as the choice made (none: the one offered stays).
    ScriptedDialogs& AnswerPrintDialog(std::optional<QString> pdfPath,
                                       std::optional<PrintSize> size = std::nullopt) {
        m_prints.push_back(std::move(pdfPath));
        m_printSizes.push_back(size);
        return *this;
    }
    // The value editor confirmed with these fields, or cancelled (nothing).
    ScriptedDialogs& AnswerEditValue(std::optional<ValueEditorResult> result) {
        m_values.push_back(std::move(result));
        return *this;
    }
    // The layout properties dialog confirmed with these values, or cancelled.
    ScriptedDialogs& AnswerLayoutProperties(std::optional<sw::LayoutProperties> result) {
        m_properties.push_back({false, std::move(result)});
        return *this;
    }
    // The layout properties dialog confirmed with OK and its fields untouched.
    ScriptedDialogs& AcceptLayoutProperties() {
        m_properties.push_back({true, std::nullopt});
        return *this;
    }

    // What HasPrinters answers (true unless set).
    ScriptedDialogs& SetHasPrinters(bool has) {
        m_hasPrinters = has;
        return *this;
    }
    // Message boxes with only an OK button are answered OK without a script.
    ScriptedDialogs& AutoAcknowledge(bool on = true) {
        m_autoOk = on;
        return *this;
    }

    const std::vector<Call>& Calls() const { return m_calls; }
    // The calls of one type, in order.
    std::vector<Call> CallsOf(Type type) const {
        std::vector<Call> out;
        for (const Call& c : m_calls)
            if (c.type == type)
                out.push_back(c);
        return out;
    }
    // True when every scripted answer has been used.
    bool ScriptUsedUp() const {
        return m_messages.empty() && m_openFiles.empty() && m_saveFiles.empty() &&
               m_folders.empty() && m_inputs.empty() && m_shellOpens.empty() && m_prints.empty() &&
               m_values.empty() && m_properties.empty();
    }

    MessageAnswer Message(MessageKind kind, const QString& text, MessageButtons buttons) override {
        Call c;
        c.type = Type::Message;
        c.kind = kind;
        c.buttons = buttons;
        c.text = text;
        m_calls.push_back(c);
        if (m_messages.empty()) {
            if (m_autoOk && buttons == MessageButtons::Ok)
                return MessageAnswer::Ok;
            ADD_FAILURE() << "unscripted message box: " << text.toStdString();
            return buttons == MessageButtons::YesNo ? MessageAnswer::No
                   : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                         : MessageAnswer::Ok;
        }
        return Take(m_messages);
    }

    std::optional<QString> OpenFile(const FileDialogRequest& request) override {
        Call c;
        c.type = Type::OpenFile;
        c.request = request;
        m_calls.push_back(c);
        if (m_openFiles.empty()) {
            ADD_FAILURE() << "unscripted open dialog: " << request.caption.toStdString();
            return std::nullopt;
        }
        return Take(m_openFiles);
    }

    std::optional<QString> SaveFile(const FileDialogRequest& request) override {
        Call c;
        c.type = Type::SaveFile;
        c.request = request;
        m_calls.push_back(c);
        if (m_saveFiles.empty()) {
            ADD_FAILURE() << "unscripted save dialog: " << request.caption.toStdString();
            return std::nullopt;
        }
        return Take(m_saveFiles);
    }

    std::optional<QString> ChooseFolder(const QString& caption, const QString& initialFolder) override {
        Call c;
        c.type = Type::ChooseFolder;
        c.caption = caption;
        c.initial = initialFolder;
        m_calls.push_back(c);
        if (m_folders.empty()) {
            ADD_FAILURE() << "unscripted folder dialog: " << caption.toStdString();
            return std::nullopt;
        }
        return Take(m_folders);
    }

    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override {
        Call c;
        c.type = Type::InputBox;
        c.caption = caption;
        c.text = prompt;
        c.initial = initial;
        m_calls.push_back(c);
        if (m_inputs.empty()) {
            ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
            return std::nullopt;
        }
        return Take(m_inputs);
    }

    bool ShellOpen(const QString& target) override {
        Call c;
        c.type = Type::ShellOpen;
        c.text = target;
        m_calls.push_back(c);
        return m_shellOpens.empty() ? true : Take(m_shellOpens);
    }

    bool HasPrinters() override { return m_hasPrinters; }

    bool PrintDialog(QPrinter& printer) override {
        Call c;
        c.type = Type::PrintDialog;
        m_calls.push_back(c);
        if (m_prints.empty()) {
            ADD_FAILURE() << "unscripted print dialog";
            return false;
        }
        const std::optional<QString> pdf = Take(m_prints);
        m_chosenSize = Take(m_printSizes);
        if (!pdf)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*pdf);
        m_calls.back().text = *pdf;
        return true;
    }

    bool PrintLayoutDialog(QPrinter& printer, PrintSize& size) override {
        const PrintSize offered = size;
        const bool printed = PrintDialog(printer);
        m_calls.back().printSize = offered;
        if (printed && m_chosenSize)
            size = *m_chosenSize;
        return printed;
    }

    std::optional<ValueEditorResult> EditValue(const ValueEditorSetup& setup) override {
        Call c;
        c.type = Type::EditValue;
        c.caption = setup.caption;
        c.valueSetup = setup;
        m_calls.push_back(c);
        if (m_values.empty()) {
            ADD_FAILURE() << "unscripted value editor: " << setup.caption.toStdString();
            return std::nullopt;
        }
        return Take(m_values);
    }

    std::optional<sw::LayoutProperties> EditLayoutProperties(
        const sw::LayoutProperties& initial) override {
        Call c;
        c.type = Type::LayoutProperties;
        c.properties = initial;
        m_calls.push_back(c);
        if (m_properties.empty()) {
            ADD_FAILURE() << "unscripted layout properties dialog";
            return std::nullopt;
        }
        const PropertiesAnswer answer = Take(m_properties);
        if (answer.asShown)
            return initial;
        return answer.value;
    }

private:
    template <typename T>
    static T Take(std::deque<T>& queue) {
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }

    std::deque<MessageAnswer> m_messages;
    std::deque<std::optional<QString>> m_openFiles;
    std::deque<std::optional<QString>> m_saveFiles;
    std::deque<std::optional<QString>> m_folders;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<bool> m_shellOpens;
    std::deque<std::optional<QString>> m_prints;
    std::deque<std::optional<PrintSize>> m_printSizes;
    std::optional<PrintSize> m_chosenSize;
    std::deque<std::optional<ValueEditorResult>> m_values;
    struct PropertiesAnswer {
        bool asShown = false;  // OK with the fields as the dialog was filled
        std::optional<sw::LayoutProperties> value;
    };
    std::deque<PropertiesAnswer> m_properties;
    bool m_hasPrinters = true;
    bool m_autoOk = false;
    std::vector<Call> m_calls;
};

}  // namespace sw::test
