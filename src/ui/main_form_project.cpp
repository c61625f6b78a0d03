// Project commands: New, Open, Save, Save As, Board Properties, Undo and the
// question asked before unsaved changes are discarded.

#include "ui/main_form.h"

#include "ui/main_form_editing.h"

#include "ui/explorer.h"

#include <QCloseEvent>

namespace sw {
namespace {

const QString kDiscardQuestion =
    QStringLiteral("Current project is not saved. Continue without saving?");
const QString kTitle = QStringLiteral("Stripwright");

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

void TMainForm::SetCurrentFile(const QString& path) {
    m_fileName = path;
    setWindowTitle(path.isEmpty() ? kTitle : kTitle + QStringLiteral(" - ") + path);
}

bool TMainForm::AskDiscardChanges() {
    if (!m_modified)
        return true;
    return m_dialogs->Confirm(kDiscardQuestion);
}

void TMainForm::AdoptNewDocument() {
    // A Replace waiting for its holes cannot keep an element of the old document.
    if (m_editing)
        m_editing->DocumentReplaced();
    m_undo.Clear();
    ApplyBoardType();
    List->Rebuild(m_doc);
    FormPaint();
    m_modified = false;
    CentreView();
}

void TMainForm::NewProject() {
    if (!AskDiscardChanges())
        return;
    const LayoutProperties defaults{QStringLiteral("Stripboard"), 20, 10, {}, {}, false};
    const std::optional<LayoutProperties> chosen = m_dialogs->EditLayoutProperties(defaults);
    if (!chosen)
        return;
    SetCurrentFile(QString());
    m_doc.SetNew(chosen->type, chosen->width, chosen->height, chosen->project, chosen->credits,
                 chosen->hideList);
    AdoptNewDocument();
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
    const LoadResult result = m_doc.LoadFile(*path);
    if (!result.ok) {
        m_dialogs->ShowError(result.message);
        return;
    }
    SetCurrentFile(*path);
    m_proposedFileName = *path;
    AdoptNewDocument();
}

bool TMainForm::WriteLayout(const QString& path) {
    const WriteResult result = m_doc.SaveFile(path);
    if (!result.ok) {
        // The old file is left whole and the changes still count as unsaved.
        m_dialogs->ShowError(result.message);
        return false;
    }
    m_modified = false;
    return true;
}

void TMainForm::SaveProject() {
    if (m_fileName.isEmpty()) {
        SaveProjectAs();
        return;
    }
    WriteLayout(m_fileName);
}

void TMainForm::SaveProjectAs() {
    const std::optional<QString> path =
        m_dialogs->SaveFile(LayoutFileRequest(QStringLiteral("Save Project As")));
    if (!path)
        return;
    // A file that could not be written does not become the current file: the
    // title keeps naming the file the layout came from, and Save still goes there.
    const QString previous = m_fileName;
    SetCurrentFile(*path);
    m_proposedFileName = *path;
    if (!WriteLayout(*path))
        SetCurrentFile(previous);
}

void TMainForm::EditBoardProperties() {
    const std::optional<LayoutProperties> chosen =
        m_dialogs->EditLayoutProperties(PropertiesOf(m_doc));
    if (!chosen)
        return;
    pugi::xml_node root = m_doc.Root();
    if (!root)
        return;
    // Changed properties count as an unsaved change, so closing asks before
    // they are lost.
    if (!(PropertiesOf(m_doc) == *chosen))
        m_modified = true;
    SetAttr(root, "Type", chosen->type);
    SetAttr(root, "Width", chosen->width);
    SetAttr(root, "Height", chosen->height);
    SetAttr(root, "Project", chosen->project);
    SetAttr(root, "Credits", chosen->credits);
    SetAttr(root, "HideList", chosen->hideList ? QStringLiteral("True") : QStringLiteral("False"));
    FormPaint();
    ApplyBoardType();
}

void TMainForm::UndoLastChange() {
    if (!m_undo.CanUndo()) {
        m_dialogs->ShowInformation(QStringLiteral("Can not undo!"));
        return;
    }
    // The entries hold elements of the document being replaced.
    List->clear();
    if (m_editing)
        m_editing->DocumentReplaced();
    const LoadResult result = m_undo.Restore(m_doc);
    m_undo.Clear();
    if (!result.ok)
        m_dialogs->ShowError(result.message);
    List->Rebuild(m_doc);
    FormPaint();
}

bool TMainForm::FormCloseQuery() { return AskDiscardChanges(); }

}  // namespace sw
