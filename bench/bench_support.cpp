// Benchmark helpers: peak memory and generated dictionaries.
#include "bench/bench_support.h"

#include "core/util/lcg.h"

#include <algorithm>
#include <set>
#include <sys/resource.h>

namespace qm::bench {

double PeakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ReportPeakMemory(benchmark::State& state) { state.counters["peak_MB"] = PeakMemoryMb(); }

std::array<std::vector<DictWord>, MaxWordLength + 1> GeneratedWords(int count, std::uint32_t seed)
{
    Lcg rng;
    rng.SetSeed(seed);
    std::array<std::vector<DictWord>, MaxWordLength + 1> words;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        std::set<std::string> texts;
        while (static_cast<int>(texts.size()) < count) {
            std::string t(static_cast<std::size_t>(L), 'A');
            for (char& c : t) c = static_cast<char>('A' + rng.Random(26));
            texts.insert(t);
        }
        for (const auto& t : texts) {
            DictWord w;
            w.Text = t;
            w.Rarity = static_cast<std::uint16_t>(1 + rng.Random(20));
            w.WordType = 2;
            w.WordBreaks = static_cast<std::uint32_t>(L);
            w.ClueIndex = 1;
            words[L].push_back(std::move(w));
        }
    }
    return words;
}

}  // namespace qm::bench
