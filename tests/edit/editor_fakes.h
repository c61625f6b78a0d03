// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor without a window for the editing tests: a session, scripted
// dialogs, and a record of what a window would show (status texts, markers,
// the pointer) and of the session's changes the views would be told about
// (the board repaints on DocumentChanged, DocumentReplaced and Selection).

#include "edit/editor_host.h"
#include "edit/selection.h"
#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "session/editor_session.h"
#include "ui/scripted_dialogs.h"

namespace sw::test {

// Made before the EditorHost that refers to them.
struct HostParts {
    EditorSession session;
    ScriptedDialogs dialogs;
};

class FakeHost : public HostParts, public EditorHost {
public:
    FakeHost() : EditorHost(session, dialogs) {
        session.Observe([this](SessionChange change) {
            componentChanges += change == SessionChange::Components;
            selectionChanges += change == SessionChange::Selection;
            documentChanges += change == SessionChange::DocumentChanged;
        });
    }

    LayoutDocument& doc = session.Document();

    // Opens a layout text: nothing selected, nothing to undo, nothing to save.
    void Load(const char* xml) {
        const LoadResult loaded = doc.LoadText(xml);
        EXPECT_TRUE(loaded.ok) << loaded.message.toStdString();
        session.ClearUndo();
        session.SetModified(false);
    }
    // The element of the root's children with this `Name`.
    pugi::xml_node Named(const char* name) const {
        return doc.Root().find_child_by_attribute("Name", name);
    }
    // A click on an entry or a category; `add`: a Ctrl+click adding it.
    void Select(pugi::xml_node element, bool add = false) { ClickNode(session, {element, -1}, add); }
    void SelectCategory(int kind, bool add = false) { ClickNode(session, {{}, kind}, add); }
    void SelectAllCategories() {
        SelectionState selection = session.Selection();
        for (int kind = 0; kind < kKindCount; ++kind)
            selection.AddCategory(kind);
        session.Select(std::move(selection));
    }
    // The components of a kind.
    int Count(kind::Index kind) const {
        int n = 0;
        doc.ForEachComponent([&](pugi::xml_node element, unsigned) { n += IsKind(element, kind); });
        return n;
    }
    // The Undo command's effect on the document.
    void Undo() {
        ASSERT_TRUE(session.CanUndo());
        ASSERT_TRUE(session.Undo().ok);
    }

    int documentChanges = 0;
    int hintsOff = 0;
    int componentChanges = 0;
    int selectionChanges = 0;
    QString prompt;
    QString note;
    int activeKind = -2;
    std::vector<std::vector<HoleMarker>> markers;  // each list shown, in turn
    QString hint;
    std::vector<QString> pinNotes;  // each pin note shown, in turn
    std::vector<QString> partNotes;  // each part note shown, in turn
    std::optional<QRect> band;
    PointerFeedback pointer;
    int menusOpened = 0;

    void HintsOff() override { ++hintsOff; }
    void ShowPrompt(const QString& text) override { prompt = text; }
    void ShowNote(const QString& text) override { note = text; }
    void ShowActiveKind(int kindIndex) override { activeKind = kindIndex; }
    void ShowMarkers(const std::vector<HoleMarker>& m) override { markers.push_back(m); }
    void ShowHint(const QString& text) override { hint = text; }
    void ShowPinNote(const QString& text) override { pinNotes.push_back(text); }
    void ShowPartNote(const QString& text) override { partNotes.push_back(text); }
    void ShowBand(const std::optional<QRect>& b) override { band = b; }
    void ShowPointer(const PointerFeedback& feedback) override { pointer = feedback; }
    void OpenComponentMenu(QPoint) override { ++menusOpened; }
    NetNames Nets() override { return nets; }
    NetNames nets;  // none unless a test gives a netlist and its check
};

// Value editor answers.
inline ValueEditorResult Value(const QString& name, const QString& value, const QString& unit = {},
                               const QString& extra = {}) {
    return {name, value, unit, extra};
}

}  // namespace sw::test
