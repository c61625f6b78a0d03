// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/netlist_panel.h"

#include "session/editor_session.h"
#include "session/netlist_link.h"

#include <array>

namespace sw {
namespace {

// The groups in the order shown: the copper first, then the parts.
constexpr std::array kGroupOf{
    std::pair{DifferenceKind::Open, "Opens"},        std::pair{DifferenceKind::Short, "Shorts"},
    std::pair{DifferenceKind::Reversed, "Reversed"}, std::pair{DifferenceKind::Pins, "Pins"},
    std::pair{DifferenceKind::Value, "Values"},      std::pair{DifferenceKind::Extra, "Not in the netlist"},
    std::pair{DifferenceKind::Missing, "Not placed"},
};

NetlistPanelEntry EntryOf(const Difference& d) {
    NetlistPanelEntry entry;
    // The line without its first word, which the group says.
    std::string line = DifferenceLine(d);
    line.erase(0, line.find(' ') + 1);
    entry.text = QString::fromStdString(line);
    for (const std::vector<PlacedPin>& group : d.groups)
        for (const PlacedPin& pin : group) {
            const QString ref = QString::fromStdString(pin.ref);
            if (!entry.parts.contains(ref))
                entry.parts << ref;
            entry.pins.push_back(pin.hole);
        }
    switch (d.kind) {
    case DifferenceKind::Missing:
        entry.unplaced = QString::fromStdString(d.names.front());
        break;
    case DifferenceKind::Extra:
        entry.pins.push_back(d.at);
        [[fallthrough]];
    case DifferenceKind::Value:
    case DifferenceKind::Pins:
        if (entry.parts.isEmpty())
            entry.parts << QString::fromStdString(d.names.front());
        break;
    case DifferenceKind::Open:
    case DifferenceKind::Short:
        entry.copper = true;
        break;
    case DifferenceKind::Reversed:
        break;
    }
    return entry;
}

}  // namespace

NetlistPanelView BuildNetlistPanel(const NetlistLink& link) {
    NetlistPanelView view;
    view.status = link.Status();
    const CheckReport* report = link.LatestCheck();
    if (!report)
        return view;
    view.headline = CheckHeadline(link.FileName(), *report);
    for (const auto& [kind, title] : kGroupOf) {
        NetlistPanelGroup group;
        for (const Difference& d : report->differences)
            if (d.kind == kind)
                group.entries.push_back(EntryOf(d));
        if (group.entries.empty())
            continue;
        group.title = QStringLiteral("%1 (%2)").arg(QLatin1String(title)).arg(group.entries.size());
        view.groups.push_back(std::move(group));
    }
    if (!report->notExpected.empty()) {
        NetlistPanelGroup group;
        for (const NotExpected& n : report->notExpected) {
            NetlistPanelEntry entry;
            entry.text = QStringLiteral("%1: %2").arg(QString::fromStdString(n.ref),
                                                       QLatin1String(NotExpectedText(n.reason)));
            entry.parts << QString::fromStdString(n.ref);
            group.entries.push_back(std::move(entry));
        }
        group.title = QStringLiteral("Not expected (%1)").arg(group.entries.size());
        view.groups.push_back(std::move(group));
    }
    return view;
}

void ChooseNetlistEntry(EditorSession& session, const NetlistPanelEntry& entry) {
    NetHighlight lit;
    lit.holes = entry.pins;
    lit.pins = entry.pins;
    lit.caption = entry.text;
    ChooseNetlistEntry(session, entry, std::move(lit));
}

void ChooseNetlistEntry(EditorSession& session, const NetlistPanelEntry& entry, NetHighlight lit) {
    session.SetChosenNetlistEntry(entry.text);
    SelectionState selection;
    session.Document().ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (entry.parts.contains(TextAttr(element, "Name")) && !element.attribute("Parent")) {
            selection.Add(element);
            if (!selection.Current().element)
                selection.SetCurrent({element, -1});
        }
    });
    session.Select(std::move(selection));
    session.SetHighlight(std::move(lit));
}

}  // namespace sw
