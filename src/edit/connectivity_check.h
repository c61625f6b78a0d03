// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's "Check Connectivity" report for the two holes the placement tool
// picked: an information box naming the chain, or a warning box.

#include "analysis/connectivity.h"

namespace sw {

class DialogService;

// Checks and shows the report; returns it as well.
ConnectionReport CheckConnection(const LayoutDocument& doc, Hole source, Hole destination,
                                 DialogService& dialogs);

}  // namespace sw
