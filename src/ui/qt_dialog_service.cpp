// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialog_service.h"

#include "ui/window_centring.h"
#include "model/text_bounds.h"
#include "ui/edit_form.h"
#include "ui/new_form.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QPrinterInfo>
#include <QUrl>

namespace sw {
namespace {

void CentreOn(QWidget* dialog, QWidget* parent) {
    dialog->adjustSize();
    if (parent)
        CentreWindowIn(*dialog, parent->geometry());
}

}  // namespace

QtDialogService::QtDialogService(QWidget* parent) : m_parent(parent) {}

QtDialogService::~QtDialogService() = default;  // the dialogs are children of the window

MessageAnswer QtDialogService::Message(MessageKind kind, const QString& text,
                                       MessageButtons buttons) {
    QMessageBox box(m_parent);
    switch (kind) {
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Error"));
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warning"));
        break;
    case MessageKind::Confirm:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Confirm"));
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    }
    // Plain text, so a name from a file is never read as markup; cut to lines
    // that fit, so the box and its buttons are always on the screen.
    box.setTextFormat(Qt::PlainText);
    box.setText(ShownMessage(text));
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Closing the box with Escape or the title bar answers the safe way.
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<QString> QtDialogService::OpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedFileName.isEmpty())
        dialog.selectFile(request.proposedFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogService::SaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, request.caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedFileName.isEmpty()) {
        const QFileInfo proposed(request.proposedFileName);
        if (proposed.isAbsolute())
            dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogService::ChooseFolder(const QString& caption,
                                                     const QString& initialFolder) {
    QFileDialog dialog(m_parent, caption, initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogService::InputBox(const QString& caption, const QString& prompt,
                                                 const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QUrl ShellTargetUrl(const QString& target) {
    // A scheme is a letter followed by letters, digits, "+", "-" or "."; one
    // letter before the colon is a drive, not a scheme.
    qsizetype n = 0;
    while (n < target.size() && target[n].unicode() < 128 &&
           (target[n].isLetter() || (n > 0 && (target[n].isDigit() || target[n] == u'+' ||
                                               target[n] == u'-' || target[n] == u'.'))))
        ++n;
    if (n >= 2 && n < target.size() && target[n] == u':')
        return QUrl(target);
    return QUrl::fromLocalFile(target);
}

bool QtDialogService::ShellOpen(const QString& target) {
    return QDesktopServices::openUrl(ShellTargetUrl(target));
}

bool QtDialogService::HasPrinters() {
    // Qt's PDF file output is always offered by the print dialog.
    return true;
}

bool QtDialogService::PrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::PrintLayoutDialog(QPrinter& printer, PrintSize& size) {
    QPrintDialog dialog(&printer, m_parent);
    // The choice of size as the dialog's own tab, beside its page settings.
    auto* sizes = new QWidget;
    sizes->setWindowTitle(QStringLiteral("Size"));
    auto* fill = new QRadioButton(kFillPageChoice, sizes);
    auto* actual = new QRadioButton(kActualSizeChoice, sizes);
    (size == PrintSize::ActualSize ? actual : fill)->setChecked(true);
    auto* layout = new QVBoxLayout(sizes);
    layout->addWidget(fill);
    layout->addWidget(actual);
    layout->addStretch();
    dialog.setOptionTabs({sizes});
    // The choice is the reason this print differs from the others: the dialog
    // opens with its tabs shown and the size's tab in front.
    QTimer::singleShot(0, &dialog, [&dialog, sizes] {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text().endsWith(QLatin1String(">>")))
                button->click();
        for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
            if (tabs->indexOf(sizes) >= 0)
                tabs->setCurrentWidget(sizes);
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    size = actual->isChecked() ? PrintSize::ActualSize : PrintSize::FillPage;
    return true;
}

std::optional<ValueEditorResult> QtDialogService::EditValue(const ValueEditorSetup& setup) {
    if (!m_editForm)
        m_editForm = new TEditForm(m_parent);
    m_editForm->Setup(setup);
    CentreOn(m_editForm, m_parent);
    if (m_editForm->exec() != QDialog::Accepted)
        return std::nullopt;
    return m_editForm->Result();
}

std::optional<LayoutProperties> QtDialogService::EditLayoutProperties(
    const LayoutProperties& initial) {
    if (!m_newForm)
        m_newForm = new TNewForm(m_parent);
    m_newForm->SetProperties(initial);
    CentreOn(m_newForm, m_parent);
    if (m_newForm->exec() != QDialog::Accepted)
        return std::nullopt;
    return m_newForm->Properties();
}

}  // namespace sw
