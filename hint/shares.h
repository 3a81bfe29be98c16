// shares.h: work split between threads so that the answer never depends on which ends first.
#pragma once

#include <thread>
#include <vector>

namespace varn {

// Runs work(share) for every share from 0 to shares - 1, share 0 on the calling thread, and
// returns when all are done. Each share must write only to what is its own.
template <typename Work>
void runShares(int shares, Work&& work) {
    std::vector<std::jthread> others;
    for (int share = 1; share < shares; ++share)
        others.emplace_back([&work, share] { work(share); });
    work(0);
}

}  // namespace varn
