// The designer's edits and cursor moves, computed from a design without changing it.
#include "core/design/design_edits.h"

#include "core/util/failure.h"

#include <algorithm>

namespace qm {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

/// An edit that starts from the design's cursor and leaves it where it is.
DesignEdit EditFrom(const GridDesign& design, const char* label)
{
    DesignEdit edit;
    edit.Label = label;
    edit.CursorBefore = design.Cursor();
    edit.CursorAfter = design.Cursor();
    return edit;
}

/// Sets a square to after within the edit: a square already changed keeps its first Before.
void SetSquare(const GridDesign& design, DesignEdit& edit, int row, int col, char after)
{
    for (SquareChange& c : edit.Changes)
        if (c.Row == row && c.Col == col) {
            c.After = after;
            return;
        }
    const char before = design.At(row, col);
    if (before != after) edit.Changes.push_back({row, col, before, after});
}

/// The content of a square once the edit is made.
char After(const GridDesign& design, const DesignEdit& edit, int row, int col)
{
    for (const SquareChange& c : edit.Changes)
        if (c.Row == row && c.Col == col) return c.After;
    return design.At(row, col);
}

/// The edit's changes without those that change nothing (a square set back to its content).
void DropNoChanges(DesignEdit& edit)
{
    std::erase_if(edit.Changes, [](const SquareChange& c) { return c.Before == c.After; });
}

/// The open squares partnered with (row, col) opened (or all blocked), within the edit.
void SetPartners(const GridDesign& design, DesignEdit& edit, int row, int col, char content)
{
    for (const SquarePos& p : design.Partners(row, col))
        if (content == '#' || After(design, edit, p.Row, p.Col) == '#') SetSquare(design, edit, p.Row, p.Col, content);
}

}  // namespace

DesignEdit ToggleBlock(const GridDesign& design, int row, int col)
{
    const bool opening = design.IsBlock(row, col);
    DesignEdit edit = EditFrom(design, opening ? "Unblock" : "Block");
    SetPartners(design, edit, row, col, opening ? ' ' : '#');
    edit.CursorAfter.Row = row;
    edit.CursorAfter.Col = col;
    return edit;
}

DesignEdit TypeLetter(const GridDesign& design, char letter)
{
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    Check(IsLetter(letter), [&] { return "A square holds a letter A-Z, not \"" + std::string(1, letter) + "\""; });
    DesignEdit edit = EditFrom(design, "Letter");
    const DesignCursor& at = design.Cursor();
    if (design.IsBlock(at.Row, at.Col)) SetPartners(design, edit, at.Row, at.Col, ' ');
    SetSquare(design, edit, at.Row, at.Col, letter);
    DropNoChanges(edit);
    const int row = at.Across ? at.Row : at.Row + 1;
    const int col = at.Across ? at.Col + 1 : at.Col;
    if (design.Inside(row, col) && After(design, edit, row, col) != '#') {
        edit.CursorAfter.Row = row;
        edit.CursorAfter.Col = col;
    }
    return edit;
}

DesignEdit Backspace(const GridDesign& design)
{
    DesignEdit edit = EditFrom(design, "Clear");
    const DesignCursor& at = design.Cursor();
    if (IsLetter(design.At(at.Row, at.Col))) {
        SetSquare(design, edit, at.Row, at.Col, ' ');
        return edit;
    }
    const int row = at.Across ? at.Row : at.Row - 1;
    const int col = at.Across ? at.Col - 1 : at.Col;
    if (!design.Inside(row, col) || design.IsBlock(row, col)) return edit;
    edit.CursorAfter.Row = row;
    edit.CursorAfter.Col = col;
    if (IsLetter(design.At(row, col))) SetSquare(design, edit, row, col, ' ');
    return edit;
}

DesignEdit DeleteLetter(const GridDesign& design)
{
    DesignEdit edit = EditFrom(design, "Clear");
    const DesignCursor& at = design.Cursor();
    if (IsLetter(design.At(at.Row, at.Col))) SetSquare(design, edit, at.Row, at.Col, ' ');
    return edit;
}

DesignEdit PlaceWord(const GridDesign& design, std::string_view word)
{
    std::string letters;
    for (const char c : word) {
        if (c == ' ' || c == '-' || c == '\'') continue;
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        Check(IsLetter(upper), [&] { return "A word to place is made of letters A-Z; \"" + std::string(word) + "\" is not"; });
        letters += upper;
    }
    Check(!letters.empty(), "Type the word to place");
    const DesignCursor& at = design.Cursor();
    const auto slot = design.SelectedSlot();
    Check(slot.has_value(), [&] {
        return "The square at " + SquareRef(at.Row, at.Col) + " is in no " + (at.Across ? "across" : "down") +
               " word to place " + letters + " in";
    });
    Check(static_cast<int>(letters.size()) == slot->Length, [&] {
        return letters + " has " + std::to_string(letters.size()) + " letters; " + DesignSlotName(*slot) + " has " +
               std::to_string(slot->Length);
    });
    DesignEdit edit = EditFrom(design, "Place Word");
    const std::vector<SquarePos> squares = SlotSquares(*slot);
    for (std::size_t k = 0; k < squares.size(); ++k) SetSquare(design, edit, squares[k].Row, squares[k].Col, letters[k]);
    edit.CursorAfter = {slot->Row, slot->Col, slot->Across};
    return edit;
}

DesignCursor ArrowMove(const GridDesign& design, Arrow arrow)
{
    DesignCursor cursor = design.Cursor();
    const bool across = arrow == Arrow::Left || arrow == Arrow::Right;
    if (across != cursor.Across) {
        cursor.Across = across;
        return cursor;
    }
    const int step = arrow == Arrow::Right || arrow == Arrow::Down ? 1 : -1;
    int& moved = across ? cursor.Col : cursor.Row;
    moved = std::clamp(moved + step, 1, design.Size());
    return cursor;
}

DesignCursor NextSlotCursor(const GridDesign& design, bool backwards)
{
    std::vector<DesignSlot> order;
    for (const bool across : {true, false})
        for (const DesignSlot& s : design.Slots())
            if (s.Across == across) order.push_back(s);
    if (order.empty()) return design.Cursor();
    const int count = static_cast<int>(order.size());
    const DesignCursor& at = design.Cursor();
    int target = -1;
    if (const auto selected = design.SelectedSlot()) {
        const int i = static_cast<int>(std::find(order.begin(), order.end(), *selected) - order.begin());
        target = (i + (backwards ? count - 1 : 1)) % count;
    } else {
        // The words of the cursor's direction come as one run of the order: across first, then down.
        const auto key = [](int row, int col) { return row * 100 + col; };
        const int here = key(at.Row, at.Col);
        int firstOfDirection = -1;
        int lastOfDirection = -1;
        for (int i = 0; i < count; ++i) {
            const DesignSlot& s = order[static_cast<std::size_t>(i)];
            if (s.Across != at.Across) continue;
            if (firstOfDirection < 0) firstOfDirection = i;
            lastOfDirection = i;
            if (!backwards && target < 0 && key(s.Row, s.Col) > here) target = i;
            if (backwards && key(s.Row, s.Col) < here) target = i;
        }
        if (target < 0) {
            // Past the last word of the direction (or before the first): on to the other direction's words.
            target = firstOfDirection < 0 ? 0 : backwards ? (firstOfDirection + count - 1) % count : (lastOfDirection + 1) % count;
        }
    }
    const DesignSlot& s = order[static_cast<std::size_t>(target)];
    return {s.Row, s.Col, s.Across};
}

DesignCursor ClickCursor(const GridDesign& design, int row, int col)
{
    (void)design.At(row, col);
    DesignCursor cursor = design.Cursor();
    if (cursor.Row == row && cursor.Col == col) return TurnedCursor(design);
    cursor.Row = row;
    cursor.Col = col;
    return cursor;
}

DesignCursor TurnedCursor(const GridDesign& design)
{
    DesignCursor cursor = design.Cursor();
    cursor.Across = !cursor.Across;
    return cursor;
}

}  // namespace qm
