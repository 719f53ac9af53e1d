// The passes of the fill sequence analysis and the slot table dump.
#include "core/symmetric/analysis.h"

#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>
#include <memory>

namespace qm {

namespace {

int DistanceFromBottomRight(const Crossword& xw, const WordSlot& s) { return (xw.GridSize - s.Row) + (xw.GridSize - s.Col); }

/// The first-slot rule: the longest slot still unordered; on equal length the one nearest the top
/// left corner; on a further tie the first in slot order. 0 when every slot is ordered.
int FirstSlotByRule(const Crossword& xw)
{
    int best = 0;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        if (s.Seq != 0) continue;
        if (best == 0) {
            best = i;
            continue;
        }
        const WordSlot& b = xw.Slot(best);
        if (s.NumLett > b.NumLett ||
            (s.NumLett == b.NumLett && DistanceFromBottomRight(xw, s) > DistanceFromBottomRight(xw, b)))
            best = i;
    }
    return best;
}

void MarkSequence(Crossword& xw, int slot, int k)
{
    WordSlot& s = xw.Slot(slot);
    s.Seq = k;
    for (int i = 1; i <= s.NumLett; ++i) xw.SquareOf(s, i).SeqMark = static_cast<std::uint8_t>(k);
}

}  // namespace

SlotTableDump AnalyseStockGrid(Crossword& xw)
{
    // Worked on a copy so that a grid beyond the limits leaves the crossword untouched.
    auto work = std::make_unique<Crossword>(xw);
    SlotTableDump dump;
    ResetWordSlots(*work);
    FindWordSlots(*work);
    dump.OriginalSequence = DumpSlotTable(*work);
    MarkIslands(*work);
    AssignSlotIslands(*work);
    OrderSlots(*work);
    SortSlotsBySeq(*work);
    MarkFirstSlots(*work);
    FindDependencies(*work);
    PutClueNumbers(*work);
    dump.FillingSequence = DumpSlotTable(*work);
    xw = *work;
    return dump;
}

SlotTableDump ChooseStockGrid(StockGridLibrary& library, int k, Crossword& xw)
{
    const StockGrid& grid = StockGridAt(library, k);
    auto work = std::make_unique<Crossword>(xw);
    work->GridSize = grid.Size;
    InitGrid(*work);
    LoadStockGrid(library, k, work->Squares);
    SlotTableDump dump = AnalyseStockGrid(*work);
    xw = *work;
    library.SelectedStockGrid = k;
    return dump;
}

void ResetWordSlots(Crossword& xw)
{
    for (int i = 1; i <= MaxWordSlots; ++i) xw.Slot(i) = WordSlot{};
}

void FindWordSlots(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    for (int c = 0; c <= n + 1; ++c)
        for (int r = 0; r <= n + 1; ++r) g(c, r).NumMark = g(c, r).Letter;
    int count = 0;
    int clue = 0;
    auto newSlot = [&](int row, int col, bool across, int length) -> WordSlot& {
        if (count >= MaxWordSlots)
            throw Failure("The grid has more than " + std::to_string(MaxWordSlots) + " words; a crossword holds at most " +
                          std::to_string(MaxWordSlots));
        WordSlot& s = xw.Slot(++count);
        s.Row = row;
        s.Col = col;
        s.Dir = across;
        s.NumLett = length;
        return s;
    };
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (g(c, r).NumMark != ' ') continue;
            bool acrossHere = false;
            if (g(c - 1, r).NumMark == '#' && g(c + 1, r).NumMark == ' ') {
                int length = 1;
                while (g(c + length, r).NumMark == ' ') ++length;
                WordSlot& s = newSlot(r, c, true, length);
                s.Clue = ++clue;
                g(c, r).NumMark = 'N';
                acrossHere = true;
            }
            if (g(c, r - 1).NumMark == '#' && g(c, r + 1).NumMark == ' ') {
                int length = 1;
                while (g(c, r + length).NumMark == ' ') ++length;
                WordSlot& s = newSlot(r, c, false, length);
                if (!acrossHere) ++clue;
                s.Clue = clue;
            }
        }
    xw.WordSlotCount = count;
}

void MarkIslands(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    for (int c = 0; c <= n + 1; ++c)
        for (int r = 0; r <= n + 1; ++r) g(c, r).IslandNo = 0;
    // One value is both the counter of new islands and the number written, so after a merge the
    // next new island continues from the merged number.
    std::uint8_t islandValue = 0;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int r = 1; r <= n - 1; ++r)
            for (int c = 1; c <= n - 1; ++c) {
                GridCell* block[4] = {&g(c, r), &g(c + 1, r), &g(c, r + 1), &g(c + 1, r + 1)};
                if (std::any_of(std::begin(block), std::end(block), [](const GridCell* q) { return q->Letter != ' '; }))
                    continue;
                const std::uint8_t a = block[0]->IslandNo;
                if (a != 0 && std::all_of(std::begin(block), std::end(block), [a](const GridCell* q) { return q->IslandNo == a; }))
                    continue;
                std::uint8_t highest = 0;
                for (const GridCell* q : block) highest = std::max(highest, q->IslandNo);
                if (highest == 0) {
                    if (islandValue == 255) throw Failure("The grid has more islands than the analysis can number");
                    ++islandValue;
                } else {
                    islandValue = highest;
                }
                for (GridCell* q : block) q->IslandNo = islandValue;
                changed = true;
            }
    }
}

void AssignSlotIslands(Crossword& xw)
{
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        s.SepSrcIsland = 0;
        s.SlotIsland = 0;
        for (int k = 1; k <= s.NumLett; ++k) {
            const std::uint8_t island = xw.SquareOf(s, k).IslandNo;
            if (island != 0) {
                s.SlotIsland = island;
                break;
            }
        }
    }
    std::array<int, MaxIslands + 1> firstSlotOf{};
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        if (s.SlotIsland == 0) continue;
        if (s.SlotIsland > MaxIslands)
            throw Failure("The grid has island number " + std::to_string(s.SlotIsland) + "; the analysis allows at most " +
                          std::to_string(MaxIslands) + " islands");
        int& first = firstSlotOf[s.SlotIsland];
        if (first == 0) first = i;
        s.SepSrcIsland = first;
    }
}

void OrderSlots(Crossword& xw)
{
    Grid& g = xw.Squares;
    const int n = g.Size();
    for (int c = 0; c <= n + 1; ++c)
        for (int r = 0; r <= n + 1; ++r) {
            g(c, r).SeqMark = 0;
            g(c, r).FirstSlot = 0;
        }
    for (int i = 1; i <= xw.WordSlotCount; ++i) xw.Slot(i).Seq = 0;
    if (xw.WordSlotCount == 0) return;
    MarkSequence(xw, FirstSlotByRule(xw), 1);
    int prevIsland = 0;  // the first slot's island is not carried forward
    for (int k = 2; k <= xw.WordSlotCount; ++k) {
        int best = 0;
        int bestScore = 0;
        for (int i = 1; i <= xw.WordSlotCount; ++i) {
            WordSlot& s = xw.Slot(i);
            if (s.Seq != 0) continue;
            int crossed = 0;
            for (int q = 1; q <= s.NumLett; ++q) crossed += xw.SquareOf(s, q).SeqMark != 0;
            if (crossed == 0) continue;
            int score = 100 * crossed + s.NumLett + 3 * DistanceFromBottomRight(xw, s);
            if (s.SepSrcIsland >= 1 && s.SepSrcIsland == prevIsland) score += 1000;
            if (best == 0 || score > bestScore) {
                best = i;
                bestScore = score;
            }
        }
        if (best != 0) {
            MarkSequence(xw, best, k);
            prevIsland = xw.Slot(best).SepSrcIsland;
        } else {
            // No unordered slot crosses an ordered one: a separate group starts like the first slot.
            MarkSequence(xw, FirstSlotByRule(xw), k);
            prevIsland = 0;
        }
    }
}

void SortSlotsBySeq(Crossword& xw)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 2; i <= xw.WordSlotCount; ++i) {
            WordSlot& a = xw.Slot(i - 1);
            WordSlot& b = xw.Slot(i);
            if (b.Seq < a.Seq) {
                std::swap(a, b);
                swapped = true;
            }
        }
    }
}

void MarkFirstSlots(Crossword& xw)
{
    for (int i = xw.WordSlotCount; i >= 1; --i) {
        const WordSlot& s = xw.Slot(i);
        for (int k = 1; k <= s.NumLett; ++k) xw.SquareOf(s, k).FirstSlot = static_cast<std::uint8_t>(i);
    }
}

void FindDependencies(Crossword& xw)
{
    for (int i = 2; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        s.Deps.fill(SlotDep{});
        int count = 0;
        int earliest = NoDependency;
        int latest = 0;
        for (int k = 1; k <= s.NumLett; ++k) {
            const int col = s.Dir ? s.Col + k - 1 : s.Col;
            const int row = s.Dir ? s.Row : s.Row + k - 1;
            const int j = xw.Squares(col, row).FirstSlot;
            if (j >= i) continue;
            if (count == MaxSlotDeps) throw Failure("D already at " + std::to_string(MaxSlotDeps));
            const WordSlot& other = xw.Slot(j);
            SlotDep& d = At(s.Deps, count++);
            d.PosHere = static_cast<std::uint8_t>(k);
            d.DepSlot = static_cast<std::uint8_t>(j);
            d.PosThere = static_cast<std::uint8_t>(s.Dir ? row - other.Row + 1 : col - other.Col + 1);
            earliest = std::min(earliest, j);
            latest = std::max(latest, j);
        }
        s.DepNum = count;
        s.DepE = earliest;
        s.DepL = latest;
    }
}

std::vector<std::string> DumpSlotTable(const Crossword& xw)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        const auto& d = s.Deps;
        lines.push_back(Format("%2d: %2d  %2d%1s (%2d,%2d) len=%2d %2d: [%2d %2d %2d] [%2d %2d %2d] [%2d %2d %2d] "
                               "[%2d %2d %2d] DepE=%2d DepL=%2d Isl=%2d",
                               i, s.Seq, s.Clue, s.Dir ? "A" : "D", s.Col, s.Row, s.NumLett, s.DepNum, d[0].PosHere,
                               d[0].DepSlot, d[0].PosThere, d[1].PosHere, d[1].DepSlot, d[1].PosThere, d[2].PosHere,
                               d[2].DepSlot, d[2].PosThere, d[3].PosHere, d[3].DepSlot, d[3].PosThere, s.DepE, s.DepL,
                               s.SepSrcIsland));
    }
    lines.emplace_back(30, '-');
    return lines;
}

}  // namespace qm
