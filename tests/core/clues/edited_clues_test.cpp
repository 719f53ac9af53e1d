// Edited clues kept per fill: brought back for the same word, not for another fill or a replaced word.
#include "core/clues/edited_clues.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

Crossword Shown(const std::string& across, const std::string& down)
{
    Crossword xw;
    xw.GridSize = 5;
    InitGrid(xw);
    test::AddSlot(xw, 1, 1, true, across);
    test::AddSlot(xw, 1, 1, false, down);
    xw.Slot(1).ClueTxt = "stored clue 1";
    xw.Slot(2).ClueTxt = "stored clue 2";
    return xw;
}

TEST(EditedClues, AnEditedClueComesBackOnlyWithItsFillAndWord)
{
    EditedClues edits;
    Crossword first = Shown("CAT", "COD");
    first.Slot(2).ClueTxt = "Fish";
    edits.Keep(1, first.Slot(2));
    edits.Keep(0, first.Slot(1));  // not a stored fill

    struct Case {
        const char* name;
        int fill;
        const char* across;
        const char* down;
        const char* clue1;
        const char* clue2;
    };
    for (const Case& c : {Case{"the same fill", 1, "CAT", "COD", "stored clue 1", "Fish"},
                          Case{"another fill", 2, "CAT", "COD", "stored clue 1", "stored clue 2"},
                          Case{"another word in the place", 1, "CAT", "COT", "stored clue 1", "stored clue 2"}}) {
        SCOPED_TRACE(c.name);
        Crossword xw = Shown(c.across, c.down);
        edits.Apply(c.fill, xw);
        EXPECT_EQ(xw.Slot(1).ClueTxt.view(), c.clue1);
        EXPECT_EQ(xw.Slot(2).ClueTxt.view(), c.clue2);
    }

    edits.Forget(1, first.Slot(2));
    EXPECT_TRUE(edits.Empty());
    edits.Keep(1, first.Slot(2));
    edits.Clear();
    Crossword xw = Shown("CAT", "COD");
    edits.Apply(1, xw);
    EXPECT_EQ(xw.Slot(2).ClueTxt.view(), "stored clue 2");
}

}  // namespace
}  // namespace qm
