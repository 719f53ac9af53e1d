// The stores of generated fills: one summary record per fill and the words of all fills, one after another.
#pragma once

#include "core/grid/fill_source.h"
#include "core/grid/grid.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace qm {

/// Fill records; record 0 is never used for a fill.
constexpr int MaxFillRecords = 3020;
/// Words of all fills together.
constexpr int MaxStoredWords = 483200;

/// Summary of one fill.
struct FillRecord {
    std::int32_t LttCount = 0;    ///< letters
    std::int32_t WrdCount = 0;    ///< words
    std::int32_t LastWrd = 0;     ///< index of the fill's last word in the word store
    std::int32_t ILockCount = 0;  ///< interlocks (freeform)
    std::int32_t ILockArea = 0;   ///< interlock area (freeform)
    std::int32_t Spare = 0;       ///< unused
    std::int32_t Iterations = 0;  ///< iterations used (symmetric)
};

/// One stored word (6 bytes): start square, negated for a down word.
struct StoredWord {
    std::int8_t Row = 0;
    std::int8_t Col = 0;
    std::uint8_t NumLett = 0;
    std::uint16_t DictOrThemeRef = 0;  ///< index in MainWordArray[L] or ThemeIndex[L]
    std::uint8_t FromDict = 0;         ///< 1 dictionary word, 0 imported word
};

/// ListOfGrids (records 0..3020) with GridsMax in use and CurrentFill on display, and the word store
/// Words[1..StoredWordCount] (entry 0 unused). The words of fill n are LastWrd(n-1)+1 .. LastWrd(n).
struct FillStore {
    std::vector<FillRecord> ListOfGrids = std::vector<FillRecord>(MaxFillRecords + 1);
    std::int32_t GridsMax = 0;
    std::int32_t CurrentFill = 0;
    std::vector<StoredWord> Words = std::vector<StoredWord>(1);
    std::int32_t StoredWordCount = 0;

    /// Record n (0..3020); beyond that a clear message.
    FillRecord& Record(int n);
    const FillRecord& Record(int n) const;
    /// First and last store index of fill n (first > last when the fill has no words).
    std::int32_t FirstWordOf(int n) const;
    std::int32_t LastWordOf(int n) const;
};

/// Zeroes every record; GridsMax and CurrentFill 0.
void ClearListOfGrids(FillStore& store);

/// Zeroes the first five fields of record n; above 3020 throws Failure("ThisRow=" n).
void ClearFillRecord(FillStore& store, int n);

/// Copies the slots into the word store: after StoredWordCount when appending (which then grows),
/// else from start + 1 on (rewriting a fill in place). FromDict is stored only for sources that use
/// the dictionary. Nothing is written when the words do not fit; a clear Failure says why.
void SaveFillWords(FillStore& store, const Crossword& xw, FillSourceKind source, bool append, std::int32_t start);

/// Rebuilds the slots of fill n from the store: position, direction, RCTxt, length, reference and
/// FromDict; then lookUp fills in each slot's words and clue. WordSlotCount becomes the fill's words.
void RestoreFill(const FillStore& store, int n, Crossword& xw, const std::function<void(WordSlot&)>& lookUp);

}  // namespace qm
