// Freeform scoring: interlocks, crossings, enclosed area, score rounding, ranking key and the knock-out.
#include "core/freeform/scoring.h"
#include "tests/core/freeform/freeform_fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace qm {
namespace {

using test::Place;

Crossword Empty(int size)
{
    Crossword xw;
    xw.GridSize = size;
    InitGrid(xw);
    return xw;
}

// A ring of four words around a 3 x 3 hole whose top-left letter is at (col, row).
void Ring(Crossword& xw, int row, int col)
{
    Place(xw, row, col, true, "ABCDE");
    Place(xw, row + 4, col, true, "FGHIJ");
    Place(xw, row, col, false, "AKLMF");
    Place(xw, row, col + 4, false, "ENOPJ");
}

TEST(FreeformScoring, InterlocksAndAreaOfHandBuiltFills)
{
    const struct {
        const char* name;
        std::function<void(Crossword&)> build;
        std::int32_t interlocks;
        std::int32_t area;
        std::vector<std::int32_t> crossings;
    } cases[] = {
        {"one word", [](Crossword& xw) { Place(xw, 3, 3, true, "LONELY"); }, 0, 0, {0}},
        {"a word crossed three times counts 3",
         [](Crossword& xw) {
             Place(xw, 5, 3, true, "ABCDEFG");
             Place(xw, 3, 3, false, "XYAZ");
             Place(xw, 4, 6, false, "QDR");
             Place(xw, 5, 9, false, "GHI");
         },
         3, 0, {3, 1, 1, 1}},
        {"four words around a 2 x 2 block enclose nothing",
         [](Crossword& xw) {
             Place(xw, 3, 5, false, "MESA");
             Place(xw, 5, 6, false, "TEAL");
             Place(xw, 6, 5, true, "AEON");
             Place(xw, 5, 3, true, "LIST");
         },
         0, 0, {2, 2, 2, 2}},
        {"ring around a 3 x 3 hole", [](Crossword& xw) { Ring(xw, 5, 5); }, 0, 9, {2, 2, 2, 2}},
        {"ring with loose ends",
         [](Crossword& xw) {
             Place(xw, 5, 3, true, "XYABCDEZW");
             Place(xw, 9, 5, true, "FGHIJ");
             Place(xw, 3, 5, false, "QRAKLMFST");
             Place(xw, 5, 9, false, "ENOPJ");
         },
         0, 9, {2, 2, 2, 2}},
        {"ring in the corner of the grid", [](Crossword& xw) { Ring(xw, 1, 1); }, 0, 9, {2, 2, 2, 2}},
        {"hole open to the edge",
         [](Crossword& xw) {
             Place(xw, 1, 3, false, "ABCDE");
             Place(xw, 1, 7, false, "FGHIJ");
             Place(xw, 5, 3, true, "EKLMJ");
         },
         0, 0, {1, 1, 2}},
        {"two rings share a wall that joins their holes",
         [](Crossword& xw) {
             Place(xw, 5, 5, true, "ABCDEFGHI");
             Place(xw, 9, 5, true, "JKLMNOPQR");
             Place(xw, 5, 5, false, "ASTUJ");
             Place(xw, 5, 9, false, "EVWXN");
             Place(xw, 5, 13, false, "IYZZR");
         },
         6, 21, {3, 3, 2, 2, 2}},
    };
    for (const auto& c : cases) {
        Crossword xw = Empty(15);
        c.build(xw);
        EXPECT_EQ(CountInterlocks(xw), c.interlocks) << c.name;
        std::vector<std::int32_t> crossings;
        for (int k = 1; k <= xw.WordSlotCount; ++k) crossings.push_back(xw.Slot(k).Crossings);
        EXPECT_EQ(crossings, c.crossings) << c.name;
        EXPECT_EQ(InterlockArea(xw.Squares), c.area) << c.name;
    }
}

TEST(FreeformScoring, WrdCntCountsTheWordsThroughEachSquare)
{
    Crossword xw = Empty(15);
    Ring(xw, 5, 5);
    xw.Squares(7, 7).WrdCnt = 9;  // stale counts are replaced
    RecountWrdCnt(xw);
    EXPECT_EQ(CountInterlockSquares(xw.Squares), 4);
    EXPECT_EQ(xw.Squares(5, 5).WrdCnt, 2);
    EXPECT_EQ(xw.Squares(6, 5).WrdCnt, 1);
    EXPECT_EQ(xw.Squares(7, 7).WrdCnt, 0);
}

TEST(FreeformScoring, ScoreRoundsHalvesToEven)
{
    const struct {
        std::int32_t letters, words, interlocks, area, size, score;
    } cases[] = {
        {100, 25, 40, 4, 15, 326},  // 200 x 367 / 225 = 326.2
        {1, 1, 0, 0, 8, 12},        // 12.5
        {3, 3, 0, 0, 8, 38},        // 37.5
        {0, 0, 0, 0, 30, 0},
        {0, 0, 0, 1, 10, 1},        // half an area square counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeformScore(c.letters, c.words, c.interlocks, c.area, c.size), c.score)
            << c.letters << " " << c.words << " " << c.interlocks << " " << c.area;
}

TEST(FreeformScoring, RankKeyByMethod)
{
    const FillCounts counts{100, 25, 40, 4};
    EXPECT_EQ(RankKey(RankingMethod::Score, counts, 326), 326);
    EXPECT_EQ(RankKey(RankingMethod::Letters, counts, 326), 100);
    EXPECT_EQ(RankKey(RankingMethod::Words, counts, 326), 25);
    EXPECT_EQ(RankKey(RankingMethod::Interlocks, counts, 326), 40);
}

TEST(FreeformScoring, KnockOutLeavesOnlyWordsCrossedTwice)
{
    ImportedList list = test::ListOf({"ABCDE", "FGHIJ", "AKLMF", "ENOPJ", "PQRSC", "XQY"});
    Crossword xw = Empty(15);
    Ring(xw, 5, 5);
    Place(xw, 1, 7, false, "PQRSC");  // crosses the ring and XQY: goes once XQY has gone
    Place(xw, 2, 6, true, "XQY");     // crosses PQRSC only
    CountInterlocks(xw);
    EXPECT_EQ(CrossingsListing(xw), (std::vector<std::string>{"3  ABCDE", "2  FGHIJ", "2  AKLMF", "2  ENOPJ", "2  PQRSC", "1  XQY"}));
    KnockOutSingleInterlockWords(xw, list, false);

    ASSERT_EQ(xw.WordSlotCount, 4);
    for (int k = 1; k <= 4; ++k) EXPECT_GE(xw.Slot(k).Crossings, 2) << k;
    EXPECT_EQ(xw.Slot(1).WordTxt.str(), "ABCDE");  // the kept words keep their order
    EXPECT_EQ(xw.Squares(7, 2).Letter, ' ');
    EXPECT_EQ(xw.Squares(7, 5).Letter, 'C');
    for (const auto& entries : list.ThemeIndex)
        for (const ThemeEntry& e : entries) {
            const bool kept = e.Text != "PQRSC" && e.Text != "XQY";
            EXPECT_EQ(e.Used, kept) << e.Text;
            EXPECT_EQ(e.Available, !kept) << e.Text;
        }

    Crossword lone = Empty(15);
    Place(lone, 3, 3, true, "LONELY");
    KnockOutSingleInterlockWords(lone, list, false);
    EXPECT_EQ(lone.WordSlotCount, 0);
    EXPECT_EQ(CountLetterSquares(lone.Squares), 0);
}

}  // namespace
}  // namespace qm
