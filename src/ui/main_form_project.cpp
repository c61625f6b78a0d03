// SPDX-License-Identifier: GPL-3.0-or-later
// Project commands: New, Open, Save, Save As, Board Properties, Undo, Redo and the
// question asked before unsaved changes are discarded.

#include "ui/main_form.h"

#include "ui/main_form_editing.h"

#include "ui/explorer.h"
#include "model/text_bounds.h"

#include <QAction>
#include <QCloseEvent>
#include <QStatusBar>

namespace sw {
namespace {

const QString kDiscardQuestion =
    QStringLiteral("Current project is not saved. Continue without saving?");
const QString kTitle = QStringLiteral("Stripwright");
// How long the name of a step undone or redone stays in the status bar.
constexpr int kHistoryNoteMilliseconds = 5000;

LayoutProperties PropertiesOf(const LayoutDocument& doc) {
    LayoutProperties p;
    p.type = doc.GetRootAttribute("Type").value_or(QString());
    p.width = doc.RootInt("Width");
    p.height = doc.RootInt("Height");
    p.project = doc.GetRootAttribute("Project").value_or(QString());
    p.credits = doc.GetRootAttribute("Credits").value_or(QString());
    p.hideList = doc.HideList();
    return p;
}

}  // namespace

FileDialogRequest TMainForm::LayoutFileRequest(const QString& caption) const {
    FileDialogRequest request;
    request.caption = caption;
    request.filter = QStringLiteral("SWB Layouts (*.swb);;All Files (*)");
    request.defaultSuffix = QStringLiteral("swb");
    request.proposedFileName = m_proposedFileName;
    return request;
}

void TMainForm::ShowFileNameInTitle() {
    const QString& path = m_session.FileName();
    setWindowTitle(path.isEmpty() ? kTitle : kTitle + QStringLiteral(" - ") + path);
}

bool TMainForm::AskDiscardChanges() {
    if (!m_session.Modified())
        return true;
    return m_dialogs->Confirm(kDiscardQuestion);
}

void TMainForm::NewProject() {
    if (!AskDiscardChanges())
        return;
    const LayoutProperties defaults{QStringLiteral("Stripboard"), 20, 10, {}, {}, false};
    const std::optional<LayoutProperties> chosen = m_dialogs->EditLayoutProperties(defaults);
    if (!chosen)
        return;
    // The explorer, the board and the toolbox follow the new document.
    m_session.ReplaceDocument(QString(), [&](LayoutDocument& doc) {
        doc.SetNew(chosen->type, chosen->width, chosen->height, chosen->project, chosen->credits,
                   chosen->hideList);
        return LoadResult{true, {}};
    });
    CentreView();
}

void TMainForm::OpenProject() {
    if (!AskDiscardChanges())
        return;
    const std::optional<QString> path =
        m_dialogs->OpenFile(LayoutFileRequest(QStringLiteral("Open Project")));
    if (!path)
        return;
    // A file that cannot be read or is damaged leaves the shown layout, its file
    // name and the title as they were, so a later save cannot write this layout
    // over the file that failed.
    const LoadResult result =
        m_session.ReplaceDocument(*path, [&path](LayoutDocument& doc) { return doc.LoadFile(*path); });
    if (!result.ok) {
        m_dialogs->ShowError(result.message);
        return;
    }
    m_proposedFileName = *path;
    CentreView();
}

bool TMainForm::WriteLayout(const QString& path) {
    // A failed write leaves the old file whole, the file name as it was and
    // the changes counted as unsaved.
    const WriteResult result = m_session.SaveTo(path);
    if (!result.ok)
        m_dialogs->ShowError(result.message);
    return result.ok;
}

void TMainForm::SaveProject() {
    if (m_session.FileName().isEmpty()) {
        SaveProjectAs();
        return;
    }
    // Another editor or program wrote the file since: its work would go.
    if (m_session.FileChangedOnDisk() &&
        !m_dialogs->Confirm(Excerpt(m_session.FileName(), kMessageLineCharacters) +
                            QStringLiteral(" has changed on disk since it was opened or last saved. "
                                           "Replace it with this layout?")))
        return;
    WriteLayout(m_session.FileName());
}

void TMainForm::SaveProjectAs() {
    const std::optional<QString> path =
        m_dialogs->SaveFile(LayoutFileRequest(QStringLiteral("Save Project As")));
    if (!path)
        return;
    // A file that could not be written does not become the current file: the
    // title keeps naming the file the layout came from, and Save still goes there.
    m_proposedFileName = *path;
    WriteLayout(*path);
}

void TMainForm::EditBoardProperties() {
    const std::optional<LayoutProperties> chosen =
        m_dialogs->EditLayoutProperties(PropertiesOf(m_session.Document()));
    if (!chosen)
        return;
    pugi::xml_node root = m_session.Document().Root();
    if (!root)
        return;
    // The board and the toolbox follow the edit.
    m_session.Edit(EditKind::BoardProperties, QStringLiteral("Board Properties"), [&] {
        EditResult outcome;
        // Changed properties count as an unsaved change, so closing asks before
        // they are lost.
        outcome.modified = !(PropertiesOf(m_session.Document()) == *chosen);
        outcome.board = true;
        SetAttr(root, "Type", chosen->type);
        SetAttr(root, "Width", chosen->width);
        SetAttr(root, "Height", chosen->height);
        SetAttr(root, "Project", chosen->project);
        SetAttr(root, "Credits", chosen->credits);
        SetAttr(root, "HideList", chosen->hideList ? QStringLiteral("True") : QStringLiteral("False"));
        return outcome;
    });
}

void TMainForm::StepHistory(bool redo) {
    if (!(redo ? m_session.CanRedo() : m_session.CanUndo())) {
        m_dialogs->ShowInformation(redo ? QStringLiteral("Can not redo!") : QStringLiteral("Can not undo!"));
        return;
    }
    // The explorer and the board follow the replaced document, the status bar
    // names the step; the session says whether this is the saved state.
    const LoadResult result = redo ? m_session.Redo() : m_session.Undo();
    if (!result.ok)
        m_dialogs->ShowError(result.message);
}

void TMainForm::SessionChanged(SessionChange change) {
    switch (change) {
    case SessionChange::FileName:
        ShowFileNameInTitle();
        break;
    case SessionChange::Board:
        ApplyBoardType();
        break;
    case SessionChange::DocumentReplaced: {
        // New and Open show the new board type's toolbox; Undo and Redo say
        // what they stepped over and leave the toolbox as it is.
        const EditorSession::HistoryStep& step = m_session.LastStep();
        if (!step.stepped)
            ApplyBoardType();
        else if (!step.label.isEmpty() && m_editing)
            m_editing->ShowPassingNote(
                (step.redo ? QStringLiteral("Redone: ") : QStringLiteral("Undone: ")) + step.label,
                kHistoryNoteMilliseconds);
        break;
    }
    case SessionChange::History:
        ShowHistoryLabels();
        break;
    case SessionChange::Modified:
    case SessionChange::Selection:
    case SessionChange::Components:
    case SessionChange::DocumentChanged:
    case SessionChange::Highlight:
    case SessionChange::Netlist:
        break;
    }
}

void TMainForm::ShowHistoryLabels() {
    // The menu texts stay; the tooltips name the step.
    const QString undo = m_session.UndoLabel();
    const QString redo = m_session.RedoLabel();
    for (QAction* action : m_actions.value(Command::Undo))
        action->setToolTip(undo.isEmpty() ? QStringLiteral("Undo") : QStringLiteral("Undo ") + undo);
    for (QAction* action : m_actions.value(Command::Redo))
        action->setToolTip(redo.isEmpty() ? QStringLiteral("Redo") : QStringLiteral("Redo ") + redo);
}

void TMainForm::UndoLastChange() { StepHistory(false); }
void TMainForm::RedoLastUndone() { StepHistory(true); }

bool TMainForm::FormCloseQuery() { return AskDiscardChanges(); }

}  // namespace sw
