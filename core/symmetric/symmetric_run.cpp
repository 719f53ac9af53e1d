// A run of symmetrical fills into the stores and the list, its start and timing, and showing a fill.
#include "core/symmetric/symmetric_run.h"

#include "core/anyfill/any_fill_stores.h"
#include "core/clues/clue_store.h"
#include "core/grid/fill_writer.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/util/failure.h"
#include "core/util/text.h"

#include <chrono>
#include <memory>

namespace qm {

namespace {

void CheckAnalysed(const Crossword& xw)
{
    if (xw.WordSlotCount < 1) throw Failure("Choose a stock grid before starting a run of fills");
    for (int i = 1; i <= xw.WordSlotCount; ++i)
        if (xw.Slot(i).Seq < 1 || xw.Slot(i).Seq > xw.WordSlotCount)
            throw Failure("The grid's filling order is missing; choose the stock grid again");
}

}  // namespace

RunResult RunSymmetricFills(QuillmereState& state, FillList& list, const RunSettings& settings, const RunCallbacks& callbacks)
{
    if (settings.Repeats < 1 || settings.Repeats > MaxRepeats)
        throw Failure("A run makes 1 to " + std::to_string(MaxRepeats) + " attempts, not " + std::to_string(settings.Repeats));
    if (settings.Fill.MaxIterations < 1)
        throw Failure("The number of iterations must be at least 1 (it is " + std::to_string(settings.Fill.MaxIterations) + ")");
    if (!UsesDictionary(state.FillSource) && !UsesImportedInSymmetric(state.FillSource))
        throw Failure("Start a symmetrical crossword before running fills");
    CheckAnalysed(state.Xw);

    if (callbacks.ClearMemo) callbacks.ClearMemo();
    if (callbacks.Fill.AddMemoLine) callbacks.Fill.AddMemoLine("Running...");
    SortSlotsBySeq(state.Xw);
    const RunScope run(state.Run);
    state.Random.Reseed();
    ClearListOfGrids(state.Fills);
    list.Clear();
    state.AnyFillGrid.reset();  // the fills from now on belong to the stock grid
    ResetCellColours(state.Xw.Squares);
    state.Xw.ShowCellNumbers = false;
    state.Fills.StoredWordCount = 0;
    const int letters = OpenSquareCount(state.Xw.Squares);

    WordIndex* index = nullptr;
    if (settings.Method == PickMethod::Indexed) {
        state.SymmetricIndex.Prepare(state.Dict, state.Imported);
        index = &state.SymmetricIndex;
    }

    RunResult result;
    int fillCount = 0;
    for (int i = 1; i <= settings.Repeats && state.Run == RunState::Running; ++i) {
        if (callbacks.AttemptStarted) callbacks.AttemptStarted(i, settings.Repeats);
        // A fill shown between attempts leaves the slots sorted by position; the engine needs them
        // in filling order with their dependencies.
        SortSlotsBySeq(state.Xw);
        const int iterations = FillGrid(state, i, settings.Fill, callbacks.Fill, index);
        result.Attempts = i;
        if (iterations > 0) {
            SaveFillWords(state.Fills, state.Xw, state.FillSource, true, 0);
            ++fillCount;
            ClearFillRecord(state.Fills, fillCount);
            FillRecord& r = state.Fills.Record(fillCount);
            r.LttCount = letters;
            r.WrdCount = state.Xw.WordSlotCount;
            r.LastWrd = state.Fills.StoredWordCount;
            r.ILockCount = 0;
            r.ILockArea = 0;
            r.Iterations = iterations;
            state.Fills.GridsMax = fillCount;
            const int imported = UsesImportedInSymmetric(state.FillSource) ? CountImportedWords(state.Xw) : 0;
            const FillRow row = FillRow::Symmetric(fillCount, letters, r.WrdCount, iterations, imported);
            const int position = list.Add(row);
            if (callbacks.FillListed) callbacks.FillListed(row, position);
        }
        if (callbacks.ProcessMessages) callbacks.ProcessMessages();
    }
    result.FillCount = fillCount;
    state.Fills.GridsMax = fillCount;
    if (fillCount > 0) result.Shown = ShowFill(state, list.At(0).Fill);
    return result;
}

int RepeatsFromText(std::string_view text)
{
    const int n = ParseIntOr(text, 1);
    return n < 1 ? 1 : n > MaxRepeats ? MaxRepeats : n;
}

std::string RunTimeText(double seconds) { return Format("%-3.2f secs.", seconds); }

StartedRun StartSymmetricRun(QuillmereState& state, FillList& list, std::string_view repeatsText, RunSettings settings,
                             const RunCallbacks& callbacks)
{
    const auto started = std::chrono::steady_clock::now();
    StartedRun run;
    run.Repeats = RepeatsFromText(repeatsText);
    run.RepeatsText = std::to_string(run.Repeats);
    settings.Repeats = run.Repeats;
    run.Result = RunSymmetricFills(state, list, settings, callbacks);
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    run.TimeText = RunTimeText(run.Seconds);
    return run;
}

ShownFill ShowFill(QuillmereState& state, int n)
{
    const FillSourceKind source = state.FillSource;
    Check(UsesDictionary(source) || UsesImportedInSymmetric(source), "Fill " + std::to_string(n) + " is not a symmetrical fill");
    if (state.AnyFillGrid) return ShowAnyFill(state, *state.AnyFillGrid, n);
    const FillStore& store = state.Fills;
    if (n < 1 || n > MaxFillRecords || store.Record(n).WrdCount < 1 || store.LastWordOf(n) < store.FirstWordOf(n) ||
        store.LastWordOf(n) > store.StoredWordCount)
        throw Failure("There is no fill " + std::to_string(n) + " in the list");

    // Built on a copy: a failing lookup leaves the crossword on display as it was.
    auto work = std::make_unique<Crossword>(state.Xw);
    Crossword& xw = *work;
    ResetCellColours(xw.Squares);
    SortSlotsBySeq(xw);
    xw.ShowCellNumbers = true;
    ClearGrid(xw.Squares, false);
    LoadStockGrid(state.Stock, state.Stock.SelectedStockGrid, xw.Squares);
    RestoreFill(store, n, xw, [&](WordSlot& s) { LookUpSlotWord(s, source, state.Dict, state.Imported, state.Clues); });
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    WriteFillToGrid(xw, source);
    state.Xw = xw;
    state.Fills.CurrentFill = n;
    return ShownStoredFill(state, n);
}

ShownFill ShownStoredFill(const QuillmereState& state, int n)
{
    const FillRecord& r = state.Fills.Record(n);
    ShownFill shown;
    shown.Fill = n;
    shown.SelectedRow = FindFillRow(state.SymmFillsList, n);
    shown.Lists = ListSlots(state.Xw);
    shown.Counts = FillCounts{r.LttCount, r.WrdCount, r.ILockCount, r.ILockArea};
    shown.Status = MakeFillStatus(r.WrdCount, r.LttCount, r.ILockCount, state.Xw.GridSize,
                                  StatusImportedFillShown(state.FillSource, state.ImportedFillShown), state.Imported.ThemeWordCount);
    return shown;
}

}  // namespace qm
