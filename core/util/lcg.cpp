// Seed clocks for the random generator: the real high-resolution counter and a simulated counter.
#include "core/util/lcg.h"

#include <chrono>
#include <memory>

namespace qm {

SeedClock RealSeedClock()
{
    return [] {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFFu);
    };
}

SeedClock SimulatedSeedClock(std::uint32_t first)
{
    auto next = std::make_shared<std::uint32_t>(first);
    return [next] { return (*next)++; };
}

}  // namespace qm
