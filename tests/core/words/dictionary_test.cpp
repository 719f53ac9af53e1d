// Reading WORD.LST: the arrays, sentinels and letter index, every failure with its message, and the writer.
#include "core/util/failure.h"
#include "core/words/dictionary.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::DictionaryBytes;
using test::Word;

/// The message of the Failure that loading bytes throws ("" when it loads).
std::string LoadError(const std::string& bytes)
{
    Dictionary d;
    try {
        LoadDictionary(d, bytes);
    } catch (const Failure& e) {
        return e.what();
    }
    return "";
}

/// n words of length 5 starting with A, as WORD.LST bytes (the writer refuses more than 9150, so a
/// too-long block is patched in by hand).
std::string FiveLetterBlock(int n)
{
    std::vector<DictWord> words;
    for (int i = 0; i < std::min(n, MaxWordsPerLength); ++i) {
        std::string t = "AAAAA";
        for (int k = 4, v = i; k >= 1; --k, v /= 26) t[static_cast<std::size_t>(k)] = static_cast<char>('A' + v % 26);
        words.push_back(Word(t));
    }
    std::string bytes = DictionaryBytes(words);
    if (n > MaxWordsPerLength) {
        // Length blocks 3 and 4 hold counts of 0 (8 bytes); the count of length 5 follows.
        const auto count = static_cast<std::uint32_t>(n);
        for (int b = 0; b < 4; ++b) bytes[static_cast<std::size_t>(8 + b)] = static_cast<char>((count >> (8 * b)) & 0xFF);
        std::string extra = std::string(1, '\5') + "ZZZZZ" + std::string(11, '\0');
        bytes.insert(8 + 4 + static_cast<std::size_t>(MaxWordsPerLength) * 17, extra);
    }
    return bytes;
}

TEST(Dictionary, LengthWithoutWordsHasOnlyItsSentinels)
{
    const Dictionary d = test::MakeDictionary({Word("CAT"), Word("DOG")});
    EXPECT_EQ(d.Count(4), 0);
    ASSERT_EQ(d.MainWordArray[4].size(), 2u);
    EXPECT_EQ(d.MainWordArray[4][0].Text, "");
    EXPECT_EQ(d.MainWordArray[4][1].Text, "    ");
    for (const auto& r : d.LetterStarts[4]) EXPECT_EQ(r.First + r.Last, 0);
    ASSERT_EQ(d.MainWordArray[3].size(), 4u);
    EXPECT_EQ(d.MainWordArray[3][3].Text, "   ");
    EXPECT_EQ(d.MainWordArray[3][3].Rarity, 0);
}

TEST(Dictionary, LetterStartsGiveEachInitialsRange)
{
    const Dictionary d = test::MakeDictionary({Word("COW"), Word("CAT"), Word("CUP"), Word("ANT"), Word("ZOO")});
    EXPECT_EQ(d.Count(3), 5);
    const auto& s = d.LetterStarts[3];
    EXPECT_EQ(s['A' - 'A'].First, 1);
    EXPECT_EQ(s['A' - 'A'].Last, 1);
    EXPECT_EQ(s['C' - 'A'].First, 2);
    EXPECT_EQ(s['C' - 'A'].Last, 4);
    EXPECT_EQ(s['Z' - 'A'].First, 5);
    EXPECT_EQ(s['Z' - 'A'].Last, 5);
    EXPECT_EQ(s['B' - 'A'].First, 0);
    EXPECT_EQ(s['B' - 'A'].Last, 0);
}

TEST(Dictionary, AllWordsOfOneLetter)
{
    const Dictionary d = test::MakeDictionary({Word("MAST"), Word("MINT"), Word("MOST")});
    for (int c = 0; c < 26; ++c) {
        const auto& r = d.LetterStarts[4][static_cast<std::size_t>(c)];
        if (c == 'M' - 'A') {
            EXPECT_EQ(r.First, 1);
            EXPECT_EQ(r.Last, 3);
        } else {
            EXPECT_EQ(r.First + r.Last, 0);
        }
    }
}

TEST(Dictionary, FailuresAndTheirMessages)
{
    const std::string good = DictionaryBytes({Word("CAT"), Word("HORSE")});
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"9150 words of one length load", FiveLetterBlock(9150), ""},
        {"9151 words fail", FiveLetterBlock(9151), "word number (9151) exceeds array dimensions for wlen=5"},
        {"non-letter initial", DictionaryBytes({Word("1BC")}), "Assertion failure"},
        {"file ends inside a record", good.substr(0, good.size() - 3), "Read beyond end of file"},
        {"file ends inside a count", good.substr(0, 6), "Read beyond end of file"},
        {"empty file", "", "Read beyond end of file"},
    };
    for (const auto& c : cases) EXPECT_EQ(LoadError(c.bytes), c.message) << c.name;
}

TEST(Dictionary, DamagedWordsAreRefusedWithAClearMessage)
{
    std::string bytes = DictionaryBytes({Word("CAT")});
    bytes[4 + 3] = '?';  // the last letter of CAT
    EXPECT_NE(LoadError(bytes).find("WORD.LST is damaged"), std::string::npos);
}

TEST(Dictionary, AFailedLoadKeepsTheDictionaryItHad)
{
    Dictionary d = test::MakeDictionary({Word("CAT")});
    EXPECT_THROW(LoadDictionary(d, "\x01"), Failure);
    EXPECT_EQ(d.Count(3), 1);
    EXPECT_EQ(d.MainWordArray[3][1].Text, "CAT");
}

TEST(Dictionary, MissingFileIsNotFound)
{
    test::TempDir empty;
    Dictionary d;
    try {
        LoadDictionaryFromDirs(d, {empty.Path().string()});
        FAIL() << "no exception";
    } catch (const Failure& e) {
        EXPECT_EQ(std::string(e.what()).rfind("File not found", 0), 0u) << e.what();
    }
}

TEST(Dictionary, IsLookedUpInTheFoldersInTurn)
{
    test::TempDir first, second;
    test::WriteFile(second.File("WORD.LST"), DictionaryBytes({Word("EMU")}));
    Dictionary d;
    EXPECT_EQ(LoadDictionaryFromDirs(d, {first.Path().string(), second.Path().string()}), second.File("WORD.LST"));
    EXPECT_EQ(d.MainWordArray[3][1].Text, "EMU");
}

TEST(Dictionary, WriterAndReaderRoundTrip)
{
    const std::vector<DictWord> words = {Word("ICECREAM", 17, 2, 3 | (5 << 6), 23, 412), Word("APPLE", 20, 2, 5, 0, 1),
                                         Word("ZEBRACROSSING", 3, 6, 5 | (8 << 6), 40, 65535), Word("RUN", 1, 1, 3, 300, 7)};
    const Dictionary d = test::MakeDictionary(words);
    for (const DictWord& w : words) {
        const int L = static_cast<int>(w.Text.size());
        ASSERT_EQ(d.Count(L), 1) << w.Text;
        const DictWord& got = d.MainWordArray[static_cast<std::size_t>(L)][1];
        EXPECT_EQ(got.Text, w.Text);
        EXPECT_EQ(got.Rarity, w.Rarity);
        EXPECT_EQ(got.WordType, w.WordType);
        EXPECT_EQ(got.WordBreaks, w.WordBreaks);
        EXPECT_EQ(got.CategPattern, w.CategPattern);
        EXPECT_EQ(got.ClueIndex, w.ClueIndex);
        EXPECT_FALSE(got.Selected);
        EXPECT_FALSE(got.InUse);
    }
    // Rewriting what was read gives the same bytes.
    std::array<std::vector<DictWord>, MaxWordLength + 1> again;
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        again[L].assign(d.MainWordArray[L].begin() + 1, d.MainWordArray[L].end() - 1);
    EXPECT_EQ(WriteDictionary(again), DictionaryBytes(words));
}

TEST(Dictionary, WriterRefusesWhatTheReaderCannotHold)
{
    std::array<std::vector<DictWord>, MaxWordLength + 1> words;
    words[4].push_back(Word("CAT"));
    EXPECT_THROW(WriteDictionary(words), Failure);
    words[4].clear();
    words[3].assign(static_cast<std::size_t>(MaxWordsPerLength) + 1, Word("CAT"));
    EXPECT_THROW(WriteDictionary(words), Failure);
}

}  // namespace
}  // namespace qm
