// The designed grid: its squares, symmetry partners, cursor, exact edits and words.
#include "core/design/grid_design.h"

#include "core/anyfill/any_grid.h"
#include "core/util/failure.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

namespace {

constexpr std::string_view SymmetryNames[] = {"rotation", "none", "mirror", "both"};

char ContentOf(char c)
{
    if (c == '#' || c == ' ' || (c >= 'A' && c <= 'Z')) return c;
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return 0;
}

}  // namespace

std::string_view SymmetryName(DesignSymmetry symmetry) { return SymmetryNames[static_cast<int>(symmetry)]; }

std::optional<DesignSymmetry> SymmetryFromName(std::string_view name)
{
    for (int i = 0; i < 4; ++i)
        if (CompareTextCI(name, SymmetryNames[i]) == 0) return static_cast<DesignSymmetry>(i);
    return std::nullopt;
}

std::string DesignSlotName(const DesignSlot& slot) { return std::to_string(slot.Number) + (slot.Across ? " Across" : " Down"); }

GridDesign::GridDesign(int size)
{
    Check(size >= MinAnyGridSize && size <= MaxAnyGridSize, [&] {
        return "A grid is " + std::to_string(MinAnyGridSize) + " to " + std::to_string(MaxAnyGridSize) + " squares across, not " +
               std::to_string(size);
    });
    squares_.Resize(size);
}

GridDesign GridDesign::FromSquares(const Grid& squares)
{
    GridDesign design(squares.Size());
    for (int row = 1; row <= squares.Size(); ++row)
        for (int col = 1; col <= squares.Size(); ++col) {
            const char c = ContentOf(squares(col, row).Letter);
            Check(c != 0, [&] { return "The square at " + SquareRef(row, col) + " holds neither a block, a blank nor a letter"; });
            design.squares_(col, row).Letter = c;
        }
    return design;
}

char GridDesign::At(int row, int col) const
{
    Check(Inside(row, col), [&] { return "There is no square at " + SquareRef(row, col) + " in a grid of " + std::to_string(Size()); });
    return squares_(col, row).Letter;
}

void GridDesign::SetCursor(const DesignCursor& cursor)
{
    (void)At(cursor.Row, cursor.Col);
    cursor_ = cursor;
}

std::vector<SquarePos> GridDesign::Partners(int row, int col) const
{
    (void)At(row, col);
    const int n = Size();
    std::vector<SquarePos> squares{{row, col}};
    auto add = [&squares](int r, int c) {
        if (std::find(squares.begin(), squares.end(), SquarePos{r, c}) == squares.end()) squares.push_back({r, c});
    };
    if (symmetry_ == DesignSymmetry::Rotation || symmetry_ == DesignSymmetry::Both) add(n + 1 - row, n + 1 - col);
    if (symmetry_ == DesignSymmetry::Mirror || symmetry_ == DesignSymmetry::Both) add(row, n + 1 - col);
    if (symmetry_ == DesignSymmetry::Both) add(n + 1 - row, col);
    return squares;
}

void GridDesign::CheckHolds(const std::vector<SquareChange>& changes, bool before) const
{
    // An edit made for another state of the design would not undo exactly; it changes nothing.
    for (const SquareChange& c : changes) {
        Check(ContentOf(c.Before) == c.Before && ContentOf(c.After) == c.After && c.Before != 0 && c.After != 0,
              "An edit of the grid holds a square content that is neither a block, a blank nor a letter");
        Check(At(c.Row, c.Col) == (before ? c.Before : c.After),
              [&] { return "The grid has changed at " + SquareRef(c.Row, c.Col) + " since this edit was made"; });
    }
}

void GridDesign::Apply(const DesignEdit& edit)
{
    CheckHolds(edit.Changes, true);
    (void)At(edit.CursorAfter.Row, edit.CursorAfter.Col);
    for (const SquareChange& c : edit.Changes) squares_(c.Col, c.Row).Letter = c.After;
    cursor_ = edit.CursorAfter;
}

void GridDesign::Revert(const DesignEdit& edit)
{
    CheckHolds(edit.Changes, false);
    (void)At(edit.CursorBefore.Row, edit.CursorBefore.Col);
    for (auto c = edit.Changes.rbegin(); c != edit.Changes.rend(); ++c) squares_(c->Col, c->Row).Letter = c->Before;
    cursor_ = edit.CursorBefore;
}

std::vector<DesignSlot> GridDesign::Slots() const
{
    const int n = Size();
    auto open = [this](int row, int col) { return Inside(row, col) && squares_(col, row).Letter != '#'; };
    auto runFrom = [&](int row, int col, bool across) {
        int length = 0;
        while (open(across ? row : row + length, across ? col + length : col)) ++length;
        return length;
    };
    std::vector<DesignSlot> slots;
    int number = 0;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            if (!open(row, col)) continue;
            const int across = open(row, col - 1) ? 0 : runFrom(row, col, true);
            const int down = open(row - 1, col) ? 0 : runFrom(row, col, false);
            const bool startsAcross = across >= MinAnyWordLength;
            const bool startsDown = down >= MinAnyWordLength;
            if (startsAcross || startsDown) ++number;
            if (startsAcross) slots.push_back({number, row, col, true, across});
            if (startsDown) slots.push_back({number, row, col, false, down});
        }
    return slots;
}

std::optional<DesignSlot> GridDesign::SlotThrough(int row, int col, bool across) const
{
    if (IsBlock(row, col)) return std::nullopt;
    int startRow = row;
    int startCol = col;
    while (Inside(across ? startRow : startRow - 1, across ? startCol - 1 : startCol) &&
           !IsBlock(across ? startRow : startRow - 1, across ? startCol - 1 : startCol))
        (across ? startCol : startRow) -= 1;
    for (const DesignSlot& slot : Slots())
        if (slot.Across == across && slot.Row == startRow && slot.Col == startCol) return slot;
    return std::nullopt;
}

std::vector<SquarePos> SlotSquares(const DesignSlot& slot)
{
    std::vector<SquarePos> squares;
    for (int k = 0; k < slot.Length; ++k) squares.push_back(slot.Across ? SquarePos{slot.Row, slot.Col + k} : SquarePos{slot.Row + k, slot.Col});
    return squares;
}

GridDesign DesignOfStockGrid(const StockGridLibrary& library, int k)
{
    const StockGrid& stock = StockGridAt(library, k);
    Grid squares(stock.Size);
    LoadStockGrid(library, k, squares);
    return GridDesign::FromSquares(squares);
}

GridDesign DesignFromGridText(std::string_view text) { return GridDesign::FromSquares(ReadGridSquares(text)); }

std::string DesignGridText(const GridDesign& design) { return GridTextOf(design.Squares()); }

}  // namespace qm
