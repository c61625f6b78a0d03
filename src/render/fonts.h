// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program draws all text in "Tahoma" and the explorer's arrows in
// "Wingdings". When the system has no such family, the metric-compatible faces
// of Debian's fonts-wine are registered with the application.

namespace sw {

// Call once after the application object exists.
void RegisterFonts();
// True when a "Wingdings" family is available (installed or registered).
bool HasWingdings();

}  // namespace sw
