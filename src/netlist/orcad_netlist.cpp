// SPDX-License-Identifier: GPL-3.0-or-later
// OrcadPCB2 as KiCad exports it:
//   ( { EESchema Netlist Version 1.1 created ... }
//    ( /5C5E8A2A $noname  R1 4K7 {Lib=R}
//     (    1 VCC )
//     (    2 Net-(R1-Pad2) )
//    )
//   )
//   *
// One block per part (time stamp, footprint or $noname, reference, value with
// spaces written as "_"), one line per pin; "?" is a pin on no net.

#include "netlist/netlist_readers.h"

#include "netlist/text_lines.h"

#include <string>

namespace sw {
namespace {

std::string JoinWords(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i) {
        if (!out.empty())
            out.push_back(' ');
        out.append(words[i]);
    }
    return out;
}

}  // namespace

std::optional<std::string> ReadOrcadPcb2Netlist(std::string_view text, NetlistBuilder& builder) {
    TextLines lines(WithoutByteOrderMark(text));
    std::string_view line;
    bool header = false;
    bool closed = false;
    int part = -1;
    std::string partRef;
    std::size_t partLine = 0;
    while (lines.Next(line)) {
        const std::vector<std::string_view> words = Words(line);
        if (words.empty())
            continue;
        const std::size_t n = lines.Number();
        if (!header) {
            if (words[0] != "(" && words[0].substr(0, 1) != "(")
                return AtLine(n, "an OrcadPCB2 netlist begins with \"( {\"");
            header = true;
            continue;
        }
        if (closed) {
            if (words[0] != "*")
                builder.Warn(n, "text after the end of the netlist is passed over");
            break;
        }
        if (words[0] == ")") {
            if (part >= 0 || !partRef.empty()) {
                part = -1;
                partRef.clear();
            } else {
                closed = true;
            }
            continue;
        }
        if (words[0] == "*") {
            closed = true;
            break;
        }
        if (words[0] != "(")
            return AtLine(n, "expected \"(\" to begin a part or a pin, found \"" +
                                 std::string(words[0].substr(0, 40)) + "\"");
        if (words.size() >= 4 && words.back() == ")") {
            // (    1 VCC )
            if (partRef.empty())
                return AtLine(n, "a pin outside a part");
            const std::string net = JoinWords(words, 2, words.size() - 1);
            const std::string pin(words[1]);
            const std::string name =
                net == "?" ? "unconnected-(" + partRef + "-Pad" + pin + ")" : net;
            builder.AddPin(partRef, pin, builder.Net(name), {}, n);
            continue;
        }
        if (!partRef.empty())
            return AtLine(n, "the part " + partRef + " from line " + std::to_string(partLine) +
                                 " is not closed with \")\" before the next");
        // ( /5C5E8A2A $noname  R1 4K7 {Lib=R}
        std::vector<std::string_view> fields;
        for (std::size_t i = 1; i < words.size() && words[i].substr(0, 1) != "{"; ++i)
            fields.push_back(words[i]);
        if (fields.size() < 3)
            return AtLine(n, "a part needs a time stamp, a footprint and a reference");
        std::string value = fields.size() > 3 ? JoinWords(fields, 3, fields.size()) : std::string();
        for (char& c : value)
            if (c == '_')
                c = ' ';
        std::string footprint(fields[1] == "$noname" ? std::string_view() : fields[1]);
        part = builder.AddPart(fields[2], std::move(value), std::move(footprint), n);
        partRef = std::string(fields[2]);
        partLine = n;
    }
    if (!header)
        return std::string("the netlist is empty");
    if (!partRef.empty())
        return AtLine(partLine, "the part " + partRef +
                                    " is not closed: the text ends (is it cut short?)");
    if (!closed)
        return AtLine(lines.Number(), "the netlist is not closed with \")\": the text ends "
                                      "(is it cut short?)");
    return std::nullopt;
}

}  // namespace sw
