// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the netlist panel shows, made from the session's netlist and its latest
// check: a first line ("Matches amp.net: 12 parts, 9 nets"), how the file
// stands, the differences grouped by kind, the parts not yet placed and those
// not expected on the layout. Each entry names the parts it selects and the
// pins it lights; a part not yet placed names the netlist part to place. The
// widget only shows this.

#include "model/hole.h"
#include "session/net_highlight.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace sw {

class NetlistLink;

struct NetlistPanelEntry {
    QString text;
    QStringList parts;        // the layout's parts the entry is about
    std::vector<Hole> pins;   // where their pins in question are
    QString unplaced;         // a netlist part not on the layout: its reference
    bool copper = false;      // an open or a short: the copper at the pins is in question
};

struct NetlistPanelGroup {
    QString title;  // "Opens (2)"
    std::vector<NetlistPanelEntry> entries;
};

struct NetlistPanelView {
    QString headline;  // empty without a netlist read
    QString status;    // how the file stands, empty when it was read
    std::vector<NetlistPanelGroup> groups;  // only groups with entries
};

NetlistPanelView BuildNetlistPanel(const NetlistLink& link);

class EditorSession;

// An entry chosen in the panel: its parts selected (the explorer follows) and
// `lit` lit on the board (by default its pins, the entry's text as the caption).
void ChooseNetlistEntry(EditorSession& session, const NetlistPanelEntry& entry);
void ChooseNetlistEntry(EditorSession& session, const NetlistPanelEntry& entry, NetHighlight lit);

}  // namespace sw
