// Long runs with their memory: 3000 symmetrical fills of a small stock grid and a freeform run that never
// beats its average, each ended by Stop or by its attempt limit; the stores must agree afterwards and
// resident memory is printed along the way (it must stay flat).
//   quillmere-long-runs [--fills N] [--stop-at K] [--attempts A] [--size S] [--grid K]
#include "core/freeform/freeform_run.h"
#include "core/state.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "core/words/import.h"
#include "core/words/selection.h"
#include "resources/builtin_resources.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace qm;

double PeakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double ResidentMb()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

int failures = 0;
void Expect(bool ok, const std::string& what)
{
    if (!ok) {
        std::printf("  INCONSISTENT: %s\n", what.c_str());
        ++failures;
    }
}

/// The fill records, the word store and the list lines describe the same fills.
void CheckStores(const FillStore& store, const FillList& list, int expectedFills)
{
    Expect(store.GridsMax == expectedFills, "GridsMax " + std::to_string(store.GridsMax) + " != " + std::to_string(expectedFills));
    Expect(list.Count() == store.GridsMax, "list lines " + std::to_string(list.Count()) + " != GridsMax");
    std::int32_t previous = 0;
    for (int n = 1; n <= store.GridsMax; ++n) {
        const FillRecord& r = store.Record(n);
        Expect(r.LastWrd - previous == r.WrdCount, "fill " + std::to_string(n) + " words do not match its store range");
        previous = r.LastWrd;
    }
    Expect(previous == store.StoredWordCount, "StoredWordCount " + std::to_string(store.StoredWordCount) + " != last LastWrd " +
                                                  std::to_string(previous));
    std::set<int> numbers;
    for (const FillRow& row : list.Rows) numbers.insert(row.Fill);
    Expect(static_cast<int>(numbers.size()) == list.Count() && (numbers.empty() || (*numbers.begin() == 1 && *numbers.rbegin() == store.GridsMax)),
           "list rows do not name fills 1..GridsMax once each");
    for (int n = store.GridsMax + 1; n <= std::min(store.GridsMax + 5, MaxFillRecords); ++n)
        Expect(store.Record(n).LastWrd == 0, "record " + std::to_string(n) + " beyond GridsMax is not empty");
}

struct Options {
    int Fills = MaxRepeats;
    int StopAt = 1500;
    std::int64_t Attempts = 100000;
    int Size = 7;
    int Grid = 1;
};

std::unique_ptr<QuillmereState> LoadedState()
{
    auto state = std::make_unique<QuillmereState>();
    std::error_code ec;
    const auto exeDir = std::filesystem::canonical("/proc/self/exe", ec).parent_path().string();
    LoadDictionaryFromDirs(state->Dict, {std::filesystem::current_path(ec).string(), exeDir});
    if (const auto bytes = ReadBuiltInResource("CATEGRES")) LoadWordBitPatterns(state->BitPatterns, *bytes);
    if (const auto bytes = ReadBuiltInResource("CLUESRES")) state->Clues = LoadClueList(*bytes);
    if (const auto bytes = ReadBuiltInResource("GRIDSRES")) LoadStockGrids(state->Stock, *bytes);
    BuildSelectionMasks(state->Selection, SelectionOptions{}, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    return state;
}

void SymmetricRun(const Options& o, int stopAt)
{
    auto state = LoadedState();
    state->FillSource = FillSourceKind::Dictionary;
    ChooseStockGrid(state->Stock, StockGridsOfSize(state->Stock, o.Size).First + o.Grid - 1, state->Xw);
    RunSettings settings;
    settings.Repeats = o.Fills;
    RunCallbacks callbacks;
    int attempt = 0;
    const double startRss = ResidentMb();
    std::printf("symmetric: %d attempts on %d x %d grid %d (%d slots)%s\n", o.Fills, o.Size, o.Size, o.Grid,
                state->Xw.WordSlotCount, stopAt > 0 ? (", Stop after attempt " + std::to_string(stopAt)).c_str() : "");
    std::printf("  %8s %8s %10s %10s\n", "attempt", "fills", "rss MB", "peak MB");
    callbacks.AttemptStarted = [&](int i, int) { attempt = i; };
    callbacks.ProcessMessages = [&] {
        if (attempt % 500 == 0)
            std::printf("  %8d %8d %10.1f %10.1f\n", attempt, state->Fills.GridsMax, ResidentMb(), PeakMb());
        if (stopAt > 0 && attempt == stopAt) state->Run = RunState::StopRequested;
    };
    const auto t0 = std::chrono::steady_clock::now();
    const RunResult r = RunSymmetricFills(*state, state->SymmFillsList, settings, callbacks);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("  ended after %d attempts, %d fills, %.1f s; rss %.1f MB at the start, %.1f MB at the end, peak %.1f MB\n",
                r.Attempts, r.FillCount, seconds, startRss, ResidentMb(), PeakMb());
    Expect(r.Attempts == (stopAt > 0 ? stopAt : o.Fills), "the run did not end where it should");
    Expect(state->Run == RunState::Idle, "the run state is not Idle after the run");
    CheckStores(state->Fills, state->SymmFillsList, r.FillCount);
    for (int n = 1; n <= state->Fills.GridsMax; n += 97) {
        ShowFill(*state, state->SymmFillsList.At(n - 1).Fill);
        const FillRecord& rec = state->Fills.Record(state->Fills.CurrentFill);
        Expect(state->Xw.WordSlotCount == rec.WrdCount, "shown fill " + std::to_string(state->Fills.CurrentFill) + " word count");
    }
}

void FreeformRun(const Options& o, std::int64_t stopAt)
{
    auto state = LoadedState();
    // Words of one length that share no letter: every fill is one seed word alone with the same score,
    // so no fill beats the average after the first 25 and the run goes on until it is stopped.
    std::string list;
    for (const char* w : {"ABCDE", "FGHIJ", "KLMNO", "PQRST"}) list += std::string(w) + "\tclue\r\n";
    ImportWordListBytes(state->Imported, list, "words.txt", FillSourceKind::Freeform, 15);
    ChooseFreeformSize(*state, 15);
    state->FillSource = FillSourceKind::Freeform;
    FreeformRunRequest request;
    request.Fills = MaxFreeformRunFills;
    request.MaxAttempts = o.Attempts;
    FreeformRunCallbacks callbacks;
    std::int64_t attempts = 0;
    const double startRss = ResidentMb();
    std::printf("freeform: %d fills asked, attempt limit %lld%s\n", request.Fills, static_cast<long long>(o.Attempts),
                stopAt > 0 ? (", Stop after attempt " + std::to_string(stopAt)).c_str() : "");
    std::printf("  %8s %8s %10s %10s\n", "attempt", "listed", "rss MB", "peak MB");
    callbacks.ProcessMessages = [&] {
        ++attempts;
        if (attempts % std::max<std::int64_t>(1, o.Attempts / 10) == 0)
            std::printf("  %8lld %8d %10.1f %10.1f\n", static_cast<long long>(attempts), state->Fills.GridsMax, ResidentMb(), PeakMb());
        if (stopAt > 0 && attempts == stopAt) state->Run = RunState::StopRequested;
    };
    const auto t0 = std::chrono::steady_clock::now();
    const FreeformRunOutcome out = StartFreeformRun(*state, request, callbacks);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("  ended after %lld attempts (%s), %d listed, %.1f s; rss %.1f MB at the start, %.1f MB at the end, peak %.1f MB\n",
                static_cast<long long>(out.Run.Attempts), out.Run.Stopped ? "Stop" : out.Run.AttemptLimitReached ? "attempt limit" : "?",
                out.Run.Listed, seconds, startRss, ResidentMb(), PeakMb());
    Expect(stopAt > 0 ? out.Run.Stopped : out.Run.AttemptLimitReached, "the run did not end by Stop or the attempt limit");
    Expect(out.Run.Attempts == (stopAt > 0 ? stopAt : o.Attempts), "attempts made");
    Expect(out.Run.Listed == std::min<std::int64_t>(25, out.Run.Attempts), "a run that cannot beat its average lists its first 25 fills only");
    Expect(state->Run == RunState::Idle, "the run state is not Idle after the run");
    CheckStores(state->Fills, state->Freeform.FreeFillsList, out.Run.Listed);
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const long long value = std::atoll(argv[i + 1]);
        if (name == "--fills") o.Fills = static_cast<int>(value);
        else if (name == "--stop-at") o.StopAt = static_cast<int>(value);
        else if (name == "--attempts") o.Attempts = value;
        else if (name == "--size") o.Size = static_cast<int>(value);
        else if (name == "--grid") o.Grid = static_cast<int>(value);
        else {
            std::fprintf(stderr, "unknown option %s\n", name.c_str());
            return 2;
        }
    }
    try {
        SymmetricRun(o, 0);
        SymmetricRun(o, o.StopAt);
        FreeformRun(o, 0);
        FreeformRun(o, o.Attempts / 2);
    } catch (const Failure& e) {
        std::printf("failed: %s\n", e.what());
        return 1;
    }
    std::printf(failures == 0 ? "stores consistent after every run\n" : "%d inconsistencies\n", failures);
    return failures == 0 ? 0 : 1;
}
