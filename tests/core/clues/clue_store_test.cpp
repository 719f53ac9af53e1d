// The clue list and the clue lookup of restored slots from the dictionary and the imported list.
#include "core/clues/clue_store.h"
#include "core/util/failure.h"
#include "core/words/imported_list.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ClueList, LinesAreSplitAtCrLfWithLineZeroEmpty)
{
    const ClueList clues = LoadClueList("\r\n'Recent' geological period\r\nFrozen dessert\r\n");
    ASSERT_EQ(clues.size(), 3u);
    EXPECT_EQ(clues[0], "");
    EXPECT_EQ(clues[1], "'Recent' geological period");
    EXPECT_EQ(clues[2], "Frozen dessert");
    EXPECT_THROW(ClueLine(clues, 3), Failure);
}

struct LookUpFixture : ::testing::Test {
    Dictionary dict = test::MakeDictionary({test::Word("ICECREAM", 10, 2, 3 | (5 << 6), 0, 1), test::Word("APPLE", 10, 2, 5, 0, 0)});
    ClueList clues = LoadClueList("\r\nFrozen dessert\r\n");
    ImportedList imported;

    LookUpFixture()
    {
        imported.ThemeWords = {"ICE CREAM", "PEAR"};
        imported.ThemeClues = {"Imported clue", ""};
        imported.ThemeIndex.resize(9);
        imported.MaxLen = 8;
        imported.ThemeIndex[8].push_back({"ICECREAM", 0, 3 | (5 << 6), false, true, 1.0f});
    }

    WordSlot Slot(int length, int ref, bool fromDict)
    {
        WordSlot s;
        s.NumLett = length;
        s.DictOrThemeRef = ref;
        s.FromDict = fromDict;
        return s;
    }
};

TEST_F(LookUpFixture, DictionaryWordsTakeTheirBuiltInClue)
{
    WordSlot s = Slot(8, 1, true);
    LookUpSlotWord(s, FillSourceKind::Dictionary, dict, imported, clues);
    EXPECT_EQ(s.WordTxt.view(), "ICECREAM");
    EXPECT_EQ(s.DisplayTxt.view(), "ICE CREAM");
    EXPECT_EQ(s.EnumTxt.view(), "3,5");
    EXPECT_EQ(s.ClueTxt.view(), "Frozen dessert");
    WordSlot apple = Slot(5, 1, true);
    LookUpSlotWord(apple, FillSourceKind::Dictionary, dict, imported, clues);
    EXPECT_EQ(apple.ClueTxt.view(), "");  // clue index 0
}

TEST_F(LookUpFixture, ImportedWordsTakeTheirOwnClueEvenWhenTheDictionaryHasThem)
{
    WordSlot s = Slot(8, 0, false);
    LookUpSlotWord(s, FillSourceKind::Hybrid, dict, imported, clues);
    EXPECT_EQ(s.ClueTxt.view(), "Imported clue");
    EXPECT_EQ(s.ThemeRef, 0);
    WordSlot f = Slot(8, 0, true);  // freeform ignores FromDict
    LookUpSlotWord(f, FillSourceKind::Freeform, dict, imported, clues);
    EXPECT_EQ(f.ClueTxt.view(), "Imported clue");
}

TEST_F(LookUpFixture, LongImportedCluesAreCutTo200)
{
    imported.ThemeClues[0] = std::string(250, 'x');
    WordSlot s = Slot(8, 0, false);
    LookUpSlotWord(s, FillSourceKind::Freeform, dict, imported, clues);
    EXPECT_EQ(s.ClueTxt.size(), 200u);
}

TEST_F(LookUpFixture, AReferenceOutsideTheImportedListNamesTheBadIndex)
{
    WordSlot s = Slot(8, 5, false);
    try {
        LookUpSlotWord(s, FillSourceKind::Freeform, dict, imported, clues);
        FAIL();
    } catch (const Failure& e) {
        EXPECT_STREQ(e.what(), "DictOrThemeRef outside range =5 (High = 0)");
    }
    WordSlot d = Slot(8, 2, true);
    EXPECT_THROW(LookUpSlotWord(d, FillSourceKind::Dictionary, dict, imported, clues), Failure);
}

}  // namespace
}  // namespace qm
