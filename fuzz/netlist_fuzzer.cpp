// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the bytes are a netlist, read as the format found from the
// content and as each of the four forced, and each netlist read is checked
// against a small stripboard. A crash, a sanitizer report, a hang or a broken
// promise below is a finding.

#include "analysis/netlist_check.h"
#include "model/layout_document.h"
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

// Parts of most kinds on a stripboard, cut and joined, named as netlists name them.
const char* const kLayout = R"(<Layout Type="Stripboard" Width="20" Height="12" Project="P" Credits="C" OffBoard="J1 BT1">
  <Resistor Value="10K" X1="2" Y1="2" X2="2" Y2="5" Name="R1"/>
  <Diode Value="1N4148" X1="4" Y1="5" X2="4" Y2="8" Name="D1"/>
  <Led Value="red" X1="5" Y1="5" X2="5" Y2="8" Name="D2"/>
  <Electrolyte Value="10uF" X1="6" Y1="2" X2="6" Y2="8" Name="C1"/>
  <Capacitor Value="100n" X1="7" Y1="2" X2="7" Y2="5" Name="C2"/>
  <IC Value="NE555" X1="10" Y1="3" X2="13" Y2="6" Name="U1"/>
  <Cut X1="11" Y1="3" Name="X1"/><Cut X1="11" Y1="4" Name="X2"/><Cut X1="11" Y1="5" Name="X3"/><Cut X1="11" Y1="6" Name="X4"/>
  <Transistor Value="BC547" X1="15" Y1="2" X2="15" Y2="4" Name="Q1"/>
  <Jack Type="Stereo" X1="17" Y1="6" Name="J2"/>
  <Pad Value="15px" X1="19" Y1="11" Name="TP1"/>
  <Jumper X1="3" Y1="2" X2="3" Y2="8" Name="J9"/>
  <Wire Color="Red" Seed="1" X1="8" Y1="5" X2="14" Y2="9" Name="W1"/>
  <Trace Value="5px" X1="9" Y1="9" X2="9" Y2="11" Name="T1"/>
</Layout>)";

const sw::LayoutDocument& Layout() {
    static const sw::LayoutDocument* doc = [] {
        auto* d = new sw::LayoutDocument;
        if (!d->LoadText(kLayout).ok)
            Broken("the fuzzer's layout must load", std::string());
        return d;
    }();
    return *doc;
}

void CheckAgainstLayout(const sw::Netlist& n) {
    const sw::CheckReport report = sw::CheckLayoutAgainstNetlist(Layout(), n);
    const std::string text = sw::CheckReportText(report);
    if (text.empty() || text.back() != '\n')
        Broken("the report ends its last line", text);
    const std::size_t last = text.rfind('\n', text.size() - 2);
    const std::string summary = text.substr(last == std::string::npos ? 0 : last + 1);
    if (report.Matches() != (summary.rfind("matches: ", 0) == 0))
        Broken("the summary says whether the layout matches", text);
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    if (lines != report.differences.size() + (report.notExpected.empty() ? 0 : 1) + 1)
        Broken("one difference a line", text);
    const std::string json = sw::CheckReportJson(report);
    if (json.front() != '{' || json.substr(json.size() - 2) != "}\n")
        Broken("the JSON report is one object", json);
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
    CheckAgainstLayout(n);
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
