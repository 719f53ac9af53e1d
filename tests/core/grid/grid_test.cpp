// The crossword model: the border ring, numbering, stable sorting, slot lists, counts and the flip.
#include "core/grid/fill_writer.h"
#include "core/grid/grid.h"
#include "core/grid/mirror.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::AddSlot;
using test::GridRows;

Crossword Empty(int n)
{
    Crossword xw;
    xw.GridSize = n;
    InitGrid(xw);
    return xw;
}

/// A small freeform crossword: CAT across at (1,1), COW down from (1,1), TOE down from (1,3),
/// WET across at (3,1).
Crossword SmallFreeform()
{
    Crossword xw = Empty(5);
    AddSlot(xw, 1, 1, true, "CAT");
    AddSlot(xw, 1, 1, false, "COW");
    AddSlot(xw, 1, 3, false, "TOE");
    AddSlot(xw, 3, 1, true, "WEE");
    WriteFillToGrid(xw, FillSourceKind::Freeform);
    BlockEmptySquares(xw.Squares);
    NumberLetterSquares(xw);
    return xw;
}

TEST(Grid, BorderRingIsBlockedAndAccessIsChecked)
{
    Crossword xw = Empty(7);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(xw.Squares(i, 0).Letter, '#');
        EXPECT_EQ(xw.Squares(i, 8).Letter, '#');
        EXPECT_EQ(xw.Squares(0, i).Letter, '#');
        EXPECT_EQ(xw.Squares(8, i).Letter, '#');
    }
    EXPECT_EQ(xw.Squares(7, 7).Letter, ' ');
    EXPECT_THROW(xw.Squares(9, 1), Failure);
    EXPECT_THROW(xw.Slot(161), Failure);
    EXPECT_EQ(OpenSquareCount(xw.Squares), 49);
    EXPECT_EQ(CountLetterSquares(xw.Squares), 0);
}

TEST(Grid, NumberLetterSquaresGivesOneNumberPerStartSquare)
{
    const Crossword xw = SmallFreeform();
    EXPECT_EQ(GridRows(xw.Squares), (std::vector<std::string>{"CAT##", "O#O##", "WEE##", "#####", "#####"}));
    EXPECT_TRUE(xw.ShowCellNumbers);
    EXPECT_EQ(xw.Squares(1, 1).CellNumber, 1);  // starts CAT and COW: one number
    EXPECT_EQ(xw.Squares(3, 1).CellNumber, 2);
    EXPECT_EQ(xw.Squares(1, 3).CellNumber, 3);
    EXPECT_EQ(xw.Squares(2, 1).CellNumber, 0);
    EXPECT_EQ(CountLetterSquares(xw.Squares), 8);
}

TEST(Grid, OnlyWordInRowOneIsNumberedOnce)
{
    Crossword xw = Empty(7);
    AddSlot(xw, 1, 2, true, "EMU");
    WriteFillToGrid(xw, FillSourceKind::Freeform);
    NumberLetterSquares(xw);
    int numbered = 0;
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 7; ++r) numbered += xw.Squares(c, r).CellNumber != 0;
    EXPECT_EQ(numbered, 1);
    EXPECT_EQ(xw.Squares(2, 1).CellNumber, 1);
}

TEST(Grid, SortIsStableAndNumbersShareAStartSquare)
{
    Crossword xw = Empty(5);
    AddSlot(xw, 3, 1, true, "WEE");
    AddSlot(xw, 1, 1, true, "CAT");    // across before down at the same square: must stay first
    AddSlot(xw, 1, 3, false, "TOE");
    AddSlot(xw, 1, 1, false, "COW");
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    const std::vector<std::pair<std::string, int>> expected = {{"CAT", 1}, {"COW", 1}, {"TOE", 2}, {"WEE", 3}};
    ASSERT_EQ(xw.WordSlotCount, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(xw.Slot(i).WordTxt.str(), expected[static_cast<std::size_t>(i - 1)].first);
        EXPECT_EQ(xw.Slot(i).Clue, expected[static_cast<std::size_t>(i - 1)].second);
    }
    // Down first at the same square stays down first.
    Crossword other = Empty(5);
    AddSlot(other, 1, 1, false, "COW");
    AddSlot(other, 1, 1, true, "CAT");
    SortSlotsByPosition(other);
    EXPECT_EQ(other.Slot(1).WordTxt.str(), "COW");
}

TEST(Grid, ListSlotsRowsHaveTheirFieldsAtFixedPositions)
{
    Crossword xw = SmallFreeform();
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    xw.Slot(1).DisplayTxt = "CAT";
    const SlotLists lists = ListSlots(xw);
    ASSERT_EQ(lists.Across.size(), 2u);
    ASSERT_EQ(lists.Down.size(), 2u);
    EXPECT_EQ(lists.Across[0].Text(), "  1  1  1  1 :  CAT");
    EXPECT_EQ(lists.Down[1].Text(), "  3  1  3  2 :  TOE");
    EXPECT_EQ(lists.Across[1].Text().substr(16), "WEE");
    EXPECT_EQ(lists.Across[1].Answer, "WEE");
}

TEST(Grid, FillWriterRecordsTheAcrossSlotWhereWordsCross)
{
    const Crossword xw = SmallFreeform();
    EXPECT_EQ(xw.Squares(1, 1).SlotRef, 1);   // CAT and COW cross: the across slot
    EXPECT_EQ(xw.Squares(1, 2).SlotRef, -2);  // COW alone
    EXPECT_EQ(xw.Squares(3, 2).SlotRef, -3);
    EXPECT_EQ(xw.Squares(5, 5).SlotRef, 0);
    EXPECT_EQ(xw.Squares(1, 1).WrdCnt, 2);
    EXPECT_EQ(xw.Squares(2, 1).WrdCnt, 1);
}

TEST(Grid, FillWriterColoursImportedWordsOfAHybridFill)
{
    Crossword xw = Empty(5);
    AddSlot(xw, 1, 1, true, "CAT");
    const int imported = AddSlot(xw, 1, 1, false, "COW");
    xw.Slot(imported).FromDict = false;
    WriteFillToGrid(xw, FillSourceKind::Hybrid);
    EXPECT_EQ(xw.Squares(1, 2).CellColour, ColourImportedWord);
    EXPECT_EQ(xw.Squares(1, 1).CellColour, ColourImportedWord);
    EXPECT_EQ(xw.Squares(2, 1).CellColour, ColourWindow);
    EXPECT_EQ(xw.Squares(4, 1).Letter, ' ');  // the dictionary's grids keep their own blocks
    EXPECT_EQ(CountImportedWords(xw), 1);
}

TEST(Grid, FlippingTwiceGivesTheCrosswordBack)
{
    Crossword xw = SmallFreeform();
    SortSlotsByPosition(xw);
    NumberSlots(xw);
    const Crossword original = xw;
    FlipAcrossDown(xw, FillSourceKind::Freeform);
    EXPECT_EQ(GridRows(xw.Squares), (std::vector<std::string>{"COW##", "A#E##", "TOE##", "#####", "#####"}));
    EXPECT_EQ(xw.Slot(1).WordTxt.str(), "CAT");  // now down, still before COW (now across) at the same square
    EXPECT_FALSE(xw.Slot(1).Dir);
    EXPECT_TRUE(xw.Slot(2).Dir);
    FlipAcrossDown(xw, FillSourceKind::Freeform);
    EXPECT_EQ(GridRows(xw.Squares), GridRows(original.Squares));
    for (int i = 1; i <= original.WordSlotCount; ++i) {
        EXPECT_EQ(xw.Slot(i).WordTxt, original.Slot(i).WordTxt);
        EXPECT_EQ(xw.Slot(i).Row, original.Slot(i).Row);
        EXPECT_EQ(xw.Slot(i).Col, original.Slot(i).Col);
        EXPECT_EQ(xw.Slot(i).Dir, original.Slot(i).Dir);
        EXPECT_EQ(xw.Slot(i).Clue, original.Slot(i).Clue);
    }
}

}  // namespace
}  // namespace qm
