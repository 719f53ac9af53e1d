// FillCounts and ShownFill: what a stored fill counts, and what the window shows of a fill put on display.
#pragma once

#include "core/grid/display.h"
#include "core/grid/grid.h"

#include <cstdint>

namespace qm {

/// The four counts a fill is judged by (a symmetrical fill has neither interlocks nor area).
struct FillCounts {
    std::int32_t Letters = 0;     ///< squares holding a letter
    std::int32_t Words = 0;       ///< WordSlotCount
    std::int32_t Interlocks = 0;  ///< crossings of words that cross three times or more
    std::int32_t Area = 0;        ///< squares enclosed by rings of interlocking words
};

/// A stored fill put into the crossword on display, with what the window shows of it.
struct ShownFill {
    std::int32_t Fill = 0;             ///< CurrentFill
    std::int32_t SelectedRow = -1;     ///< the row of the fills list to select
    FillStatusTexts Status;            ///< the status bar under the grid, panels 0..3
    SlotLists Lists;                   ///< the Across and Down clue lists
    FillCounts Counts;                 ///< letters, words, interlocks and area of the fill record
    std::int32_t Score = 0;            ///< freeform only
};

}  // namespace qm
