// Fill sequence analysis: slots and numbering, islands, the filling order with its tie rules and
// island bonus, the dependencies, the slot table dump, separate groups and the limits.
#include "core/symmetric/analysis.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::CrosswordFromRows;

struct ExpectedSlot {
    const char* Where;  // clue number and direction, e.g. "1A"
    int DepNum;
    int DepE;
    int DepL;
    std::vector<std::array<int, 3>> Deps;  // PosHere, DepSlot, PosThere
};

std::string Name(const WordSlot& s) { return std::to_string(s.Clue) + (s.Dir ? "A" : "D"); }

// Worked out by hand. Slots in numbering order: 1A, 1D, 2D, 3D (the columns), 4A, 5A (rows 3 and 5),
// all five letters long. The first is 1A (longest, nearest the top left, first numbered). Then 1D
// scores 100 + 5 + 3 x 8 = 129 against 2D's 123 and 3D's 117. Next 2D (123) and 4A (123) tie and
// the lower slot index, 2D, wins; 4A then crosses two ordered slots (223) and beats 5A (217); 3D
// and 5A tie at 217 and 3D comes first.
TEST(Analysis, OrderAndDependenciesOfALatticeMatchAHandComputation)
{
    auto xw = CrosswordFromRows({".....", ".#.#.", ".....", ".#.#.", "....."});
    AnalyseStockGrid(*xw);
    const std::vector<ExpectedSlot> expected{
        {"1A", 0, 0, 0, {}},
        {"1D", 1, 1, 1, {{1, 1, 1}}},
        {"2D", 1, 1, 1, {{1, 1, 3}}},
        {"4A", 2, 2, 3, {{1, 2, 3}, {3, 3, 3}}},
        {"3D", 2, 1, 4, {{1, 1, 5}, {3, 4, 5}}},
        {"5A", 3, 2, 5, {{1, 2, 5}, {3, 3, 5}, {5, 5, 5}}},
    };
    ASSERT_EQ(xw->WordSlotCount, 6);
    for (int i = 1; i <= 6; ++i) {
        const WordSlot& s = xw->Slot(i);
        const ExpectedSlot& e = expected[static_cast<std::size_t>(i - 1)];
        SCOPED_TRACE(e.Where);
        EXPECT_EQ(Name(s), e.Where);
        EXPECT_EQ(s.Seq, i);
        EXPECT_EQ(s.DepNum, e.DepNum);
        EXPECT_EQ(s.DepE, e.DepE);
        EXPECT_EQ(s.DepL, e.DepL);
        for (std::size_t d = 0; d < e.Deps.size(); ++d)
            EXPECT_EQ((std::array<int, 3>{s.Deps[d].PosHere, s.Deps[d].DepSlot, s.Deps[d].PosThere}), e.Deps[d]) << d;
        EXPECT_EQ(s.SepSrcIsland, 0);  // no 2 x 2 open area: no islands
    }
    // Clue numbers in the start squares (one number for the square starting 1A and 1D), WrdCnt 2 on
    // the crossings, 1 elsewhere.
    EXPECT_EQ(xw->Squares(1, 1).CellNumber, 1);
    EXPECT_EQ(xw->Squares(3, 1).CellNumber, 2);
    EXPECT_EQ(xw->Squares(1, 5).CellNumber, 5);
    EXPECT_EQ(xw->Squares(2, 1).CellNumber, 0);
    EXPECT_EQ(xw->Squares(3, 3).WrdCnt, 2);
    EXPECT_EQ(xw->Squares(2, 3).WrdCnt, 1);
    EXPECT_EQ(xw->Squares(2, 2).WrdCnt, 0);
    EXPECT_TRUE(xw->ShowCellNumbers);
}

// Worked out by hand: islands 1 (columns 1-2, rows 1-4) and 2 (columns 4-5, rows 2-5). After 1A
// (seq 2) every slot of island 1 gets the 1000 bonus (1D 1128, then 4A and 7A tie at 1223 and 4A, the
// lower index, wins), so island 1 is finished before 3D; after 3D the bonus moves to island 2, whose
// first slot is 3D (slot 4 in numbering order). The first table is dumped right after numbering.
TEST(Analysis, SlotTableDumpOfAGridWithTwoIslands)
{
    auto xw = CrosswordFromRows({"....#", "..#..", ".....", "..#..", "#...."});
    const SlotTableDump dump = AnalyseStockGrid(*xw);
    const std::vector<std::string> filling{
        " 1:  1   2D ( 2, 1) len= 5  0: [ 0  0  0] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 0 DepL= 0 Isl= 1",
        " 2:  2   1A ( 1, 1) len= 4  1: [ 2  1  1] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 1 Isl= 1",
        " 3:  3   1D ( 1, 1) len= 4  1: [ 1  2  1] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 2 DepL= 2 Isl= 1",
        " 4:  4   4A ( 1, 2) len= 2  2: [ 1  3  2] [ 2  1  2] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 3 Isl= 1",
        " 5:  5   7A ( 1, 3) len= 5  2: [ 1  3  3] [ 2  1  3] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 3 Isl= 1",
        " 6:  6   8A ( 1, 4) len= 2  2: [ 1  3  4] [ 2  1  4] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 3 Isl= 1",
        " 7:  7   3D ( 4, 1) len= 5  2: [ 1  2  4] [ 3  5  4] [ 0  0  0] [ 0  0  0] DepE= 2 DepL= 5 Isl= 4",
        " 8:  8  10A ( 2, 5) len= 4  2: [ 1  1  5] [ 3  7  5] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 7 Isl= 4",
        " 9:  9   6D ( 5, 2) len= 4  2: [ 2  5  5] [ 4  8  4] [ 0  0  0] [ 0  0  0] DepE= 5 DepL= 8 Isl= 4",
        "10: 10   5A ( 4, 2) len= 2  2: [ 1  7  2] [ 2  9  1] [ 0  0  0] [ 0  0  0] DepE= 7 DepL= 9 Isl= 4",
        "11: 11   9A ( 4, 4) len= 2  2: [ 1  7  4] [ 2  9  3] [ 0  0  0] [ 0  0  0] DepE= 7 DepL= 9 Isl= 4",
        "------------------------------",
    };
    EXPECT_EQ(dump.FillingSequence, filling);
    ASSERT_EQ(dump.OriginalSequence.size(), 12u);
    EXPECT_EQ(dump.OriginalSequence[0],
              " 1:  0   1A ( 1, 1) len= 4  0: [ 0  0  0] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 0 DepL= 0 Isl= 0");
    EXPECT_EQ(dump.OriginalSequence[6],
              " 7:  0   6D ( 5, 2) len= 4  0: [ 0  0  0] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 0 DepL= 0 Isl= 0");
    EXPECT_EQ(xw->Squares(1, 1).IslandNo, 1);
    EXPECT_EQ(xw->Squares(5, 5).IslandNo, 2);
    EXPECT_EQ(xw->Squares(3, 3).IslandNo, 0);
}

TEST(Analysis, ANewIslandContinuesFromTheNumberLastWritten)
{
    // The top right island gets 2; extending the top left island sets the shared value back to 1,
    // so the island found last is numbered 2 as well.
    auto xw = CrosswordFromRows({"..#..##", "..#..##", "..#####", "#######", "###..##", "###..##", "#######"});
    MarkIslands(*xw);
    EXPECT_EQ(xw->Squares(1, 1).IslandNo, 1);
    EXPECT_EQ(xw->Squares(2, 3).IslandNo, 1);
    EXPECT_EQ(xw->Squares(4, 1).IslandNo, 2);
    EXPECT_EQ(xw->Squares(4, 5).IslandNo, 2);
    EXPECT_EQ(xw->Squares(5, 6).IslandNo, 2);
}

TEST(Analysis, SeparateGroupsOfSlotsStartAgainByTheFirstSlotRule)
{
    // Two crosses that share no square.
    auto xw = CrosswordFromRows({"#.#####", "...####", "#.#####", "#######", "####.##", "##.....", "####.##"});
    ASSERT_NO_THROW(AnalyseStockGrid(*xw));
    ASSERT_EQ(xw->WordSlotCount, 4);
    EXPECT_EQ(Name(xw->Slot(1)), "4A");  // the longest slot of all
    EXPECT_EQ(Name(xw->Slot(2)), "3D");
    // No slot crosses those two: the other cross starts anew. 1D and 2A are equally long and equally
    // near the top left corner, so the first numbered comes first.
    EXPECT_EQ(Name(xw->Slot(3)), "1D");
    EXPECT_EQ(xw->Slot(3).DepNum, 0);
    EXPECT_EQ(xw->Slot(3).DepE, NoDependency);
    EXPECT_EQ(xw->Slot(3).DepL, 0);
    EXPECT_EQ(Name(xw->Slot(4)), "2A");
    EXPECT_EQ(xw->Slot(4).DepNum, 1);
    EXPECT_EQ(xw->Slot(4).DepE, 3);
}

TEST(Analysis, ChoosingAStockGridSizesLoadsAndAnalysesIt)
{
    StockGridLibrary lib;
    LoadStockGrids(lib, WriteStockGrids({test::StockGridFromRows({".......", ".#.#.#.", ".......", ".#.#.#.", ".......",
                                                                 ".#.#.#.", "......."})}));
    Crossword xw;
    ChooseStockGrid(lib, 1, xw);
    EXPECT_EQ(xw.GridSize, 7);
    EXPECT_EQ(lib.SelectedStockGrid, 1);
    EXPECT_EQ(xw.WordSlotCount, 8);
    EXPECT_EQ(xw.Squares(2, 2).Letter, '#');
    EXPECT_THROW(ChooseStockGrid(lib, 2, xw), Failure);
    EXPECT_EQ(lib.SelectedStockGrid, 1);
}

TEST(Analysis, LimitsEndTheAnalysisWithClearMessagesAndLeaveTheCrossword)
{
    // 29 rows of seven 3-letter words: more than 160 slots.
    std::vector<std::string> many(29, "...#...#...#...#...#...#...#.");
    // 25 separate 2 x 2 open areas: island numbers beyond 20.
    std::vector<std::string> islands;
    for (int r = 0; r < 15; ++r) {
        std::string row;
        for (int c = 0; c < 15; ++c) row += (r % 3 == 2 || c % 3 == 2) ? '#' : '.';
        islands.push_back(row);
    }
    const struct {
        const char* name;
        std::vector<std::string> rows;
        const char* message;
    } cases[] = {
        {"slots", many, "more than 160 words"},
        {"islands", islands, "at most 20 islands"},
    };
    for (const auto& c : cases) {
        auto xw = CrosswordFromRows(c.rows);
        xw->Squares(1, 1).CellNumber = 42;
        try {
            AnalyseStockGrid(*xw);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(xw->WordSlotCount, 0) << c.name;
        EXPECT_EQ(xw->Squares(1, 1).CellNumber, 42) << c.name;
    }
}

TEST(Analysis, AnEleventhDependencyIsRefused)
{
    // Eleven downs ordered before the across that crosses them all.
    std::vector<std::string> rows(23, std::string(23, '#'));
    for (int c = 0; c < 21; c += 2)
        for (int r = 0; r < 22; ++r) rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = '.';
    for (int c = 0; c < 21; ++c) rows[11][static_cast<std::size_t>(c)] = '.';
    auto xw = CrosswordFromRows(rows);
    ResetWordSlots(*xw);
    FindWordSlots(*xw);
    ASSERT_EQ(xw->WordSlotCount, 12);
    for (int i = 1; i <= 12; ++i) xw->Slot(i).Seq = xw->Slot(i).Dir ? 12 : i;
    SortSlotsBySeq(*xw);
    MarkFirstSlots(*xw);
    try {
        FindDependencies(*xw);
        FAIL() << "eleven dependencies accepted";
    } catch (const Failure& e) {
        EXPECT_STREQ(e.what(), "D already at 10");
    }
}

}  // namespace
}  // namespace qm
