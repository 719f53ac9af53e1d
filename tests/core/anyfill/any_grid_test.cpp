// Grid texts: what is read, the checks with their messages, the slots and their numbering, and stock
// grids taken over for the engine for any grid.
#include "core/anyfill/any_grid.h"
#include "core/symmetric/analysis.h"
#include "core/util/failure.h"
#include "tests/core/anyfill/grid_text.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

std::vector<std::string> SlotTable(const Crossword& xw)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        lines.push_back(SlotName(s) + " r" + std::to_string(s.Row) + "c" + std::to_string(s.Col) + " " + std::to_string(s.NumLett) +
                        " (" + s.EnumTxt.str() + ")");
    }
    return lines;
}

TEST(AnyGrid, FindsAndNumbersTheSlotsInPositionOrder)
{
    const AnyGrid grid = ReadGridText(GridText({"...#", "....", "....", "#..."}), {});
    EXPECT_EQ(grid.Xw.GridSize, 4);
    EXPECT_EQ(SlotTable(grid.Xw), (std::vector<std::string>{
                                      "1 Across r1c1 3 (3)", "1 Down r1c1 3 (3)", "2 Down r1c2 4 (4)", "3 Down r1c3 4 (4)",
                                      "4 Across r2c1 4 (4)", "5 Down r2c4 3 (3)", "6 Across r3c1 4 (4)", "7 Across r4c2 3 (3)"}));
    EXPECT_EQ(grid.Xw.Squares(1, 1).CellNumber, 1);
    EXPECT_EQ(grid.Xw.Squares(4, 2).CellNumber, 5);
    EXPECT_EQ(grid.Xw.Squares(2, 4).CellNumber, 7);
    EXPECT_EQ(grid.Xw.Squares(2, 2).WrdCnt, 2);
    EXPECT_EQ(grid.UncheckedSquares, 0);
}

TEST(AnyGrid, ReadsPlacedLettersLineEndsAndTrailingBlanks)
{
    const AnyGrid grid = ReadGridText("c.t\r\n.#. \r\nDoG\t\n\n\n", GridCheckOptions{true});
    EXPECT_EQ(grid.Xw.Squares(1, 1).Letter, 'C');
    EXPECT_EQ(grid.Xw.Squares(2, 1).Letter, ' ');
    EXPECT_EQ(grid.Xw.Squares(2, 2).Letter, '#');
    EXPECT_EQ(grid.Xw.Squares(2, 3).Letter, 'O');
    EXPECT_EQ(GridTextOf(grid.Xw.Squares), "C.T\n.#.\nDOG\n");
    EXPECT_EQ(grid.Xw.WordSlotCount, 4);
}

TEST(AnyGrid, RefusesBadGridsWithAMessageNamingTheProblem)
{
    std::string wide(31, '.');
    std::vector<std::string> tooMany(31, wide);
    std::vector<std::string> longWord(21, std::string(21, '.'));
    // 21 x 21 with a block wherever (row + 2 column) is a multiple of 5: 168 words, every one of 3 or 4 letters.
    std::vector<std::string> manyWords;
    for (int r = 0; r < 21; ++r) {
        std::string row;
        for (int c = 0; c < 21; ++c) row += (r + 2 * c) % 5 == 0 ? '#' : '.';
        manyWords.push_back(row);
    }
    const struct {
        const char* name;
        std::string text;
        bool allowUnchecked;
        const char* message;
    } cases[] = {
        {"two rows", GridText({"...", "..."}), false, "The grid has 2 rows; a grid has 3 to 30 rows"},
        {"31 rows", GridText(tooMany), false, "The grid has 31 rows"},
        {"not square", GridText({"....", "...", "....", "...."}), false, "Row 2 has 3 squares; the grid has 4 rows, so every row needs 4"},
        {"bad character", GridText({"...", ".x?", "..."}), false, "The square at row 2, column 3 is \"?\""},
        {"unchecked square", GridText({"...", ".##", ".##"}), false, "The square at row 1, column 2 is in only one word"},
        {"square in no word", GridText({"...", "#.#", ".#."}), true, "The square at row 2, column 2 is in no word"},
        {"word too long", GridText(longWord), false, "has 21 letters; a word has 3 to 20 letters"},
        {"too many words", GridText(manyWords), true, "The grid has 168 words; a crossword holds at most 160"},
        {"falls apart", GridText({"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}), false,
         "The grid falls apart: the square at row 1, column 5 is not joined to the square at row 1, column 1"},
        {"all blocks", GridText({"###", "###", "###"}), false, "The grid has no open squares"},
        {"huge text", std::string(5000, '.'), false, "The grid text has 5000 characters"},
    };
    for (const auto& c : cases) {
        try {
            ReadGridText(c.text, GridCheckOptions{c.allowUnchecked});
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(AnyGrid, UncheckedSquaresNeedTheUsersPermission)
{
    // A British-style corner: the squares between the blocks are in one word only.
    const std::string text = GridText({".....", ".#.#.", ".....", ".#.#.", "....."});
    EXPECT_THROW(ReadGridText(text, {}), Failure);
    const AnyGrid grid = ReadGridText(text, GridCheckOptions{true});
    EXPECT_EQ(grid.UncheckedSquares, 12);
    EXPECT_EQ(SlotTable(grid.Xw), (std::vector<std::string>{"1 Across r1c1 5 (5)", "1 Down r1c1 5 (5)", "2 Down r1c3 5 (5)",
                                                             "3 Down r1c5 5 (5)", "4 Across r3c1 5 (5)", "5 Across r5c1 5 (5)"}));
    // Even then a square must be in some word.
    EXPECT_THROW(ReadGridText(GridText({".....", ".#.#.", "..#..", ".#.#.", "....."}), GridCheckOptions{true}), Failure);
}

TEST(AnyGrid, AStockGridKeepsItsSlotsInPositionOrderWithBlankSquares)
{
    auto xw = test::CrosswordFromRows({"#....", ".....", ".....", ".....", "....#"});
    AnalyseStockGrid(*xw);  // filling order
    xw->Squares(1, 2).Letter = 'Q';
    const AnyGrid grid = AnyGridOfStockGrid(*xw);
    const AnyGrid fromText = ReadGridText(GridText({"#....", ".....", ".....", ".....", "....#"}), {});
    EXPECT_EQ(SlotTable(grid.Xw), SlotTable(fromText.Xw));
    EXPECT_EQ(grid.Xw.Squares(1, 2).Letter, ' ');
    EXPECT_EQ(grid.UncheckedSquares, 0);
}

}  // namespace
}  // namespace qm
