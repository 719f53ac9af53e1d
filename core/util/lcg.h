// The program's random numbers: one 32-bit linear congruential generator with a replaceable seed clock.
#pragma once

#include <cstdint>
#include <functional>

namespace qm {

/// Source of seeds for Reseed(): the real one reads the high-resolution counter; tests and the
/// command line's --seed use a simulated one so every run is reproducible.
using SeedClock = std::function<std::uint32_t()>;

/// Reads the low 32 bits of the high-resolution counter.
SeedClock RealSeedClock();

/// Reads S on its first reading and S+1, S+2, ... on each later one.
SeedClock SimulatedSeedClock(std::uint32_t first);

/// Seed := Seed x 134775813 + 1 (mod 2^32). Integers take the high 32 bits of Seed x N; reals are
/// Seed x 2^-32. Each draw steps the seed first.
class Lcg {
public:
    explicit Lcg(SeedClock clock = RealSeedClock()) : clock_(std::move(clock)) {}

    void SetSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }
    void SetClock(SeedClock clock) { clock_ = std::move(clock); }

    /// Sets the seed from the clock.
    void Reseed() { seed_ = clock_(); }

    /// A random integer in 0..n-1 (0 when n <= 0).
    std::int32_t Random(std::int32_t n)
    {
        Step();
        if (n <= 0) return 0;
        return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
    }

    /// A random real in [0, 1).
    double RandomReal()
    {
        Step();
        return static_cast<double>(seed_) * (1.0 / 4294967296.0);
    }

private:
    void Step() { seed_ = seed_ * 134775813u + 1u; }

    std::uint32_t seed_ = 0;
    SeedClock clock_;
};

}  // namespace qm
