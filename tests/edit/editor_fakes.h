#pragma once
// A main window without widgets for the editing tests: the document, the undo
// snapshot, scripted dialogs and the explorer kept as plain lists
// (fuzz/list_explorer.h), with every status text, marker and repaint recorded.

#include "edit/editor_host.h"
#include "edit/explorer_port.h"
#include "list_explorer.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "model/undo_snapshot.h"
#include "ui/scripted_dialogs.h"

namespace sw::test {

using FakeExplorer = ListExplorer;

class FakeHost : public EditorHost {
public:
    FakeHost() { doc.SetDefault(); }

    // Loads a layout text and rebuilds the explorer from it.
    void Load(const char* xml) {
        const LoadResult loaded = doc.LoadText(xml);
        EXPECT_TRUE(loaded.ok) << loaded.message.toStdString();
        explorer.Rebuild(doc);
    }
    // The element of the root's children with this `Name`.
    pugi::xml_node Named(const char* name) const {
        return doc.Root().find_child_by_attribute("Name", name);
    }
    // The undo command's effect on the document and explorer.
    void Undo() {
        ASSERT_TRUE(undo.CanUndo());
        ASSERT_TRUE(undo.Restore(doc).ok);
        undo.Clear();
        explorer.Rebuild(doc);
    }

    LayoutDocument doc;
    UndoSnapshot undo;
    ScriptedDialogs dialogs;
    FakeExplorer explorer;
    int snapshots = 0;
    int modified = 0;
    int repaints = 0;
    int hintsOff = 0;
    QString prompt;
    int activeKind = -2;
    std::vector<std::vector<HoleMarker>> markers;

    LayoutDocument& Document() override { return doc; }
    DialogService& Dialogs() override { return dialogs; }
    ExplorerPort& Explorer() override { return explorer; }
    void TakeSnapshot() override {
        undo.Take(doc);
        ++snapshots;
    }
    void SetModified() override { ++modified; }
    void Repaint() override { ++repaints; }
    void HintsOff() override { ++hintsOff; }
    void ShowPrompt(const QString& text) override { prompt = text; }
    void ShowActiveKind(int kindIndex) override { activeKind = kindIndex; }
    void DrawMarkers(const std::vector<HoleMarker>& m) override { markers.push_back(m); }
};

// Value editor answers.
inline ValueEditorResult Value(const QString& name, const QString& value, const QString& unit = {},
                               const QString& extra = {}) {
    return {name, value, unit, extra};
}

}  // namespace sw::test
