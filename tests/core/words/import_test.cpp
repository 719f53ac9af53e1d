// Imported word lists: normalising and parsing lines, index, tight interlocks, status texts and imports.
#include "core/util/failure.h"
#include "core/words/import.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const ThemeEntry* EntryOf(const ImportedList& list, int themeRef)
{
    for (const auto& entries : list.ThemeIndex)
        for (const ThemeEntry& e : entries)
            if (e.ThemeRef == themeRef) return &e;
    return nullptr;
}

TEST(ImportLine, WordsCluesAndIndexEntries)
{
    const std::string long35(35, 'K');
    const std::string longClue(300, 'c');
    const struct {
        const char* name;
        std::string line;
        const char* word;         // nullptr: nothing is appended
        std::string clue;
        const char* text;         // the index entry's letters; nullptr: not indexed
        std::int32_t breaks;
    } cases[] = {
        {"apostrophe removed, hyphen kept", "Don't-stop", "DONT-STOP", "", "DONTSTOP", 4 + (4 << 6)},
        {"three blanks become two in one pass", "  ice   cream ", "ICE  CREAM", "", "ICECREAM", 3 + (5 << 6)},
        {"four blanks become two", "a    b", "A  B", "", "AB", 1 + (1 << 6)},
        {"hyphen then blank joined", "x-  ray", "X-RAY", "", "XRAY", 1 + (3 << 6)},
        {"other characters become blanks", "rock 'n' roll!", "ROCK N ROLL", "", "ROCKNROLL", 4 + (1 << 6) + (4 << 12)},
        {"Windows-1252 letters are not A..Z", "Caf\xE9 au lait", "CAF AU LAIT", "", "CAFAULAIT", 3 + (2 << 6) + (4 << 12)},
        {"single letter skipped", "a", nullptr, "", nullptr, 0},
        {"letter and digit skipped", "a1", nullptr, "", nullptr, 0},
        {"five parts kept", "one two three four five", "ONE TWO THREE FOUR FIVE", "", "ONETWOTHREEFOURFIVE",
         3 + (3 << 6) + (5 << 12) + (4 << 18) + (4 << 24)},
        {"six parts skipped", "one two three four five six", nullptr, "", nullptr, 0},
        {"35 letters cut to 30", long35, "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK", "", "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK", 30},
        {"clue up to the first colon", "word\tA clue: with more", "WORD", "A clue", "WORD", 4},
        {"colon before the TAB gives no clue", "key:word\tsome clue", "KEY WORD", "", "KEYWORD", 3 + (4 << 6)},
        {"TAB alone gives an empty clue", "word\t", "WORD", "", "WORD", 4},
        {"clue without colon cut to 255", "word\t" + longClue, "WORD", std::string(255, 'c'), "WORD", 4},
        {"clue of a rejected word dropped", "x\tlost clue", nullptr, "", nullptr, 0},
        {"empty line", "", nullptr, "", nullptr, 0},
    };
    for (const auto& c : cases) {
        ImportedList list;
        ParseImportLine(list, c.line);
        BuildThemeIndex(list);
        if (!c.word) {
            EXPECT_EQ(list.ThemeWordCount, 0) << c.name;
            continue;
        }
        ASSERT_EQ(list.ThemeWordCount, 1) << c.name;
        EXPECT_EQ(list.ThemeWords[0], c.word) << c.name;
        EXPECT_EQ(list.ThemeClues[0], c.clue) << c.name;
        const ThemeEntry* e = EntryOf(list, 0);
        ASSERT_NE(e, nullptr) << c.name;
        EXPECT_EQ(e->Text, c.text) << c.name;
        EXPECT_EQ(e->WordBreaks, c.breaks) << c.name;
        EXPECT_EQ(list.MaxLen, static_cast<int>(e->Text.size())) << c.name;
    }
}

TEST(ImportIndex, GroupsByLetterCountInListOrder)
{
    ImportedList list;
    for (const char* line : {"pear", "fig", "apple", "kiwi", "ice cream", "ox"}) ParseImportLine(list, line);
    BuildThemeIndex(list);
    EXPECT_EQ(list.MaxLen, 8);
    ASSERT_EQ(list.ThemeIndex.size(), 9u);
    EXPECT_TRUE(list.ThemeIndex[0].empty());
    EXPECT_TRUE(list.ThemeIndex[1].empty());
    ASSERT_EQ(list.ThemeIndex[4].size(), 2u);
    EXPECT_EQ(list.ThemeIndex[4][0].Text, "PEAR");
    EXPECT_EQ(list.ThemeIndex[4][1].Text, "KIWI");
    EXPECT_EQ(list.ThemeIndex[4][1].ThemeRef, 3);
    EXPECT_EQ(list.ThemeIndex[2][0].Text, "OX");
    EXPECT_EQ(list.ThemeIndex[8][0].Text, "ICECREAM");
    EXPECT_TRUE(list.ThemeIndex[7].empty());

    ImportedList empty;
    BuildThemeIndex(empty);
    EXPECT_EQ(empty.MaxLen, 2);
    EXPECT_EQ(empty.ThemeIndex.size(), 3u);
}

TEST(ImportIndex, TightInterlocksJoinWordEndsToWordStarts)
{
    ImportedList list;
    // Ends: SA, ST, ON, AL. Starts: ME, LI, AE, TE. Only S->A->E and S->T->E join with two letters.
    for (const char* w : {"mesa", "list", "aeon", "teal", "sat"}) ParseImportLine(list, w);
    BuildThemeIndex(list);
    const auto listing = BuildTightInterlocks(list, true);
    EXPECT_EQ(list.TightInterlocksList, std::vector<std::string>{"E:S:AT"});
    const std::vector<std::string> expected = {"ME", "LI", "AE", "TE", "---------------", "SA", "ST", "ON", "AL",
                                               "---------------", "E:S:AT"};
    EXPECT_EQ(listing, expected);
    EXPECT_TRUE(BuildTightInterlocks(list, false).empty());
}

TEST(ImportStatusTexts, CountsLengthsAndGenerationButtons)
{
    EXPECT_EQ(ParseLengthVariation("abc"), 200);
    EXPECT_EQ(ParseLengthVariation(" 340 "), 340);
    EXPECT_EQ(ParseLengthVariation("900"), 500);

    ImportedList list;
    for (const char* w : {"fig", "pear", "apple"}) ParseImportLine(list, w);
    BuildThemeIndex(list);
    ImportStatus s = MakeImportStatus(list);
    EXPECT_EQ(s.WordsText, " 3 words");
    EXPECT_EQ(s.LengthsText, " word lengths: 3 to 5");
    EXPECT_EQ(s.FreeFillsWordsText, " 3 words");
    EXPECT_TRUE(s.EnableGeneration);

    ImportedList same;
    for (const char* w : {"fig", "yak"}) ParseImportLine(same, w);
    BuildThemeIndex(same);
    EXPECT_FALSE(MakeImportStatus(same).EnableGeneration);  // one letter count: the buttons stay as they were

    ImportedList empty;
    BuildThemeIndex(empty);
    s = MakeImportStatus(empty);
    EXPECT_EQ(s.WordsText, "  words");  // " ###,###" shows no digit for zero
    EXPECT_FALSE(s.LengthsText.has_value());
    EXPECT_FALSE(s.EnableGeneration);

    ImportedList many;
    for (int i = 0; i < 1234; ++i) ParseImportLine(many, "word");
    BuildThemeIndex(many);
    EXPECT_EQ(MakeImportStatus(many).WordsText, " 1,234 words");
    EXPECT_EQ(MakeImportStatus(many).FreeFillsWordsText, " 1234 words");
}

std::string Lines(int count, const char* eol)
{
    std::string text;
    for (int i = 0; i < count; ++i) (text += "ab") += eol;
    return text;
}

TEST(ImportFile, LineEndsAndTheLineLimit)
{
    ImportedList list;
    ImportOutcome out = ImportWordListBytes(list, "one\r\ntwo\nthree\rfour", "test", FillSourceKind::Freeform, 15);
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"ONE", "TWO", "THREE", "FOUR"}));
    EXPECT_FALSE(out.Message.has_value());
    ASSERT_TRUE(out.Status.has_value());
    EXPECT_EQ(out.Status->LengthsText, " word lengths: 3 to 5");

    out = ImportWordListBytes(list, Lines(MaxImportedLines, "\r\n"), "test", FillSourceKind::Freeform, 15);
    EXPECT_EQ(list.ThemeWordCount, MaxImportedLines);
    EXPECT_FALSE(out.Message.has_value());  // exactly the limit: nothing was cut

    out = ImportWordListBytes(list, Lines(MaxImportedLines + 1, "\n"), "test", FillSourceKind::Freeform, 15);
    EXPECT_EQ(list.ThemeWordCount, MaxImportedLines);
    EXPECT_EQ(out.Message, "Theme word list truncated at 500000 words");
}

TEST(ImportFile, TypeOfCrosswordDecidesWhatFollows)
{
    ImportedList list;
    list.OptimalWordLength = 5;
    list.LengthVariation = 100;
    const std::string text = "mesa\nlist\naeon\nteal\n";
    ImportOutcome out = ImportWordListBytes(list, text, "test", FillSourceKind::Freeform, 15);
    EXPECT_EQ(list.TightInterlocksList, std::vector<std::string>{"E:S:AT"});
    EXPECT_FALSE(out.SettingsReset);
    EXPECT_EQ(list.OptimalWordLength, 5);

    out = ImportWordListBytes(list, text, "test", FillSourceKind::Dictionary, 21);
    EXPECT_TRUE(list.TightInterlocksList.empty());
    EXPECT_TRUE(out.SettingsReset);
    EXPECT_EQ(list.OptimalWordLength, 13);  // Round(0.6 x 21) = Round(12.6)
    EXPECT_EQ(list.LengthVariation, 400);
    EXPECT_TRUE(out.Status.has_value());

    out = ImportWordListBytes(list, "x\n", "test", FillSourceKind::Hybrid, 21);
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(out.Status.has_value());  // an empty list leaves the status bar as it was
    EXPECT_FALSE(out.SettingsReset);
}

TEST(ImportFile, TextThatIsNotTextLeavesTheListUntouched)
{
    ImportedList list;
    ImportWordListBytes(list, "apple\tFruit\npear\n", "test", FillSourceKind::Freeform, 15);
    const ImportedList before = list;
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"NUL bytes", std::string("word\0list", 9), "NUL bytes"},
        {"UTF-16", std::string("\xFF\xFEw\0o\0", 6), "UTF-16"},
        {"control characters", "word\x01list", "control character 1"},
        {"undefined Windows-1252 byte", "caf\x81", "byte 129"},
        {"broken UTF-8 after its byte-order mark", "\xEF\xBB\xBF" "caf\xC3", "not valid UTF-8"},
    };
    for (const auto& c : cases) {
        try {
            ImportWordListBytes(list, c.bytes, "The file \"x.txt\"", FillSourceKind::Freeform, 15);
            ADD_FAILURE() << c.name << " was imported";
        } catch (const Failure& f) {
            EXPECT_NE(std::string(f.what()).find(c.message), std::string::npos) << c.name << ": " << f.what();
            EXPECT_NE(std::string(f.what()).find("x.txt"), std::string::npos) << c.name;
        }
        EXPECT_EQ(list.ThemeWords, before.ThemeWords) << c.name;
        EXPECT_EQ(list.ThemeClues, before.ThemeClues) << c.name;
        EXPECT_EQ(list.IndexVersion, before.IndexVersion) << c.name;
    }

    test::TempDir dir;
    EXPECT_THROW(ImportWordListFile(list, dir.File("missing.txt"), FillSourceKind::Freeform, 15), Failure);
    EXPECT_EQ(list.ThemeWords, before.ThemeWords);
}

TEST(ImportFile, Utf8IsReadAsItsWindows1252Characters)
{
    ImportedList fromUtf8;
    ImportedList fromAnsi;
    // "Café" and an en dash, once as UTF-8 (with a byte-order mark), once in Windows-1252.
    ImportWordListBytes(fromUtf8, "\xEF\xBB\xBF" "Caf\xC3\xA9 noir\tHot \xE2\x80\x93 black\nna\xC3\xAFve\t\xE2\x82\xAC 5\n",
                        "test", FillSourceKind::Freeform, 15);
    ImportWordListBytes(fromAnsi, "Caf\xE9 noir\tHot \x96 black\nna\xEFve\t\x80 5\n", "test", FillSourceKind::Freeform, 15);
    EXPECT_EQ(fromUtf8.ThemeWords, fromAnsi.ThemeWords);
    EXPECT_EQ(fromUtf8.ThemeClues, fromAnsi.ThemeClues);
    EXPECT_EQ(fromUtf8.ThemeWords, (std::vector<std::string>{"CAF NOIR", "NA VE"}));
    EXPECT_EQ(fromUtf8.ThemeClues[0], "Hot \x96 black");

    EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD x \xF0\x9F\x98\x80"), "? x ?");  // nothing in Windows-1252 for these
}

TEST(ImportClipboard, SplitsAtCrLfOnly)
{
    ImportedList list;
    ImportOutcome out = ImportClipboardText(list, std::string("one\r\ntwo\nthree\r\n\r\nlast\tA clue"));
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"ONE", "TWO THREE", "LAST"}));
    EXPECT_EQ(list.ThemeClues.back(), "A clue");
    ASSERT_TRUE(out.Status.has_value());
    EXPECT_FALSE(out.Message.has_value());

    // The text after the last CR LF is parsed from its first 255 characters only.
    ImportClipboardText(list, "word\t" + std::string(300, 'c'));
    EXPECT_EQ(list.ThemeClues, std::vector<std::string>{std::string(250, 'c')});

    out = ImportClipboardText(list, std::nullopt);
    EXPECT_EQ(out.Message, "No data found on Windows clipboard.");
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(out.Status.has_value());
}

class ThemeImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int k = 0; k <= 40; ++k) patterns[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
        dict = test::MakeDictionary({
            test::Word("CAT", 10, 2, 0, 2, 1),
            test::Word("APPLE", 10, 2, 0, 23, 2),
            test::Word("ICECREAM", 10, 2, 3 | (5 << 6), 23, 3),
            test::Word("BANANA", 10, 2, 0, 23, 0),
            test::Word("DOG", 10, 2, 0, 2, 0),
        });
        clues = {"", "Feline", "Orchard fruit", "Frozen dessert"};
    }
    WordBitPatterns patterns{};
    Dictionary dict;
    ClueList clues;
};

TEST_F(ThemeImport, CategoryWordsSortedWithTheirClues)
{
    ASSERT_EQ(FindThemeCategory("food"), 23);
    ASSERT_EQ(FindThemeCategory("Animals"), 2);
    EXPECT_FALSE(FindThemeCategory("Plants").has_value());

    ImportedList list;
    const ImportOutcome out = ImportTheme(list, 23, dict, patterns, clues);
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"APPLE", "BANANA", "ICE CREAM"}));
    EXPECT_EQ(list.ThemeClues, (std::vector<std::string>{"Orchard fruit", "", "Frozen dessert"}));
    ASSERT_TRUE(out.Status.has_value());
    EXPECT_EQ(out.Status->LengthsText, " word lengths: 5 to 8");
    EXPECT_EQ(list.ThemeIndex[8][0].WordBreaks, 3 | (5 << 6));

    ImportedList again;
    ImportTheme(again, 23, dict, patterns, clues);
    EXPECT_EQ(again.ThemeWords, list.ThemeWords);
    EXPECT_EQ(again.ThemeClues, list.ThemeClues);
}

TEST_F(ThemeImport, BadDictionaryDataLeavesTheListUntouched)
{
    ImportedList list;
    ImportTheme(list, 2, dict, patterns, clues);
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"CAT", "DOG"}));
    const ClueList shortClues = {""};  // CAT's clue line 1 is missing
    EXPECT_THROW(ImportTheme(list, 2, dict, patterns, shortClues), Failure);
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(list.ThemeClues, (std::vector<std::string>{"Feline", ""}));
}

}  // namespace
}  // namespace qm
