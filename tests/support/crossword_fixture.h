// Test fixtures: a crossword built from rows of letters, and a program state showing it as fill 1.
#pragma once

#include "core/grid/grid.h"

#include <string>
#include <vector>

namespace qm {
struct QuillmereState;
}

namespace qm::test {

/// A crossword from rows of text ('#' or ' ' blocked, 'A'..'Z' letters): every run of two or more
/// letters becomes a slot (row-major, across before down at the same square), numbered as the
/// program numbers them, with the squares numbered too. Answers are their own display text and
/// enumeration; clues are left empty.
Crossword CrosswordOfLetters(const std::vector<std::string>& rows);

/// Puts a crossword on display in a state as fill 1 (its word and letter counts in record 1).
void ShowAsFill(QuillmereState& state, const Crossword& xw);

/// Loads the file at path into state and expects the load to be refused with a message that names
/// the file and contains problem (a test failure otherwise).
void ExpectLoadRefused(QuillmereState& state, const std::string& path, const std::string& problem);

}  // namespace qm::test
