// Shared benchmark helpers: peak memory of the process and generated word lists.
#pragma once

#include "core/words/dictionary.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace qm::bench {

/// Peak resident memory of this process so far, in megabytes.
double PeakMemoryMb();

/// Reports the peak memory as a counter of the benchmark.
void ReportPeakMemory(benchmark::State& state);

/// count distinct pseudo-random words of each length 3..20 (letters drawn from seed), sorted.
std::array<std::vector<DictWord>, MaxWordLength + 1> GeneratedWords(int count, std::uint32_t seed = 1);

}  // namespace qm::bench
