// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Independent pieces of work shared out among the machine's cores: each thread
// takes the next undone index until none is left, so a core that another
// program slows down simply takes fewer. The calling thread works too.

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace sw {

// Threads that independent work is spread over: the cores, at most four.
inline int WorkerThreads() {
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

// Calls work(i) for every i in [0, count), in no particular order and on up to
// WorkerThreads() threads; returns when all calls have returned. `work` must
// not throw and must only touch what no other index touches.
template <typename Work>
void ParallelFor(int count, const Work& work) {
    const int threads = std::min(count, WorkerThreads());
    if (threads <= 1) {
        for (int i = 0; i < count; ++i)
            work(i);
        return;
    }
    std::atomic<int> next{0};
    const auto loop = [&] {
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1))
            work(i);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(std::size_t(threads - 1));
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(loop);
    loop();
    for (std::thread& helper : helpers)
        helper.join();
}

}  // namespace sw
