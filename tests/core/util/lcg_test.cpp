// The random generator: values worked out from its formula, and the simulated seed clock.
#include "core/util/lcg.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Lcg, IntegersAreTheHighHalfOfSeedTimesN)
{
    // Seed 12345, stepped by seed * 134775813 + 1 mod 2^32; each result is (seed * N) >> 32.
    Lcg rng;
    rng.SetSeed(12345);
    EXPECT_EQ(rng.Random(100), 38);  // seed 1655067934
    EXPECT_EQ(rng.Seed(), 1655067934u);
    EXPECT_EQ(rng.Random(100), 28);  // seed 1242767767
    EXPECT_EQ(rng.Random(7), 0);     // seed 342459380
    EXPECT_EQ(rng.Random(1000), 553);  // seed 2377737157
    EXPECT_EQ(rng.Random(2), 1);     // seed 2721613530
}

TEST(Lcg, RealsAreTheSeedOverTwoToThe32)
{
    Lcg rng;
    rng.SetSeed(0);
    EXPECT_DOUBLE_EQ(rng.RandomReal(), 1.0 / 4294967296.0);
    EXPECT_DOUBLE_EQ(rng.RandomReal(), 134775814.0 / 4294967296.0);
}

TEST(Lcg, ZeroRangeGivesZeroButStillSteps)
{
    Lcg rng;
    rng.SetSeed(0);
    EXPECT_EQ(rng.Random(0), 0);
    EXPECT_EQ(rng.Seed(), 1u);
}

TEST(Lcg, SimulatedClockCountsUpFromItsStart)
{
    Lcg rng(SimulatedSeedClock(41));
    rng.Reseed();
    EXPECT_EQ(rng.Seed(), 41u);
    rng.Random(10);
    rng.Reseed();
    EXPECT_EQ(rng.Seed(), 42u);
    rng.Reseed();
    EXPECT_EQ(rng.Seed(), 43u);
}

}  // namespace
}  // namespace qm
