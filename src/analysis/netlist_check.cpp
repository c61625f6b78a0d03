// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/netlist_check.h"

#include "analysis/copper_nets.h"
#include "model/element_pins.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "netlist/component_value.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace sw {
namespace {

// A layout element that counts as a part.
struct LayoutPart {
    pugi::xml_node element;
    kind::Index kind;
    std::string_view name;
    std::vector<ElementPin> pins;
    int netlistPart = -1;  // matched netlist part, or -1
};

// A netlist pin placed at a hole of the layout.
struct Placed {
    int part;  // netlist part
    int pin;   // index into its pins
    int net;
    Hole hole;
    int piece = -1;
};

bool IsPolarised(kind::Index k) {
    return k == kind::Diode || k == kind::Led || k == kind::Electrolyte;
}

// Elements that join copper or draw nothing, never parts.
bool IsCopperOrText(kind::Index k) {
    return k == kind::Text || k == kind::CutTrack || k == kind::Trace || k == kind::Jumper ||
           k == kind::Wire;
}

std::optional<int> PinNumber(const std::string& name) {
    if (name.empty() || name.size() > 6)
        return std::nullopt;
    int v = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Which netlist pin is the cathode (Diode, Led) or plus (Electrolyte): the one
// whose function says so, else the format's: pin 1, or in SPICE the second
// node of a diode and the first of a capacitor.
int MarkedPin(const NetlistPart& part, kind::Index k, NetlistFormat format) {
    const bool electrolyte = k == kind::Electrolyte;
    for (std::size_t i = 0; i < part.pins.size(); ++i) {
        const std::string& f = part.pins[i].function;
        if (electrolyte ? f == "+" : (f == "K" || f == "k"))
            return int(i);
    }
    const std::string wanted = !electrolyte && format == NetlistFormat::Spice ? "2" : "1";
    for (std::size_t i = 0; i < part.pins.size(); ++i)
        if (part.pins[i].name == wanted)
            return int(i);
    return -1;
}

// For each netlist pin the layout pin it sits at (-1 none), and the pins the
// kind cannot have.
std::vector<int> MapPins(const LayoutPart& lp, const NetlistPart& np, NetlistFormat format,
                         std::vector<std::string>& stray) {
    std::vector<int> map(np.pins.size(), -1);
    if (IsPolarised(lp.kind) && np.pins.size() == 2 && lp.pins.size() == 2) {
        const int marked = MarkedPin(np, lp.kind, format);
        if (marked >= 0) {
            const PinRole markedRole = lp.kind == kind::Electrolyte ? PinRole::Plus : PinRole::Cathode;
            const int layoutMarked = lp.pins[0].role == markedRole ? 0 : 1;
            map[std::size_t(marked)] = layoutMarked;
            map[std::size_t(1 - marked)] = 1 - layoutMarked;
            return map;
        }
    }
    for (std::size_t i = 0; i < np.pins.size(); ++i) {
        std::optional<int> n = PinNumber(np.pins[i].name);
        // A jack's lugs are often numbered by what they touch: T(ip), S(leeve), R(ing).
        if (!n && lp.kind == kind::AudioJack && np.pins[i].name.size() == 1)
            switch (np.pins[i].name.front()) {
            case 'T': n = 1; break;
            case 'S': n = 2; break;
            case 'R': n = 3; break;
            default: break;
            }
        if (n && *n >= 1 && *n <= int(lp.pins.size()))
            map[i] = *n - 1;
        else
            stray.push_back(np.pins[i].name);
    }
    return map;
}

std::uint64_t Key(int a, int b) { return (std::uint64_t(std::uint32_t(a)) << 32) | std::uint32_t(b); }

}  // namespace

const char* DifferenceWord(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::Open: return "open";
    case DifferenceKind::Short: return "short";
    case DifferenceKind::Missing: return "missing";
    case DifferenceKind::Extra: return "extra";
    case DifferenceKind::Reversed: return "reversed";
    case DifferenceKind::Value: return "value";
    case DifferenceKind::Pins: return "pins";
    }
    return "";
}

std::vector<std::string> OffBoardParts(const LayoutDocument& doc) {
    std::vector<std::string> names;
    const std::string list = doc.Root().attribute("OffBoard").value();
    std::string name;
    for (char c : list + " ") {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == ';') {
            if (!name.empty())
                names.push_back(std::move(name));
            name.clear();
        } else {
            name.push_back(c);
        }
    }
    return names;
}

CheckReport CheckLayoutAgainstNetlist(const LayoutDocument& doc, const Netlist& netlist) {
    CheckReport report;
    report.netlistParts = int(netlist.parts.size());
    report.netlistNets = int(netlist.nets.size());
    report.warnings = netlist.warnings;

    std::unordered_map<std::string_view, int> netlistByRef;
    netlistByRef.reserve(netlist.parts.size());
    for (std::size_t i = 0; i < netlist.parts.size(); ++i)
        netlistByRef.emplace(netlist.parts[i].ref, int(i));
    // SPICE calls a subcircuit by a name beginning with X: XU1 is the board's U1
    // unless the deck has a U1 of its own.
    if (netlist.format == NetlistFormat::Spice)
        for (std::size_t i = 0; i < netlist.parts.size(); ++i) {
            const std::string_view ref = netlist.parts[i].ref;
            if (ref.size() > 1 && (ref.front() == 'X' || ref.front() == 'x'))
                netlistByRef.emplace(ref.substr(1), int(i));
        }

    // The layout's parts: every component kind, and a user's pad that the
    // netlist names (test points, wire pads). Jumpers, wires, cuts, traces,
    // texts and automatic pads are copper.
    std::vector<LayoutPart> layout;
    std::unordered_map<std::string_view, int> layoutByName;
    std::vector<int> extras;
    LayoutCopper copper = EmptyLayoutCopper(doc);
    doc.ForEachComponent([&](pugi::xml_node e, unsigned) {
        const std::optional<kind::Index> k = KindOf(e);
        if (!k)
            return;
        if (IsCopperOrText(*k)) {
            copper.Add(e, *k);
            return;
        }
        const char* name = e.attribute("Name").value();
        if (*k == kind::SolderPad && (e.attribute("Parent") || !netlistByRef.count(name)))
            return;
        layout.push_back({e, *k, name, ElementPins(e), -1});
    });
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const auto [it, fresh] = layoutByName.emplace(layout[i].name, int(i));
        const auto match = netlistByRef.find(layout[i].name);
        if (fresh && match != netlistByRef.end())
            layout[i].netlistPart = match->second;
        else
            extras.push_back(int(i));
    }
    report.layoutParts = int(layout.size());
    std::vector<int> layoutOf(netlist.parts.size(), -1);
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].netlistPart >= 0)
            layoutOf[std::size_t(layout[i].netlistPart)] = int(i);

    // Which parts' pins share a net with another part's pin.
    std::vector<int> netParts(netlist.nets.size(), 0);   // distinct parts on the net
    std::vector<int> netLastPart(netlist.nets.size(), -1);
    for (std::size_t p = 0; p < netlist.parts.size(); ++p)
        for (const NetlistPin& pin : netlist.parts[p].pins)
            if (netLastPart[std::size_t(pin.net)] != int(p)) {
                netLastPart[std::size_t(pin.net)] = int(p);
                ++netParts[std::size_t(pin.net)];
            }

    std::vector<Difference> missing, extra, reversed, values, pinDiffs;
    const std::vector<std::string> offBoard = OffBoardParts(doc);
    const ValueDialect dialect =
        netlist.format == NetlistFormat::Spice ? ValueDialect::Spice : ValueDialect::Common;

    std::vector<Placed> placed;
    for (std::size_t p = 0; p < netlist.parts.size(); ++p) {
        const NetlistPart& np = netlist.parts[p];
        if (layoutOf[p] < 0) {
            const bool joined = std::any_of(np.pins.begin(), np.pins.end(), [&](const NetlistPin& pin) {
                return netParts[std::size_t(pin.net)] > 1;
            });
            if (np.source)
                report.notExpected.push_back({np.ref, NotExpectedReason::Source});
            else if (std::find(offBoard.begin(), offBoard.end(), np.ref) != offBoard.end())
                report.notExpected.push_back({np.ref, NotExpectedReason::OffBoard});
            else if (!joined)
                report.notExpected.push_back({np.ref, NotExpectedReason::Unjoined});
            else {
                Difference d;
                d.kind = DifferenceKind::Missing;
                d.names = {np.ref};
                d.netlistText = np.value;
                missing.push_back(std::move(d));
            }
            continue;
        }
        const LayoutPart& lp = layout[std::size_t(layoutOf[p])];
        if (np.listed && !np.value.empty() && lp.kind != kind::SolderPad &&
            lp.element.attribute("Value") &&
            !SameValue(lp.element.attribute("Value").value(), np.value, dialect)) {
            Difference d;
            d.kind = DifferenceKind::Value;
            d.names = {np.ref};
            d.layoutText = lp.element.attribute("Value").value();
            d.netlistText = np.value;
            values.push_back(std::move(d));
        }
        std::vector<std::string> stray;
        const std::vector<int> map = MapPins(lp, np, netlist.format, stray);
        // A part that only the nets name has only the pins they name.
        const bool countDiffers = netlist.listsAllPins && np.listed
                                      ? np.pins.size() != lp.pins.size()
                                      : np.pins.size() > lp.pins.size();
        if (countDiffers || !stray.empty()) {
            Difference d;
            d.kind = DifferenceKind::Pins;
            d.names = {np.ref};
            d.layoutPins = int(lp.pins.size());
            d.netlistPins = int(np.pins.size());
            d.strayPins = std::move(stray);
            pinDiffs.push_back(std::move(d));
        }
        for (std::size_t i = 0; i < map.size(); ++i)
            if (map[i] >= 0)
                placed.push_back({int(p), int(i), np.pins[i].net, lp.pins[std::size_t(map[i])].hole});
    }
    for (int i : extras) {
        Difference d;
        d.kind = DifferenceKind::Extra;
        d.names = {std::string(layout[std::size_t(i)].name)};
        d.layoutText = layout[std::size_t(i)].element.attribute("Value").value();
        if (!layout[std::size_t(i)].pins.empty())
            d.at = layout[std::size_t(i)].pins.front().hole;
        extra.push_back(std::move(d));
    }

    // The copper under every placed pin.
    {
        std::vector<Hole> holes;
        holes.reserve(placed.size());
        for (const Placed& pl : placed)
            holes.push_back(pl.hole);
        const std::vector<int> pieces = CopperPieces(std::move(copper), holes);
        for (std::size_t i = 0; i < placed.size(); ++i)
            placed[i].piece = pieces[i];
    }

    // A polarised two-lead part turned round: each pin on copper that holds
    // pins of the other one's net and none of its own. Its pins are then taken
    // as turned, so that the turn is not reported again as opens and shorts.
    {
        std::unordered_map<std::uint64_t, int> onPiece;  // (piece, net) -> pins
        for (const Placed& pl : placed)
            ++onPiece[Key(pl.piece, pl.net)];
        auto others = [&](int piece, int net, int own) {
            const auto it = onPiece.find(Key(piece, net));
            return (it == onPiece.end() ? 0 : it->second) - own;
        };
        std::vector<int> firstPlaced(netlist.parts.size(), -1);
        for (std::size_t i = placed.size(); i-- > 0;)
            firstPlaced[std::size_t(placed[i].part)] = int(i);
        for (std::size_t p = 0; p < netlist.parts.size(); ++p) {
            if (layoutOf[p] < 0 || !IsPolarised(layout[std::size_t(layoutOf[p])].kind))
                continue;
            const int first = firstPlaced[p];
            if (first < 0 || std::size_t(first) + 1 >= placed.size() ||
                placed[std::size_t(first) + 1].part != int(p))
                continue;
            Placed& a = placed[std::size_t(first)];
            Placed& b = placed[std::size_t(first) + 1];
            if (a.net == b.net || a.piece == b.piece)
                continue;
            const bool turned = others(a.piece, b.net, 0) > 0 && others(b.piece, a.net, 0) > 0;
            const bool straight = others(a.piece, a.net, 1) > 0 || others(b.piece, b.net, 1) > 0;
            if (!turned || straight)
                continue;
            const NetlistPart& np = netlist.parts[p];
            const int marked = MarkedPin(np, layout[std::size_t(layoutOf[p])].kind, netlist.format);
            Placed& m = marked == b.pin ? b : a;
            Placed& o = marked == b.pin ? a : b;
            Difference d;
            d.kind = DifferenceKind::Reversed;
            d.names = {np.ref};
            d.groups = {{{np.ref, np.pins[std::size_t(m.pin)].name, m.hole}},
                        {{np.ref, np.pins[std::size_t(o.pin)].name, o.hole}}};
            // Where each pin sits: on the other one's net.
            d.layoutText = netlist.nets[std::size_t(o.net)];
            d.netlistText = netlist.nets[std::size_t(m.net)];
            d.plusMarked = layout[std::size_t(layoutOf[p])].kind == kind::Electrolyte;
            reversed.push_back(std::move(d));
            std::swap(a.piece, b.piece);
            std::swap(a.hole, b.hole);
        }
    }

    report.pins.reserve(placed.size());
    for (const Placed& pl : placed)
        report.pins.push_back({pl.hole, pl.net});

    auto pinOf = [&](const Placed& pl) {
        const NetlistPart& np = netlist.parts[std::size_t(pl.part)];
        return PlacedPin{np.ref, np.pins[std::size_t(pl.pin)].name, pl.hole};
    };
    // Opens: a net's pins on two or more pieces, listed piece by piece in the
    // order the netlist gives the pins.
    std::vector<std::vector<int>> byNet(netlist.nets.size());
    for (std::size_t i = 0; i < placed.size(); ++i)
        byNet[std::size_t(placed[i].net)].push_back(int(i));
    for (std::size_t n = 0; n < byNet.size(); ++n) {
        std::vector<int> pieceOrder;
        std::vector<std::vector<PlacedPin>> groups;
        for (int i : byNet[n]) {
            const int piece = placed[std::size_t(i)].piece;
            auto it = std::find(pieceOrder.begin(), pieceOrder.end(), piece);
            if (it == pieceOrder.end()) {
                pieceOrder.push_back(piece);
                groups.emplace_back();
                it = pieceOrder.end() - 1;
            }
            groups[std::size_t(it - pieceOrder.begin())].push_back(pinOf(placed[std::size_t(i)]));
        }
        if (groups.size() > 1) {
            Difference d;
            d.kind = DifferenceKind::Open;
            d.names = {netlist.nets[n]};
            d.groups = std::move(groups);
            report.differences.push_back(std::move(d));
        }
    }
    // Shorts: one piece holding pins of two or more nets, the nets in netlist order.
    std::unordered_map<int, std::vector<int>> byPiece;
    for (std::size_t i = 0; i < placed.size(); ++i)
        byPiece[placed[i].piece].push_back(int(i));
    std::vector<std::pair<int, Difference>> shorts;  // by the first net's place in the netlist
    for (auto& [piece, members] : byPiece) {
        std::vector<int> nets;
        for (int i : members)
            nets.push_back(placed[std::size_t(i)].net);
        std::sort(nets.begin(), nets.end());
        nets.erase(std::unique(nets.begin(), nets.end()), nets.end());
        if (nets.size() < 2)
            continue;
        Difference d;
        d.kind = DifferenceKind::Short;
        d.groups.resize(nets.size());
        for (int net : nets)
            d.names.push_back(netlist.nets[std::size_t(net)]);
        for (int i : members) {
            const auto at = std::lower_bound(nets.begin(), nets.end(), placed[std::size_t(i)].net);
            d.groups[std::size_t(at - nets.begin())].push_back(pinOf(placed[std::size_t(i)]));
        }
        shorts.emplace_back(nets.front(), std::move(d));
    }
    std::sort(shorts.begin(), shorts.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [net, d] : shorts)
        report.differences.push_back(std::move(d));
    for (auto* list : {&missing, &extra, &reversed, &values, &pinDiffs})
        for (Difference& d : *list)
            report.differences.push_back(std::move(d));
    return report;
}

}  // namespace sw
