// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/process_heap.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace sw {

void PrepareHeapForPictures() {
#if defined(__GLIBC__) && defined(__linux__)
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    constexpr std::size_t kReserve = std::size_t(96) << 20;  // more than a crowded board needs
    // One arena: the worker threads' own arenas would be mapped apart, with
    // small pages. Blocks up to 128 MiB come from the heap, and a freed top
    // stays, so the region advised below is the one every picture lands in.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 128 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    void* block = std::malloc(kReserve);
    if (!block)
        return;
    // The block's pages are not touched here; the kernel fills them in 2 MiB
    // at a time as the pictures first write them.
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    const std::uintptr_t last = (start + kReserve) & ~std::uintptr_t(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    std::free(block);
#endif
}

}  // namespace sw
