// The fill engine: one attempt of filling the analysed slots, the random picks and the grid housekeeping.
#include "core/symmetric/fill_engine.h"

#include "core/symmetric/analysis.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"

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
        state.Dict.MainWordArray[static_cast<std::size_t>(length)][static_cast<std::size_t>(found)].InUse = true;
    if (diagnostic)
        Tell(diagnostic, "selected " + state.Dict.MainWordArray[static_cast<std::size_t>(length)][static_cast<std::size_t>(found)].Text);
    return found;
}

void ReleaseWord(QuillmereState& state, const WordSlot& s, WordIndex* index)
{
    const int L = s.NumLett;
    if (s.FromDict) {
        if (index)
            index->SetDictInUse(state.Dict, L, s.DictOrThemeRef, false);
        else
            state.Dict.MainWordArray.at(static_cast<std::size_t>(L)).at(static_cast<std::size_t>(s.DictOrThemeRef)).InUse = false;
    } else {
        if (index)
            index->SetImportedUsed(state.Imported, L, s.DictOrThemeRef, false);
        else
            state.Imported.ThemeIndex.at(static_cast<std::size_t>(L)).at(static_cast<std::size_t>(s.DictOrThemeRef)).Used = false;
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
            const SlotDep& dep = s.Deps[static_cast<std::size_t>(d)];
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
    if (k >= 1 && k <= state.Stock.GridCount) return state.Stock.StockGrids[static_cast<std::size_t>(k)].WhiteCount;
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
        state.Imported.ThemeIndex[static_cast<std::size_t>(length)][static_cast<std::size_t>(found)].Used = true;
    return found;
}

void WriteSlotWord(Grid& grid, int col, int row, int length, bool across, std::string_view word)
{
    for (int i = 1; i <= length && static_cast<std::size_t>(i) <= word.size(); ++i)
        (across ? grid(col + i - 1, row) : grid(col, row + i - 1)).Letter = word[static_cast<std::size_t>(i - 1)];
}

void BlankSlot(Grid& grid, int col, int row, int length, bool across)
{
    for (int i = 1; i <= length; ++i) (across ? grid(col + i - 1, row) : grid(col, row + i - 1)).Letter = ' ';
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
        for (DictWord& w : dict.MainWordArray[static_cast<std::size_t>(L)]) w.InUse = false;
}

int FillGrid(QuillmereState& state, int fillNo, const FillSettings& settings, const FillCallbacks& callbacks,
             WordIndex* index)
{
    if (settings.MaxIterations < 1)
        throw Failure("The number of iterations must be at least 1 (it is " + std::to_string(settings.MaxIterations) + ")");
    Crossword& xw = state.Xw;
    CheckSlotTable(xw);
    const int maxIterations = settings.MaxIterations;
    const int progressStep = ProgressStepFor(maxIterations);
    const FillSourceKind source = state.FillSource;
    const bool useImported = UsesImportedInSymmetric(source);
    const bool useDictionary = UsesDictionary(source);
    const Diagnostic* diagnostic = callbacks.Diagnostic ? &callbacks.Diagnostic : nullptr;
    std::vector<std::string> stepLog;

    if (index) {
        index->ClearDictInUse(state.Dict);
    } else {
        ClearDictInUse(state.Dict);
        state.SymmetricIndex.MarkUntracked();  // this attempt's flags bypass the kept index
    }
    if (useImported) {
        if (index) {
            index->ClearImportedUsed(state.Imported);
        } else {
            for (auto& entries : state.Imported.ThemeIndex)
                for (ThemeEntry& e : entries) {
                    e.Used = false;
                    e.Available = true;
                }
        }
    }
    BlankAllSlots(xw);
    state.Random.Reseed();
    if (settings.ShowProgress && callbacks.Repaint) callbacks.Repaint();

    const int count = xw.WordSlotCount;
    std::string pattern;
    pattern.reserve(32);
    bool success = false;
    int iterations = 0;
    int slotNo = 0;
    bool done = false;
    while (!done) {
        ++slotNo;
        ++iterations;
        WordSlot& s = xw.Slot(slotNo);
        const int L = s.NumLett;
        s.MaxRef = (L >= 0 && L < static_cast<int>(state.Dict.WordCounts.size()))
                       ? state.Dict.WordCounts[static_cast<std::size_t>(L)].DictCount
                       : 0;
        if (s.MaxRef == 0) {
            // "Zero words of length L": the attempt ends at once.
            break;
        }
        pattern.assign(static_cast<std::size_t>(L), '?');
        for (int d = 0; d < s.DepNum; ++d) {
            const SlotDep& dep = s.Deps[static_cast<std::size_t>(d)];
            const WordSlot& other = xw.Slot(dep.DepSlot);
            const std::size_t there = static_cast<std::size_t>(dep.PosThere - 1);
            pattern[static_cast<std::size_t>(dep.PosHere - 1)] = there < other.WordTxt.size() ? other.WordTxt[there] : '?';
        }
        s.Pattern = pattern;
        if (s.DepNum == 0) s.StartRef = state.Random.Random(s.MaxRef);
        if (diagnostic) Tell(diagnostic, "Pattern " + pattern);
        s.WordTxt.clear();
        if (useImported) {
            const std::int32_t pos = PickImportedWord(state, pattern, L, index);
            if (pos >= 0) s.WordTxt = state.Imported.ThemeIndex[static_cast<std::size_t>(L)][static_cast<std::size_t>(pos)].Text;
            s.DictOrThemeRef = pos >= 0 ? pos : 0;
            s.FromDict = false;
            ++s.NumTries;
        }
        if (useDictionary && s.WordTxt.empty()) {
            std::int32_t found = 0;
            bool picked = true;
            if (pattern[0] == '?') {
                found = PickDict(state, pattern, L, 0, 0, index, diagnostic);
            } else {
                const char initial = pattern[0];
                const LetterRange range = (initial >= 'A' && initial <= 'Z' && L <= MaxWordLength)
                                              ? state.Dict.LetterStarts[static_cast<std::size_t>(L)][static_cast<std::size_t>(initial - 'A')]
                                              : LetterRange{};
                if (range.First == 0)
                    picked = false;  // no word of this length begins with the letter: no try counted
                else
                    found = PickDict(state, pattern, L, range.First, range.Last, index, diagnostic);
            }
            if (picked) {
                if (found != 0) s.WordTxt = state.Dict.MainWordArray[static_cast<std::size_t>(L)][static_cast<std::size_t>(found)].Text;
                s.DictOrThemeRef = found;
                s.FromDict = true;
                ++s.NumTries;
            }
        }
        if (settings.KeepStepLog)
            stepLog.push_back(std::to_string(slotNo) + ":" + s.WordTxt.str() + ":  N=" + std::to_string(s.NumTries));

        if (!s.WordTxt.empty() && s.NumTries < DeepStepBackTries) {
            s.StartRef = s.DictOrThemeRef;
            WriteSlotWord(xw.Squares, s.Col, s.Row, L, s.Dir, s.WordTxt);
            if (slotNo == count) {
                done = true;
                success = true;
            }
        } else {
            // A word found at the 30th or later pick is dropped with its in-use flag still set.
            int back = 0;
            if (s.NumTries >= DeepStepBackTries) {
                int j = 1;
                while (j < count && xw.Slot(j).NumTries < DeepStepBackTries) ++j;
                back = xw.Slot(j).DepE;
                // A slot without dependencies (the first of a separate group) starts over itself.
                if (back == NoDependency) back = j;
                for (int m = j; m <= count; ++m) xw.Slot(m).NumTries = 0;
            } else if (s.NumTries >= MiddleStepBackTries) {
                back = s.DepE == NoDependency ? slotNo : s.DepE;
                s.NumTries = 0;
            } else {
                back = (s.DepNum == 0 && slotNo > 1) ? slotNo : s.DepL;
            }
            if (back == 0) {
                slotNo = 0;
            } else {
                for (int m = back; m <= slotNo - 1; ++m) {
                    const WordSlot& ms = xw.Slot(m);
                    BlankSlot(xw.Squares, ms.Col, ms.Row, ms.NumLett, ms.Dir);
                    ReleaseWord(state, ms, index);
                }
                slotNo = back - 1;
            }
        }
        // Tested after the success test, so a fill completed at the last allowed step counts as failed.
        if (iterations == maxIterations) {
            done = true;
            success = false;
        }
        if (settings.ShowProgress) {
            if (callbacks.SetProgress) callbacks.SetProgress(slotNo);
            if (iterations % progressStep == 0 && callbacks.AddMemoLine)
                callbacks.AddMemoLine(std::to_string(iterations) + " iterations");
            if (callbacks.Repaint) callbacks.Repaint();
        }
    }

    int result = 0;
    if (success) {
        if (callbacks.AddMemoLine)
            callbacks.AddMemoLine(std::to_string(fillNo) + ". Successful fill in " + std::to_string(iterations) + " iterations.");
        if (callbacks.ShowFillStatus) callbacks.ShowFillStatus(count, LettersOfGrid(state), 0);
        result = iterations;
    } else if (callbacks.AddMemoLine) {
        callbacks.AddMemoLine(std::to_string(fillNo) + ". Failed to fill after " + std::to_string(iterations) + " iterations.");
    }
    if (settings.KeepStepLog) {
        std::string text;
        for (const std::string& line : stepLog) text += line + "\r\n";
        WriteFileSafely((std::filesystem::path(settings.StepLogFolder) / StepLogFileName).string(), text);
    }
    if (callbacks.Repaint) callbacks.Repaint();
    return result;
}

}  // namespace qm
