// The crossword model: the square grid with its border ring, the word slots, and their basic operations.
#pragma once

#include "core/grid/colours.h"
#include "core/grid/fill_source.h"
#include "core/util/fixed_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// Words a crossword can hold.
constexpr int MaxWordSlots = 160;
/// Dependencies recorded per slot by the fill sequence analysis.
constexpr int MaxSlotDeps = 10;

/// One square. Letter is '#' blocked, ' ' open, 'A'..'Z' a letter.
struct GridCell {
    char Letter = ' ';
    char AreaMark = ' ';            ///< working mark of the interlock-area count: 'X', '#', '.'
    std::int32_t CellNumber = 0;    ///< clue number shown in the square; 0 none
    std::uint8_t WrdCnt = 0;        ///< words through the square (2 = checked square)
    Colour CellColour = ColourWindow;
    std::int32_t SlotRef = 0;       ///< across slot through it; else minus the down slot; 0 none
    char NumMark = ' ';             ///< numbering working copy of Letter ('N' = numbered)
    std::uint8_t SeqMark = 0;       ///< filling order of the last ordered slot through the square
    std::uint8_t FirstSlot = 0;     ///< lowest slot (filling order) through the square; 0 none
    std::uint8_t IslandNo = 0;      ///< island of dense open squares; 0 none
};

/// The squares Grid(col, row), both indexes 0..N+1; the ring 0 / N+1 is always blocked so that
/// neighbour tests never leave the grid. Every access is checked.
class Grid {
public:
    Grid() { Resize(15); }
    explicit Grid(int size) { Resize(size); }

    /// Makes an N x N grid (with its ring): every inner square open, the ring blocked.
    void Resize(int size);
    int Size() const { return size_; }

    GridCell& operator()(int col, int row) { return cells_[Index(col, row)]; }
    const GridCell& operator()(int col, int row) const { return cells_[Index(col, row)]; }
    bool Inside(int col, int row) const { return col >= 1 && row >= 1 && col <= size_ && row <= size_; }

    /// `length` squares in a line from (col, row), across or down: square i (0-based) is First[i * Step].
    struct SquareLine {
        GridCell* First = nullptr;
        std::ptrdiff_t Step = 0;
        GridCell& operator[](int i) const { return First[static_cast<std::ptrdiff_t>(i) * Step]; }
    };
    /// The squares of a word; both end squares are checked like any other access.
    SquareLine Line(int col, int row, bool across, int length)
    {
        GridCell* first = &(*this)(col, row);
        if (length > 1) (void)(across ? Index(col + length - 1, row) : Index(col, row + length - 1));
        return {first, across ? static_cast<std::ptrdiff_t>(size_ + 2) : 1};
    }

private:
    /// Checked position of square (col, row); inline because the generators call it in their inner loops.
    std::size_t Index(int col, int row) const
    {
        if (col < 0 || row < 0 || col > size_ + 1 || row > size_ + 1) OutOfRange();
        return static_cast<std::size_t>(col) * static_cast<std::size_t>(size_ + 2) + static_cast<std::size_t>(row);
    }
    [[noreturn]] static void OutOfRange();

    int size_ = 0;
    std::vector<GridCell> cells_;
};

/// A crossing with an earlier slot of the filling order (positions are 1-based letters).
struct SlotDep {
    std::uint8_t PosHere = 0;   ///< letter of this slot
    std::uint8_t DepSlot = 0;   ///< the crossing slot's index in the filling order
    std::uint8_t PosThere = 0;  ///< letter of the crossing slot
};

/// One word of the crossword. Dir is true for across.
struct WordSlot {
    std::int32_t Row = 0;            ///< row of the first letter, 1..N
    std::int32_t Col = 0;            ///< column of the first letter, 1..N
    FixedText<6> RCTxt;              ///< sort key, Row and Col right-aligned in 3 characters each
    std::int32_t Clue = 0;           ///< clue number
    bool Dir = true;                 ///< true across, false down
    std::int32_t Crossings = 0;      ///< squares shared with another word (freeform scoring)
    std::int32_t ThemeRef = 0;       ///< position in the imported word and clue lists
    FixedText<40> DisplayTxt;        ///< the answer as shown, with word breaks
    FixedText<30> WordTxt;           ///< the letters in the grid; its length is the slot length
    FixedText<12> EnumTxt;           ///< enumeration such as "5" or "3,5"
    FixedText<200> ClueTxt;          ///< the clue
    std::int32_t Seq = 0;            ///< position in the filling order, 1 first; 0 not ordered
    std::int32_t NumLett = 0;        ///< slot length
    std::int32_t DepNum = 0;         ///< entries used in Deps (0..10)
    std::int32_t DepE = 0;           ///< earliest dependency (999 none)
    std::int32_t DepL = 0;           ///< latest dependency (0 none)
    std::array<SlotDep, MaxSlotDeps> Deps{};  ///< Deps[0..DepNum-1], in letter order
    std::uint8_t SlotIsland = 0;     ///< island of the first island square along the slot
    std::int32_t SepSrcIsland = 0;   ///< first slot (numbering order) touching the same island
    std::int32_t StartRef = 0;       ///< fill engine: random start / index of the placed word
    std::int32_t MaxRef = 0;         ///< fill engine: dictionary words of the slot's length
    std::int32_t DictOrThemeRef = 0; ///< index of the word in MainWordArray[L] or ThemeIndex[L]
    bool FromDict = true;            ///< the word came from the dictionary (else the imported list)
    std::int32_t NumTries = 0;       ///< fill engine: picks since the last reset
    FixedText<20> Pattern;           ///< fill engine: letters the slot must match, '?' free
};

/// The crossword on display: its size, squares and words. WordSlots is 1-based (entry 0 unused).
struct Crossword {
    std::int32_t GridSize = 15;
    Grid Squares{15};
    std::array<WordSlot, MaxWordSlots + 1> WordSlots{};
    std::int32_t WordSlotCount = 0;
    bool ShowCellNumbers = false;  ///< the painter draws CellNumber only while set

    /// Slot i, 1..160; beyond the limit the operation ends with a clear message.
    WordSlot& Slot(int i);
    const WordSlot& Slot(int i) const;
    /// The square of letter k (1-based) of slot s.
    GridCell& SquareOf(const WordSlot& s, int k);
};

/// The enumeration of an answer with its word breaks: "3,5" for ICE CREAM, "4-5" for WELL-BEING (the
/// separators come from the shown answer), the enumeration as it is when the shown answer does not
/// match it, and "" when the slot has none.
std::string EnumerationWithBreaks(const WordSlot& slot);

/// "%3d%3d" of row and column: the position key of a slot.
std::string MakeRCTxt(int row, int col);

/// Sizes the grid for GridSize, blocks the ring and clears every square.
void InitGrid(Crossword& xw);
/// Every inner square open; numbers cleared when clearNumbers; colours reset.
void ClearGrid(Grid& grid, bool clearNumbers);
void ResetCellColours(Grid& grid);
/// Open squares that no word uses become blocked.
void BlockEmptySquares(Grid& grid);
/// Numbers the squares that start a word of two or more letters (row by row); sets ShowCellNumbers.
void NumberLetterSquares(Crossword& xw);
/// Stable sort of the slots by RCTxt, exchanging whole records.
void SortSlotsByPosition(Crossword& xw);
/// Clue numbers in slot order: a new number for each new start square.
void NumberSlots(Crossword& xw);
/// Clue numbers into the start squares (other squares lose theirs), WrdCnt of every square; sets
/// ShowCellNumbers.
void PutClueNumbers(Crossword& xw);

/// One row of the Across or Down list: a slot with its start square, clue number and answer.
struct ClueRow {
    int Slot = 0;        ///< the slot's index (WRef)
    std::string RCTxt;   ///< its start square, row and column in three characters each
    int Clue = 0;        ///< its clue number
    std::string Answer;  ///< its DisplayTxt: the answer with its word breaks

    /// "%3d%-6s%3d" of slot index, RCTxt and clue number, then " :  " and the answer.
    std::string Text() const;
};

/// The Across and Down lists, in slot order.
struct SlotLists {
    std::vector<ClueRow> Across;
    std::vector<ClueRow> Down;
};
SlotLists ListSlots(const Crossword& xw);

/// N x N minus the blocked squares.
int OpenSquareCount(const Grid& grid);
/// N x N minus the blocked and the open squares without a letter.
int CountLetterSquares(const Grid& grid);
/// Slots whose word came from the imported list.
int CountImportedWords(const Crossword& xw);
/// Colours the squares of every imported word light yellow.
void HighlightImportedWords(Crossword& xw);
/// Colours the squares of slot k.
void ColourSlot(Crossword& xw, int k, Colour colour);

}  // namespace qm
