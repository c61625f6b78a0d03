// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The netlist a layout is checked against: a file read whole (a regular file of
// at most kMaxNetlistBytes), and the one the layout names in its root attribute
// `Netlist`, a path relative to the layout's folder.

#include "netlist/netlist.h"

#include <QString>
#include <optional>

namespace sw {

class LayoutDocument;

struct NetlistFileResult {
    std::optional<Netlist> netlist;
    QString message;  // the reason, naming the file, when there is no netlist
};

NetlistFileResult LoadNetlistFile(const QString& path,
                                  std::optional<NetlistFormat> forced = std::nullopt);

// The path of the layout's own netlist, the `Netlist` attribute taken from the
// folder of `layoutPath`; nothing when the layout names none.
std::optional<QString> LayoutNetlistPath(const LayoutDocument& doc, const QString& layoutPath);

}  // namespace sw
