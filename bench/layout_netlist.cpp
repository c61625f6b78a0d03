// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_netlist.h"

#include "analysis/copper_nets.h"
#include "model/element_pins.h"
#include "model/kinds.h"
#include "model/layout_document.h"

#include <map>
#include <set>
#include <vector>

namespace sw {
namespace {

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

struct Node {
    std::string ref, pin, function;
};

}  // namespace

std::string KiCadNetlistOfLayout(const LayoutDocument& doc) {
    std::string comps;
    std::vector<Node> nodes;
    std::vector<Hole> holes;
    std::set<std::string> seen;
    doc.ForEachComponent([&](pugi::xml_node e, unsigned) {
        const std::optional<kind::Index> k = KindOf(e);
        if (!k || *k == kind::Text || *k == kind::CutTrack || *k == kind::Trace || *k == kind::Jumper ||
            *k == kind::Wire || *k == kind::SolderPad)
            return;
        const std::string name = e.attribute("Name").value();
        const std::vector<ElementPin> pins = ElementPins(e);
        if (name.empty() || pins.empty() || !seen.insert(name).second)
            return;
        comps += "    (comp (ref " + Quoted(name) + ")\n      (value " + Quoted(e.attribute("Value").value()) +
                 ")\n      (footprint \"\")\n      (libsource (lib \"Device\") (part \"X\") (description \"\"))\n"
                 "      (sheetpath (names \"/\") (tstamps \"/\"))\n      (tstamps \"" + std::to_string(seen.size()) +
                 "\"))\n";
        for (const ElementPin& p : pins) {
            // KiCad numbers a diode's cathode 1.
            std::string number = std::to_string(p.number), function;
            if (p.role == PinRole::Cathode) {
                number = "1";
                function = "K";
            } else if (p.role == PinRole::Anode) {
                number = "2";
                function = "A";
            } else if (p.role == PinRole::Plus) {
                function = "+";
            }
            nodes.push_back({name, number, function});
            holes.push_back(p.hole);
        }
    });
    const std::vector<int> pieces = CopperPieces(doc, holes);
    std::map<int, std::vector<std::size_t>> nets;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        nets[pieces[i]].push_back(i);
    std::string out = "(export (version \"E\")\n  (design\n    (tool \"Eeschema 8.0.6\"))\n  (components\n" + comps +
                      "  )\n  (nets\n";
    int code = 0;
    for (const auto& [piece, members] : nets) {
        ++code;
        out += "    (net (code \"" + std::to_string(code) + "\") (name \"/N" + std::to_string(piece) +
               "\") (class \"Default\")\n";
        for (std::size_t i : members) {
            out += "      (node (ref " + Quoted(nodes[i].ref) + ") (pin \"" + nodes[i].pin + "\")";
            if (!nodes[i].function.empty())
                out += " (pinfunction \"" + nodes[i].function + "\")";
            out += " (pintype \"passive\"))\n";
        }
        out += "    )\n";
    }
    return out + "  )\n)\n";
}

}  // namespace sw
