// Benchmark: the same seeded run of fills on the first 15 x 15 stock grid, picking words through the
// index and by the plain scan; fills per second, the index's speed-up and peak memory.
//
// The dictionary is WORD.LST beside this program (the build's own), else QUILLMERE_WORD_LST, else a
// generated one of 9150 random words per length.
#include "bench/bench_support.h"

#include "core/state.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr int FillsPerRun = 20;
constexpr std::uint32_t Seed = 1;

std::string DictionaryPath()
{
    std::error_code ec;
    const auto beside = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "WORD.LST";
    if (!ec && std::filesystem::exists(beside)) return beside.string();
    if (const char* env = std::getenv("QUILLMERE_WORD_LST")) return env;
    return "";
}

/// The state every run starts from: dictionary, default selection, the grid analysed.
std::unique_ptr<qm::QuillmereState> MakeState(std::string& dictionaryName)
{
    auto state = std::make_unique<qm::QuillmereState>();
    const std::string path = DictionaryPath();
    if (!path.empty()) {
        qm::LoadDictionaryFile(state->Dict, path);
        dictionaryName = path;
    } else {
        qm::LoadDictionary(state->Dict, qm::WriteDictionary(qm::bench::GeneratedWords(qm::MaxWordsPerLength)));
        dictionaryName = "generated";
    }
    for (int k = 0; k <= qm::CategoryCount; ++k) state->BitPatterns[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
    qm::BuildSelectionMasks(state->Selection, qm::SelectionOptions{}, state->DictSelectionDirty);
    qm::ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    state->Clues = qm::ClueList(65536);  // clue texts play no part in the timing
    state->FillSource = qm::FillSourceKind::Dictionary;
    std::string grids;
    const auto resource = std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / "GRIDSRES";
    if (!qm::ReadWholeFile(resource.string(), grids)) throw qm::Failure("cannot read " + resource.string());
    qm::LoadStockGrids(state->Stock, grids);
    qm::ChooseStockGrid(state->Stock, qm::StockGridsOfSize(state->Stock, 15).First, state->Xw);
    return state;
}

/// One run of FillsPerRun attempts from the same seed and the freshly analysed grid (the slots keep
/// their try counts from one run to the next); returns the list lines.
std::vector<std::string> RunOnce(qm::QuillmereState& state, const qm::Crossword& analysed, qm::PickMethod method)
{
    state.Xw = analysed;
    state.Random.SetClock(qm::SimulatedSeedClock(Seed));
    qm::RunSettings settings;
    settings.Repeats = FillsPerRun;
    settings.Method = method;
    qm::FillList list;
    qm::RunSymmetricFills(state, list, settings, {});
    return list.Texts();
}

void BM_SymmetricRun(benchmark::State& bm)
{
    const auto method = bm.range(0) == 0 ? qm::PickMethod::Indexed : qm::PickMethod::Scan;
    std::string name;
    auto state = MakeState(name);
    const auto analysed = std::make_unique<qm::Crossword>(state->Xw);
    std::size_t fills = 0;
    for (auto _ : bm) fills += RunOnce(*state, *analysed, method).size();
    bm.SetLabel(std::string(method == qm::PickMethod::Indexed ? "indexed" : "scan") + ", " + name);
    bm.counters["fills_per_s"] = benchmark::Counter(static_cast<double>(fills), benchmark::Counter::kIsRate);
    bm.counters["fills_per_run"] = static_cast<double>(fills) / static_cast<double>(bm.iterations());
    qm::bench::ReportPeakMemory(bm);
}
/// The quickest repetition: on a shared machine the least disturbed one.
double Fastest(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_SymmetricRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

/// The same run repeated the indexed way, then the scanning way: the scan's time over the index's
/// (the index kept between runs, as the program keeps it), and a check that every run made the same fills.
void BM_IndexSpeedUp(benchmark::State& bm)
{
    constexpr int Runs = 5;
    std::string name;
    auto state = MakeState(name);
    const auto analysed = std::make_unique<qm::Crossword>(state->Xw);
    const auto expected = RunOnce(*state, *analysed, qm::PickMethod::Indexed);  // builds the index
    double indexed = 0;
    double scanned = 0;
    for (auto _ : bm) {
        for (const auto method : {qm::PickMethod::Indexed, qm::PickMethod::Scan}) {
            const auto t0 = std::chrono::steady_clock::now();
            for (int r = 0; r < Runs; ++r)
                if (RunOnce(*state, *analysed, method) != expected) {
                    bm.SkipWithError("the indexed and the scanning engine made different fills");
                    return;
                }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            (method == qm::PickMethod::Indexed ? indexed : scanned) += seconds;
        }
    }
    const double runs = static_cast<double>(bm.iterations()) * Runs;
    bm.SetLabel(name);
    bm.counters["speedup"] = scanned / indexed;
    bm.counters["indexed_ms_per_run"] = 1000.0 * indexed / runs;
    bm.counters["scan_ms_per_run"] = 1000.0 * scanned / runs;
    bm.counters["indexed_fills_per_s"] = static_cast<double>(expected.size()) * runs / indexed;
    qm::bench::ReportPeakMemory(bm);
}
BENCHMARK(BM_IndexSpeedUp)->Unit(benchmark::kMillisecond)->Iterations(3)->ComputeStatistics("min", Fastest);

void BM_BuildWordIndex(benchmark::State& bm)
{
    std::string name;
    auto state = MakeState(name);
    for (auto _ : bm) {
        qm::WordIndex index;
        index.Build(state->Dict, state->Imported);
        benchmark::DoNotOptimize(&index);
    }
    bm.SetLabel(name);
}
BENCHMARK(BM_BuildWordIndex)->Unit(benchmark::kMillisecond);

}  // namespace
