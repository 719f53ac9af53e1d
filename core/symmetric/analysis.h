// Fill sequence analysis: the word slots of a stock grid, their filling order and their crossings.
#pragma once

#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"

#include <string>
#include <vector>

namespace qm {

/// Island numbers a grid may use (islands are areas of 2 x 2 blocks of open squares).
constexpr int MaxIslands = 20;
/// DepE of a slot that crosses no earlier slot.
constexpr int NoDependency = 999;

/// The slot table before ordering (after numbering) and after the dependencies, as DumpSlotTable lines.
struct SlotTableDump {
    std::vector<std::string> OriginalSequence;
    std::vector<std::string> FillingSequence;
};

/// Analyses the open pattern of xw.Squares (a stock grid just loaded): finds and numbers the slots,
/// marks islands, orders the slots for filling, sorts them into that order, records their crossings
/// with earlier slots, writes the clue numbers (and each square's WrdCnt) into the squares and sets
/// ShowCellNumbers. Slots not connected to those already ordered start a new group by the first-slot
/// rule. Throws Failure beyond 160 slots, 20 islands or 10 dependencies per slot ("D already at 10");
/// the crossword is then left as it was.
SlotTableDump AnalyseStockGrid(Crossword& xw);

/// A click on stock grid k: the grid is sized for it, loaded and analysed, and becomes the chosen one
/// (SelectedStockGrid). On failure nothing changes.
SlotTableDump ChooseStockGrid(StockGridLibrary& library, int k, Crossword& xw);

// The passes, in the order AnalyseStockGrid runs them.

/// All 160 slots to zero numbers, empty texts, DepNum 0 and FromDict true.
void ResetWordSlots(Crossword& xw);
/// Finds the across and down slots row by row and numbers their start squares (NumMark "N" marks a
/// square numbered by an across start); sets WordSlotCount.
void FindWordSlots(Crossword& xw);
/// Gives every square of an area of 2 x 2 open blocks an island number (IslandNo).
void MarkIslands(Crossword& xw);
/// SlotIsland (first island square along the slot) and SepSrcIsland (first slot of that island).
void AssignSlotIslands(Crossword& xw);
/// Seq of every slot: the longest first, then by crossings, length, nearness to the top left corner
/// and the island bonus.
void OrderSlots(Crossword& xw);
/// Stable bubble sort of the slot records by Seq, so the slot index becomes the filling order.
void SortSlotsBySeq(Crossword& xw);
/// FirstSlot of every square: the lowest slot index through it.
void MarkFirstSlots(Crossword& xw);
/// Deps, DepNum, DepE and DepL of slots 2..count.
void FindDependencies(Crossword& xw);

/// One line per slot, "%2d: %2d  %2d%1s (%2d,%2d) len=%2d %2d: [%2d %2d %2d] x4 DepE=%2d DepL=%2d Isl=%2d",
/// then 30 "-".
std::vector<std::string> DumpSlotTable(const Crossword& xw);

}  // namespace qm
