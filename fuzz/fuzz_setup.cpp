// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_setup.h"

#include "render/fonts.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace sw {

void StartFuzzerApplication(const char* name) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    new QGuiApplication(argc, argv);
    RegisterFonts();
}

void Broken(const char* what, const QString& detail) {
    std::fprintf(stderr, "broken promise: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

}  // namespace sw
