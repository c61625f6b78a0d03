// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tools that the benchmark program runs instead of the benchmarks, to prepare and
// check what the benchmarks and whole-process timings use:
//   --write-stress-layout=FILE [--parts=N --width=W --height=H]
//       writes the fixed-seed stress layout as a layout file;
//   --write-pin-layout=FILE
//       writes a layout of one part of every kind with its pins labelled
//       (docs/pin-numbers.swb, the README's picture of the pin numbers);
//   --write-stress-netlist=FILE [--parts=N --width=W --height=H]
//       writes the KiCad netlist that the same layout's copper makes;
//   --dump-render=LAYOUT --out=PREFIX
//       renders LAYOUT on the editor's board image and writes the raw pixels of
//       the picture and of the pick map (PREFIX.board, PREFIX.pick), then the same
//       with every third component selected and reveal mode on (PREFIX.sel.board,
//       PREFIX.sel.pick), so two builds can be compared with cmp.

namespace sw {

// The value of `--name=VALUE` among the arguments, or nullptr.
const char* BenchOption(int argc, char** argv, const char* name);

// Runs the tool asked for and gives its exit status, or -1 when no tool is asked for.
int RunBenchTool(int argc, char** argv);

struct RenderCaches;
// What the benchmarks' repaints keep between pictures, as the editor's board
// keeps its caches for as long as the window is open. One set for the whole
// run: Google Benchmark calls a benchmark several times, and a set made per
// call would start each call cold.
RenderCaches& BenchRenderCaches();

}  // namespace sw
