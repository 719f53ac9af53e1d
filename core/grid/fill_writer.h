// WriteFillToGrid: puts the words of all slots into the squares of the grid.
#pragma once

#include "core/grid/fill_source.h"
#include "core/grid/grid.h"

namespace qm {

/// Writes every slot's word into the squares and records in each square the slot through it
/// (SlotRef: the across slot, else minus the down slot). For crosswords without the dictionary the
/// word ends are blocked and WrdCnt counts the words through each square; with the dictionary the
/// squares are coloured (imported words light yellow in the hybrid source).
void WriteFillToGrid(Crossword& xw, FillSourceKind source);

/// Rebuilds the squares of a crossword without a stock pattern from its words alone: clears the
/// grid, writes the words, blocks every square no word uses and numbers the start squares.
void RebuildSquaresFromWords(Crossword& xw, FillSourceKind source);

}  // namespace qm
