// Clipboard texts: the grid with TABs, the clue list blocks and the alphabetical answer/clue list.
#include "core/grid/fill_writer.h"
#include "core/output/clipboard_text.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

Crossword ThreeByThree()
{
    Crossword xw;
    xw.GridSize = 3;
    InitGrid(xw);
    const char* words[] = {"CAT", "ODE", "WET"};  // rows; the middle square is blocked
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) xw.Squares(c, r).Letter = words[r - 1][c - 1];
    xw.Squares(2, 2).Letter = '#';
    return xw;
}

TEST(ClipboardText, GridRowsAreTabSeparatedWithBlanksForEmptySquares)
{
    EXPECT_EQ(GridText(ThreeByThree().Squares), "C\tA\tT\r\nO\t \tE\r\nW\tE\tT\r\n");
}

TEST(ClipboardText, ClueListAndAnswerClueList)
{
    Crossword xw = ThreeByThree();
    test::AddSlot(xw, 1, 1, true, "CAT");
    test::AddSlot(xw, 1, 1, false, "COW");
    test::AddSlot(xw, 3, 1, true, "WET");
    xw.Slot(1).Clue = 1;
    xw.Slot(2).Clue = 1;
    xw.Slot(3).Clue = 3;
    xw.Slot(1).ClueTxt = "Pet";
    xw.Slot(2).ClueTxt = "";
    xw.Slot(3).ClueTxt = "damp";
    xw.Slot(3).DisplayTxt = "wet";  // sorting ignores case
    EXPECT_EQ(ClueListText(xw, 3), "Across\r\n1:  Pet (3)\r\n3:  damp (3)\r\nDown\r\n1:   (3)\r\n");
    EXPECT_EQ(AnswerClueListText(xw, 3),
              "Answers (alphabetical) and Clues\r\nCAT - Pet  (1A)\r\nCOW -   (1D)\r\nwet - damp  (3A)\r\n");
    EXPECT_EQ(ClueListText(xw, 1), "Across\r\n1:  Pet (3)\r\nDown\r\n");
}

TEST(ClipboardText, ClueListCountNeverExceedsTheSlots)
{
    Crossword xw = ThreeByThree();
    test::AddSlot(xw, 1, 1, true, "CAT");
    FillStore fills;
    EXPECT_EQ(ClueListCount(fills, xw), 1);  // nothing on display: every slot
    fills.CurrentFill = 1;
    fills.Record(1).WrdCount = 5;  // an answer was deleted since
    EXPECT_EQ(ClueListCount(fills, xw), 1);
    fills.Record(1).WrdCount = 0;
    EXPECT_EQ(ClueListCount(fills, xw), 0);
}

TEST(ClipboardText, TextAndMessageForEachMode)
{
    Crossword xw = ThreeByThree();
    test::AddSlot(xw, 1, 1, true, "CAT");
    xw.Slot(1).Clue = 1;
    xw.Slot(1).ClueTxt = "Pet";
    struct Case {
        int mode;
        bool hasText;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {2, true, GridText(xw.Squares), "Grid copied to clipboard"},
        {4, true, "Across\r\n1:  Pet (3)\r\nDown\r\n", "Clue list copied to clipboard"},
        {6, true, "Answers (alphabetical) and Clues\r\nCAT - Pet  (1A)\r\n", "Answer/Clue list copied to clipboard"},
    };
    for (const Case& c : cases) {
        const ClipboardExport e = ClipboardTextForMode(OutputModeOf(c.mode), xw, 1);
        EXPECT_TRUE(e.HasText) << c.mode;
        EXPECT_EQ(e.Text, c.text) << c.mode;
        EXPECT_EQ(e.Message, c.message) << c.mode;
    }
    for (const int mode : {0, 1, 3, 5}) {
        const ClipboardExport e = ClipboardTextForMode(OutputModeOf(mode), xw, 1);
        EXPECT_FALSE(e.HasText) << mode;
        EXPECT_TRUE(e.Text.empty()) << mode;
        EXPECT_EQ(e.Message, "Select 'Completed Grid only ' or\r'Clue List only'' or\r'Answer/Clue list'") << mode;
    }
}

}  // namespace
}  // namespace qm
