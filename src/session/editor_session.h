#pragma once
// The editor session: the open layout and what lives beside it, without a
// widget. It owns the document, the file it came from, the modified flag and
// the undo history (one level), and tells its views what changed. The main
// window is one view of it; the tests drive it directly.

#include "model/layout_document.h"
#include "model/undo_snapshot.h"
#include "model/write_result.h"

#include <QString>
#include <functional>
#include <vector>

namespace sw {

enum class SessionChange {
    FileName,  // the layout now belongs to another file (or to none)
    Modified,  // the modified flag was set or cleared
};

class EditorSession {
public:
    using Observer = std::function<void(SessionChange)>;

    // `observer` is told of every change from now on.
    void Observe(Observer observer) { m_observers.push_back(std::move(observer)); }

    LayoutDocument& Document() { return m_doc; }
    const LayoutDocument& Document() const { return m_doc; }

    // The file the layout is saved to; empty for a layout never saved.
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& path);

    // Whether the layout has changes that are not saved.
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // Writes the layout to `path`. On success the layout belongs to that file
    // and has no unsaved changes; a failure changes neither, so the file name
    // stays the one the layout came from and the changes still count.
    WriteResult SaveTo(const QString& path);

    // ---- undo ------------------------------------------------------------------
    // Keeps the document as it is now as the state Undo returns to.
    void TakeSnapshot() { m_undo.Take(m_doc); }
    bool CanUndo() const { return m_undo.CanUndo(); }
    // Forgets the snapshot (a new or opened layout has nothing to undo).
    void ClearUndo() { m_undo.Clear(); }
    // Returns the document to the snapshot and forgets it. With nothing to undo
    // or a snapshot that does not parse, the document stays and the result says why.
    LoadResult Undo();

private:
    void Tell(SessionChange change);

    LayoutDocument m_doc;
    QString m_fileName;
    bool m_modified = false;
    UndoSnapshot m_undo;
    std::vector<Observer> m_observers;
};

}  // namespace sw
