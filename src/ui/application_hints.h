// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's tooltips as one switch: while hints are off, no widget of
// the program shows a tooltip.

namespace sw {

void SetApplicationHints(bool on);
bool ApplicationHints();

}  // namespace sw
