#include "session/editor_session.h"

namespace sw {

void EditorSession::Tell(SessionChange change) {
    for (const Observer& observer : m_observers)
        observer(change);
}

void EditorSession::SetFileName(const QString& path) {
    m_fileName = path;
    Tell(SessionChange::FileName);
}

void EditorSession::SetModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    Tell(SessionChange::Modified);
}

WriteResult EditorSession::SaveTo(const QString& path) {
    const WriteResult result = m_doc.SaveFile(path);
    if (!result.ok)
        return result;
    SetFileName(path);
    SetModified(false);
    return result;
}

LoadResult EditorSession::Undo() {
    const LoadResult result = m_undo.Restore(m_doc);
    m_undo.Clear();
    return result;
}

}  // namespace sw
