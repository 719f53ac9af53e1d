// The fill records and the fill word store: clearing, saving and restoring fills.
#include "core/fills/fill_store.h"

#include "core/util/failure.h"
#include "core/util/index.h"

#include <cstdlib>
#include <limits>

namespace qm {

FillRecord& FillStore::Record(int n)
{
    if (n < 0 || n > MaxFillRecords) throw Failure("No more grids available");
    return At(ListOfGrids, n);
}

const FillRecord& FillStore::Record(int n) const
{
    if (n < 0 || n > MaxFillRecords) throw Failure("No more grids available");
    return At(ListOfGrids, n);
}

std::int32_t FillStore::FirstWordOf(int n) const { return n <= 1 ? 1 : Record(n - 1).LastWrd + 1; }
std::int32_t FillStore::LastWordOf(int n) const { return Record(n).LastWrd; }

void ClearListOfGrids(FillStore& store)
{
    store.ListOfGrids.assign(MaxFillRecords + 1, FillRecord{});
    store.GridsMax = 0;
    store.CurrentFill = 0;
}

void ClearFillRecord(FillStore& store, int n)
{
    if (n < 0 || n > MaxFillRecords) throw Failure("ThisRow=" + std::to_string(n));
    FillRecord& r = At(store.ListOfGrids, n);
    r.LttCount = r.WrdCount = r.LastWrd = r.ILockCount = r.ILockArea = 0;
}

void SaveFillWords(FillStore& store, const Crossword& xw, FillSourceKind source, bool append, std::int32_t start)
{
    const std::int64_t first = append ? static_cast<std::int64_t>(store.StoredWordCount) + 1 : static_cast<std::int64_t>(start) + 1;
    const std::int64_t last = first + xw.WordSlotCount - 1;
    if (first < 1) throw Failure(RangeError);
    if (last > MaxStoredWords)
        throw Failure("The fill word store is full: it holds at most " + std::to_string(MaxStoredWords) + " words");
    if (!append && last > store.StoredWordCount) throw Failure(RangeError);
    std::vector<StoredWord> words;
    words.reserve(static_cast<std::size_t>(xw.WordSlotCount));
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        if (s.Row < 1 || s.Row > 127 || s.Col < 1 || s.Col > 127 || s.NumLett < 0 || s.NumLett > 255 ||
            s.DictOrThemeRef < 0 || s.DictOrThemeRef > std::numeric_limits<std::uint16_t>::max())
            throw Failure("Word " + std::to_string(i) + " cannot be kept in the fill word store (index " +
                          std::to_string(s.DictOrThemeRef) + ", length " + std::to_string(s.NumLett) + ")");
        StoredWord w;
        w.Row = static_cast<std::int8_t>(s.Dir ? s.Row : -s.Row);
        w.Col = static_cast<std::int8_t>(s.Dir ? s.Col : -s.Col);
        w.NumLett = static_cast<std::uint8_t>(s.NumLett);
        w.DictOrThemeRef = static_cast<std::uint16_t>(s.DictOrThemeRef);
        w.FromDict = (UsesDictionary(source) && s.FromDict) ? 1 : 0;
        words.push_back(w);
    }
    if (store.Words.size() < static_cast<std::size_t>(last) + 1) store.Words.resize(static_cast<std::size_t>(last) + 1);
    std::copy(words.begin(), words.end(), store.Words.begin() + first);
    if (append) store.StoredWordCount = static_cast<std::int32_t>(last < first ? first - 1 : last);
}

void RestoreFill(const FillStore& store, int n, Crossword& xw, const std::function<void(WordSlot&)>& lookUp)
{
    const std::int32_t first = store.FirstWordOf(n);
    const std::int32_t last = store.LastWordOf(n);
    if (last >= first && (first < 1 || last > store.StoredWordCount)) throw Failure(RangeError);
    const int count = last >= first ? last - first + 1 : 0;
    if (count > MaxWordSlots)
        throw Failure("A crossword holds at most " + std::to_string(MaxWordSlots) + " words");
    // Built aside first, so a failing lookup leaves the crossword as it was.
    std::vector<WordSlot> slots(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        const StoredWord& w = At(store.Words, first + k - 1);
        WordSlot s = xw.Slot(k);
        const bool down = w.Row < 1 || w.Col < 1;
        s.Row = std::abs(w.Row);
        s.Col = std::abs(w.Col);
        s.Dir = !down;
        s.RCTxt = MakeRCTxt(s.Row, s.Col);
        s.NumLett = w.NumLett;
        s.DictOrThemeRef = w.DictOrThemeRef;
        s.FromDict = w.FromDict != 0;
        if (lookUp) lookUp(s);
        At(slots, k - 1) = s;
    }
    for (int k = 1; k <= count; ++k) xw.Slot(k) = At(slots, k - 1);
    xw.WordSlotCount = count;
}

}  // namespace qm
