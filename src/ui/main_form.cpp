// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the main window.

#include "ui/main_form.h"
#include "ui/main_form_netlist.h"

#include "model/text_bounds.h"

#include <QLabel>

#include "ui/main_form_editing.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "ui/explorer.h"
#include "ui/file_type_registration.h"
#include "ui/qt_dialog_service.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

namespace sw {

TMainForm::TMainForm(MainFormOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options)) {
    if (m_options.dialogs) {
        m_dialogs = m_options.dialogs;
    } else {
        m_ownDialogs = std::make_unique<QtDialogService>(this);
        m_dialogs = m_ownDialogs.get();
    }
    // The board follows the session's changes of the document and the selection.
    m_scene = std::make_unique<BoardScene>(m_session);
    setWindowTitle(QStringLiteral("Stripwright"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    ComposeWindow();
    // The title, the toolbox of the board type, the Undo and Redo items and the
    // status bar follow the session.
    m_session.Observe([this](SessionChange change) { SessionChanged(change); });

    StartTimer = new QTimer(this);
    StartTimer->setInterval(100);
    StartTimer->setSingleShot(true);
    connect(StartTimer, &QTimer::timeout, this, &TMainForm::MaximiseAfterStart);
    HintTimer = new QTimer(this);
    HintTimer->setInterval(2000);

    FormCreate(m_options.arguments);
    m_editing = new MainFormEditing(*this);
    m_nets = new MainFormNetlist(*this);
    StartTimer->start();
}

TMainForm::~TMainForm() {
    // A rename left open would otherwise be written while the window goes,
    // after the document it names.
    List->DropRename();
}

void TMainForm::FormCreate(const QStringList& arguments) {
    if (m_options.registerFileType) {
        FileTypeRegistrationRequest request;
        request.programPath = QCoreApplication::applicationFilePath();
        const RegistrationResult result = RegisterFileType(request);
        // Registration is a convenience: a failure is noted in the status bar
        // (it would come again at every start, a box each time), never fatal.
        if (result.outcome == RegistrationOutcome::Failed)
            StatusPane->setText(Excerpt(result.message, kMessageLineCharacters));
    }

    bool opened = false;
    // A start-up file that cannot be opened (missing, a folder, a pipe, a device,
    // too big, damaged) is said so in the error box; the default layout follows.
    if (!arguments.isEmpty()) {
        const QString path = QFileInfo(arguments.first()).absoluteFilePath();
        const LoadResult result = m_session.ReplaceDocument(
            path, [&path](LayoutDocument& doc) { return doc.LoadFile(path); });
        if (result.ok) {
            m_proposedFileName = path;
            opened = true;
        } else {
            // The default layout is used instead; the file stays untouched, and the
            // title does not claim it, so a later save cannot overwrite it.
            m_dialogs->ShowError(result.message);
        }
    }
    if (!opened) {
        m_session.ReplaceDocument(QString(), [](LayoutDocument& doc) {
            doc.SetDefault();
            return LoadResult{true, {}};
        });
        m_paintingEnabled = true;
        m_scene->EnablePainting();
    }
    // The explorer and the toolbox follow the new document.
    CentreView();
}

void TMainForm::MaximiseAfterStart() {
    StartTimer->stop();
    // Without a window manager (a bare X server) maximising does nothing, so
    // take the whole available screen first.
    if (QScreen* s = screen())
        setGeometry(s->availableGeometry());
    showMaximized();
    m_paintingEnabled = true;
    m_scene->EnablePainting();
    FormPaint();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::FormClose() {
    StartTimer->stop();
    HintTimer->stop();
    m_closing = true;
    m_scene->SetClosing();
    // The entries hold elements of the document that is about to go; an open
    // rename is dropped rather than written into it.
    List->DropRename();
    List->clear();
    m_session.Document().Dom().reset();
}

}  // namespace sw
