// Fills of any grid in the fill stores: keeping them, reading them back, showing them, and a run of them.
#include "core/anyfill/any_fill_stores.h"

#include "core/clues/clue_store.h"
#include "core/grid/display.h"
#include "core/grid/fill_writer.h"
#include "core/fills/fill_store.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"

#include <memory>

namespace qm {

namespace {

/// The letters the constructor placed in every square of a slot, or empty when a square has none.
std::string PlacedWord(const AnyGrid& grid, const WordSlot& s)
{
    std::string word;
    for (int k = 0; k < s.NumLett; ++k) {
        const char c = grid.Xw.Squares(s.Dir ? s.Col + k : s.Col, s.Dir ? s.Row : s.Row + k).Letter;
        if (c < 'A' || c > 'Z') return {};
        word += c;
    }
    return word;
}

/// Where a stored fill went: its number and its row's position in the list.
struct StoredPlace {
    int Fill = 0;
    int Position = 0;
};

StoredPlace StoreFill(FillStore& store, FillList& list, FillSourceKind source, const AnyGrid& grid, const AnyFill& fill)
{
    const int slots = grid.Xw.WordSlotCount;
    Check(static_cast<int>(fill.Words.size()) == slots && fill.Origins.size() == fill.Words.size(), "The fill does not belong to this grid");
    const int n = store.GridsMax + 1;
    Check(n <= MaxFillRecords, [&] { return "The fills list holds at most " + std::to_string(MaxFillRecords) + " fills"; });
    auto xw = std::make_unique<Crossword>(grid.Xw);
    int imported = 0;
    for (int i = 1; i <= slots; ++i) {
        WordSlot& s = xw->Slot(i);
        const auto& origin = fill.Origins[static_cast<std::size_t>(i - 1)];
        s.FromDict = origin && origin->FromDict;
        s.DictOrThemeRef = origin ? origin->Ref : 0;
        if (origin && !origin->FromDict) ++imported;
    }
    SaveFillWords(store, *xw, source, true, 0);  // first, since it may refuse
    ClearFillRecord(store, n);
    FillRecord& r = store.Record(n);
    r.LttCount = OpenSquareCount(grid.Xw.Squares);
    r.WrdCount = slots;
    r.LastWrd = store.StoredWordCount;
    r.Iterations = 0;
    store.GridsMax = n;
    const int position = list.Add(FillRow::Symmetric(n, r.LttCount, r.WrdCount, 0, UsesImportedInSymmetric(source) ? imported : 0));
    return {n, position};
}

void ClearStores(QuillmereState& state, FillList& list)
{
    ClearListOfGrids(state.Fills);
    state.Fills.StoredWordCount = 0;
    list.Clear();
}

}  // namespace

int StoreAnyFill(QuillmereState& state, FillList& list, const AnyGrid& grid, const AnyFill& fill)
{
    return StoreFill(state.Fills, list, state.FillSource, grid, fill).Fill;
}

AnyFill StoredAnyFill(const QuillmereState& state, const AnyGrid& grid, int n)
{
    const FillStore& store = state.Fills;
    Check(n >= 1 && n <= store.GridsMax && store.Record(n).WrdCount >= 1 && store.LastWordOf(n) >= store.FirstWordOf(n) &&
              store.LastWordOf(n) <= store.StoredWordCount,
          [&] { return "There is no fill " + std::to_string(n) + " in the list"; });
    const int first = store.FirstWordOf(n);
    const int count = store.LastWordOf(n) - first + 1;
    const Crossword& xw = grid.Xw;
    const auto notOfGrid = [&] { return "Fill " + std::to_string(n) + " in the list does not belong to this grid"; };
    Check(count == xw.WordSlotCount, notOfGrid);
    AnyFill fill;
    for (int i = 1; i <= count; ++i) {
        const StoredWord& w = store.Words[static_cast<std::size_t>(first + i - 1)];
        const WordSlot& s = xw.Slot(i);
        const bool down = w.Row < 1 || w.Col < 1;
        Check(std::abs(w.Row) == s.Row && std::abs(w.Col) == s.Col && down == !s.Dir && w.NumLett == s.NumLett, notOfGrid);
        const int L = s.NumLett;
        const int ref = w.DictOrThemeRef;
        std::optional<WordOrigin> origin = WordOrigin{w.FromDict != 0, ref};
        std::string text;
        if (origin->FromDict) {
            Check(ref >= 1 && ref <= state.Dict.Count(L), RangeError);
            text = state.Dict.MainWordArray[static_cast<std::size_t>(L)][static_cast<std::size_t>(ref)].Text;
        } else {
            const auto& entries = state.Imported.EntriesOf(L);
            const std::string placed = ref == 0 ? PlacedWord(grid, s) : std::string();
            // Reference 0 is also the first imported word of the length; a placed word is that word
            // only when the list takes part and the texts agree.
            const bool listed = !entries.empty() && UsesImportedInSymmetric(state.FillSource) && (placed.empty() || entries[0].Text == placed);
            if (!placed.empty() && !listed) {
                origin.reset();
                text = placed;
            } else {
                Check(ref >= 0 && static_cast<std::size_t>(ref) < entries.size(), RangeError);
                text = entries[static_cast<std::size_t>(ref)].Text;
            }
        }
        fill.Words.push_back(std::move(text));
        fill.Origins.push_back(origin);
    }
    return fill;
}

ShownFill ShowAnyFill(QuillmereState& state, const AnyGrid& grid, int n, const ClueLookup& clueOf)
{
    const AnyFill fill = StoredAnyFill(state, grid, n);
    auto xw = std::make_unique<Crossword>(FilledCrossword(grid, fill, state.Dict, state.Imported, clueOf));
    ResetCellColours(xw->Squares);
    WriteFillToGrid(*xw, state.FillSource);
    xw->ShowCellNumbers = true;
    state.Xw = *xw;
    state.Fills.CurrentFill = n;
    return ShownStoredFill(state, n);
}

ShownFill ShowAnyFill(QuillmereState& state, const AnyGrid& grid, int n)
{
    return ShowAnyFill(state, grid, n, [&state](int i) { return ClueLine(state.Clues, i); });
}

ShownFill ShowOnlyAnyFill(QuillmereState& state, const AnyGrid& grid, const AnyFill& fill, const ClueLookup& clueOf)
{
    // Built aside, so that a fill the stores cannot keep leaves them as they were.
    FillStore store;
    FillList list;
    StoreFill(store, list, state.FillSource, grid, fill);
    state.Fills = std::move(store);
    state.SymmFillsList = std::move(list);
    state.AnyFillGrid = std::make_shared<const AnyGrid>(grid);
    return ShowAnyFill(state, grid, 1, clueOf);
}

AnyRunResult RunAnyFills(QuillmereState& state, FillList& list, std::shared_ptr<const AnyGrid> grid, const AnyFillRequest& request,
                         const AnyFillCallbacks& callbacks, const std::function<void(const FillRow& row, int position)>& fillListed)
{
    Check(grid != nullptr, "There is no grid to fill");
    if (!UsesDictionary(state.FillSource) && !UsesImportedInSymmetric(state.FillSource))
        throw Failure("Start a symmetrical crossword before running fills");
    const FillWords words(state.Dict, state.Imported, state.FillSource, LengthsOf(grid->Xw));

    RunScope active(state.Run);
    AnyFillCallbacks run = callbacks;
    run.Started = [&] {
        ClearStores(state, list);
        ResetCellColours(state.Xw.Squares);
        state.AnyFillGrid = grid;
        if (callbacks.Started) callbacks.Started();
    };
    run.FillMade = [&](const AnyFill& fill) {
        const StoredPlace place = StoreFill(state.Fills, list, state.FillSource, *grid, fill);
        if (fillListed) fillListed(list.At(place.Position), place.Position);
        if (callbacks.FillMade) callbacks.FillMade(fill);
    };
    run.StopRequested = [&] { return (callbacks.StopRequested && callbacks.StopRequested()) || state.Run != RunState::Running; };

    AnyRunResult result;
    result.Run = RunAnyFill(*grid, words, request, state.Random, run);
    if (list.Count() > 0) result.Shown = ShowAnyFill(state, *grid, list.At(0).Fill);
    return result;
}

}  // namespace qm
