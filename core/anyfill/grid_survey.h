// The survey of a grid's pattern that the checks before a fill read: the runs of open squares through
// every square, the words they make, the runs too short or too long, the squares in one word or none,
// and the areas the open squares fall into. The fill's checks (AnalyseAnyGrid) and the grid designer's
// live checks both read it, so they cannot disagree.
#pragma once

#include "core/grid/grid.h"

#include <compare>
#include <optional>
#include <string>
#include <vector>

namespace qm {

/// Grid sizes a grid text may have (it is square).
constexpr int MinAnyGridSize = 3;
constexpr int MaxAnyGridSize = 30;
/// Letters of a word of such a grid.
constexpr int MinAnyWordLength = 3;
constexpr int MaxAnyWordLength = 20;

/// How strict the checks are.
struct GridCheckOptions {
    /// Squares in one word only (British-style grids) are allowed; otherwise every open square must be
    /// in an across word and a down word.
    bool AllowUnchecked = false;
};

/// A square of a grid, both 1-based.
struct SquarePos {
    int Row = 0;
    int Col = 0;
    friend auto operator<=>(const SquarePos&, const SquarePos&) = default;
};

/// A run of open squares, across or down, from one block (or edge) to the next.
struct SquareRun {
    int Row = 0;  ///< first square
    int Col = 0;
    bool Across = true;
    int Length = 0;
};

/// What the checks need to know about a grid's squares. A square is open unless it holds '#'.
struct GridSurvey {
    int Size = 0;
    int OpenSquares = 0;
    int Blocks = 0;
    int Letters = 0;  ///< open squares holding a letter
    int Words = 0;    ///< runs of MinAnyWordLength or more squares, those too long included
    /// Runs through every square, across and down (0 for a block); index (row - 1) * Size + col - 1.
    std::vector<int> AcrossRun;
    std::vector<int> DownRun;
    /// Area of every open square: 1 for the area of the first open square (row by row), then 2, 3...
    /// in the order their first squares come; 0 for a block.
    std::vector<int> Area;
    int AreaCount = 0;
    std::vector<SquarePos> BadSquares;  ///< holding something other than a block, a blank or A-Z
    std::vector<SquareRun> LongRuns;    ///< over MaxAnyWordLength squares
    std::vector<SquareRun> ShortRuns;   ///< of 2 .. MinAnyWordLength - 1 squares
    std::vector<SquarePos> NotInWord;   ///< open squares whose runs both ways are too short for a word
    std::vector<SquarePos> Unchecked;   ///< open squares in exactly one word

    std::size_t At(int row, int col) const { return static_cast<std::size_t>((row - 1) * Size + (col - 1)); }
};

/// Surveys the squares of a grid (any size; its ring is blocked), row by row.
GridSurvey SurveyGrid(const Grid& squares);

/// The first thing that keeps the grid from being filled, as the message AnalyseAnyGrid ends with:
/// square by square (a bad character, a word too long across then down, a square in no word, a square
/// in one word when that is not allowed), then no open squares, too many words, a grid that falls apart.
/// None when the grid can be filled.
std::optional<std::string> FirstGridProblem(const GridSurvey& survey, const GridCheckOptions& options);

/// "row 3, column 7".
std::string SquareRef(int row, int col);

}  // namespace qm
