// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the bytes are a layout file, opened as the editor opens one
// and taken through everything that opening sets going. A crash, a sanitizer
// report, a hang or a broken promise below is a finding.

#include "fuzz_setup.h"
#include "open_pipeline.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sw::StartFuzzerApplication("sw_fuzz_layout");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     qsizetype(size));
    const sw::OpenOutcome outcome = sw::RunOpenPipeline(bytes);
    if (!outcome.opened) {
        if (outcome.refusal.isEmpty())
            sw::Broken("a refused file must say why", QString());
        return 0;
    }
    if (!outcome.reopened)
        sw::Broken("a saved layout must open again", outcome.reopenProblem);
    if (!outcome.billOfMaterials.endsWith("\r\n"))
        sw::Broken("the bill of materials must end its last line", QString());
    if (outcome.copperMade && outcome.copperGif.isEmpty())
        sw::Broken("a copper picture must encode", outcome.copperRefusal);
    if (!outcome.copperMade && outcome.copperRefusal.isEmpty())
        sw::Broken("a missing copper picture must say why", QString());
    return 0;
}
