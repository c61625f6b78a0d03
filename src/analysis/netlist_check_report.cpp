// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a check's report, as text lines and as JSON.

#include "analysis/netlist_check.h"

#include <array>
#include <cstdio>

namespace sw {
namespace {

std::string HoleText(Hole h) { return std::string("(") + std::to_string(h.x) + "," + std::to_string(h.y) + ")"; }

std::string PinText(const PlacedPin& p) { return p.ref + "-" + p.pin + " " + HoleText(p.hole); }

std::string PinsText(const std::vector<PlacedPin>& pins) {
    std::string out;
    for (const PlacedPin& p : pins)
        out.append(out.empty() ? "" : ", ").append(PinText(p));
    return out;
}

std::string WithValue(const std::string& ref, const std::string& value) {
    return value.empty() ? ref : ref + " (" + value + ")";
}

// A line as printed: a name holding a line break or another control
// character would split it, or forge a line of its own.
std::string OneLine(std::string line) {
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return line + "\n";
}

std::string Line(const Difference& d) {
    std::string out = DifferenceWord(d.kind);
    out += ' ';
    switch (d.kind) {
    case DifferenceKind::Open: {
        out += d.names.front() + ", on " + std::to_string(d.groups.size()) + " pieces of copper: ";
        for (std::size_t i = 0; i < d.groups.size(); ++i)
            out.append(i ? " | " : "").append(PinsText(d.groups[i]));
        break;
    }
    case DifferenceKind::Short: {
        for (std::size_t i = 0; i < d.names.size(); ++i)
            out.append(i ? " " : "").append(d.names[i]);
        out += ", on one piece of copper: ";
        for (std::size_t i = 0; i < d.names.size(); ++i)
            out.append(i ? "; " : "").append(d.names[i]).append(" at ").append(PinsText(d.groups[i]));
        break;
    }
    case DifferenceKind::Missing:
        out += WithValue(d.names.front(), d.netlistText) + ": in the netlist, not on the layout";
        break;
    case DifferenceKind::Extra:
        out += WithValue(d.names.front(), d.layoutText) + " at " + HoleText(d.at) +
               ": on the layout, not in the netlist";
        break;
    case DifferenceKind::Reversed: {
        const PlacedPin& m = d.groups[0].front();
        const PlacedPin& o = d.groups[1].front();
        const char* marked = d.plusMarked ? "plus" : "cathode";
        const char* other = d.plusMarked ? "minus" : "anode";
        out += m.ref + ": turned round: its " + marked + " (pin " + m.pin + ") at " + HoleText(m.hole) +
               " sits on the copper of " + d.layoutText + " and its " + other + " (pin " + o.pin + ") at " +
               HoleText(o.hole) + " on that of " + d.netlistText + ", the other way round from the netlist";
        break;
    }
    case DifferenceKind::Value:
        out += d.names.front() + ": " + d.layoutText + " on the layout, " + d.netlistText +
               " in the netlist";
        break;
    case DifferenceKind::Pins: {
        out += d.names.front() + ": " + std::to_string(d.layoutPins) + " on the layout, " +
               std::to_string(d.netlistPins) + " in the netlist";
        if (!d.strayPins.empty()) {
            out += "; the kind has no pin";
            for (std::size_t i = 0; i < d.strayPins.size() && i < 20; ++i)
                out.append(i ? ", " : " ").append(d.strayPins[i].empty() ? "\"\"" : d.strayPins[i]);
        }
        break;
    }
    }
    return OneLine(std::move(out));
}

const char* ReasonText(NotExpectedReason r) {
    switch (r) {
    case NotExpectedReason::Source: return "a source";
    case NotExpectedReason::OffBoard: return "off the board";
    case NotExpectedReason::Unjoined: return "no pin joined to another part";
    }
    return "";
}

const char* ReasonWord(NotExpectedReason r) {
    switch (r) {
    case NotExpectedReason::Source: return "source";
    case NotExpectedReason::OffBoard: return "off_board";
    case NotExpectedReason::Unjoined: return "unjoined";
    }
    return "";
}

std::string Counts(const CheckReport& r) {
    return std::to_string(r.netlistParts) + " parts and " + std::to_string(r.netlistNets) +
           " nets in the netlist, " + std::to_string(r.layoutParts) + " parts on the layout";
}

std::string Json(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonHole(Hole h) { return std::string("[") + std::to_string(h.x) + "," + std::to_string(h.y) + "]"; }

std::string JsonPins(const std::vector<PlacedPin>& pins) {
    std::string out = "[";
    for (std::size_t i = 0; i < pins.size(); ++i)
        out += std::string(i ? "," : "") + "{\"ref\":" + Json(pins[i].ref) + ",\"pin\":" +
               Json(pins[i].pin) + ",\"hole\":" + JsonHole(pins[i].hole) + "}";
    return out + "]";
}

std::string JsonStrings(const std::vector<std::string>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i)
        out.append(i ? "," : "").append(Json(v[i]));
    return out + "]";
}

std::string JsonDifference(const Difference& d) {
    std::string out = "{\"kind\":" + Json(DifferenceWord(d.kind));
    switch (d.kind) {
    case DifferenceKind::Open:
        out += ",\"net\":" + Json(d.names.front()) + ",\"pieces\":[";
        for (std::size_t i = 0; i < d.groups.size(); ++i)
            out.append(i ? "," : "").append(JsonPins(d.groups[i]));
        out += "]";
        break;
    case DifferenceKind::Short:
        out += ",\"nets\":[";
        for (std::size_t i = 0; i < d.names.size(); ++i)
            out += std::string(i ? "," : "") + "{\"net\":" + Json(d.names[i]) +
                   ",\"pins\":" + JsonPins(d.groups[i]) + "}";
        out += "]";
        break;
    case DifferenceKind::Missing:
        out += ",\"ref\":" + Json(d.names.front()) + ",\"netlist_value\":" + Json(d.netlistText);
        break;
    case DifferenceKind::Extra:
        out += ",\"ref\":" + Json(d.names.front()) + ",\"layout_value\":" + Json(d.layoutText) +
               ",\"hole\":" + JsonHole(d.at);
        break;
    case DifferenceKind::Reversed:
        out += ",\"ref\":" + Json(d.names.front()) + ",\"marked_pin\":" +
               Json(d.plusMarked ? "plus" : "cathode") + ",\"pins\":" +
               JsonPins({d.groups[0].front(), d.groups[1].front()}) + ",\"marked_pin_on\":" +
               Json(d.layoutText) + ",\"other_pin_on\":" + Json(d.netlistText);
        break;
    case DifferenceKind::Value:
        out += ",\"ref\":" + Json(d.names.front()) + ",\"layout_value\":" + Json(d.layoutText) +
               ",\"netlist_value\":" + Json(d.netlistText);
        break;
    case DifferenceKind::Pins:
        out += ",\"ref\":" + Json(d.names.front()) + ",\"layout_pins\":" +
               std::to_string(d.layoutPins) + ",\"netlist_pins\":" + std::to_string(d.netlistPins) +
               ",\"stray_pins\":" + JsonStrings(d.strayPins);
        break;
    }
    return out + "}";
}

}  // namespace

std::string DifferenceLine(const Difference& difference) {
    std::string line = Line(difference);
    line.pop_back();
    return line;
}

const char* NotExpectedText(NotExpectedReason reason) { return ReasonText(reason); }

std::string CheckReportText(const CheckReport& report) {
    std::string out;
    std::array<int, 7> counts{};
    for (const Difference& d : report.differences) {
        out += Line(d);
        ++counts[std::size_t(d.kind)];
    }
    if (!report.notExpected.empty()) {
        std::string line = "not expected on the layout:";
        for (std::size_t i = 0; i < report.notExpected.size(); ++i)
            line += std::string(i ? ", " : " ") + report.notExpected[i].ref + " (" +
                    ReasonText(report.notExpected[i].reason) + ")";
        out += OneLine(std::move(line));
    }
    if (report.Matches())
        return out + "matches: " + Counts(report) + "\n";
    const std::size_t n = report.differences.size();
    out += std::to_string(n) + (n == 1 ? " difference (" : " differences (");
    bool first = true;
    for (std::size_t k = 0; k < counts.size(); ++k)
        if (counts[k] > 0) {
            out += std::string(first ? "" : ", ") + std::to_string(counts[k]) + " " +
                   DifferenceWord(DifferenceKind(k));
            first = false;
        }
    return out + "): " + Counts(report) + "\n";
}

std::string CheckReportJson(const CheckReport& report) {
    std::string out = "{\"matches\":";
    out += report.Matches() ? "true" : "false";
    out += ",\"differences\":[";
    for (std::size_t i = 0; i < report.differences.size(); ++i)
        out.append(i ? "," : "").append(JsonDifference(report.differences[i]));
    out += "],\"not_expected\":[";
    for (std::size_t i = 0; i < report.notExpected.size(); ++i)
        out += std::string(i ? "," : "") + "{\"ref\":" + Json(report.notExpected[i].ref) +
               ",\"reason\":" + Json(ReasonWord(report.notExpected[i].reason)) + "}";
    out += "],\"netlist_parts\":" + std::to_string(report.netlistParts) +
           ",\"netlist_nets\":" + std::to_string(report.netlistNets) +
           ",\"layout_parts\":" + std::to_string(report.layoutParts) +
           ",\"warnings\":" + JsonStrings(report.warnings) + "}\n";
    return out;
}

}  // namespace sw
