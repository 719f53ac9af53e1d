// Judging a freeform fill: interlocks, enclosed area, score, ranking key, and knocking out loose words.
#pragma once

#include "core/fills/shown_fill.h"
#include "core/grid/grid.h"
#include "core/words/imported_list.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// Which count ranks the fills of a run (the "Ranking method" radio buttons).
enum class RankingMethod : std::int32_t {
    Score = 0,       ///< the weighted score (default)
    Letters = 1,
    Words = 2,
    Interlocks = 3,
};

/// Sets WrdCnt of every inner square to the number of slots through it.
void RecountWrdCnt(Crossword& xw);

/// RecountWrdCnt, then each slot's Crossings (its squares with WrdCnt 2); returns the sum of the
/// Crossings of the slots crossed more than twice.
std::int32_t CountInterlocks(Crossword& xw);

/// The squares enclosed by closed rings of letters: loose ends are peeled off, the outside is flooded
/// from the edges, one-square walls are absorbed; rewrites the AreaMark layer ('X', '#', '.').
std::int32_t InterlockArea(Grid& grid);

/// Round((3 letters + words + interlocks + area / 2) x 200 / squares), halves to even.
std::int32_t FreeformScore(std::int32_t letters, std::int32_t words, std::int32_t interlocks, std::int32_t area,
                           std::int32_t gridSize);

/// The value a fill is ranked by: its score, letters, words or interlocks.
std::int32_t RankKey(RankingMethod method, const FillCounts& counts, std::int32_t score);

/// Squares with WrdCnt 2 (the " interlock squares" of the diagnostics).
std::int32_t CountInterlockSquares(const Grid& grid);

/// One line per slot: its Crossings, two blanks and its WordTxt (the knock-out diagnostics).
std::vector<std::string> CrossingsListing(const Crossword& xw);

/// Counts a fill: letters, words, interlocks (which sets WrdCnt and Crossings) and area.
FillCounts CountFill(Crossword& xw);

/// Removes, repeatedly, every word crossed fewer than twice, rewriting the grid each time; then marks
/// the remaining words' entries of the imported list as used (and unavailable unless duplicates are
/// allowed) after clearing every other mark.
void KnockOutSingleInterlockWords(Crossword& xw, ImportedList& list, bool allowDuplicates);

}  // namespace qm
