// Freeform runs: the preparation, the run loop, Quick Fill, Improve, Add This Grid and the fill list lines.
#include "core/freeform/freeform_run.h"

#include "core/clues/clue_store.h"
#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/grid/fill_writer.h"
#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"
#include "core/words/import.h"

#include <algorithm>
#include <chrono>

namespace qm {

namespace {

void ClearAllSlots(Crossword& xw)
{
    for (auto& s : xw.WordSlots) s = WordSlot{};
    xw.WordSlotCount = 0;
}

bool HasIndexedWords(const ImportedList& list)
{
    return std::any_of(list.ThemeIndex.begin(), list.ThemeIndex.end(), [](const auto& e) { return !e.empty(); });
}

/// Everything that would make a run or Quick Fill fail, checked before anything changes.
void CheckRunCanStart(const QuillmereState& state, SeedWordChoice seed, std::int32_t selectedSeed, std::int32_t fills)
{
    const int n = state.Xw.GridSize;
    Check(n >= MinFreeformGridSize && n <= MaxFreeformGridSize && state.Xw.Squares.Size() == n,
          "A freeform crossword is 8 x 8 to 30 x 30 squares; the grid is " + std::to_string(state.Xw.Squares.Size()) +
              " x " + std::to_string(state.Xw.Squares.Size()));
    Check(fills >= 1 && fills <= MaxFreeformRunFills, "A run makes 1 to " + std::to_string(MaxFreeformRunFills) + " fills");
    const ImportedList& list = state.Imported;
    Check(!list.ThemeWords.empty() && HasIndexedWords(list), "The imported word list is empty");
    switch (seed) {
    case SeedWordChoice::SelectedWord: {
        Check(selectedSeed >= 0 && static_cast<std::size_t>(selectedSeed) < list.ThemeWords.size(), "No seed word is selected");
        const std::string& word = At(list.ThemeWords, selectedSeed);
        Check(static_cast<int>(word.size()) <= n, "The seed word \"" + word + "\" is longer than the grid (" +
                                                       std::to_string(n) + " x " + std::to_string(n) +
                                                       "); choose a shorter word or a larger grid");
        const IndexedWord letters = IndexWord(word);
        const auto& entries = list.EntriesOf(static_cast<int>(letters.Text.size()));
        Check(std::any_of(entries.begin(), entries.end(), [&](const ThemeEntry& e) { return e.Text == letters.Text; }),
              word + " not found");
        break;
    }
    case SeedWordChoice::RandomWord:
        Check(std::any_of(list.ThemeWords.begin(), list.ThemeWords.end(),
                          [&](const std::string& w) { return static_cast<int>(w.size()) <= n; }),
              "No word of the imported list fits into a " + std::to_string(n) + " x " + std::to_string(n) + " grid");
        break;
    case SeedWordChoice::GridWords:
        Check(state.Xw.WordSlotCount > 0, "There are no words in the grid to start from");
        break;
    }
}

/// The preparation common to Quick Fill and a run.
void PrepareFreeformFills(QuillmereState& state, SeedWordChoice seed, bool run)
{
    ClearGrid(state.Xw.Squares, true);
    state.Random.Reseed();
    state.Freeform.FreeFillsList.Clear();
    if (seed != SeedWordChoice::GridWords) ClearAllSlots(state.Xw);
    state.Fills.StoredWordCount = 0;
    if (run) ClearListOfGrids(state.Fills);
    BuildThemeIndex(state.Imported);
    state.ImportedFillShown = 1;
}

void FillRecordFrom(FillRecord& r, const FillCounts& counts, std::int32_t lastWord)
{
    r.LttCount = counts.Letters;
    r.WrdCount = counts.Words;
    r.LastWrd = lastWord;
    r.ILockCount = counts.Interlocks;
    r.ILockArea = counts.Area;
    r.Iterations = 0;
}

/// Marks the entries of the slots' words as placed, as a seed does.
void MarkSlotWords(Crossword& xw, ImportedList& list, bool allowDuplicates)
{
    ResetWordFlags(list);
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        if (s.NumLett < 0 || static_cast<std::size_t>(s.NumLett) >= list.ThemeIndex.size()) continue;
        auto& entries = At(list.ThemeIndex, s.NumLett);
        if (s.DictOrThemeRef < 0 || static_cast<std::size_t>(s.DictOrThemeRef) >= entries.size()) continue;
        ThemeEntry& e = At(entries, s.DictOrThemeRef);
        e.Used = true;
        if (!allowDuplicates) e.Available = false;
    }
}

std::string ElapsedText(double seconds) { return Format("%-3.2f secs.", seconds); }

}  // namespace

FillRow FreeformFillRow(std::int32_t rankKey, std::int32_t seedPosition, std::int32_t fill, char origin,
                        const FillCounts& counts, std::int32_t score)
{
    return FillRow::Freeform(rankKey, seedPosition, fill, origin, counts.Letters, counts.Words, counts.Interlocks,
                             counts.Area, score);
}

void ChooseFreeformSize(QuillmereState& state, std::int32_t size)
{
    Check(size >= MinFreeformGridSize && size <= MaxFreeformGridSize,
          "A freeform crossword is 8 x 8 to 30 x 30 squares, not " + std::to_string(size) + " x " + std::to_string(size));
    state.Xw.GridSize = size;
    InitGrid(state.Xw);
    state.Freeform.FreeFillsList.Clear();
}

std::int32_t ParseFreeRepeats(std::string_view text)
{
    return std::clamp(ParseIntOr(Trim(text), 1), 1, MaxFreeformRunFills);
}

namespace {

/// A run of freeform fills as it goes: the request, the engine's context, and what the loop keeps
/// from one fill to the next.
struct FreeformRunLoop {
    FreeformRunLoop(QuillmereState& state, const FreeformRunRequest& request, bool quick, const FreeformRunCallbacks& callbacks)
        : State(state), Ctx(state, callbacks.Engine), Request(request), Quick(quick), Callbacks(callbacks),
          Options(state.Freeform.Options), N(request.Fills), F(std::max(0.4 * request.Fills, 1.0)),
          FreshFills(RoundHalfEven(F))
    {
    }

    QuillmereState& State;
    FreeformContext Ctx;
    const FreeformRunRequest& Request;
    bool Quick;
    const FreeformRunCallbacks& Callbacks;
    const FreeformOptions Options;
    const std::int32_t N;             ///< fills to list
    const double F;                   ///< fills of the fresh phase (at least one), as a real number
    const std::int64_t FreshFills;    ///< the same, rounded
    std::int32_t SeedPosition = 0;    ///< the seed word's place in the list
    std::vector<WordSlot> GridWords;  ///< the words on display every fill starts from (GridWords)
    std::int32_t K = 1;               ///< the number the next listed fill gets
    std::int64_t ScoreSum = 0;
    std::int32_t Average = 0;
    FreeformRunResult Result;
};

/// How a fill of the run began.
struct FillStart {
    char Origin = FillOrigin::Plain;
    bool Interlocked = false;
    double RegrowProbability = 0.0;  ///< reported after the attempt ("%0.4f")
};

/// The seed word of a run that seeds every fill with one chosen word, and the grid's words when every
/// fill starts from them (they join the list once).
void PrepareRunSeed(FreeformRunLoop& run)
{
    if (run.Request.Seed == SeedWordChoice::SelectedWord) {
        run.SeedPosition = run.Request.SelectedSeed;
        run.State.Freeform.SeedWord = At(run.State.Imported.ThemeWords, run.SeedPosition);
    }
    if (run.Request.Seed == SeedWordChoice::GridWords) {
        Crossword& xw = run.State.Xw;
        AdoptGridWords(xw, run.State.Imported, run.Options.AllowDuplicates);
        run.GridWords.assign(xw.WordSlots.begin() + 1, xw.WordSlots.begin() + 1 + xw.WordSlotCount);
    }
}

/// A random seed word for the next fill; the run notes once when none has 6 or more characters.
void ChooseFillSeedWord(FreeformRunLoop& run)
{
    const ImportedList& list = run.State.Imported;
    const int n = run.State.Xw.GridSize;
    const SeedWordPick pick = ChooseRandomSeedWord(list, n, run.State.Random);
    run.SeedPosition = pick.Position;
    run.State.Freeform.SeedWord = At(list.ThemeWords, pick.Position);
    if (pick.Fallback && run.Result.Notes.empty())
        run.Result.Notes.push_back("No word of the list has " + std::to_string(MinRandomSeedChars) + " to " + std::to_string(n) +
                                   " characters; the seed word is \"" + run.State.Freeform.SeedWord + "\", the longest that fits");
}

/// Regrows from one of the best fifth of the fills listed so far: its words with the loose ones knocked
/// out. False when nothing is left to grow on.
bool RegrowFromListedFill(FreeformRunLoop& run)
{
    QuillmereState& state = run.State;
    Crossword& xw = state.Xw;
    const auto best = static_cast<std::int32_t>(RoundHalfEven(run.K * 0.2));
    const int row = state.Random.Random(best);
    const int fill = state.Freeform.FreeFillsList.At(row).Fill;
    RestoreFill(state.Fills, fill, xw, [&](WordSlot& s) {
        LookUpSlotWord(s, FillSourceKind::Freeform, state.Dict, state.Imported, state.Clues);
    });
    WriteFillToGrid(xw, FillSourceKind::Freeform);
    KnockOutSingleInterlockWords(xw, state.Imported, run.Options.AllowDuplicates);
    // A fill without a closed ring of crossings loses every word to the knock-out, and nothing grows on
    // an empty grid: such an attempt starts afresh instead.
    return xw.WordSlotCount > 0;
}

/// What the next fill grows from: the grid's words, a plain seed word (Quick Fill), or, in a run, an
/// earlier fill regrown (with rising probability after the fresh phase) or a new seed, interlocked
/// half of the time.
FillStart StartFill(FreeformRunLoop& run)
{
    FillStart start;
    Crossword& xw = run.State.Xw;
    if (run.Request.Seed == SeedWordChoice::GridWords) {
        std::copy(run.GridWords.begin(), run.GridWords.end(), xw.WordSlots.begin() + 1);
        xw.WordSlotCount = static_cast<std::int32_t>(run.GridWords.size());
        WriteFreeSlots(xw);
        MarkSlotWords(xw, run.State.Imported, run.Options.AllowDuplicates);
        return start;
    }
    if (run.Quick) {
        SeedFreeformFill(run.Ctx, SeedKind::PlainWord);
        return start;
    }
    Lcg& random = run.State.Random;
    bool regrow = false;
    if (run.K > run.FreshFills) {
        start.RegrowProbability = ((run.K - run.F) / (run.N - run.F)) / (static_cast<double>(run.K) / run.N) * 0.95;
        regrow = random.RandomReal() <= start.RegrowProbability;
    }
    if (regrow && RegrowFromListedFill(run)) {
        start.Origin = FillOrigin::Regrown;
        return start;
    }
    if (random.RandomReal() > 0.5) {
        start.Interlocked = SeedFreeformFill(run.Ctx, SeedKind::InterlockedAttempt);
        start.Origin = start.Interlocked ? FillOrigin::Interlocked : FillOrigin::Plain;
    } else {
        SeedFreeformFill(run.Ctx, SeedKind::PlainWord);
    }
    return start;
}

/// Stores and lists the fill on the grid when it is among the first 25 or beats the running average.
void ListFillIfGoodEnough(FreeformRunLoop& run, char origin)
{
    QuillmereState& state = run.State;
    Crossword& xw = state.Xw;
    FillStore& store = state.Fills;
    const FillCounts counts = CountFill(xw);
    const std::int32_t score = FreeformScore(counts.Letters, counts.Words, counts.Interlocks, counts.Area, xw.GridSize);
    const std::int32_t k = run.K;
    if (k > AcceptedWithoutAverage && score <= run.Average) return;
    SaveFillWords(store, xw, FillSourceKind::Freeform, true, 0);
    run.ScoreSum += score;
    run.Average = static_cast<std::int32_t>(run.ScoreSum / k);
    ClearFillRecord(store, k);
    FillRecordFrom(store.Record(k), counts, store.StoredWordCount);
    store.GridsMax = k;  // a listed fill can be shown while the run goes on
    state.Freeform.FreeFillsList.Add(FreeformFillRow(RankKey(run.Options.Ranking, counts, score), run.SeedPosition, k, origin, counts, score));
    if (run.Callbacks.FillListed) {
        FreeformRunProgress progress;
        progress.Listed = k;
        progress.Fills = run.N;
        progress.Average = run.Average;
        progress.Attempts = run.Result.Attempts;
        progress.CountText = std::to_string(k) + "/" + std::to_string(run.N);
        progress.AverageText = "Av.=" + std::to_string(run.Average);
        run.Callbacks.FillListed(progress);
    }
    ++run.K;
}

}  // namespace

FreeformRunResult RunFreeformFills(QuillmereState& state, const FreeformRunRequest& request, bool quick,
                                   const FreeformRunCallbacks& callbacks)
{
    FreeformRunLoop run(state, request, quick, callbacks);
    ResetSelectWeights(state.Imported);
    PrepareRunSeed(run);
    while (run.K <= run.N && state.Run == RunState::Running) {
        if (request.MaxAttempts && run.Result.Attempts >= *request.MaxAttempts) {
            run.Result.AttemptLimitReached = true;
            break;
        }
        if (request.Seed == SeedWordChoice::RandomWord) ChooseFillSeedWord(run);
        ClearGrid(state.Xw.Squares, true);
        const FillStart start = StartFill(run);
        const bool modify = run.Options.ModifyProbability;
        GrowFreeformFill(run.Ctx, 4, start.Interlocked ? GrowthBias::BottomRight : GrowthBias::TopLeft, run.N, quick, modify);
        GrowFreeformFill(run.Ctx, 2, GrowthBias::None, run.N, quick, modify);
        ++run.Result.Attempts;
        ListFillIfGoodEnough(run, start.Origin);
        if (callbacks.AttemptDone) callbacks.AttemptDone(Format("%0.4f", start.RegrowProbability));
        if (callbacks.ProcessMessages) callbacks.ProcessMessages();
    }
    run.Result.Listed = run.K - 1;
    run.Result.Average = run.Average;
    run.Result.Stopped = run.K <= run.N && state.Run == RunState::StopRequested;
    return run.Result;
}

ShownFill ShowFreeformFill(QuillmereState& state, std::int32_t n)
{
    FillStore& store = state.Fills;
    Check(n >= 1 && n <= store.GridsMax, "There is no fill " + std::to_string(n) + " in the list");
    Crossword& xw = state.Xw;
    RestoreFill(store, n, xw, [&](WordSlot& s) {
        LookUpSlotWord(s, FillSourceKind::Freeform, state.Dict, state.Imported, state.Clues);
    });
    for (int k = xw.WordSlotCount + 1; k <= MaxWordSlots; ++k) xw.Slot(k) = WordSlot{};
    xw.ShowCellNumbers = false;
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    RebuildSquaresFromWords(xw, FillSourceKind::Freeform);
    store.CurrentFill = n;

    const FillRecord& r = store.Record(n);
    ShownFill shown;
    shown.Fill = n;
    shown.SelectedRow = FindFillRow(state.Freeform.FreeFillsList, n);
    shown.Counts = FillCounts{r.LttCount, r.WrdCount, r.ILockCount, r.ILockArea};
    shown.Score = FreeformScore(r.LttCount, r.WrdCount, r.ILockCount, r.ILockArea, xw.GridSize);
    shown.Lists = ListSlots(xw);
    shown.Status = MakeFillStatus(r.WrdCount, r.LttCount, r.ILockCount, xw.GridSize, state.ImportedFillShown,
                                  state.Imported.ThemeWordCount);
    return shown;
}

FreeformRunOutcome QuickFill(QuillmereState& state, SeedWordChoice seed, std::int32_t selectedSeed,
                             const FreeformRunCallbacks& callbacks)
{
    CheckRunCanStart(state, seed, selectedSeed, 1);
    const auto started = std::chrono::steady_clock::now();
    const RunScope run(state.Run);
    PrepareFreeformFills(state, seed, false);
    ClearFillRecord(state.Fills, 1);
    FreeformRunRequest request;
    request.Fills = 1;
    request.Seed = seed;
    request.SelectedSeed = selectedSeed;
    FreeformRunOutcome outcome;
    outcome.Run = RunFreeformFills(state, request, true, callbacks);
    state.Fills.GridsMax = state.Fills.CurrentFill = outcome.Run.Listed;
    if (outcome.Run.Listed > 0) outcome.Shown = ShowFreeformFill(state, 1);
    outcome.ElapsedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    outcome.ElapsedText = ElapsedText(outcome.ElapsedSeconds);
    return outcome;
}

FreeformRunOutcome StartFreeformRun(QuillmereState& state, const FreeformRunRequest& request,
                                    const FreeformRunCallbacks& callbacks)
{
    CheckRunCanStart(state, request.Seed, request.SelectedSeed, request.Fills);
    const auto started = std::chrono::steady_clock::now();
    const RunScope run(state.Run);
    PrepareFreeformFills(state, request.Seed, true);
    FreeformRunOutcome outcome;
    outcome.Run = RunFreeformFills(state, request, false, callbacks);
    state.Fills.GridsMax = outcome.Run.Listed;
    if (outcome.Run.Listed > 0) {
        outcome.Shown = ShowFreeformFill(state, state.Freeform.FreeFillsList.At(0).Fill);
        outcome.Shown->SelectedRow = 0;
    }
    outcome.ElapsedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    outcome.ElapsedText = ElapsedText(outcome.ElapsedSeconds);
    return outcome;
}

std::int32_t ImproveAttempts(QuillmereState& state, std::int32_t target, const FreeformRunCallbacks& callbacks,
                             FillCounts* lastCounts)
{
    FreeformContext ctx(state, callbacks.Engine);
    Crossword& xw = state.Xw;
    std::int32_t score = 0;
    int attempts = 0;
    while (score < target && attempts < MaxImproveAttempts && state.Run == RunState::Running) {
        ++attempts;
        if (callbacks.ImproveProgress) callbacks.ImproveProgress(attempts);
        KnockOutSingleInterlockWords(xw, state.Imported, state.Freeform.Options.AllowDuplicates);
        GrowFreeformFill(ctx, 4, GrowthBias::None, 1, false, false);
        GrowFreeformFill(ctx, 2, GrowthBias::None, 1, false, false);
        const FillCounts counts = CountFill(xw);
        score = FreeformScore(counts.Letters, counts.Words, counts.Interlocks, counts.Area, xw.GridSize);
        if (lastCounts) *lastCounts = counts;
        if (callbacks.ProcessMessages) callbacks.ProcessMessages();
    }
    return score;
}

FreeformAddResult ImproveFill(QuillmereState& state, std::int32_t selectedRow, const FreeformRunCallbacks& callbacks)
{
    FillStore& store = state.Fills;
    FillList& list = state.Freeform.FreeFillsList;
    FreeformAddResult result;
    if (store.GridsMax >= MaxFillRecords) {
        result.ListFull = true;
        result.Message = "No more attempts available";
        return result;
    }
    Check(selectedRow >= 0 && selectedRow < list.Count(), "No fill is selected");
    ResetSelectWeights(state.Imported);
    const FillRow row = list.At(selectedRow);
    const std::int32_t seedPosition = row.SeedPosition;
    const std::int32_t S = row.Score;
    const RunScope run(state.Run);

    FillCounts last;
    std::int32_t R = ImproveAttempts(state, S + 1, callbacks, &last);
    if (R <= S) R = ImproveAttempts(state, S, callbacks, &last);
    if (R < S) {
        result.Message = "No improvement found";
        result.Shown = ShowFreeformFill(state, row.Fill);
        result.Shown->SelectedRow = selectedRow;
        return result;
    }
    SaveFillWords(store, state.Xw, FillSourceKind::Freeform, true, 0);
    const std::int32_t n = store.GridsMax + 1;
    ClearFillRecord(store, n);
    FillRecordFrom(store.Record(n), last, store.StoredWordCount);
    list.Add(FreeformFillRow(RankKey(state.Freeform.Options.Ranking, last, R), seedPosition, n, FillOrigin::Improved, last, R));
    store.GridsMax = n;
    result.Added = true;
    result.Message = R != S ? "Score improved from " + std::to_string(S) + " to " + std::to_string(R)
                            : "Same score (" + std::to_string(R) + ")";
    result.Shown = ShowFreeformFill(state, n);
    return result;
}

FreeformAddResult AddThisGrid(QuillmereState& state, std::int32_t selectedRow)
{
    FillStore& store = state.Fills;
    FillList& list = state.Freeform.FreeFillsList;
    Crossword& xw = state.Xw;
    ResetSelectWeights(state.Imported);
    const std::int32_t seedPosition = selectedRow >= 0 && selectedRow < list.Count() ? list.At(selectedRow).SeedPosition : 1;
    FreeformAddResult result;
    if (store.GridsMax >= MaxFillRecords) {
        result.ListFull = true;
        result.Message = "No more grids available";
        return result;
    }
    SaveFillWords(store, xw, FillSourceKind::Freeform, true, 0);
    const std::int32_t n = store.GridsMax + 1;
    ClearFillRecord(store, n);
    FillCounts counts;
    counts.Words = xw.WordSlotCount;
    counts.Letters = CountLetterSquares(xw.Squares);
    counts.Interlocks = CountInterlocks(xw);
    counts.Area = InterlockArea(xw.Squares);
    const std::int32_t score = FreeformScore(counts.Letters, counts.Words, counts.Interlocks, counts.Area, xw.GridSize);
    FillRecordFrom(store.Record(n), counts, store.StoredWordCount);
    FillRow row = FreeformFillRow(RankKey(state.Freeform.Options.Ranking, counts, score), seedPosition, n, FillOrigin::Edited,
                                  counts, score);
    row.WideScore = true;  // an edited grid's row has always given its score six characters
    list.Add(row);
    store.GridsMax = store.CurrentFill = n;
    result.Added = true;
    result.Shown = ShowFreeformFill(state, n);
    return result;
}

std::vector<std::string> ListOfGridsListing(const FillStore& store, std::int32_t symmFillsCount)
{
    std::vector<std::string> lines;
    lines.push_back("GridsMax= " + std::to_string(store.GridsMax));
    lines.emplace_back("  k    LttCount   WrdCount   LastWrd  ILockCount ILockArea");
    for (int k = 1; k <= store.GridsMax; ++k) {
        const FillRecord& r = store.Record(k);
        lines.push_back(Format("%3d%10d%10d%10d%10d%10d", k, r.LttCount, r.WrdCount, r.LastWrd, r.ILockCount, r.ILockArea));
    }
    lines.push_back("SymmFillsListBox.Count=" + std::to_string(symmFillsCount));
    return lines;
}

}  // namespace qm
