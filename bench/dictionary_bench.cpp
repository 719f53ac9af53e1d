// Benchmark: LoadDictionary on a full WORD.LST of 18 x 9150 generated words.
#include "bench/bench_support.h"

#include "core/words/dictionary.h"

namespace {

void BM_LoadDictionary(benchmark::State& state)
{
    const std::string bytes = qm::WriteDictionary(qm::bench::GeneratedWords(qm::MaxWordsPerLength));
    for (auto _ : state) {
        qm::Dictionary dict;
        qm::LoadDictionary(dict, bytes);
        benchmark::DoNotOptimize(dict.MainWordArray[20].back().Text.data());
    }
    state.counters["words"] = 18.0 * qm::MaxWordsPerLength;
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
    qm::bench::ReportPeakMemory(state);
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

}  // namespace
