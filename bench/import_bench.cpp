// Benchmark: importing a word list of 500,000 lines (word or phrase, TAB, clue) from a file and from bytes.
#include "bench/bench_support.h"

#include "core/util/file_io.h"
#include "core/util/lcg.h"
#include "core/words/import.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::string& ListText()
{
    static const std::string text = [] {
        qm::Lcg random;
        random.SetSeed(99);
        std::string t;
        t.reserve(qm::MaxImportedLines * 40u);
        for (int i = 0; i < qm::MaxImportedLines; ++i) {
            const int parts = 1 + (random.Random(5) == 0);
            for (int p = 0; p < parts; ++p) {
                if (p > 0) t += ' ';
                const int length = 3 + random.Random(9);
                for (int k = 0; k < length; ++k) t += static_cast<char>('a' + random.Random(26));
            }
            t += "\tA clue of some length: with a remark\r\n";
        }
        return t;
    }();
    return text;
}

void BM_ImportBytes(benchmark::State& state)
{
    const std::string& text = ListText();
    for (auto _ : state) {
        qm::ImportedList list;
        qm::ImportWordListBytes(list, text, "bench", qm::FillSourceKind::Freeform, 15);
        benchmark::DoNotOptimize(list.ThemeWordCount);
    }
    state.counters["lines"] = qm::MaxImportedLines;
    state.counters["file_MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    qm::bench::ReportPeakMemory(state);
}
BENCHMARK(BM_ImportBytes)->Unit(benchmark::kMillisecond);

void BM_ImportFile(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("quillmere-import-bench-" + std::to_string(::getpid()) + ".txt")).string();
    std::ofstream(path, std::ios::binary) << ListText();
    for (auto _ : state) {
        qm::ImportedList list;
        qm::ImportWordListFile(list, path, qm::FillSourceKind::Freeform, 15);
        benchmark::DoNotOptimize(list.ThemeWordCount);
    }
    std::filesystem::remove(path);
    state.counters["lines"] = qm::MaxImportedLines;
    qm::bench::ReportPeakMemory(state);
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond);

}  // namespace
