// Writing a fill's words into the grid, with the slot references, word ends and colours.
#include "core/grid/fill_writer.h"
#include "core/util/index.h"

namespace qm {

void WriteFillToGrid(Crossword& xw, FillSourceKind source)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    const bool dictionary = UsesDictionary(source);
    if (!dictionary)
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) g(c, r).WrdCnt = 0;
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        const int len = static_cast<int>(s.WordTxt.size());
        for (int i = 1; i <= len; ++i) {
            GridCell& cell = xw.SquareOf(s, i);
            cell.Letter = At(s.WordTxt, i - 1);
            if (!dictionary) ++cell.WrdCnt;
        }
        if (!dictionary && len > 0) {  // a slot without its answer yet has no ends to mark
            const int afterCol = s.Dir ? s.Col + len : s.Col;
            const int afterRow = s.Dir ? s.Row : s.Row + len;
            if (g.Inside(afterCol, afterRow)) g(afterCol, afterRow).Letter = '#';
            const bool startsAtEdge = s.Dir ? s.Col <= 1 : s.Row <= 1;
            if (!startsAtEdge) (s.Dir ? g(s.Col - 1, s.Row) : g(s.Col, s.Row - 1)).Letter = '#';
        }
    }
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) g(c, r).SlotRef = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            if (s.Dir != (pass == 1)) continue;
            for (int i = 1; i <= static_cast<int>(s.WordTxt.size()); ++i) xw.SquareOf(s, i).SlotRef = s.Dir ? k : -k;
        }
    if (dictionary)
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            if (s.FromDict)
                ColourSlot(xw, k, ColourWindow);
        }
    if (source == FillSourceKind::Hybrid) HighlightImportedWords(xw);
}

void RebuildSquaresFromWords(Crossword& xw, FillSourceKind source)
{
    ClearGrid(xw.Squares, true);
    WriteFillToGrid(xw, source);
    BlockEmptySquares(xw.Squares);
    NumberLetterSquares(xw);
}

}  // namespace qm
