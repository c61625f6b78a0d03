// SPDX-License-Identifier: GPL-3.0-or-later
// A layout recovered from a copy of unsaved work.

#include "ui/main_form.h"

namespace sw {

void TMainForm::AdoptRecoveredLayout(const QString& fileName) {
    m_session.SetFileName(fileName);
    m_proposedFileName = fileName;
    AdoptNewDocument();
    // What the copy holds was never saved.
    m_session.SetModified(true);
}

}  // namespace sw
