// The fill engine: one attempt of filling the analysed slots, the random picks and the grid housekeeping.
#include "core/symmetric/fill_engine.h"

#include "core/symmetric/analysis.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>
#include <filesystem>

namespace qm {

namespace {

using Diagnostic = std::function<void(const std::string&)>;

void Tell(const Diagnostic* diagnostic, const std::string& text)
{
    if (diagnostic && *diagnostic) (*diagnostic)(text);
}

std::int32_t PickDict(QuillmereState& state, std::string_view pattern, int length, std::int32_t first, std::int32_t last,
                      WordIndex* index, const Diagnostic* diagnostic)
{
    const std::int32_t lo = first == 0 ? 1 : first;
    const std::int32_t hi = first == 0 ? state.Dict.Count(length) : last;
    if (diagnostic)
        Tell(diagnostic, "Candidates " + std::to_string(lo) + " to " + std::to_string(hi) + " of length " + std::to_string(length));
    const std::int32_t n = hi - lo + 1;
    const std::int32_t start = lo + state.Random.Random(n);
    std::int32_t found = 0;
    if (n > 0)
        found = index ? index->FindDictWord(state.Dict, length, pattern, lo, hi, start)
                      : ScanDictWord(state.Dict, length, pattern, lo, hi, start);
    if (found == 0) {
        if (diagnostic) Tell(diagnostic, "Failed to select");
        return 0;
    }
    if (index)
        index->SetDictInUse(state.Dict, length, found, true);
    else
        state.Dict.Word(length, found).InUse = true;
    if (diagnostic) Tell(diagnostic, "selected " + state.Dict.Word(length, found).Text);
    return found;
}

void ReleaseWord(QuillmereState& state, const WordSlot& s, WordIndex* index)
{
    const int L = s.NumLett;
    if (s.FromDict) {
        if (index)
            index->SetDictInUse(state.Dict, L, s.DictOrThemeRef, false);
        else
            state.Dict.Word(L, s.DictOrThemeRef).InUse = false;
    } else {
        if (index)
            index->SetImportedUsed(state.Imported, L, s.DictOrThemeRef, false);
        else
            state.Imported.Entry(L, s.DictOrThemeRef).Used = false;
    }
}

/// The analysis only produces dependencies on earlier slots at positions inside both words; anything
/// else would make the engine read outside its slots, so it is refused before the attempt starts.
void CheckSlotTable(const Crossword& xw)
{
    if (xw.WordSlotCount < 1 || xw.WordSlotCount > MaxWordSlots)
        throw Failure("The grid has no word slots to fill; choose a stock grid first");
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        bool good = s.DepNum >= 0 && s.DepNum <= MaxSlotDeps && s.NumLett >= 1 &&
                    xw.Squares.Inside(s.Col, s.Row) &&
                    xw.Squares.Inside(s.Dir ? s.Col + s.NumLett - 1 : s.Col, s.Dir ? s.Row : s.Row + s.NumLett - 1);
        for (int d = 0; good && d < s.DepNum; ++d) {
            const SlotDep& dep = At(s.Deps, d);
            good = dep.DepSlot >= 1 && dep.DepSlot < i && dep.PosHere >= 1 && dep.PosHere <= s.NumLett &&
                   dep.PosThere >= 1 && dep.PosThere <= xw.Slot(dep.DepSlot).NumLett;
        }
        if (!good)
            throw Failure("Word slot " + std::to_string(i) + " does not fit the filling order; analyse the grid again");
    }
}

/// The letters of the shown fill's grid: the chosen stock grid's white count, or the open squares of
/// a grid that did not come from the library.
int LettersOfGrid(const QuillmereState& state)
{
    const int k = state.Stock.SelectedStockGrid;
    if (k >= 1 && k <= state.Stock.GridCount) return At(state.Stock.StockGrids, k).WhiteCount;
    return OpenSquareCount(state.Xw.Squares);
}

}  // namespace

std::vector<std::string> MainWordArrayLines(const Crossword& xw)
{
    std::vector<std::string> lines{"WRef,Seq,Clue,Dir,(Col,Row),'RCTxt',NumLett,DepNum,SepSrcIsland,Pattern,WordTxt,StartRef,MaxRef,NumTries"};
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        lines.push_back(Format("%2d: %2d  %2d%1s (%2d,%2d) '%-6s' %2d %2d SepSrc=%2d %-12.12s %-12.12s %5d %5d %3d", i, s.Seq,
                               s.Clue, s.Dir ? "A" : "D", s.Col, s.Row, s.RCTxt.str().c_str(), s.NumLett, s.DepNum,
                               s.SepSrcIsland, s.Pattern.str().c_str(), s.WordTxt.str().c_str(), s.StartRef, s.MaxRef,
                               s.NumTries));
    }
    lines.emplace_back(30, '-');
    return lines;
}

int ProgressStepFor(int maxIterations)
{
    const auto m = static_cast<std::uint32_t>(maxIterations) - 1u;
    return m < 1000u ? 100 : m < 5000u ? 500 : 1000;
}

std::int32_t PickDictWord(QuillmereState& state, std::string_view pattern, int length, std::int32_t first,
                          std::int32_t last, WordIndex* index)
{
    return PickDict(state, pattern, length, first, last, index, nullptr);
}

std::int32_t PickImportedWord(QuillmereState& state, std::string_view pattern, int length, WordIndex* index)
{
    if (length > state.Imported.MaxLen) return -1;
    const auto n = static_cast<std::int32_t>(state.Imported.EntriesOf(length).size());
    const std::int32_t start = state.Random.Random(n);
    if (n == 0) return -1;
    const std::int32_t found = index ? index->FindImportedWord(state.Imported, length, pattern, start)
                                     : ScanImportedWord(state.Imported, length, pattern, start);
    if (found < 0) return -1;
    if (index)
        index->SetImportedUsed(state.Imported, length, found, true);
    else
        state.Imported.Entry(length, found).Used = true;
    return found;
}

void WriteSlotWord(Grid& grid, int col, int row, int length, bool across, std::string_view word)
{
    const int n = std::min(length, static_cast<int>(word.size()));
    if (n < 1) return;
    const Grid::SquareLine squares = grid.Line(col, row, across, n);
    for (int i = 0; i < n; ++i) squares[i].Letter = At(word, i);
}

void BlankSlot(Grid& grid, int col, int row, int length, bool across)
{
    if (length < 1) return;
    const Grid::SquareLine squares = grid.Line(col, row, across, length);
    for (int i = 0; i < length; ++i) squares[i].Letter = ' ';
}

void BlankAllSlots(Crossword& xw)
{
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        BlankSlot(xw.Squares, s.Col, s.Row, s.NumLett, s.Dir);
    }
}

void ClearDictInUse(Dictionary& dict)
{
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        for (DictWord& w : dict.WordsOf(L)) w.InUse = false;
}

void SlotPattern(const Crossword& xw, int slot, std::string& pattern)
{
    const WordSlot& s = xw.Slot(slot);
    pattern.assign(static_cast<std::size_t>(std::max(s.NumLett, 0)), '?');
    for (int d = 0; d < s.DepNum; ++d) {
        const SlotDep& dep = At(s.Deps, d);
        const WordSlot& other = xw.Slot(dep.DepSlot);
        const int there = dep.PosThere - 1;
        At(pattern, dep.PosHere - 1) = there >= 0 && there < static_cast<int>(other.WordTxt.size()) ? At(other.WordTxt, there) : '?';
    }
}

int StepBackTarget(Crossword& xw, int slot)
{
    WordSlot& s = xw.Slot(slot);
    const int count = xw.WordSlotCount;
    if (s.NumTries >= DeepStepBackTries) {
        // Back to the earliest dependency of the first slot that has used up its tries; every slot from
        // there on starts counting again.
        int j = 1;
        while (j < count && xw.Slot(j).NumTries < DeepStepBackTries) ++j;
        int back = xw.Slot(j).DepE;
        // A slot without dependencies (the first of a separate group) starts over itself.
        if (back == NoDependency) back = j;
        for (int m = j; m <= count; ++m) xw.Slot(m).NumTries = 0;
        return back;
    }
    if (s.NumTries >= MiddleStepBackTries) {
        s.NumTries = 0;
        return s.DepE == NoDependency ? slot : s.DepE;
    }
    return (s.DepNum == 0 && slot > 1) ? slot : s.DepL;
}

namespace {

/// What one fill attempt works with, from its start to its report.
struct Attempt {
    QuillmereState& State;
    Crossword& Xw;
    const FillSettings& Settings;
    const FillCallbacks& Callbacks;
    WordIndex* Index;
    const Diagnostic* Diag;
    bool UseImported;
    bool UseDictionary;
    std::string Pattern;                ///< the current slot's pattern (kept to spare allocations)
    std::vector<std::string> StepLog;   ///< progress.log, when it is kept
};

/// Every word free again, every slot blank, the random generator reseeded.
void StartAttempt(Attempt& a)
{
    QuillmereState& state = a.State;
    if (a.Index) {
        a.Index->ClearDictInUse(state.Dict);
    } else {
        ClearDictInUse(state.Dict);
        state.SymmetricIndex.MarkUntracked();  // this attempt's flags bypass the kept index
    }
    if (a.UseImported) {
        if (a.Index) {
            a.Index->ClearImportedUsed(state.Imported);
        } else {
            for (auto& entries : state.Imported.ThemeIndex)
                for (ThemeEntry& e : entries) {
                    e.Used = false;
                    e.Available = true;
                }
        }
    }
    // Deliberately only the squares are blanked: each slot keeps its NumTries from the previous attempt,
    // so the try counts, and the step-backs they trigger, carry across the attempts of a run.
    BlankAllSlots(a.Xw);
    state.Random.Reseed();
    if (a.Settings.ShowProgress && a.Callbacks.Repaint) a.Callbacks.Repaint();
}

/// The slot's dictionary count, pattern and (for a slot without dependencies) random start; false when
/// the dictionary has no word of its length, which ends the attempt at once.
bool PrepareSlot(Attempt& a, int slot)
{
    WordSlot& s = a.Xw.Slot(slot);
    const int L = s.NumLett;
    s.MaxRef = (L >= 0 && L < static_cast<int>(a.State.Dict.WordCounts.size())) ? At(a.State.Dict.WordCounts, L).DictCount : 0;
    if (s.MaxRef == 0) return false;
    SlotPattern(a.Xw, slot, a.Pattern);
    s.Pattern = a.Pattern;
    if (s.DepNum == 0) s.StartRef = a.State.Random.Random(s.MaxRef);
    if (a.Diag) Tell(a.Diag, "Pattern " + a.Pattern);
    return true;
}

/// A dictionary word for the slot: from the words with its first letter when the pattern has one.
void PickDictionaryWordFor(Attempt& a, WordSlot& s)
{
    const std::string& pattern = a.Pattern;
    const int L = s.NumLett;
    std::int32_t found = 0;
    if (pattern[0] == '?') {
        found = PickDict(a.State, pattern, L, 0, 0, a.Index, a.Diag);
    } else {
        const LetterRange range = a.State.Dict.StartsOf(L, pattern[0]);
        if (range.First == 0) return;  // no word of this length begins with the letter: no try counted
        found = PickDict(a.State, pattern, L, range.First, range.Last, a.Index, a.Diag);
    }
    if (found != 0) s.WordTxt = a.State.Dict.Word(L, found).Text;
    s.DictOrThemeRef = found;
    s.FromDict = true;
    ++s.NumTries;
}

/// A word for the slot: from the imported list first where it takes part, then from the dictionary.
void PickSlotWord(Attempt& a, WordSlot& s)
{
    const int L = s.NumLett;
    s.WordTxt.clear();
    if (a.UseImported) {
        const std::int32_t pos = PickImportedWord(a.State, a.Pattern, L, a.Index);
        if (pos >= 0) s.WordTxt = a.State.Imported.Entry(L, pos).Text;
        s.DictOrThemeRef = pos >= 0 ? pos : 0;
        s.FromDict = false;
        ++s.NumTries;
    }
    if (a.UseDictionary && s.WordTxt.empty()) PickDictionaryWordFor(a, s);
}

/// Blanks and frees the words of slots back..slot-1; returns the slot before back, where the attempt
/// goes on (0: from the first slot).
int StepBack(Attempt& a, int slot, int back)
{
    // Deliberately, going on from the first slot neither blanks nor frees the words placed so far: their
    // in-use flags stay set, so those words stay out of the rest of this attempt.
    if (back == 0) return 0;
    for (int m = back; m <= slot - 1; ++m) {
        const WordSlot& ms = a.Xw.Slot(m);
        BlankSlot(a.Xw.Squares, ms.Col, ms.Row, ms.NumLett, ms.Dir);
        ReleaseWord(a.State, ms, a.Index);
    }
    return back - 1;
}

void ReportStep(const Attempt& a, int slot, int iterations, int progressStep)
{
    if (!a.Settings.ShowProgress) return;
    if (a.Callbacks.SetProgress) a.Callbacks.SetProgress(slot);
    if (iterations % progressStep == 0 && a.Callbacks.AddMemoLine) a.Callbacks.AddMemoLine(std::to_string(iterations) + " iterations");
    if (a.Callbacks.Repaint) a.Callbacks.Repaint();
}

/// The slots filled one after another, stepping back where no word fits; true when every slot has a
/// word within the iterations allowed. iterations counts the steps taken.
bool FillSlots(Attempt& a, int& iterations)
{
    const int count = a.Xw.WordSlotCount;
    const int maxIterations = a.Settings.MaxIterations;
    const int progressStep = ProgressStepFor(maxIterations);
    int slot = 0;
    while (true) {
        ++slot;
        ++iterations;
        if (!PrepareSlot(a, slot)) return false;
        WordSlot& s = a.Xw.Slot(slot);
        PickSlotWord(a, s);
        if (a.Settings.KeepStepLog) a.StepLog.push_back(std::to_string(slot) + ":" + s.WordTxt.str() + ":  N=" + std::to_string(s.NumTries));
        bool complete = false;
        if (!s.WordTxt.empty() && s.NumTries < DeepStepBackTries) {
            s.StartRef = s.DictOrThemeRef;
            WriteSlotWord(a.Xw.Squares, s.Col, s.Row, s.NumLett, s.Dir, s.WordTxt);
            complete = slot == count;
        } else {
            // Deliberately, a word found only at the 30th pick is dropped with its in-use flag still set:
            // it stays out of this attempt.
            slot = StepBack(a, slot, StepBackTarget(a.Xw, slot));
        }
        ReportStep(a, slot, iterations, progressStep);
        // Deliberately tested after the success test: a fill completed at the last allowed step counts as failed.
        if (iterations == maxIterations) return false;
        if (complete) return true;
    }
}

/// The attempt's last memo line, the fill status, the step log and a last repaint.
void FinishAttempt(Attempt& a, int fillNo, bool success, int iterations)
{
    if (success) {
        if (a.Callbacks.AddMemoLine)
            a.Callbacks.AddMemoLine(std::to_string(fillNo) + ". Successful fill in " + std::to_string(iterations) + " iterations.");
        if (a.Callbacks.ShowFillStatus) a.Callbacks.ShowFillStatus(a.Xw.WordSlotCount, LettersOfGrid(a.State), 0);
    } else if (a.Callbacks.AddMemoLine) {
        a.Callbacks.AddMemoLine(std::to_string(fillNo) + ". Failed to fill after " + std::to_string(iterations) + " iterations.");
    }
    if (a.Settings.KeepStepLog) {
        std::string text;
        for (const std::string& line : a.StepLog) text += line + "\r\n";
        WriteFileSafely((std::filesystem::path(a.Settings.StepLogFolder) / StepLogFileName).string(), text);
    }
    if (a.Callbacks.Repaint) a.Callbacks.Repaint();
}

}  // namespace

int FillGrid(QuillmereState& state, int fillNo, const FillSettings& settings, const FillCallbacks& callbacks,
             WordIndex* index)
{
    Check(settings.MaxIterations >= 1,
          [&] { return "The number of iterations must be at least 1 (it is " + std::to_string(settings.MaxIterations) + ")"; });
    CheckSlotTable(state.Xw);
    Attempt a{state,
              state.Xw,
              settings,
              callbacks,
              index,
              callbacks.Diagnostic ? &callbacks.Diagnostic : nullptr,
              UsesImportedInSymmetric(state.FillSource),
              UsesDictionary(state.FillSource),
              {},
              {}};
    a.Pattern.reserve(32);
    StartAttempt(a);
    int iterations = 0;
    const bool success = FillSlots(a, iterations);
    FinishAttempt(a, fillNo, success, iterations);
    return success ? iterations : 0;
}

}  // namespace qm
