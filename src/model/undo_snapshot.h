#pragma once
// One level of undo: the whole layout document as XML text, taken just before an
// editing command changes the document. Empty text means nothing to undo.

#include "model/layout_document.h"

#include <string>

namespace sw {

class UndoSnapshot {
public:
    // Replaces the snapshot by the document as it is now.
    void Take(const LayoutDocument& doc);
    bool CanUndo() const { return !m_text.empty(); }
    void Clear() { m_text.clear(); }
    // Replaces the document by the parse of the snapshot. The snapshot itself is
    // kept (the Undo command clears it afterwards). With nothing to undo, or if
    // the text does not parse, the document stays as it is and the result says
    // why.
    LoadResult Restore(LayoutDocument& doc) const;
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace sw
