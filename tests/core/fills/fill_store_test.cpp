// The fill stores: saving and restoring fills, in-place rewrites, record limits and a full store.
#include "core/fills/fill_store.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

Crossword TwoWords(int ref1, int ref2)
{
    Crossword xw;
    xw.GridSize = 5;
    InitGrid(xw);
    test::AddSlot(xw, 1, 1, true, "CAT");
    test::AddSlot(xw, 1, 3, false, "TOE");
    xw.Slot(1).DictOrThemeRef = ref1;
    xw.Slot(2).DictOrThemeRef = ref2;
    xw.Slot(2).FromDict = false;
    return xw;
}

TEST(FillStore, FillsAreStoredOneAfterAnotherAndRestoredWithTheirPositions)
{
    FillStore store;
    SaveFillWords(store, TwoWords(7, 9), FillSourceKind::Hybrid, true, 0);
    store.Record(1).LastWrd = store.StoredWordCount;
    SaveFillWords(store, TwoWords(1, 2), FillSourceKind::Hybrid, true, 0);
    store.Record(2).LastWrd = store.StoredWordCount;
    store.GridsMax = 2;
    EXPECT_EQ(store.StoredWordCount, 4);
    EXPECT_EQ(store.Words[4].Row, -1);  // a down word is stored negated
    EXPECT_EQ(store.Words[4].Col, -3);

    Crossword shown;
    int lookedUp = 0;
    RestoreFill(store, 1, shown, [&](WordSlot&) { ++lookedUp; });
    ASSERT_EQ(shown.WordSlotCount, 2);
    EXPECT_EQ(lookedUp, 2);
    EXPECT_EQ(shown.Slot(1).DictOrThemeRef, 7);
    EXPECT_TRUE(shown.Slot(1).Dir);
    EXPECT_TRUE(shown.Slot(1).FromDict);
    EXPECT_FALSE(shown.Slot(2).Dir);
    EXPECT_FALSE(shown.Slot(2).FromDict);
    EXPECT_EQ(shown.Slot(2).Row, 1);
    EXPECT_EQ(shown.Slot(2).Col, 3);
    EXPECT_EQ(shown.Slot(2).RCTxt.view(), "  1  3");
    EXPECT_EQ(shown.Slot(2).NumLett, 3);

    RestoreFill(store, 2, shown, nullptr);
    EXPECT_EQ(shown.Slot(1).DictOrThemeRef, 1);
}

TEST(FillStore, FromDictIsStoredOnlyWhenTheDictionaryTakesPart)
{
    FillStore store;
    SaveFillWords(store, TwoWords(1, 2), FillSourceKind::Freeform, true, 0);
    EXPECT_EQ(store.Words[1].FromDict, 0);
    SaveFillWords(store, TwoWords(1, 2), FillSourceKind::Dictionary, true, 0);
    EXPECT_EQ(store.Words[3].FromDict, 1);
}

TEST(FillStore, RewritingInPlaceLeavesTheOtherFillsAlone)
{
    FillStore store;
    SaveFillWords(store, TwoWords(7, 9), FillSourceKind::Dictionary, true, 0);
    store.Record(1).LastWrd = 2;
    SaveFillWords(store, TwoWords(1, 2), FillSourceKind::Dictionary, true, 0);
    store.Record(2).LastWrd = 4;
    SaveFillWords(store, TwoWords(5, 6), FillSourceKind::Dictionary, false, store.Record(1).LastWrd);
    EXPECT_EQ(store.StoredWordCount, 4);
    EXPECT_EQ(store.Words[1].DictOrThemeRef, 7);
    EXPECT_EQ(store.Words[3].DictOrThemeRef, 5);
    EXPECT_EQ(store.Words[4].DictOrThemeRef, 6);
}

TEST(FillStore, LimitsGiveClearMessagesAndKeepTheStore)
{
    FillStore store;
    EXPECT_THROW(
        {
            try {
                ClearFillRecord(store, MaxFillRecords + 1);
            } catch (const Failure& e) {
                EXPECT_STREQ(e.what(), "ThisRow=3021");
                throw;
            }
        },
        Failure);

    store.StoredWordCount = MaxStoredWords - 1;
    store.Words.resize(MaxStoredWords);
    EXPECT_THROW(SaveFillWords(store, TwoWords(1, 2), FillSourceKind::Dictionary, true, 0), Failure);
    EXPECT_EQ(store.StoredWordCount, MaxStoredWords - 1);

    FillStore small;
    EXPECT_THROW(SaveFillWords(small, TwoWords(1, 70000), FillSourceKind::Freeform, true, 0), Failure);
    EXPECT_EQ(small.StoredWordCount, 0);
}

TEST(FillStore, ClearFillRecordKeepsTheSixthAndSeventhFields)
{
    FillStore store;
    store.Record(3) = {1, 2, 3, 4, 5, 6, 7};
    ClearFillRecord(store, 3);
    EXPECT_EQ(store.Record(3).LttCount, 0);
    EXPECT_EQ(store.Record(3).ILockArea, 0);
    EXPECT_EQ(store.Record(3).Spare, 6);
    EXPECT_EQ(store.Record(3).Iterations, 7);
}

}  // namespace
}  // namespace qm

#include "core/fills/fill_list.h"
#include "core/util/text.h"

namespace qm {
namespace {

TEST(FillList, RowsStaySortedAndFillsAreFoundByNumber)
{
    FillList list;
    // Symmetrical rows "%4d%6d%4d%1s%5d%7d%8d%7d": 9999 - imported words, 0, fill number, "", letters, ...
    EXPECT_EQ(list.Add(FillRow::Symmetric(1, 180, 64, 120, 0)), 0);
    EXPECT_EQ(list.Add(FillRow::Symmetric(2, 180, 64, 90, 2)), 0);
    EXPECT_EQ(list.Add(FillRow::Symmetric(3, 180, 64, 80, 0)), 2);
    EXPECT_EQ(list.At(0).Text(), Format("%4d%6d%4d%1s%5d%7d%8d%7d", 9997, 0, 2, "", 180, 64, 90, 2));
    EXPECT_EQ(list.At(0).Fill, 2);
    EXPECT_EQ(list.At(1).Fill, 1);
    EXPECT_EQ(FindFillRow(list, 1), 1);
    EXPECT_EQ(FindFillRow(list, 3), 2);
    EXPECT_EQ(FindFillRow(list, 42), 2);  // not found: the last row
    EXPECT_EQ(FindFillRow(FillList{}, 1), -1);
    EXPECT_THROW(list.At(3), Failure);
}

}  // namespace
}  // namespace qm
