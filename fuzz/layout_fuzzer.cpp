// libFuzzer entry: the bytes are a layout file, opened as the editor opens one
// and taken through everything that opening sets going. A crash, a sanitizer
// report, a hang or a broken promise below is a finding.

#include "open_pipeline.h"

#include "render/fonts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sw_fuzz_layout";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    sw::RegisterFonts();
    return 0;
}

namespace {

[[noreturn]] void Broken(const char* what, const QString& detail) {
    std::fprintf(stderr, "broken promise: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     qsizetype(size));
    const sw::OpenOutcome outcome = sw::RunOpenPipeline(bytes);
    if (!outcome.opened) {
        if (outcome.refusal.isEmpty())
            Broken("a refused file must say why", QString());
        return 0;
    }
    if (!outcome.reopened)
        Broken("a saved layout must open again", outcome.reopenProblem);
    if (!outcome.billOfMaterials.endsWith("\r\n"))
        Broken("the bill of materials must end its last line", QString());
    if (outcome.copperMade && outcome.copperGif.isEmpty())
        Broken("a copper picture must encode", outcome.copperRefusal);
    if (!outcome.copperMade && outcome.copperRefusal.isEmpty())
        Broken("a missing copper picture must say why", QString());
    return 0;
}
