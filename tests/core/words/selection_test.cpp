// Dictionary selection: the masks and the Default button, the selection test, marking the words,
// the counts per length with their bars and status texts, and the per-category counts.
#include "core/util/failure.h"
#include "core/words/selection.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

WordBitPatterns StandardPatterns()
{
    WordBitPatterns p{};
    for (int k = 0; k <= CategoryCount; ++k) p[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
    p[41] = (std::int64_t{1} << 2) | (std::int64_t{1} << 23);  // an animal that is also food
    return p;
}

TEST(Selection, MasksFollowTheOptionsAndMarkTheSelectionDirtyWhenTheyChange)
{
    DictionarySelection sel;
    bool dirty = false;
    EXPECT_FALSE(BuildSelectionMasks(sel, SelectionOptions{}, dirty));  // all checked, threshold 0: Default off
    EXPECT_TRUE(dirty);
    EXPECT_EQ(sel.WordTypeMask, 0x0F);
    EXPECT_EQ(sel.CategoryMask, (std::int64_t{1} << 41) - 1);

    dirty = false;
    EXPECT_FALSE(BuildSelectionMasks(sel, SelectionOptions{}, dirty));
    EXPECT_FALSE(dirty);

    SelectionOptions noProper;
    noProper.POSNounProper = false;
    EXPECT_TRUE(BuildSelectionMasks(sel, noProper, dirty));
    EXPECT_TRUE(dirty);
    EXPECT_EQ(sel.WordTypeMask, 0x0B);

    SelectionOptions rarer;
    rarer.RarityThreshold = 5;
    dirty = false;
    EXPECT_TRUE(BuildSelectionMasks(sel, rarer, dirty));
    EXPECT_TRUE(dirty);

    SelectionOptions fewer;
    fewer.AllOther = false;
    fewer.Categories.fill(false);
    fewer.Categories[1] = true;  // "Animals", bit 2
    BuildSelectionMasks(sel, fewer, dirty);
    EXPECT_EQ(sel.CategoryMask, 4);

    SelectionOptions bad;
    bad.RarityThreshold = 21;
    EXPECT_THROW(BuildSelectionMasks(sel, bad, dirty), Failure);
    EXPECT_EQ(sel.CategoryMask, 4);
}

TEST(Selection, AWordPassesWhenItsTypeCategoryAndRarityAllPass)
{
    const WordBitPatterns patterns = StandardPatterns();
    DictionarySelection all;
    bool dirty = false;
    BuildSelectionMasks(all, SelectionOptions{}, dirty);
    SelectionOptions animalsOnlyNouns;
    animalsOnlyNouns.AllOther = false;
    animalsOnlyNouns.Categories.fill(false);
    animalsOnlyNouns.Categories[1] = true;
    animalsOnlyNouns.POSOther = false;
    animalsOnlyNouns.RarityThreshold = 10;
    DictionarySelection narrow;
    BuildSelectionMasks(narrow, animalsOnlyNouns, dirty);

    const struct {
        const char* name;
        DictWord word;
        bool passesAll;
        bool passesNarrow;
    } cases[] = {
        {"common uncategorised noun", test::Word("CAT", 15, 2, 0, 0), true, false},
        {"rarity 0 is never selected", test::Word("CAT", 0, 2, 0, 2), false, false},
        {"animal noun", test::Word("YAK", 15, 2, 0, 2), true, true},
        {"animal noun at the threshold", test::Word("YAK", 10, 2, 0, 2), true, false},
        {"animal verb", test::Word("DOG", 15, 1, 0, 2), true, false},
        {"animal and food", test::Word("EEL", 15, 4, 0, 41), true, true},
        {"no word type", test::Word("EEL", 15, 0, 0, 2), false, false},
        {"pattern beyond the table", test::Word("EEL", 15, 2, 0, 301), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesSelection(c.word, patterns, all), c.passesAll) << c.name;
        EXPECT_EQ(PassesSelection(c.word, patterns, narrow), c.passesNarrow) << c.name;
    }
}

TEST(Selection, ApplyMarksEveryWordAndCountGivesTheTableAndTexts)
{
    std::vector<DictWord> words;
    for (int i = 0; i < 1234; ++i) {
        std::string t = "AAAA";
        t[1] = static_cast<char>('A' + i % 26);
        t[2] = static_cast<char>('A' + (i / 26) % 26);
        t[3] = static_cast<char>('A' + (i / 676) % 26);
        words.push_back(test::Word(t, static_cast<std::uint16_t>(i % 2 ? 5 : 15), 2));
    }
    words.push_back(test::Word("CAT"));
    words.push_back(test::Word("DOG", 1));
    Dictionary dict = test::MakeDictionary(words);
    const WordBitPatterns patterns = StandardPatterns();
    DictionarySelection sel;
    bool dirty = false;
    BuildSelectionMasks(sel, SelectionOptions{}, dirty);
    ApplySelection(dict, patterns, sel, dirty);
    EXPECT_FALSE(dirty);
    EXPECT_TRUE(dict.MainWordArray[3][1].Selected);
    EXPECT_FALSE(dict.MainWordArray[4].back().Selected);  // the trailing sentinel

    ImportedList imported;
    imported.ThemeWords = {"OWL", "EMU", "HERON"};
    imported.ThemeClues = {"", "", ""};
    imported.ThemeIndex.assign(6, {});
    imported.ThemeIndex[3] = {ThemeEntry{"OWL", 0, 3}, ThemeEntry{"EMU", 1, 3}};
    imported.ThemeIndex[5] = {ThemeEntry{"HERON", 2, 5}};
    imported.MaxLen = 5;

    // Bars: (130 - 30) x count / (largest dictionary count 1234 + largest imported count 2).
    SelectionCounts both = CountSelection(dict, patterns, sel, FillSourceKind::Hybrid, imported, 130);
    EXPECT_EQ(both.Total, 1234 + 2 + 3);
    ASSERT_EQ(both.Rows.size(), 18u);
    EXPECT_EQ(both.Rows[0].LengthText, "3 letters");
    EXPECT_EQ(both.Rows[0].CountText, "4");
    EXPECT_EQ(both.Rows[1].CountText, "1,234");
    EXPECT_EQ(both.Rows[1].BarText, "100");
    EXPECT_EQ(both.Rows[0].BarText, "0");   // 100 x 4 / 1236 = 0.32
    EXPECT_EQ(both.Rows[2].CountText, "1");
    EXPECT_EQ(both.Rows[17].CountText, "0");
    EXPECT_EQ(both.WordsText, " 1,239 words");
    EXPECT_EQ(both.DictionaryText, "Dictionary: 1,239");
    EXPECT_EQ(dict.WordCounts[3].ImportedCount, 2);
    EXPECT_EQ(dict.WordCounts[6].ImportedCount, 0);  // longer than the longest imported word

    // Dictionary only, rarer words suppressed: half of the four-letter words and DOG drop out.
    SelectionOptions rarer;
    rarer.RarityThreshold = 5;
    BuildSelectionMasks(sel, rarer, dirty);
    SelectionCounts dictOnly = CountSelection(dict, patterns, sel, FillSourceKind::Dictionary, imported, 130);
    EXPECT_EQ(dictOnly.Total, 617 + 1);
    EXPECT_EQ(dict.WordCounts[4].SelectedCount, 617);
    EXPECT_EQ(dict.WordCounts[3].ImportedCount, 0);
    EXPECT_EQ(dictOnly.Rows[1].BarText, "50");  // 100 x 617 / 1234 = 50.0
    EXPECT_TRUE(dict.MainWordArray[4][2].Selected);  // Selected itself waits for ApplySelection

    // The imported list alone: the dictionary's counts are kept but not totalled.
    SelectionCounts importedOnly = CountSelection(dict, patterns, sel, FillSourceKind::ImportedOnly, imported, 130);
    EXPECT_EQ(importedOnly.Total, 3);
    EXPECT_EQ(dict.WordCounts[4].SelectedCount, 617);

    // Nothing at all.
    SelectionCounts none = CountSelection(dict, patterns, sel, FillSourceKind::ImportedOnly, ImportedList{}, 130);
    EXPECT_EQ(none.Total, 0);
    EXPECT_EQ(none.WordsText, "  words");
    EXPECT_EQ(none.DictionaryText, "Dictionary: ");
    for (const auto& row : none.Rows) EXPECT_EQ(row.BarText, "0");
}

TEST(Selection, CategoryCountsStopAtBit36)
{
    const Dictionary dict = test::MakeDictionary({test::Word("CAT", 10, 2, 0, 0), test::Word("YAK", 10, 2, 0, 2),
                                                  test::Word("EEL", 0, 1, 0, 41), test::Word("ZEBRA", 10, 2, 0, 37)});
    std::vector<std::string> lines;
    for (const CategoryListRow& row : CategoryCountRows(dict, StandardPatterns())) lines.push_back(row.Text());
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[0], "Cat   Words");
    EXPECT_EQ(lines[1], "0   1");
    EXPECT_EQ(lines[3], "2   2");   // YAK and EEL, whatever their rarity or type
    EXPECT_EQ(lines[24], "23   1");
    EXPECT_EQ(lines[37], "36   0");  // bit 37 (ZEBRA) has no line
}

}  // namespace
}  // namespace qm
