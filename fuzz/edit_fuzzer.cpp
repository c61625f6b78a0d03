// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the input is a short sequence of editing commands and a
// layout file (fuzz/edit_sequence.h). A crash, a sanitizer report (an integer
// that overflows while moving or turning a part at the edge of int), a hang or a
// broken promise below is a finding.

#include "edit_sequence.h"
#include "fuzz_setup.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sw::StartFuzzerApplication("sw_fuzz_edit");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     qsizetype(size));
    const sw::EditOutcome outcome = sw::RunEditSequence(bytes);
    if (!outcome.opened) {
        if (outcome.refusal.isEmpty())
            sw::Broken("a refused file must say why", QString());
        return 0;
    }
    if (!outcome.selectionInStep)
        sw::Broken("every explorer entry must be an element of the document", QString());
    if (!outcome.reopened)
        sw::Broken("an edited layout, saved, must open again", outcome.reopenProblem);
    if (!outcome.undoRestores)
        sw::Broken("the undo snapshot must open again", QString());
    if (!outcome.censusTrue)
        sw::Broken("the census a paste reads must be what a walk of the layout gives", QString());
    return 0;
}
