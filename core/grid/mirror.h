// Flip across/down: transposes the crossword so that across words become down words and vice versa.
#pragma once

#include "core/grid/fill_source.h"
#include "core/grid/grid.h"

namespace qm {

/// Exchanges every slot's row and column and direction, re-sorts and renumbers the slots, and
/// rebuilds the squares from the words (word ends blocked, squares renumbered). Flipping twice
/// gives the crossword back.
void FlipAcrossDown(Crossword& xw, FillSourceKind source);

}  // namespace qm
