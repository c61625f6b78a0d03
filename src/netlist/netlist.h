// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schematic's netlist as the readers give it: the parts with their values and
// pins, and the name of the net each pin is on. Four formats are read (KiCad's
// S-expressions, OrcadPCB2, Tango/Protel, SPICE); the format is found from the
// content unless the caller names it. Nothing here knows about layouts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

enum class NetlistFormat { KiCad, OrcadPcb2, Tango, Spice };

// "kicad", "orcadpcb2", "tango", "spice": the words of the --format option.
std::string_view NetlistFormatWord(NetlistFormat format);
std::optional<NetlistFormat> NetlistFormatFromWord(std::string_view word);
// "KiCad", "OrcadPCB2", "Tango/Protel", "SPICE": for messages.
std::string_view NetlistFormatName(NetlistFormat format);

struct NetlistPin {
    std::string name;      // as written: "1", "A", "" (pins are not always numbers)
    int net = -1;          // index into Netlist::nets
    std::string function;  // KiCad's pinfunction ("K", "A", "+"), else empty
};

struct NetlistPart {
    std::string ref;
    std::string value;
    std::string footprint;
    std::string symbol;  // KiCad's library symbol ("R", "CP", "LED"), else empty
    // No physical part: a SPICE source line, a source such as "DC 5" or "SINE(...)" as the
    // value, or a KiCad part simulated as a voltage or current source.
    bool source = false;
    // False for a part only a net names (the parts list does not have it).
    bool listed = true;
    std::vector<NetlistPin> pins;  // in the order read
    std::size_t line = 0;          // where the part is defined (1-based)
};

struct Netlist {
    NetlistFormat format = NetlistFormat::KiCad;
    // Whether the format lists every pin of a part, joined or not (Tango lists
    // only the pins that are on a net).
    bool listsAllPins = true;
    std::vector<NetlistPart> parts;  // in the order read, references unique
    std::vector<std::string> nets;   // names, unique
    std::vector<std::string> warnings;  // "line 12: ..." for what was tolerated

    // The index of the part with this reference, or -1.
    int FindPart(std::string_view ref) const;
};

struct NetlistReadResult {
    std::optional<Netlist> netlist;
    std::string error;  // "line 12: ..." or "byte 40: ..." when nothing was read
};

// The most bytes a netlist may have: far above any real schematic (a netlist of
// 1000 parts is about 300 KB) and small enough that reading stays quick.
inline constexpr std::size_t kMaxNetlistBytes = std::size_t(64) * 1024 * 1024;

// The format the text is written in, or nothing when it is none of the four.
std::optional<NetlistFormat> DetectNetlistFormat(std::string_view text);

// Reads a netlist from its text; `forced` overrides the format found from the
// content. Bad input gives an error naming the line or byte; what can be read
// around is read with a warning.
NetlistReadResult ReadNetlist(std::string_view text,
                              std::optional<NetlistFormat> forced = std::nullopt);

}  // namespace sw
