// Counting a freeform fill: interlocks, the enclosed area, the score, the ranking key, and the knock-out.
#include "core/freeform/scoring.h"

#include "core/freeform/placement.h"
#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

namespace qm {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

void RecountWrdCnt(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) g(c, r).WrdCnt = 0;
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        for (int i = 1; i <= s.NumLett; ++i) {
            GridCell& cell = xw.SquareOf(s, i);
            Check(cell.WrdCnt < 255, RangeError);
            ++cell.WrdCnt;
        }
    }
}

std::int32_t CountInterlocks(Crossword& xw)
{
    RecountWrdCnt(xw);
    std::int32_t interlocks = 0;
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        WordSlot& s = xw.Slot(k);
        s.Crossings = 0;
        for (int i = 1; i <= s.NumLett; ++i)
            if (xw.SquareOf(s, i).WrdCnt == 2) ++s.Crossings;
        if (s.Crossings > 2) interlocks += s.Crossings;
    }
    return interlocks;
}

namespace {

/// Repeats a pass over the squares until it changes nothing.
template <class Pass>
void UntilSettled(Pass pass)
{
    while (pass()) {
    }
}

/// 1. Letters count ('X'), everything else is not part of a ring ('#').
void MarkLetters(Grid& g)
{
    const int n = g.Size();
    for (int c = 0; c <= n + 1; ++c)
        for (int r = 0; r <= n + 1; ++r) {
            GridCell& cell = g(c, r);
            if (IsLetter(cell.Letter))
                cell.AreaMark = 'X';
            else if (cell.Letter == '#' || cell.Letter == ' ' || cell.Letter == '\0')
                cell.AreaMark = '#';
        }
}

/// 2. Peels loose ends (a letter with three blocked neighbours) until only letters on closed rings remain.
bool PeelLooseEnds(Grid& g)
{
    const int n = g.Size();
    bool changed = false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (g(c, r).AreaMark != 'X') continue;
            const int blocked = (g(c - 1, r).AreaMark == '#') + (g(c + 1, r).AreaMark == '#') + (g(c, r - 1).AreaMark == '#') +
                                (g(c, r + 1).AreaMark == '#');
            if (blocked >= 3) {
                g(c, r).AreaMark = '#';
                changed = true;
            }
        }
    return changed;
}

/// 3. The outside ('.') starts at the border ring and the blocked squares of the outer rows and columns.
void MarkOutsideEdges(Grid& g)
{
    const int n = g.Size();
    for (int i = 0; i <= n + 1; ++i) {
        g(i, 0).AreaMark = '.';
        g(i, n + 1).AreaMark = '.';
        g(0, i).AreaMark = '.';
        g(n + 1, i).AreaMark = '.';
    }
    for (int i = 1; i <= n; ++i) {
        for (GridCell* cell : {&g(i, 1), &g(i, n), &g(1, i), &g(n, i)})
            if (cell->AreaMark == '#') cell->AreaMark = '.';
    }
}

/// 4. Floods the outside through blocked squares, diagonals included.
bool FloodOutside(Grid& g)
{
    const int n = g.Size();
    bool changed = false;
    for (int r = 2; r <= n - 1; ++r)
        for (int c = 2; c <= n - 1; ++c) {
            if (g(c, r).AreaMark != '#') continue;
            bool outside = false;
            for (int dc = -1; dc <= 1 && !outside; ++dc)
                for (int dr = -1; dr <= 1 && !outside; ++dr)
                    if ((dc != 0 || dr != 0) && g(c + dc, r + dr).AreaMark == '.') outside = true;
            if (outside) {
                g(c, r).AreaMark = '.';
                changed = true;
            }
        }
    return changed;
}

/// 5. and 6.: a letter between two squares marked `side` (across or down) takes that mark, within
/// columns and rows first..last.
bool AbsorbWalls(Grid& g, char side, int first, int last)
{
    bool changed = false;
    for (int r = first; r <= last; ++r)
        for (int c = first; c <= last; ++c) {
            if (g(c, r).AreaMark != 'X') continue;
            if ((g(c - 1, r).AreaMark == side && g(c + 1, r).AreaMark == side) ||
                (g(c, r - 1).AreaMark == side && g(c, r + 1).AreaMark == side)) {
                g(c, r).AreaMark = side;
                changed = true;
            }
        }
    return changed;
}

}  // namespace

std::int32_t InterlockArea(Grid& g)
{
    const int n = g.Size();
    MarkLetters(g);
    UntilSettled([&] { return PeelLooseEnds(g); });
    MarkOutsideEdges(g);
    UntilSettled([&] { return FloodOutside(g); });
    // 5. A letter between two enclosed squares belongs to the hole.
    UntilSettled([&] { return AbsorbWalls(g, '#', 2, n - 1); });
    // 6. A letter between two outside squares belongs to the outside.
    UntilSettled([&] { return AbsorbWalls(g, '.', 1, n); });
    // 7. What is still blocked inside the outer rows and columns is enclosed.
    std::int32_t area = 0;
    for (int r = 2; r <= n - 1; ++r)
        for (int c = 2; c <= n - 1; ++c) area += g(c, r).AreaMark == '#';
    return area;
}

std::int32_t FreeformScore(std::int32_t letters, std::int32_t words, std::int32_t interlocks, std::int32_t area,
                           std::int32_t gridSize)
{
    Check(gridSize > 0, RangeError);
    const double sum = 3.0 * letters + words + interlocks + 0.5 * area;
    return static_cast<std::int32_t>(RoundHalfEven(sum * 0.5 * 400.0 / (static_cast<double>(gridSize) * gridSize)));
}

std::int32_t RankKey(RankingMethod method, const FillCounts& counts, std::int32_t score)
{
    switch (method) {
    case RankingMethod::Score: return score;
    case RankingMethod::Letters: return counts.Letters;
    case RankingMethod::Words: return counts.Words;
    case RankingMethod::Interlocks: return counts.Interlocks;
    }
    return counts.Interlocks;
}

std::int32_t CountInterlockSquares(const Grid& grid)
{
    std::int32_t count = 0;
    for (int c = 1; c <= grid.Size(); ++c)
        for (int r = 1; r <= grid.Size(); ++r) count += grid(c, r).WrdCnt == 2;
    return count;
}

std::vector<std::string> CrossingsListing(const Crossword& xw)
{
    std::vector<std::string> lines;
    for (int k = 1; k <= xw.WordSlotCount; ++k)
        lines.push_back(std::to_string(xw.Slot(k).Crossings) + "  " + xw.Slot(k).WordTxt.str());
    return lines;
}

FillCounts CountFill(Crossword& xw)
{
    FillCounts counts;
    counts.Words = xw.WordSlotCount;
    counts.Letters = CountLetterSquares(xw.Squares);
    counts.Interlocks = CountInterlocks(xw);
    counts.Area = InterlockArea(xw.Squares);
    return counts;
}

void KnockOutSingleInterlockWords(Crossword& xw, ImportedList& list, bool allowDuplicates)
{
    CountInterlocks(xw);
    while (true) {
        int kept = 0;
        for (int k = 1; k <= xw.WordSlotCount; ++k)
            if (xw.Slot(k).Crossings > 1) {
                if (kept + 1 != k) xw.Slot(kept + 1) = xw.Slot(k);
                ++kept;
            }
        const bool removed = kept != xw.WordSlotCount;
        xw.WordSlotCount = kept;
        ClearGrid(xw.Squares, true);
        WriteFreeSlots(xw);
        CountInterlocks(xw);
        if (!removed) break;
    }
    ResetWordFlags(list);
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        const int L = static_cast<int>(s.WordTxt.size());
        if (L < 0 || static_cast<std::size_t>(L) >= list.ThemeIndex.size()) continue;
        for (ThemeEntry& e : At(list.ThemeIndex, L))
            if (e.Text == s.WordTxt.view()) {
                e.Used = true;
                if (!allowDuplicates) e.Available = false;
                break;
            }
    }
}

}  // namespace qm
