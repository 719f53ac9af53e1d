// The across/down flip of a crossword.
#include "core/grid/mirror.h"

#include "core/grid/fill_writer.h"

#include <utility>

namespace qm {

void FlipAcrossDown(Crossword& xw, FillSourceKind source)
{
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        std::swap(s.Row, s.Col);
        s.RCTxt = MakeRCTxt(s.Row, s.Col);
        s.Dir = !s.Dir;
    }
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    RebuildSquaresFromWords(xw, source);
}

}  // namespace qm
