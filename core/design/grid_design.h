// A grid of the user's own while it is designed: its blocks and placed letters, the symmetry its blocks
// keep, the cursor with its direction, and the edits that change it. Every edit records each square it
// changes with the content before and after, so applying and reverting it are exact inverses; the
// window wraps edits in its undo commands, DesignHistory keeps them without a window.
//
// Calls in: the window's grid designer, the My grids library, the fill of a designed grid, tests.
// Calls out: nothing.
#pragma once

#include "core/anyfill/grid_survey.h"
#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// The squares kept alike when a square is blocked or opened.
enum class DesignSymmetry {
    Rotation,  ///< 180-degree rotation about the centre (the default)
    None,
    Mirror,    ///< left-right mirror
    Both,      ///< rotation and mirror together (so top-bottom as well)
};

/// "rotation", "none", "mirror", "both": the names the library file and the window use.
std::string_view SymmetryName(DesignSymmetry symmetry);
/// The symmetry of a name (as SymmetryName gives it, any case); none for another text.
std::optional<DesignSymmetry> SymmetryFromName(std::string_view name);

/// Where typing goes: a square (1-based) and the direction letters advance in.
struct DesignCursor {
    int Row = 1;
    int Col = 1;
    bool Across = true;
    friend bool operator==(const DesignCursor&, const DesignCursor&) = default;
};

/// One square an edit changes: its content before and after ('#' a block, ' ' open, 'A'..'Z').
struct SquareChange {
    int Row = 0;
    int Col = 0;
    char Before = ' ';
    char After = ' ';
    friend bool operator==(const SquareChange&, const SquareChange&) = default;
};

/// An edit of a design: the squares it changes and the cursor before and after it. An edit without
/// changes only moves the cursor; it is no step of the undo history.
struct DesignEdit {
    std::string Label;  ///< what it does, for the undo menu: "Block", "Unblock", "Letter", "Clear", "Place Word"
    std::vector<SquareChange> Changes;
    DesignCursor CursorBefore;
    DesignCursor CursorAfter;
    bool ChangesSquares() const { return !Changes.empty(); }
};

/// A word of the design: a run of MinAnyWordLength or more open squares (those too long for a fill
/// included), numbered as the crossword's clues are.
struct DesignSlot {
    int Number = 0;
    int Row = 0;  ///< first square
    int Col = 0;
    bool Across = true;
    int Length = 0;
    friend bool operator==(const DesignSlot&, const DesignSlot&) = default;
};

/// "12 Across" / "3 Down".
std::string DesignSlotName(const DesignSlot& slot);

class GridDesign {
public:
    /// A blank grid of size x size open squares; Failure for a size outside MinAnyGridSize..MaxAnyGridSize.
    explicit GridDesign(int size);
    /// A design holding a copy of the squares: '#' a block, ' ' open, a letter (a..z taken as A..Z).
    /// Anything else, or a size outside the limits, throws Failure; clue numbers and colours are not taken.
    static GridDesign FromSquares(const Grid& squares);

    int Size() const { return squares_.Size(); }
    /// The content of a square: '#', ' ' or 'A'..'Z'. Failure outside the grid.
    char At(int row, int col) const;
    bool IsBlock(int row, int col) const { return At(row, col) == '#'; }
    bool Inside(int row, int col) const { return squares_.Inside(col, row); }
    /// The squares as a Grid (ring blocked), for the checks, the fill and the grid text.
    const Grid& Squares() const { return squares_; }

    DesignSymmetry Symmetry() const { return symmetry_; }
    void SetSymmetry(DesignSymmetry symmetry) { symmetry_ = symmetry; }

    const DesignCursor& Cursor() const { return cursor_; }
    /// Moves the cursor; Failure (the cursor unchanged) outside the grid.
    void SetCursor(const DesignCursor& cursor);

    /// The squares the symmetry keeps alike with (row, col), that square first, each once.
    std::vector<SquarePos> Partners(int row, int col) const;

    /// Makes the edit: every square it changes must hold its Before content (else Failure and nothing
    /// changes); the squares take their After content and the cursor goes to CursorAfter.
    void Apply(const DesignEdit& edit);
    /// Takes the edit back: the squares must hold their After content; they take Before again, in
    /// reverse order, and the cursor goes back to CursorBefore.
    void Revert(const DesignEdit& edit);

    /// The words of the design in position order (row, column, across before down).
    std::vector<DesignSlot> Slots() const;
    /// The word through a square in a direction; none when the square is a block or its run is too short.
    std::optional<DesignSlot> SlotThrough(int row, int col, bool across) const;
    /// The word through the cursor in its direction.
    std::optional<DesignSlot> SelectedSlot() const { return SlotThrough(cursor_.Row, cursor_.Col, cursor_.Across); }

private:
    void CheckHolds(const std::vector<SquareChange>& changes, bool before) const;

    Grid squares_;
    DesignSymmetry symmetry_ = DesignSymmetry::Rotation;
    DesignCursor cursor_;
};

/// A copy of stock grid k (1..GridCount of the library): its blocks, every other square open.
GridDesign DesignOfStockGrid(const StockGridLibrary& library, int k);

/// A design from a grid text (as fill-grid reads it: '#', '.', letters), its pattern not checked, so an
/// unfinished grid reads back as it was saved. Failure naming the row and column for a bad text.
GridDesign DesignFromGridText(std::string_view text);

/// The grid text of a design: '#', '.' or the letter, one line per row, LF line ends.
std::string DesignGridText(const GridDesign& design);

/// The squares of a slot, first to last.
std::vector<SquarePos> SlotSquares(const DesignSlot& slot);

}  // namespace qm
