// A crossword whose clues need more than one printed page, and clues of a chosen length for the page tests.
#pragma once

#include "core/state.h"
#include "tests/support/crossword_fixture.h"

#include <string>

namespace qm::test {

/// A clue of exactly `length` characters (at most 200, the longest a clue may be) that names its
/// slot, so that no two clues are alike: "Clue 7: plain words that wrap like a setter's own plain...".
inline std::string ClueOfLength(int slot, int length)
{
    std::string clue = "Clue " + std::to_string(slot) + ":";
    static const char* const words[] = {"plain", "words", "that", "wrap", "like", "a", "setter's", "own"};
    for (int k = 0; static_cast<int>(clue.size()) < length; ++k) clue += std::string(" ") + words[k % 8];
    clue.resize(static_cast<std::size_t>(length));
    if (clue.back() == ' ') clue.back() = 'x';
    return clue;
}

/// A 9 x 9 crossword of 36 words, each clued with 200 characters: at 7 mm a square its clues take
/// two pages in every mode that prints them. Title "Long Clues", file long.xwd.
inline QuillmereState PagedCrosswordState()
{
    QuillmereState state;
    ShowAsFill(state, CrosswordOfLetters({"STAR#SPIN", "HERO#TAME", "ARMED#ODE", "DEN#BEGAN", "###DIE###", "SNAKE#GEM",
                                          "ODE#TENOR", "LAIR#ROSE", "ELSE#SEAT"}));
    for (int i = 1; i <= state.Xw.WordSlotCount; ++i) state.Xw.Slot(i).ClueTxt = ClueOfLength(i, 200);
    state.Output.Title = "Long Clues";
    state.Output.GridMM = 63;
    state.Output.FontName = "DejaVu Sans";
    state.CurrentFileName = "long.xwd";
    state.CrosswordDate = {2024, 3, 7};
    return state;
}

}  // namespace qm::test
