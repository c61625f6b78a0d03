// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hole of the board lattice by its column and row.

namespace sw {

struct Hole {
    int x = 0;
    int y = 0;
    friend bool operator==(const Hole&, const Hole&) = default;
};

}  // namespace sw
