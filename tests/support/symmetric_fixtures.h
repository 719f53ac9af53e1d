// Fixtures for the stock grid and symmetrical fill tests: grids drawn as text, the committed stock
// grids, and states with a small dictionary ready for runs of fills.
#pragma once

#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"
#include "core/state.h"

#include <memory>
#include <string>
#include <vector>

namespace qm::test {

/// A crossword whose squares are drawn by rows of '#' (blocked) and '.' (open), row 1 first.
std::unique_ptr<Crossword> CrosswordFromRows(const std::vector<std::string>& rows);

/// A stock grid drawn the same way (rows below the middle must mirror those above).
StockGrid StockGridFromRows(const std::vector<std::string>& rows);

/// The bytes of the committed resource file resources/GRIDSRES.
std::string CommittedStockGrids();

/// Every word of length 3..maxLength over the first `letters` letters of the alphabet, up to
/// perLength words per length, in a pseudo-random order fixed by seed (sorted by the writer).
std::vector<DictWord> SmallAlphabetWords(int letters, int perLength, int maxLength, std::uint32_t seed);

/// A state ready for symmetrical fills: the dictionary from words (all selected, every word type and
/// category), a clue list long enough for its clue indexes, the dictionary source and a simulated
/// seed clock starting at seed.
std::unique_ptr<QuillmereState> FillState(const std::vector<DictWord>& words, std::uint32_t seed);

}  // namespace qm::test
