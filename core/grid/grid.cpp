// The crossword model's operations: sizing, clearing, numbering, sorting and listing the slots.
#include "core/grid/grid.h"

#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

namespace qm {

void Grid::Resize(int size)
{
    Check(size >= 1 && size <= 60, "Grid size " + std::to_string(size) + " is outside the supported range");
    size_ = size;
    const auto side = static_cast<std::size_t>(size + 2);
    cells_.assign(side * side, GridCell{});
    for (int i = 0; i <= size + 1; ++i) {
        (*this)(i, 0).Letter = '#';
        (*this)(i, size + 1).Letter = '#';
        (*this)(0, i).Letter = '#';
        (*this)(size + 1, i).Letter = '#';
    }
}

void Grid::OutOfRange() { throw Failure(RangeError); }

WordSlot& Crossword::Slot(int i)
{
    if (i < 1 || i > MaxWordSlots) throw Failure("A crossword holds at most " + std::to_string(MaxWordSlots) + " words");
    return At(WordSlots, i);
}

const WordSlot& Crossword::Slot(int i) const
{
    if (i < 1 || i > MaxWordSlots) throw Failure("A crossword holds at most " + std::to_string(MaxWordSlots) + " words");
    return At(WordSlots, i);
}

GridCell& Crossword::SquareOf(const WordSlot& s, int k)
{
    return s.Dir ? Squares(s.Col + k - 1, s.Row) : Squares(s.Col, s.Row + k - 1);
}

std::string MakeRCTxt(int row, int col) { return Format("%3d%3d", row, col); }

void InitGrid(Crossword& xw)
{
    xw.Squares.Resize(xw.GridSize);
    ClearGrid(xw.Squares, true);
}

void ClearGrid(Grid& grid, bool clearNumbers)
{
    const int n = grid.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            GridCell& cell = grid(c, r);
            cell.Letter = ' ';
            if (clearNumbers) cell.CellNumber = 0;
            cell.CellColour = ColourWindow;
        }
}

void ResetCellColours(Grid& grid)
{
    const int n = grid.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) grid(c, r).CellColour = ColourWindow;
}

void BlockEmptySquares(Grid& grid)
{
    const int n = grid.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (grid(c, r).Letter == ' ') grid(c, r).Letter = '#';
}

namespace {
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsEmptyOrBlocked(char c) { return c == ' ' || c == '#'; }
}  // namespace

void NumberLetterSquares(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    xw.ShowCellNumbers = true;
    int counter = 0;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            GridCell& cell = g(col, row);
            if (!IsLetter(cell.Letter)) continue;
            if (col < n && IsEmptyOrBlocked(g(col - 1, row).Letter) && IsLetter(g(col + 1, row).Letter)) {
                cell.CellNumber = ++counter;
                continue;
            }
            if (row < n && IsEmptyOrBlocked(g(col, row - 1).Letter) && IsLetter(g(col, row + 1).Letter))
                cell.CellNumber = ++counter;
        }
}

void SortSlotsByPosition(Crossword& xw)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = 1; i < xw.WordSlotCount; ++i) {
            WordSlot& a = xw.Slot(i);
            WordSlot& b = xw.Slot(i + 1);
            if (b.RCTxt.view() < a.RCTxt.view()) {
                std::swap(a, b);
                exchanged = true;
            }
        }
    }
}

void NumberSlots(Crossword& xw)
{
    int counter = 0;
    int prevRow = 0;
    int prevCol = 0;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        if (s.Row != prevRow || s.Col != prevCol) {
            ++counter;
            prevRow = s.Row;
            prevCol = s.Col;
        }
        s.Clue = counter;
    }
}

void PutClueNumbers(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            g(c, r).CellNumber = 0;
            g(c, r).WrdCnt = 0;
        }
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        xw.SquareOf(s, 1).CellNumber = s.Clue;
        for (int k = 1; k <= s.NumLett; ++k) ++xw.SquareOf(s, k).WrdCnt;
    }
    xw.ShowCellNumbers = true;
}

std::string ClueRow::Text() const { return Format("%3d%-6s%3d", Slot, RCTxt.c_str(), Clue) + " :  " + Answer; }

SlotLists ListSlots(const Crossword& xw)
{
    SlotLists lists;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        (s.Dir ? lists.Across : lists.Down).push_back(ClueRow{i, s.RCTxt.str(), s.Clue, s.DisplayTxt.str()});
    }
    return lists;
}

int OpenSquareCount(const Grid& grid)
{
    const int n = grid.Size();
    int blocked = 0;
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (grid(c, r).Letter == '#') ++blocked;
    return n * n - blocked;
}

int CountLetterSquares(const Grid& grid)
{
    const int n = grid.Size();
    int empty = 0;
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (IsEmptyOrBlocked(grid(c, r).Letter)) ++empty;
    return n * n - empty;
}

int CountImportedWords(const Crossword& xw)
{
    int count = 0;
    for (int i = 1; i <= xw.WordSlotCount; ++i)
        if (!xw.Slot(i).FromDict) ++count;
    return count;
}

void ColourSlot(Crossword& xw, int k, Colour colour)
{
    const WordSlot& s = xw.Slot(k);
    const int length = s.NumLett > 0 ? s.NumLett : static_cast<int>(s.WordTxt.size());
    for (int i = 1; i <= length; ++i) {
        const int col = s.Dir ? s.Col + i - 1 : s.Col;
        const int row = s.Dir ? s.Row : s.Row + i - 1;
        if (xw.Squares.Inside(col, row)) xw.Squares(col, row).CellColour = colour;
    }
}

void HighlightImportedWords(Crossword& xw)
{
    for (int i = 1; i <= xw.WordSlotCount; ++i)
        if (!xw.Slot(i).FromDict) ColourSlot(xw, i, ColourImportedWord);
}

std::string EnumerationWithBreaks(const WordSlot& slot)
{
    const std::string enumeration = slot.EnumTxt.str();
    if (enumeration.find(',') == std::string::npos) return enumeration;
    std::string withBreaks;
    std::string plain;
    std::string letters;
    int count = 0;
    for (const char ch : slot.DisplayTxt.view()) {
        if (ch != ' ' && ch != '-') {
            letters += ch;
            ++count;
            continue;
        }
        withBreaks += std::to_string(count) + (ch == ' ' ? "," : "-");
        plain += std::to_string(count) + ",";
        count = 0;
    }
    withBreaks += std::to_string(count);
    plain += std::to_string(count);
    return plain == enumeration && letters == slot.WordTxt.view() ? withBreaks : enumeration;
}

}  // namespace qm
