// SPDX-License-Identifier: GPL-3.0-or-later
// A layout recovered from a copy of unsaved work.

#include "ui/main_form.h"

namespace sw {

void TMainForm::AdoptRecoveredLayout(const QString& fileName) {
    // The copy is in the document already: the session puts it in place as
    // a new document, and the explorer, the board and the toolbox follow.
    m_session.ReplaceDocument(fileName, [](LayoutDocument&) { return LoadResult{true, {}}; });
    m_proposedFileName = fileName;
    CentreView();
    // What the copy holds was never saved.
    m_session.SetModified(true);
}

}  // namespace sw
