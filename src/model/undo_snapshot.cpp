#include "model/undo_snapshot.h"

namespace sw {

void UndoSnapshot::Take(const LayoutDocument& doc) { m_text = doc.ToText(); }

LoadResult UndoSnapshot::Restore(LayoutDocument& doc) const {
    if (m_text.empty())
        return {false, QStringLiteral("Can not undo!")};
    return doc.LoadText(m_text);
}

}  // namespace sw
