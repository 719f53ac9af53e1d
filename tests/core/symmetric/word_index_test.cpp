// The word index against the plain cyclic scans: the same word for every pattern, range, random start
// and flag state, for dictionary words and imported words.
#include "core/symmetric/word_index.h"
#include "core/util/lcg.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

/// A random pattern of length L: mostly "?", else letters A..E (E is in no word) and now and then a
/// character the index does not hold.
std::string RandomPattern(Lcg& rng, int length)
{
    std::string p(static_cast<std::size_t>(length), '?');
    for (char& c : p) {
        const int roll = rng.Random(100);
        if (roll < 30)
            c = static_cast<char>('A' + rng.Random(4));
        else if (roll < 33)
            c = 'E';
        else if (roll < 34)
            c = '-';
    }
    return p;
}

TEST(WordIndex, DictionaryPicksEqualTheScan)
{
    Lcg rng;
    rng.SetSeed(2024);
    Dictionary dict = test::MakeDictionary(test::SmallAlphabetWords(4, 300, 9, 11));
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        for (DictWord& w : dict.MainWordArray[static_cast<std::size_t>(L)]) {
            w.Selected = rng.Random(5) != 0;
            w.InUse = rng.Random(6) == 0;
        }
    WordIndex index;
    index.Build(dict, ImportedList{});
    int found = 0;
    for (int q = 0; q < 30000; ++q) {
        const int L = 3 + rng.Random(7);
        const int count = dict.Count(L);
        std::int32_t lo = 1;
        std::int32_t hi = count;
        if (rng.Random(2) == 0) {  // a letter range, as LetterStarts gives it, or any sub-range
            const LetterRange r = dict.LetterStarts[static_cast<std::size_t>(L)][static_cast<std::size_t>(rng.Random(4))];
            lo = r.First;
            hi = r.Last;
            if (lo == 0) continue;
        } else if (rng.Random(2) == 0) {
            lo = 1 + rng.Random(count);
            hi = lo + rng.Random(count - lo + 1);
        }
        const std::int32_t start = lo + rng.Random(hi - lo + 1);
        const std::string pattern = RandomPattern(rng, L);
        const std::int32_t expected = ScanDictWord(dict, L, pattern, lo, hi, start);
        ASSERT_EQ(index.FindDictWord(dict, L, pattern, lo, hi, start), expected)
            << "L=" << L << " pattern=" << pattern << " range " << lo << ".." << hi << " start " << start;
        found += expected != 0;
        // Words come into and go out of use as an attempt proceeds.
        const std::int32_t i = 1 + rng.Random(count);
        index.SetDictInUse(dict, L, i, !dict.MainWordArray[static_cast<std::size_t>(L)][static_cast<std::size_t>(i)].InUse);
    }
    EXPECT_GT(found, 5000);  // the patterns are not all hopeless

    index.ClearDictInUse(dict);
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        for (const DictWord& w : dict.MainWordArray[static_cast<std::size_t>(L)]) ASSERT_FALSE(w.InUse);
    for (int L = 3; L <= 9; ++L)
        EXPECT_EQ(index.FindDictWord(dict, L, std::string(static_cast<std::size_t>(L), '?'), 1, dict.Count(L), 1),
                  ScanDictWord(dict, L, std::string(static_cast<std::size_t>(L), '?'), 1, dict.Count(L), 1));
}

TEST(WordIndex, AKeptIndexReadsTheFlagsAgainAfterAttemptsWithoutIt)
{
    Dictionary dict = test::MakeDictionary({test::Word("CAT"), test::Word("COW"), test::Word("DOG")});
    for (DictWord& w : dict.MainWordArray[3]) w.Selected = true;
    WordIndex index;
    index.Prepare(dict, ImportedList{});
    index.SetDictInUse(dict, 3, 1, true);

    // An attempt by the plain scan clears every flag and sets its own.
    for (DictWord& w : dict.MainWordArray[3]) w.InUse = false;
    dict.MainWordArray[3][3].InUse = true;
    index.MarkUntracked();

    index.Prepare(dict, ImportedList{});
    EXPECT_EQ(index.FindDictWord(dict, 3, "???", 1, 3, 1), 1);  // CAT is free again
    EXPECT_EQ(index.FindDictWord(dict, 3, "D??", 3, 3, 3), 0);  // DOG is in use
    index.ClearDictInUse(dict);
    for (const DictWord& w : dict.MainWordArray[3]) EXPECT_FALSE(w.InUse);
}

TEST(WordIndex, ImportedPicksEqualTheScan)
{
    Lcg rng;
    rng.SetSeed(77);
    ImportedList imported;
    imported.ThemeIndex.assign(10, {});
    for (const DictWord& w : test::SmallAlphabetWords(4, 120, 9, 5)) {
        ThemeEntry e;
        e.Text = w.Text;
        e.ThemeRef = static_cast<std::int32_t>(imported.ThemeWords.size());
        e.WordBreaks = static_cast<std::int32_t>(w.Text.size());
        e.Used = rng.Random(4) == 0;
        imported.ThemeIndex[w.Text.size()].push_back(e);
        imported.ThemeWords.push_back(w.Text);
        imported.ThemeClues.emplace_back();
    }
    imported.MaxLen = 9;
    WordIndex index;
    index.Build(Dictionary{}, imported);
    for (int q = 0; q < 20000; ++q) {
        const int L = 3 + rng.Random(7);
        const auto n = static_cast<std::int32_t>(imported.ThemeIndex[static_cast<std::size_t>(L)].size());
        const std::int32_t start = rng.Random(n);
        const std::string pattern = RandomPattern(rng, L);
        ASSERT_EQ(index.FindImportedWord(imported, L, pattern, start), ScanImportedWord(imported, L, pattern, start))
            << "L=" << L << " pattern=" << pattern << " start " << start;
        const std::int32_t pos = rng.Random(n);
        index.SetImportedUsed(imported, L, pos, !imported.ThemeIndex[static_cast<std::size_t>(L)][static_cast<std::size_t>(pos)].Used);
    }
    imported.ThemeIndex[5][0].Available = false;
    index.ClearImportedUsed(imported);
    for (const auto& entries : imported.ThemeIndex)
        for (const ThemeEntry& e : entries) {
            EXPECT_FALSE(e.Used);
            EXPECT_TRUE(e.Available);
        }
}

TEST(WordIndex, ScansRefuseARangeOutsideTheStore)
{
    Dictionary dict = test::MakeDictionary({test::Word("CAT"), test::Word("COW"), test::Word("DOG")});
    for (DictWord& w : dict.MainWordArray[3]) w.Selected = true;
    const auto words = static_cast<std::int32_t>(dict.MainWordArray[3].size());  // with the sentinels
    struct Range {
        std::int32_t Lo, Hi, Start;
    };
    for (const Range r : {Range{1, words, 1}, Range{1, 3, words}, Range{-1, 3, 1}, Range{1, 3, -1}}) {
        try {
            ScanDictWord(dict, 3, "???", r.Lo, r.Hi, r.Start);
            ADD_FAILURE() << "range " << r.Lo << ".." << r.Hi << " start " << r.Start << " was read";
        } catch (const Failure& e) {
            EXPECT_STREQ(e.what(), RangeError);
        }
    }
    EXPECT_EQ(ScanDictWord(dict, 3, "D??", 1, 3, 3), 3);  // the last word of the range is read
    EXPECT_EQ(ScanDictWord(dict, 3, "???", 3, 1, 1), 0);  // an empty range reads nothing

    ImportedList imported;
    imported.ThemeIndex.assign(4, {});
    for (const char* text : {"CAT", "DOG"}) {
        ThemeEntry e;
        e.Text = text;
        imported.ThemeIndex[3].push_back(e);
    }
    EXPECT_EQ(ScanImportedWord(imported, 3, "D??", 1), 1);
    EXPECT_EQ(ScanImportedWord(imported, 3, "???", 0), 0);
    EXPECT_EQ(ScanImportedWord(imported, 2, "??", 5), -1);  // no entries of that length: nothing read
    EXPECT_THROW(ScanImportedWord(imported, 3, "???", 2), Failure);
    EXPECT_THROW(ScanImportedWord(imported, 3, "???", -1), Failure);
}

}  // namespace
}  // namespace qm
