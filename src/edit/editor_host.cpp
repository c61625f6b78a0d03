// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/editor_host.h"

#include "session/editor_session.h"

namespace sw {

LayoutDocument& EditorHost::Document() { return m_session.Document(); }

NetNames EditorHost::Nets() { return {}; }

}  // namespace sw
