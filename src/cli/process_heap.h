// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heap of a command-line run. A command is one short process that builds
// tens of megabytes of pictures (the board image, the pick map, every body
// image) and exits: taken from the kernel a page at a time, that memory costs
// tens of thousands of page faults, a fifth of rendering a crowded board.

namespace sw {

// Lets the heap grow in 2 MiB pages where the system allows it (glibc on Linux
// with transparent huge pages on request): one heap for all threads, large
// blocks from it rather than mapped one by one, its top kept when freed, and
// the kernel asked for huge pages for it. Elsewhere it does nothing. Call it
// once, before the command allocates its pictures.
void PrepareHeapForPictures();

}  // namespace sw
