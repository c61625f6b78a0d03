// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/editor_host.h"

#include "session/editor_session.h"

namespace sw {

LayoutDocument& EditorHost::Document() { return m_session.Document(); }

NetNames EditorHost::Nets() {
    if (!m_session.LinkedNetlist() || !m_session.LatestCheck())
        return {};
    return {m_session.LinkedNetlist(), m_session.LatestCheck()};
}

}  // namespace sw
