// What the two interchange formats (.ipuz and .puz) share: a grid of letters and blocks with its
// standard numbering, the crossword on display seen that way for the writers, and the check that
// turns a grid and clues read from such a file into crossword file contents for the readers.
#pragma once

#include "core/files/xwd_format.h"
#include "core/util/date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct QuillmereState;

/// Grid sizes an interchange file may hold.
constexpr int MinInterchangeGridSize = 3;
constexpr int MaxInterchangeGridSize = MaxFileGridSize;
/// The author written into an interchange file unless another is given.
inline constexpr const char* DefaultInterchangeAuthor = "Quillmere";

/// Said when the crossword on display cannot be exported yet.
inline constexpr const char* NothingToExportMessage =
    "There is no filled crossword to export yet.\rEvery word of the grid needs its answer first.";

/// An N x N grid, row by row from the top left: 'A'..'Z' a letter, '#' a block.
struct LetterGrid {
    int Size = 0;
    std::string Squares;

    /// The square at row, col (1-based); '#' outside the grid.
    char At(int row, int col) const;
    /// Where the square at row, col (1-based, inside the grid) is in Squares, and in any table laid out like it.
    int IndexOf(int row, int col) const { return (row - 1) * Size + (col - 1); }
};

/// A word of a grid in the standard numbering.
struct GridWord {
    int Number = 0;
    bool Across = true;
    int Row = 0;  ///< 1-based
    int Col = 0;  ///< 1-based
    int Length = 0;
};

/// The standard numbering of a grid: row by row, every square that starts an across or a down run
/// of two or more letters gets the next number. Numbers holds each square's number (0 none), row by
/// row; Words lists the runs in the standard clue order: by number, across before down.
struct GridNumbering {
    std::vector<int> Numbers;
    std::vector<GridWord> Words;
};
GridNumbering NumberGrid(const LetterGrid& grid);

/// An enumeration read from a file, as the slot keeps it.
struct ReadWordBreaks {
    std::string EnumTxt;     ///< the part lengths joined by "," ("4,5")
    std::string DisplayTxt;  ///< the answer with its breaks ("WELL-BEING")
};

/// Reads an enumeration such as "8", "3,5" or "4-5" (blanks after a separator are allowed) for an
/// answer. nullopt when the text is not such a list, has more than MaxEnumParts parts, or its parts do
/// not add up to the answer's length.
std::optional<ReadWordBreaks> ReadEnumeration(std::string_view text, std::string_view answer);

/// One clue of an interchange file, single-byte text.
struct InterchangeClue {
    int Number = 0;
    bool Across = true;
    std::string Answer;
    std::string Enumeration;  ///< as EnumerationWithBreaks gives it
    std::string Clue;
};

/// The crossword on display as the interchange writers see it.
struct InterchangeCrossword {
    LetterGrid Grid;
    GridNumbering Numbering;
    std::vector<InterchangeClue> Clues;  ///< in the standard clue order
    std::string Title;
    Date CrosswordDate;
};

/// The crossword on display for a writer of formatName files. Throws Failure when a word has no
/// answer yet (NothingToExportMessage) or when the slots are not exactly the grid's runs of two or
/// more letters numbered in the standard way, which both formats take for granted.
InterchangeCrossword InterchangeView(const QuillmereState& state, std::string_view formatName);

/// Checks the width and height a file gives its grid: equal, and within 3..30. Throws Failure saying which.
void CheckInterchangeGridSize(long long width, long long height);

/// A clue read from an interchange file, not yet matched with its slot.
struct ReadClue {
    int Number = 0;
    bool Across = true;
    std::string Clue;         ///< single-byte text
    std::string Enumeration;  ///< as the file gives it; empty when it gives none
};

/// What a reader gathers before the common checks.
struct ReadInterchange {
    LetterGrid Grid;
    std::vector<int> GivenNumbers;  ///< the numbers the file shows in its squares, row by row; empty when it shows none
    std::vector<ReadClue> Clues;
    std::string Title;
    std::vector<std::string> Notices;  ///< what was dropped or changed, one phrase each
};

/// The common checks and the contents of a crossword file from what a reader gathered: the grid size
/// (3..30, at most 160 words), the given numbers against the blocks, every word with exactly one clue
/// and no clue without its word. The slots come in the order the program keeps them (row by row,
/// across before down at a square) with answers, enumerations (the answer's length when the file
/// gives none that fits), clues (control characters as blanks, cut to the slot's clue length with a
/// notice) and display texts. The contents keep no font or blocking style. Throws Failure naming the problem.
XwdContents ContentsOfInterchange(ReadInterchange in);

/// Adds a notice once.
void AddNotice(std::vector<std::string>& notices, std::string notice);

}  // namespace qm
