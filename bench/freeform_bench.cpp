// Benchmark: seeded 100-fill freeform runs (15 x 15; 100, 2,000, 20,000 words), indexed against plain scan.
#include "bench/bench_support.h"

#include "core/freeform/freeform_run.h"
#include "core/util/lcg.h"
#include "core/words/import.h"

#include <ctime>
#include <map>
#include <set>

namespace {

/// count distinct made-up words of 2..12 letters with English-like letter frequencies, as a list.
const qm::ImportedList& WordList(int count)
{
    static std::map<int, qm::ImportedList> lists;
    auto it = lists.find(count);
    if (it != lists.end()) return it->second;
    static const std::string letters =
        "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSRRRRRRHHHHHLLLLDDDDCCCUUUMMMFFPPGGWWYYBVKXJQZ";
    qm::Lcg random;
    random.SetSeed(2024);
    std::set<std::string> seen;
    qm::ImportedList list;
    while (static_cast<int>(seen.size()) < count) {
        const int length = 2 + random.Random(11);
        std::string w;
        for (int i = 0; i < length; ++i) w += letters[static_cast<std::size_t>(random.Random(static_cast<int>(letters.size())))];
        if (seen.insert(w).second) qm::ParseImportLine(list, w + "\tclue");
    }
    qm::BuildThemeIndex(list);
    qm::BuildTightInterlocks(list, false);
    return lists.emplace(count, std::move(list)).first->second;
}

/// CPU time of this thread: the rates do not depend on what else the machine is doing.
double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Timed {
    double Seconds = 0;
    std::int64_t Attempts = 0;
    std::vector<std::string> Lines;
};

Timed RunFills(const qm::ImportedList& list, qm::CandidateScan scan)
{
    qm::QuillmereState state;
    state.Imported = list;
    state.Xw.GridSize = 15;
    qm::InitGrid(state.Xw);
    state.Random.SetClock(qm::SimulatedSeedClock(1));
    state.Freeform.Options.Scan = scan;
    qm::FreeformRunRequest request;
    request.Fills = 100;
    request.MaxAttempts = 400;  // fills after the 25th must beat the average: bound the run
    const double start = CpuSeconds();
    const qm::FreeformRunOutcome out = qm::StartFreeformRun(state, request, {});
    Timed t;
    t.Seconds = CpuSeconds() - start;
    t.Attempts = out.Run.Attempts;
    t.Lines = state.Freeform.FreeFillsList.Texts();
    return t;
}

void BM_FreeformRunBothScans(benchmark::State& state)
{
    const qm::ImportedList& list = WordList(static_cast<int>(state.range(0)));
    Timed indexed;
    Timed plain;
    for (auto _ : state) {
        indexed = RunFills(list, qm::CandidateScan::Indexed);
        plain = RunFills(list, qm::CandidateScan::Plain);
    }
    const double indexedRate = static_cast<double>(indexed.Attempts) / indexed.Seconds;
    const double plainRate = static_cast<double>(plain.Attempts) / plain.Seconds;
    state.counters["fills"] = static_cast<double>(indexed.Attempts);
    state.counters["indexed_fills_per_s"] = indexedRate;
    state.counters["plain_fills_per_s"] = plainRate;
    state.counters["ratio"] = indexedRate / plainRate;
    state.counters["identical"] = indexed.Lines == plain.Lines && indexed.Attempts == plain.Attempts ? 1 : 0;
    qm::bench::ReportPeakMemory(state);
}
BENCHMARK(BM_FreeformRunBothScans)->Arg(100)->Arg(2000)->Arg(20000)->Iterations(1)->Unit(benchmark::kSecond);

void BM_FreeformRunIndexed(benchmark::State& state)
{
    const qm::ImportedList& list = WordList(static_cast<int>(state.range(0)));
    std::int64_t attempts = 0;
    for (auto _ : state) attempts += RunFills(list, qm::CandidateScan::Indexed).Attempts;
    state.counters["fills_per_s"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
    qm::bench::ReportPeakMemory(state);
}
BENCHMARK(BM_FreeformRunIndexed)->Arg(100)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
