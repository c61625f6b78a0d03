// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/connectivity_check.h"

#include "edit/dialog_service.h"

namespace sw {

ConnectionReport CheckConnection(const LayoutDocument& doc, Hole source, Hole destination,
                                 DialogService& dialogs) {
    const ConnectionReport report = CheckConnection(doc, source, destination);
    dialogs.Message(report.connected ? MessageKind::Information : MessageKind::Warning, report.text,
                    MessageButtons::Ok);
    return report;
}

}  // namespace sw
