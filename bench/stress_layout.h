// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed-seed stress layout for the benchmarks: a 98 x 50 stripboard with 2000
// components cycling through all 21 kinds, each with hole pairs its kind accepts
// when placed by hand. About one component in fifty sticks out over an edge of
// the board, as moved components may. The same options always give the same
// layout, byte for byte, on every machine.

#include <QString>
#include <cstdint>
#include <string>

namespace sw {

class LayoutDocument;

struct StressLayoutOptions {
    int width = 98;
    int height = 50;
    int components = 2000;
    std::uint64_t seed = 20240601;
    const char* boardType = "Stripboard";
};

// Replaces the document's content with the stress layout.
void FillStressLayout(LayoutDocument& doc, const StressLayoutOptions& options = {});
// The same layout as the text of a layout file.
std::string StressLayoutXml(const StressLayoutOptions& options = {});
// The default stress layout written as a file, in a folder that lives as long
// as the program.
const QString& StressLayoutFile();

}  // namespace sw
