// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both fuzz targets share: the application they draw with, and the way a
// broken promise ends the run.

#include <QString>

namespace sw {

// A QGuiApplication on the offscreen platform with the program's fonts.
void StartFuzzerApplication(const char* name);
// Reports `what` (and `detail`) on stderr and aborts, so libFuzzer keeps the input.
[[noreturn]] void Broken(const char* what, const QString& detail);

}  // namespace sw
