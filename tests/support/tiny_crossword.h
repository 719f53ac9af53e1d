// The small crossword the output tests render: a 3 x 3 grid with two blocked corners and six words.
#pragma once

#include "core/state.h"
#include "tests/support/crossword_fixture.h"

namespace qm::test {

/// #AT / ODE / WE#: 1 AT (1A), 2 ADE (1D), 3 TE (2D), 4 ODE shown as "OD E" (3A), 5 OW (3D),
/// 6 WE (4A); squares numbered 1 (col 2, row 1), 2 (col 3, row 1), 3 (col 1, row 2), 4 (col 1, row 3).
/// Title "Tiny", Arial, Grey 30%, a 60 mm grid, file tiny.xwd created 7 Mar 2024, 7 letters.
inline QuillmereState TinyCrosswordState()
{
    QuillmereState state;
    ShowAsFill(state, CrosswordOfLetters({"#AT", "ODE", "WE#"}));
    Crossword& xw = state.Xw;
    const char* clues[] = {"Located", "Drink", "Do re mi & <so>", "Poem", "Ouch", "Us"};
    for (int i = 1; i <= 6; ++i) xw.Slot(i).ClueTxt = clues[i - 1];
    xw.Slot(4).DisplayTxt = "OD E";
    xw.Slot(4).EnumTxt = "2,1";
    state.Output.Title = "Tiny";
    state.Output.GridMM = 60;
    state.CurrentFileName = "tiny.xwd";
    state.CrosswordDate = {2024, 3, 7};
    return state;
}

}  // namespace qm::test
