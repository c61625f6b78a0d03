// SPDX-License-Identifier: GPL-3.0-or-later
// KiCad's own netlist, (export (version "E") (components (comp ...)) (nets (net
// ...))), as KiCad 5 to 9 write it: atoms quoted or not, fields and properties
// in the component, tags this reader does not know passed over.

#include "netlist/netlist_readers.h"

#include "netlist/s_expression.h"
#include "netlist/text_lines.h"

namespace sw {
namespace {

using Node = SExpression::Node;

// Whether the part is simulated as a voltage or current source: KiCad 5 and 6
// keep it in the field Spice_Primitive, KiCad 7 and later in Sim.Device.
bool IsSimulatedSource(std::string_view name, std::string_view value) {
    return (name == "Spice_Primitive" || name == "Sim.Device" || name == "Sim_Device") &&
           (value == "V" || value == "I" || value == "v" || value == "i");
}

void ReadComponent(const SExpression& e, const Node& comp, const LineIndex& lines,
                   NetlistBuilder& builder) {
    const std::size_t line = lines.LineOf(comp.offset);
    const Node* ref = e.Child(comp, "ref");
    if (ref == nullptr || e.FirstValue(*ref).empty()) {
        builder.Warn(line, "a component without a reference is passed over");
        return;
    }
    const Node* value = e.Child(comp, "value");
    const Node* footprint = e.Child(comp, "footprint");
    const int part = builder.AddPart(e.FirstValue(*ref),
                                     std::string(value ? e.FirstValue(*value) : std::string_view()),
                                     std::string(footprint ? e.FirstValue(*footprint)
                                                           : std::string_view()),
                                     line);
    // (libsource (lib "Device") (part "CP") (description "..."))
    if (const Node* library = e.Child(comp, "libsource"))
        if (const Node* symbol = e.Child(*library, "part"))
            builder.SetSymbol(part, std::string(e.FirstValue(*symbol)));
    for (std::uint32_t i = comp.firstChild; i != 0; i = e.at(i).next) {
        const Node& child = e.at(i);
        const std::string_view tag = e.Head(child);
        if (tag == "property") {
            // (property (name "Sim.Device") (value "V"))
            const Node* name = e.Child(child, "name");
            const Node* val = e.Child(child, "value");
            if (name && val && IsSimulatedSource(e.FirstValue(*name), e.FirstValue(*val)))
                builder.MarkSource(part);
        } else if (tag == "fields") {
            // (fields (field (name "Spice_Primitive") "V"))
            for (std::uint32_t f = child.firstChild; f != 0; f = e.at(f).next) {
                const Node& field = e.at(f);
                if (e.Head(field) != "field")
                    continue;
                const Node* name = e.Child(field, "name");
                std::string_view text;
                for (std::uint32_t k = field.firstChild; k != 0; k = e.at(k).next)
                    if (k != field.firstChild && !e.at(k).list)
                        text = e.at(k).atom;
                if (name && IsSimulatedSource(e.FirstValue(*name), text))
                    builder.MarkSource(part);
            }
        }
    }
}

void ReadNet(const SExpression& e, const Node& net, const LineIndex& lines,
             NetlistBuilder& builder) {
    const std::size_t line = lines.LineOf(net.offset);
    const Node* name = e.Child(net, "name");
    const Node* code = e.Child(net, "code");
    std::string netName(name ? e.FirstValue(*name) : std::string_view());
    if (netName.empty()) {
        netName = "Net-" + std::string(code ? e.FirstValue(*code) : std::string_view("?"));
        builder.Warn(line, "a net without a name is called " + netName);
    }
    const int index = builder.Net(netName);
    for (std::uint32_t i = net.firstChild; i != 0; i = e.at(i).next) {
        const Node& node = e.at(i);
        if (e.Head(node) != "node")
            continue;
        const Node* ref = e.Child(node, "ref");
        const Node* pin = e.Child(node, "pin");
        if (ref == nullptr || e.FirstValue(*ref).empty() || pin == nullptr) {
            builder.Warn(lines.LineOf(node.offset),
                         "a node of net " + netName + " without a reference or pin is passed over");
            continue;
        }
        const Node* function = e.Child(node, "pinfunction");
        builder.AddPin(e.FirstValue(*ref), e.FirstValue(*pin), index,
                       function ? e.FirstValue(*function) : std::string_view(),
                       lines.LineOf(node.offset));
    }
}

}  // namespace

std::optional<std::string> ReadKiCadNetlist(std::string_view text, NetlistBuilder& builder) {
    const LineIndex lines(text);
    const SExpressionResult parsed = ReadSExpression(text);
    if (!parsed.ok)
        return AtLine(lines.LineOf(parsed.errorOffset), parsed.error);
    const SExpression& e = parsed.expression;
    const Node& root = e.nodes.front();
    if (e.Head(root) != "export")
        return AtLine(lines.LineOf(root.offset),
                      "a KiCad netlist begins with (export, not (" + std::string(e.Head(root)));
    const Node* components = e.Child(root, "components");
    const Node* nets = e.Child(root, "nets");
    if (components == nullptr && nets == nullptr)
        return AtLine(lines.LineOf(root.offset), "the netlist has neither components nor nets");
    if (components != nullptr)
        for (std::uint32_t i = components->firstChild; i != 0; i = e.at(i).next)
            if (e.Head(e.at(i)) == "comp")
                ReadComponent(e, e.at(i), lines, builder);
    if (nets == nullptr)
        builder.Warn(lines.LineOf(root.offset), "the netlist has no (nets ...): no pin is on a net");
    if (nets != nullptr)
        for (std::uint32_t i = nets->firstChild; i != 0; i = e.at(i).next)
            if (e.Head(e.at(i)) == "net")
                ReadNet(e, e.at(i), lines, builder);
    return std::nullopt;
}

}  // namespace sw
