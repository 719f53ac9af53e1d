// Word usage statistics: the four tables, entries not counted, an empty store and the Grid Nos. lines.
#include "core/stats/word_usage.h"
#include "core/words/import.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

StoredWord Stored(int row, int col, int length, int index, bool fromDict = false)
{
    StoredWord w;
    w.Row = static_cast<std::int8_t>(row);
    w.Col = static_cast<std::int8_t>(col);
    w.NumLett = static_cast<std::uint8_t>(length);
    w.DictOrThemeRef = static_cast<std::uint16_t>(index);
    w.FromDict = fromDict ? 1 : 0;
    return w;
}

class WordUsage : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* w : {"pear", "fig", "apple", "kiwi", "plum", "ox"}) ParseImportLine(list, w);
        BuildThemeIndex(list);
        // ThemeIndex[3] = FIG; [4] = PEAR, KIWI, PLUM; [5] = APPLE; [2] = OX.
        const std::vector<std::vector<StoredWord>> fills = {
            {Stored(1, 1, 5, 0), Stored(-3, -2, 3, 0)},                     // APPLE, FIG (down)
            {Stored(2, 2, 5, 0), Stored(4, 1, 4, 2), Stored(1, 1, 3, 0, true)},  // APPLE, PLUM, a dictionary word
            {Stored(5, 5, 5, 0), Stored(-1, -7, 4, 1), Stored(1, 1, 9, 0), Stored(1, 1, 4, 7)},  // APPLE, KIWI, two foreign
        };
        for (const auto& fill : fills) {
            for (const StoredWord& w : fill) store.Words.push_back(w);
            ++store.GridsMax;
            store.StoredWordCount = static_cast<std::int32_t>(store.Words.size()) - 1;
            store.Record(store.GridsMax).LastWrd = store.StoredWordCount;
        }
    }
    static std::vector<std::string> Column(const UsageTable& t, int col)
    {
        std::vector<std::string> cells;
        for (const auto& row : t.Rows) cells.push_back(row.Cell(col));
        return cells;
    }
    ImportedList list;
    FillStore store;
};

TEST_F(WordUsage, AlphabeticalList)
{
    const UsageTable t = BuildUsageTable(UsageTableKind::Alphabetical, list, store);
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"APPLE", "FIG", "KIWI", "OX", "PEAR", "PLUM"}));
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"   3", "   1", "   1", "   0", "   0", "   1"}));
    EXPECT_EQ(t.MaxUsage, 3);
    EXPECT_EQ(t.RowCount, 6);
}

TEST_F(WordUsage, RankedListPutsTheMostUsedFirstAndTiesAlphabetically)
{
    const UsageTable t = BuildUsageTable(UsageTableKind::Ranked, list, store);
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"APPLE", "FIG", "KIWI", "PLUM", "OX", "PEAR"}));
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"   3", "   1", "   1", "   1", "   0", "   0"}));
}

TEST_F(WordUsage, GroupedListHasAHeaderAboveEveryLength)
{
    const UsageTable t = BuildUsageTable(UsageTableKind::Grouped, list, store);
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"* Words of Length  2", "OX", "* Words of Length  3", "FIG",
                                                      "* Words of Length  4", "KIWI", "PEAR", "PLUM",
                                                      "* Words of Length  5", "APPLE"}));
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"", "   0", "", "   1", "", "   1", "   0", "   1", "", "   3"}));
    EXPECT_EQ(t.RowCount, 6 + 5);
}

TEST_F(WordUsage, SummaryByLength)
{
    const UsageTable t = BuildUsageTable(UsageTableKind::Summary, list, store);
    ASSERT_EQ(t.Rows.size(), 5u);
    using Cells = std::array<std::string, 4>;
    EXPECT_EQ(t.Rows[0].Cells(), (Cells{"2 letters", "0", "", "0.0%"}));
    EXPECT_EQ(t.Rows[1].Cells(), (Cells{"3 letters", "1", "", "16.7%"}));
    EXPECT_EQ(t.Rows[2].Cells(), (Cells{"4 letters", "2", "", "33.3%"}));
    EXPECT_EQ(t.Rows[3].Cells(), (Cells{"5 letters", "3", "", "50.0%"}));
    EXPECT_EQ(t.Rows[4].Cells(), (Cells{"Total", "6", "", "100%"}));
    EXPECT_EQ(t.MaxUsage, 3);
    EXPECT_EQ(t.RowCount, 5);
}

TEST_F(WordUsage, NothingStoredCountsNothing)
{
    const FillStore empty;
    const UsageTable list0 = BuildUsageTable(UsageTableKind::Alphabetical, list, empty);
    EXPECT_EQ(list0.MaxUsage, 0);
    for (const auto& row : list0.Rows) EXPECT_EQ(row.Cell(1), "   0");
    const UsageTable summary = BuildUsageTable(UsageTableKind::Summary, list, empty);
    EXPECT_EQ(summary.MaxUsage, 0);
    for (std::size_t i = 0; i + 1 < summary.Rows.size(); ++i) EXPECT_EQ(summary.Rows[i].Cell(3), "0.0%");
    EXPECT_EQ(summary.Rows.back().Cells(), (std::array<std::string, 4>{"Total", "0", "", "0%"}));
    EXPECT_TRUE(FillsOfWord("APPLE", list, empty).empty());
}

TEST_F(WordUsage, GridNumbersOfAWord)
{
    const auto texts = [&](const char* word) {
        std::vector<std::string> lines;
        for (const FillsOfWordRow& row : FillsOfWord(word, list, store)) lines.push_back(row.Text());
        return lines;
    };
    EXPECT_EQ(texts("APPLE"), (std::vector<std::string>{"   1  1  1 5", "   2  2  2 5", "   3  5  5 5"}));
    EXPECT_EQ(texts("KIWI"), std::vector<std::string>{"   3 -1 -7 4"});
    EXPECT_FALSE(FillsOfWord("KIWI", list, store).at(0).Across());
    EXPECT_EQ(texts("FIG"), std::vector<std::string>{"   1 -3 -2 3"});  // not the dictionary word
    EXPECT_TRUE(texts("PEAR").empty());
    EXPECT_TRUE(texts("MANGO").empty());
}

}  // namespace
}  // namespace qm
