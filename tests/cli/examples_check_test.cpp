// SPDX-License-Identifier: GPL-3.0-or-later
// Each example layout is the circuit of the netlist beside it: the command a
// user runs on it reports a match and exits 0.

#include "cli_run.h"

#include <gtest/gtest.h>

namespace sw::test {
namespace {

TEST(ExamplesCheck, EachExampleMatchesItsOwnNetlist) {
    for (const char* name : {"stripboard", "perfboard", "pcb"}) {
        SCOPED_TRACE(name);
        const ProgramRun run = RunProgram(
            {QStringLiteral("check"), ExamplePath(QString::fromLatin1(name) + QStringLiteral(".swb"))});
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("\nmatches: ")) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace sw::test
