// The freeform placement engine: seeds a fill and grows it one crossing word at a time.
//
// Calls in: the run loop (freeform_run.h) and the crossword-file load (AdoptGridWords).
// Calls out: the grid model (grid.h), the imported list's index (import.h), the random generator in
// the state, and the callbacks of FreeformContext for progress and messages; never the window.
#pragma once

#include "core/freeform/freeform_state.h"
#include "core/grid/grid.h"
#include "core/state.h"
#include "core/util/lcg.h"
#include "core/words/imported_list.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qm {

/// Sizes of a freeform grid.
constexpr int MinFreeformGridSize = 8;
constexpr int MaxFreeformGridSize = 30;
/// Tries at building an interlocked seed before falling back to a plain seed word.
constexpr int InterlockedSeedAttempts = 5;
/// Letters of a tight-interlock entry that the interlocked seed chooses from.
constexpr std::size_t MaxTightCandidates = 20;
/// A random seed word has at least this many characters (and at most GridSize).
constexpr int MinRandomSeedChars = 6;

/// How a fill starts.
enum class SeedKind : std::uint8_t {
    PlainWord,           ///< SeedWord across at (SeedCol, SeedRow)
    InterlockedAttempt,  ///< four words around a 2 x 2 block, else the plain seed word
    EarlierFill,         ///< the words already in the grid and the slots
    GridWords,           ///< the slots' words, first made part of the imported list
};

/// Which start squares a growth phase favours.
enum class GrowthBias : std::int32_t {
    TopLeft = 0,      ///< after a plain seed word or an earlier fill
    BottomRight = 1,  ///< after an interlocked seed
    None = 2,
};

/// Reports of the engine to whoever drives it.
struct FreeformEngineCallbacks {
    /// Quick Fill: the words placed so far in the current growth phase (ProgressBarFreeQuick).
    std::function<void(int)> QuickProgress;
    /// An information message for the user (" not found", an interlocked seed's internal error).
    std::function<void(const std::string&)> Message;
};

/// What the engine works on: parts of the program's state.
struct FreeformContext {
    Crossword& Xw;
    ImportedList& List;
    Lcg& Random;
    FreeformState& Free;
    FreeformEngineCallbacks Callbacks;

    explicit FreeformContext(QuillmereState& state, FreeformEngineCallbacks callbacks = {})
        : Xw(state.Xw), List(state.Imported), Random(state.Random), Free(state.Freeform),
          Callbacks(std::move(callbacks)) {}
};

/// A word of the index: ThemeIndex[L][Index]; (-1, -1) for none.
struct WordRef {
    int L = -1;
    int Index = -1;
    bool Found() const { return L >= 0; }
};

/// The greatest column and row holding a letter (0 when there is none).
struct LetterExtents {
    int MaxLetterCol = 0;
    int MaxLetterRow = 0;
};

/// What one growth phase did.
struct GrowthResult {
    int Across = 0;                  ///< across words placed
    int Down = 0;                    ///< down words placed
    bool SlotLimitReached = false;   ///< a word would have been the 161st: growth stopped there
};

/// Seeds and grows one fill: the seed by kind, then growth with words of 4 letters or more (biased
/// towards the seed) and with words of 2 letters or more. Returns whether the seed was interlocked.
bool BuildFreeformFill(FreeformContext& ctx, SeedKind kind, int fillCount, bool quick);

/// The seed step of BuildFreeformFill alone (the grid is cleared first except for an earlier fill).
/// Returns whether an interlocked seed was built.
bool SeedFreeformFill(FreeformContext& ctx, SeedKind kind);

/// Places SeedWord across at (SeedCol, SeedRow) as slot 1; a word not in the index is reported with
/// the message made of the word and " not found" and stays in the grid. A word that does not fit
/// into the grid throws Failure before anything changes.
void PlaceSeedWord(FreeformContext& ctx);

/// Tries up to five times to place four words around a 2 x 2 block of letters taken from a random
/// entry of TightInterlocksList; true on success (slots 1..4: W1 down, W2 down, W3 across, W4 across).
bool SeedInterlockedCrosswordInMemory(FreeformContext& ctx);

/// A random word of four letters or more (longest first) whose first two letters (atStart) or last
/// two letters are pair: each length is searched cyclically from a random entry. Availability is
/// not consulted.
WordRef FindWordByPair(const ImportedList& list, Lcg& random, std::string_view pair, bool atStart);

/// The growth loop: every pass scores every fitting, available word at every start square and places
/// the best across or down candidate, until no word fits. fillCount fades the selection weight of a
/// placed word by 1 - 1/fillCount when modifyWeights; quick reports progress.
GrowthResult GrowFreeformFill(FreeformContext& ctx, int minLetters, GrowthBias bias, int fillCount, bool quick,
                              bool modifyWeights);

/// Whether a word may occupy col1..col2 of row: inside the grid, no blocked square, no two adjacent
/// letters, no letter just before or after it, no letter beside one of its open squares, and at least
/// one letter crossed.
bool CanPlaceAcross(const Grid& grid, int col1, int col2, int row);
bool CanPlaceDown(const Grid& grid, int col, int row1, int row2);

/// The letters in the span of L squares from (col, row), '?' for open squares.
std::string SpanPattern(const Grid& grid, int col, int row, int L, bool across);

/// The randomised weight of a candidate with K known letters of L at a start square of the given
/// position weight: (K x K x t) x m x selectWeight with t = positionWeight + L up to the optimal
/// length (else positionWeight + 12 - L) and m = (R x variation + 1) - variation / 2 for a fresh
/// random R. m and the weight are each rounded to single precision.
float CandidateWeight(int K, int L, int positionWeight, float selectWeight, int optimalLength, int variation,
                      Lcg& random);

/// Writes the text from (col, row) rightwards (downwards), counting each square's words, and blocks
/// the squares just before and after it where they lie inside the grid.
void WriteFreeAcross(Grid& grid, int col, int row, std::string_view text);
void WriteFreeDown(Grid& grid, int col, int row, std::string_view text);
/// Writes every slot's word with WriteFreeAcross or WriteFreeDown.
void WriteFreeSlots(Crossword& xw);

LetterExtents FindLetterExtents(const Grid& grid);

/// Every entry of the index: Used false, Available true.
void ResetWordFlags(ImportedList& list);
/// Every entry of the index: SelectWeight 1.0.
void ResetSelectWeights(ImportedList& list);

/// Makes the slots' words part of the imported list (display text and clue appended), sets each
/// slot's ThemeRef to its new position and DictOrThemeRef to its entry, rebuilds the index and marks
/// the words as used (and unavailable unless duplicates are allowed).
void AdoptGridWords(Crossword& xw, ImportedList& list, bool allowDuplicates);

/// Whether ThemeWords entry index (blanks and hyphens counted) fits into the grid as the selected seed
/// word; when it does not, Quick Fill and Start are disabled.
bool SeedWordFits(const ImportedList& list, int index, int gridSize);

/// A random seed word: the position of a ThemeWords entry of 6..gridSize characters. When the list has
/// none, the longest entry that fits (the first of them) is taken without a draw and Fallback is set.
struct SeedWordPick {
    int Position = -1;
    bool Fallback = false;
};
/// Throws Failure when the list is empty or no entry fits into the grid at all.
SeedWordPick ChooseRandomSeedWord(const ImportedList& list, int gridSize, Lcg& random);

}  // namespace qm
