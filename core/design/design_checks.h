// The designer's live checks: counts of words and blocks, and what in the pattern keeps a fill from
// working (runs too short, squares in one word or none, words over 20 letters, areas cut off, a theme
// entry placed twice), each with the squares it concerns and a short message; and whether the grid can
// be filled now. The pattern checks are those the fill makes (GridSurvey), so the verdict here is the
// fill's own.
#pragma once

#include "core/design/grid_design.h"

#include <string>
#include <vector>

namespace qm {

enum class DesignProblem {
    NoOpenSquares,  ///< every square is a block
    Apart,          ///< the open squares fall into areas not joined to each other
    NotInWord,      ///< squares whose runs both ways are too short for a word
    ShortRun,       ///< runs of two open squares
    LongWord,       ///< words over MaxAnyWordLength letters
    Unchecked,      ///< squares in only one word
    TooManyWords,   ///< more words than a crossword holds
    RepeatedWord,   ///< the same word placed whole in two slots
};

/// One finding of the checks.
struct DesignFinding {
    DesignProblem Kind = DesignProblem::NotInWord;
    bool StopsFill = true;            ///< the grid cannot be filled while this stands
    std::vector<SquarePos> Squares;   ///< the squares to tint, row by row; none for a finding about the whole grid
    std::string Message;              ///< short, for the status bar: "2 runs too short for a word"
};

struct DesignReport {
    int Words = 0;
    int Blocks = 0;
    int OpenSquares = 0;
    int Letters = 0;          ///< open squares holding a placed letter
    int UncheckedSquares = 0;
    std::vector<DesignFinding> Findings;  ///< in the order of DesignProblem
    bool CanFill = false;
    /// Why the fill would refuse the grid (the fill's own message); empty when it can be filled.
    std::string FillRefusal;
    /// "76 words, 38 blocks" for the status bar.
    std::string Counts;
};

/// Checks the design as the fill with these options would.
DesignReport CheckDesign(const GridDesign& design, const GridCheckOptions& options);

}  // namespace qm
