// Clue editing and word replacement on the crossword on display.
#include "core/clues/clue_editing.h"

#include "core/clues/clue_store.h"
#include "core/grid/fill_writer.h"
#include "core/grid/pattern.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"
#include "core/words/word_breaks.h"

#include <cstdlib>

namespace qm {

namespace {

bool CoversSquare(const WordSlot& s, int col, int row)
{
    const int length = s.NumLett > 0 ? s.NumLett : static_cast<int>(s.WordTxt.size());
    if (s.Dir) return row == s.Row && col >= s.Col && col < s.Col + length;
    return col == s.Col && row >= s.Row && row < s.Row + length;
}

/// Whether a slot other than k passes through square (col, row).
bool SharedSquare(const Crossword& xw, int k, int col, int row)
{
    for (int j = 1; j <= xw.WordSlotCount; ++j)
        if (j != k && CoversSquare(xw.Slot(j), col, row)) return true;
    return false;
}

}  // namespace

int FindSlotRow(const std::vector<ClueRow>& rows, int slot)
{
    if (rows.empty()) return -1;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        if (rows[i].Slot == slot) return static_cast<int>(i);
    return static_cast<int>(rows.size()) - 1;
}

void ResetClueColours(Crossword& xw, FillSourceKind source)
{
    ResetCellColours(xw.Squares);
    if (source == FillSourceKind::Hybrid) HighlightImportedWords(xw);
}

void HighlightClueWord(Crossword& xw, FillSourceKind source, int slot)
{
    ResetClueColours(xw, source);
    const WordSlot& s = xw.Slot(slot);
    const int length = UsesDictionary(source) ? s.NumLett : static_cast<int>(s.WordTxt.size());
    for (int i = 0; i < length; ++i) {
        const int col = s.Dir ? s.Col + i : s.Col;
        const int row = s.Dir ? s.Row : s.Row + i;
        if (xw.Squares.Inside(col, row)) xw.Squares(col, row).CellColour = ColourSelectedWord;
    }
}

std::string CluePanelCaption(const ClueRow& row) { return "Clue for " + row.Answer + ":"; }

bool StoreEditedClue(WordSlot& slot, std::string_view text)
{
    const FixedText<200> edited(text);
    if (edited == slot.ClueTxt) return false;
    slot.ClueTxt = edited;
    return true;
}

Alternatives FindAlternatives(const Crossword& xw, int slot, const Dictionary& dict)
{
    const WordSlot& s = xw.Slot(slot);
    const int length = s.NumLett;
    Alternatives result;
    result.Pattern.assign(static_cast<std::size_t>(std::max(length, 0)), '?');
    for (int i = 1; i <= length; ++i) {
        const int col = s.Dir ? s.Col + i - 1 : s.Col;
        const int row = s.Dir ? s.Row : s.Row + i - 1;
        if (xw.Squares.Inside(col, row) && SharedSquare(xw, slot, col, row)) {
            const char letter = xw.Squares(col, row).Letter;
            if (letter >= 'A' && letter <= 'Z') At(result.Pattern, i - 1) = letter;
        }
    }
    for (int i = 1; i <= dict.Count(length); ++i) {
        const DictWord& w = dict.Word(length, i);
        if (!MatchesPattern(w.Text, result.Pattern)) continue;
        const bool current = w.Text == s.WordTxt.view();
        result.Rows.push_back(ReplacementChoice{slot, i, current, DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt});
        if (!current) ++result.Count;
    }
    if (result.Count == 0) {
        result.FooterA = "No alternatives available";
    } else {
        result.FooterA = std::to_string(result.Count) + " alternative(s) available,";
        result.FooterB = "click to select";
    }
    return result;
}

std::string ReplacementChoice::Text() const
{
    return Format("%3d%4d%1s%-20s", Slot, WordIndex, Current ? "*" : " ", DisplayTxt.c_str());
}

namespace {

/// The entry of slot s in the stored words of fill n (the store keeps a fill's words in the order the
/// run made them, which showing the fill again relies on); 0 when the fill holds no such word.
std::int32_t StoredEntryOf(const FillStore& store, int n, const WordSlot& s)
{
    for (std::int32_t j = store.FirstWordOf(n); j <= store.LastWordOf(n) && j <= store.StoredWordCount; ++j) {
        const StoredWord& w = At(store.Words, j);
        const bool down = w.Row < 1 || w.Col < 1;
        if (std::abs(w.Row) == s.Row && std::abs(w.Col) == s.Col && down == !s.Dir && w.NumLett == s.NumLett) return j;
    }
    return 0;
}

}  // namespace

void ReplaceSlotWord(QuillmereState& state, const ReplacementChoice& choice)
{
    Crossword& xw = state.Xw;
    Check(UsesDictionary(state.FillSource), "Only the words of a crossword filled from the dictionary can be replaced");
    Check(choice.Slot >= 1 && choice.Slot <= xw.WordSlotCount,
          "There is no word " + std::to_string(choice.Slot) + " in this crossword");
    WordSlot& slot = xw.Slot(choice.Slot);
    const int length = slot.NumLett;
    Check(choice.WordIndex >= 1 && choice.WordIndex <= state.Dict.Count(length),
          "There is no dictionary word " + std::to_string(choice.WordIndex) + " of " + std::to_string(length) + " letters");
    const DictWord& word =
        state.Dict.Word(length, choice.WordIndex);
    if (slot.FromDict && slot.DictOrThemeRef == choice.WordIndex && slot.WordTxt.view() == word.Text) return;

    std::int32_t entry = 0;
    const bool stored = !state.LoadedFromFile && state.Fills.CurrentFill >= 1;
    if (stored) {
        entry = StoredEntryOf(state.Fills, state.Fills.CurrentFill, slot);
        Check(entry > 0, "Fill " + std::to_string(state.Fills.CurrentFill) + " in the list does not hold this word");
    }
    const WordSlot before = slot;
    slot.DictOrThemeRef = choice.WordIndex;
    slot.FromDict = true;
    try {
        LookUpSlotWord(slot, state.FillSource, state.Dict, state.Imported, state.Clues);
    } catch (...) {
        slot = before;
        throw;
    }
    if (stored) {
        StoredWord& w = At(state.Fills.Words, entry);
        w.DictOrThemeRef = static_cast<std::uint16_t>(choice.WordIndex);
        w.FromDict = 1;
        state.ClueEdits.Forget(state.Fills.CurrentFill, slot);
    }
    WriteFillToGrid(xw, state.FillSource);
}

void RemoveSlot(Crossword& xw, int k, FillSourceKind source)
{
    Check(k >= 1 && k <= xw.WordSlotCount, "There is no word " + std::to_string(k) + " in this crossword");
    for (int i = k; i < xw.WordSlotCount; ++i) xw.Slot(i) = xw.Slot(i + 1);
    xw.Slot(xw.WordSlotCount) = WordSlot{};
    --xw.WordSlotCount;
    NumberSlots(xw);
    RebuildSquaresFromWords(xw, source);
}

}  // namespace qm
