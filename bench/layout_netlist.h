// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The netlist a layout's copper makes, written as KiCad writes one: every part
// with its value, one net per piece of copper under its pins. The check of a
// layout against its own netlist then has every part and net to match, which
// is what the benchmarks time.

#include <string>

namespace sw {

class LayoutDocument;

std::string KiCadNetlistOfLayout(const LayoutDocument& doc);

}  // namespace sw
