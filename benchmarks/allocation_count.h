// Counts the program's allocations through the global operator new, to show that drawing a
// block allocates nothing.
#pragma once

#include <cstdint>

namespace orv::bench {

// How many times operator new has been called so far in this program.
std::uint64_t allocationsSoFar();

// The allocations one call of `work` makes.
template <typename Work>
std::uint64_t allocationsOf(Work&& work) {
    const std::uint64_t before = allocationsSoFar();
    work();
    return allocationsSoFar() - before;
}

}  // namespace orv::bench
