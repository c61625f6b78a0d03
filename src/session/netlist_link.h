// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schematic's netlist beside the open layout: the file the layout's root
// attribute `Netlist` names, the netlist last read from it (kept while the
// file is gone or unreadable, so the check carries on against it), a text
// saying how the file stands, and the latest check of the layout against the
// netlist. The session follows the document with it after every edit and
// every document put in place.

#include "analysis/netlist_check.h"
#include "netlist/netlist.h"

#include <QString>
#include <optional>

namespace sw {

class LayoutDocument;

enum class NetlistFileState {
    None,        // the layout names no netlist
    Read,        // the file was read as it is now
    Missing,     // the file is not there
    Unreadable,  // the file is there but could not be read as a netlist
};

class NetlistLink {
public:
    // Follows the document: the path its `Netlist` attribute names from the
    // folder of `layoutPath` (an unsaved layout's path is empty), read when it
    // differs from the one followed so far, and the check made again when
    // `documentChanged` or the netlist changed. True when the path, the
    // netlist, the file's state or the check changed.
    bool Follow(const LayoutDocument& doc, const QString& layoutPath, bool documentChanged);
    // Reads the file followed again (it was written or removed) and checks the
    // layout against what it holds. True when anything changed.
    bool Reread(const LayoutDocument& doc);

    // The netlist's file, absolute; empty when the layout names none, and
    // the attribute as written when it is relative and the layout has no file.
    const QString& Path() const { return m_path; }
    // The file's name without its folder ("amp.net").
    QString FileName() const;
    NetlistFileState State() const { return m_state; }
    // The netlist last read from the file followed; null when none was.
    const Netlist* LastRead() const { return m_netlist ? &*m_netlist : nullptr; }
    // How the file stands: empty when it was read, else why it was not and
    // whether the check uses what was read before.
    const QString& Status() const { return m_status; }
    // The layout checked against the netlist last read; null without one.
    const CheckReport* LatestCheck() const { return m_report ? &*m_report : nullptr; }

private:
    void Read();
    void Check(const LayoutDocument& doc);

    QString m_path;
    NetlistFileState m_state = NetlistFileState::None;
    std::optional<Netlist> m_netlist;
    QString m_status;
    std::optional<CheckReport> m_report;
};

// The `Netlist` attribute naming the file `netlistPath` for a layout saved as
// `layoutPath`: relative to the layout's folder, or the whole path while the
// layout has no file (empty `layoutPath`).
QString NetlistAttributeFor(const QString& netlistPath, const QString& layoutPath);

// The panel's first line for a check: "Matches amp.net: 12 parts, 9 nets", or
// "amp.net: 2 differences" (one: "1 difference").
QString CheckHeadline(const QString& netlistFile, const CheckReport& report);

}  // namespace sw
