// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator behind wire shapes. A wire's curve must come out the same for
// the same `Seed` on every machine and in every release, so the sequence is
// fixed here: a 32-bit linear congruential generator, state * 134775813 + 1.

#include <cstdint>

namespace sw {

class WireRandom {
public:
    explicit WireRandom(std::uint32_t seed) : m_state(seed) {}
    // Advances the state, then returns floor(bound * state / 2^32): 0 ... bound - 1,
    // and 0 when bound is 0 or less (the state still advances).
    int Next(int bound);
    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

// The displacement of one control-point coordinate for a wire whose ends are n
// pixels apart: a = 2n div 3, r = Next(a) - a div 2, and when |r| is below a div 3
// the draw is repeated with a as the new n. So offsets avoid the smallest
// values and every wire is visibly bent.
int RandomOffset(WireRandom& random, int n);

}  // namespace sw
