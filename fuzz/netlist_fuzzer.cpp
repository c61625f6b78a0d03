// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the bytes are a netlist, read as the format found from the
// content and as each of the four forced. A crash, a sanitizer report, a hang
// or a broken promise below is a finding.

#include "netlist/netlist.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

// Reports the broken promise and aborts, so libFuzzer keeps the input.
[[noreturn]] void Broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "BROKEN: %s %s\n", what, detail.c_str());
    std::abort();
}

void CheckResult(const sw::NetlistReadResult& r) {
    if (!r.netlist) {
        if (r.error.empty())
            Broken("a refused netlist must say why", std::string());
        return;
    }
    const sw::Netlist& n = *r.netlist;
    if (n.parts.empty())
        Broken("a netlist that is read has parts", std::string());
    std::unordered_set<std::string_view> refs;
    for (const sw::NetlistPart& part : n.parts) {
        if (!refs.insert(part.ref).second)
            Broken("references are unique", part.ref);
        std::unordered_set<std::string_view> pins;
        for (const sw::NetlistPin& pin : part.pins) {
            if (pin.net < 0 || std::size_t(pin.net) >= n.nets.size())
                Broken("every pin is on a net of the list", part.ref);
            if (!pins.insert(pin.name).second)
                Broken("a part's pins are unique", part.ref);
        }
    }
    if (n.warnings.size() > 101)
        Broken("warnings are bounded", std::to_string(n.warnings.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckResult(sw::ReadNetlist(text));
    for (sw::NetlistFormat f : {sw::NetlistFormat::KiCad, sw::NetlistFormat::OrcadPcb2,
                                sw::NetlistFormat::Tango, sw::NetlistFormat::Spice})
        CheckResult(sw::ReadNetlist(text, f));
    return 0;
}
