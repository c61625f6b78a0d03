// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four readers behind ReadNetlist. Each fills the builder from the text and
// returns the reason the text cannot be read ("line 12: ..."), or nothing.

#include "netlist/netlist_builder.h"

#include <optional>
#include <string>
#include <string_view>

namespace sw {

std::optional<std::string> ReadKiCadNetlist(std::string_view text, NetlistBuilder& builder);
std::optional<std::string> ReadOrcadPcb2Netlist(std::string_view text, NetlistBuilder& builder);
std::optional<std::string> ReadTangoNetlist(std::string_view text, NetlistBuilder& builder);
std::optional<std::string> ReadSpiceNetlist(std::string_view text, NetlistBuilder& builder);

}  // namespace sw
