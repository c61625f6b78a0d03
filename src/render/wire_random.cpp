// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/wire_random.h"

#include <cstdlib>

namespace sw {

int WireRandom::Next(int bound) {
    m_state = m_state * 134775813u + 1u;
    if (bound <= 0)
        return 0;
    return int((std::uint64_t(unsigned(bound)) * m_state) >> 32);
}

int RandomOffset(WireRandom& random, int n) {
    // Written as a loop: each round shrinks n to 2n div 3, which reaches 0,
    // where r is 0 and the test fails.
    for (;;) {
        const int a = int((2LL * n) / 3);
        const int r = random.Next(a) - a / 2;
        if (std::abs(r) < a / 3) {
            n = a;
            continue;
        }
        return r;
    }
}

}  // namespace sw
