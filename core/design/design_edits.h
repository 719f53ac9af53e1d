// The grid designer's keys and clicks as edits of a design and moves of its cursor, as a crossword
// editor has them: a block toggled with its symmetry partners, letters typed along the cursor's
// direction, Backspace and Delete, arrows that first turn the direction and then move, Tab to the next
// word, and a whole word typed into the selected word as a theme entry.
//
// Every edit is computed from the design without changing it; the caller applies it (through its undo
// history), so the window and the tests make the same edits.
#pragma once

#include "core/design/grid_design.h"

#include <string_view>

namespace qm {

/// Toggles the block at (row, col) with the squares the symmetry keeps alike: a block there opens them
/// all, an open square blocks them all (placed letters in them go, and come back on undo). The cursor
/// goes to the square.
DesignEdit ToggleBlock(const GridDesign& design, int row, int col);

/// Types a letter (a..z taken as A..Z) at the cursor and moves the cursor to the next square of its
/// direction unless that is a block or the edge. Typed on a block, the letter opens the square (with
/// its symmetry partners) first. Failure for a character that is not a letter.
DesignEdit TypeLetter(const GridDesign& design, char letter);

/// Backspace: clears the letter at the cursor; on a square without one, steps back one square in the
/// cursor's direction (not onto a block or past the edge) and clears the letter there.
DesignEdit Backspace(const GridDesign& design);

/// Delete: clears the letter at the cursor; the cursor stays.
DesignEdit DeleteLetter(const GridDesign& design);

/// Places a whole word in the selected word (the cursor's word in its direction) as a theme entry:
/// letters A-Z in any case, blanks, hyphens and apostrophes dropped. Its letters replace those in the
/// word's squares; the cursor goes to the word's first square. Failure when the cursor is in no word,
/// the word has another length, or it holds another character.
DesignEdit PlaceWord(const GridDesign& design, std::string_view word);

/// The arrow keys.
enum class Arrow { Left, Right, Up, Down };

/// An arrow across the cursor's direction turns the direction; one along it moves the cursor one
/// square (onto blocks too, so they can be opened), stopping at the edge.
DesignCursor ArrowMove(const GridDesign& design, Arrow arrow);

/// Tab (Shift+Tab backwards): the first square of the next word, across words in number order then
/// down words, round again at the end. From a square in no word in its direction, the next word of that
/// direction starting after the cursor (row by row). Unchanged when the design has no words.
DesignCursor NextSlotCursor(const GridDesign& design, bool backwards = false);

/// A click selecting a square: the cursor goes there; a click on the cursor's own square turns its
/// direction.
DesignCursor ClickCursor(const GridDesign& design, int row, int col);

/// The cursor with its direction turned.
DesignCursor TurnedCursor(const GridDesign& design);

}  // namespace qm
