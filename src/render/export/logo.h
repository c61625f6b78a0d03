// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's small logo, stamped in the corner of every rendered and printed
// picture: 32 x 32 pixels, a line drawing of circuit symbols (a resistor, a
// capacitor, a diode and a ground) in grey (180, 180, 180) on white.

#include <QImage>

namespace sw {

constexpr int kLogoSize = 32;
constexpr unsigned kLogoGrey = 0xB4B4B4;

// A new Format_RGB32 image of the logo.
QImage Logo();

}  // namespace sw
