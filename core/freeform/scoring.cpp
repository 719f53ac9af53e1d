// Counting a freeform fill: interlocks, the enclosed area, the score, the ranking key, and the knock-out.
#include "core/freeform/scoring.h"

#include "core/freeform/placement.h"
#include "core/util/failure.h"
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

std::int32_t InterlockArea(Grid& g)
{
    const int n = g.Size();
    // 1. Letters count, everything else is not part of a ring.
    for (int c = 0; c <= n + 1; ++c)
        for (int r = 0; r <= n + 1; ++r) {
            GridCell& cell = g(c, r);
            if (IsLetter(cell.Letter))
                cell.AreaMark = 'X';
            else if (cell.Letter == '#' || cell.Letter == ' ' || cell.Letter == '\0')
                cell.AreaMark = '#';
        }
    const auto mark = [&](int c, int r) { return g(c, r).AreaMark; };
    // 2. Peel loose ends until only letters on closed rings remain.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                if (mark(c, r) != 'X') continue;
                const int blocked = (mark(c - 1, r) == '#') + (mark(c + 1, r) == '#') + (mark(c, r - 1) == '#') +
                                    (mark(c, r + 1) == '#');
                if (blocked >= 3) {
                    g(c, r).AreaMark = '#';
                    changed = true;
                }
            }
    }
    // 3. The outside starts at the border ring and the blocked squares of the outer rows and columns.
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
    // 4. Flood the outside through blocked squares, diagonals included.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 2; r <= n - 1; ++r)
            for (int c = 2; c <= n - 1; ++c) {
                if (mark(c, r) != '#') continue;
                bool outside = false;
                for (int dc = -1; dc <= 1 && !outside; ++dc)
                    for (int dr = -1; dr <= 1 && !outside; ++dr)
                        if ((dc != 0 || dr != 0) && mark(c + dc, r + dr) == '.') outside = true;
                if (outside) {
                    g(c, r).AreaMark = '.';
                    changed = true;
                }
            }
    }
    // 5. A letter between two enclosed squares belongs to the hole.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 2; r <= n - 1; ++r)
            for (int c = 2; c <= n - 1; ++c) {
                if (mark(c, r) != 'X') continue;
                if ((mark(c - 1, r) == '#' && mark(c + 1, r) == '#') || (mark(c, r - 1) == '#' && mark(c, r + 1) == '#')) {
                    g(c, r).AreaMark = '#';
                    changed = true;
                }
            }
    }
    // 6. A letter between two outside squares belongs to the outside.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                if (mark(c, r) != 'X') continue;
                if ((mark(c - 1, r) == '.' && mark(c + 1, r) == '.') || (mark(c, r - 1) == '.' && mark(c, r + 1) == '.')) {
                    g(c, r).AreaMark = '.';
                    changed = true;
                }
            }
    }
    // 7. What is still blocked inside the outer rows and columns is enclosed.
    std::int32_t area = 0;
    for (int r = 2; r <= n - 1; ++r)
        for (int c = 2; c <= n - 1; ++c) area += mark(c, r) == '#';
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
        for (ThemeEntry& e : list.ThemeIndex[static_cast<std::size_t>(L)])
            if (e.Text == s.WordTxt.view()) {
                e.Used = true;
                if (!allowDuplicates) e.Available = false;
                break;
            }
    }
}

}  // namespace qm
