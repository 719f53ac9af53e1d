// A grid of the constructor's own to fill: read from its text form, checked, and analysed into word slots.
#pragma once

#include "core/grid/grid.h"

#include <string>
#include <string_view>

namespace qm {

/// Grid sizes a grid text may have (it is square).
constexpr int MinAnyGridSize = 3;
constexpr int MaxAnyGridSize = 30;
/// Letters of a word of such a grid.
constexpr int MinAnyWordLength = 3;
constexpr int MaxAnyWordLength = 20;
/// Characters a grid text may have: 30 rows of 30 squares with generous room for line ends and blanks.
constexpr std::size_t MaxGridTextChars = 4096;

/// How strict the checks are.
struct GridCheckOptions {
    /// Squares in one word only (British-style grids) are allowed; otherwise every open square must be
    /// in an across word and a down word.
    bool AllowUnchecked = false;
};

/// A checked grid ready to fill. Xw.Squares holds '#' for a block, ' ' for an open square and 'A'..'Z'
/// for a letter the constructor placed; Xw's slots are in position order (row, then column, across
/// before down), numbered as the clues are, with Row, Col, Dir, NumLett, RCTxt, Clue and EnumTxt set;
/// each start square carries its clue number.
struct AnyGrid {
    Crossword Xw;
    int UncheckedSquares = 0;  ///< open squares in one word only
};

/// Reads a grid text: one line per row, '#' a block, '.' an open square, 'A'..'Z' (or 'a'..'z') a
/// placed letter; lines may end in CR LF and carry trailing blanks; blank lines at the end are ignored.
/// The grid must be square (3..30), every open square in a word of 3..20 letters (across and down
/// unless options allow unchecked squares), at most 160 words, and all of its open squares joined.
/// Anything else throws Failure with a message naming the row and column.
AnyGrid ReadGridText(std::string_view text, const GridCheckOptions& options);

/// Checks the open pattern and placed letters of xw.Squares (sized, ring blocked) and finds and
/// numbers its slots, as ReadGridText does after reading.
AnyGrid AnalyseAnyGrid(const Grid& squares, const GridCheckOptions& options);

/// A stock grid analysed for the symmetrical engine, as a grid for this one: the same slots, in
/// position order and numbered, with its open squares blank.
AnyGrid AnyGridOfStockGrid(const Crossword& analysed);

/// The grid text of a grid: '#' for a block, the letter of a square holding one, '.' for the others;
/// LF line ends.
std::string GridTextOf(const Grid& squares);

/// "12 Across" / "3 Down".
std::string SlotName(const WordSlot& slot);

}  // namespace qm
