// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the processor running the program can do beyond the x86-64 baseline the
// program is built for. The pixel loops that have a wider version take it only
// where this says the instructions exist, so one build runs everywhere.
// SW_NO_AVX2 in the environment keeps the baseline loops on any processor: the
// tests run the pixel checks that way too, so both versions are proven here.

#include <cstdlib>

namespace sw {

// Whether AVX2 instructions (eight 32-bit lanes, gathers) can be used.
inline bool HasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = __builtin_cpu_supports("avx2") && !std::getenv("SW_NO_AVX2");
    return has;
#else
    return false;
#endif
}

}  // namespace sw
