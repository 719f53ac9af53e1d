// The generated built-in data: WORD.LST beside the programs, the clue list and category masks compiled in.
#include "core/clues/clue_store.h"
#include "core/util/file_io.h"
#include "core/words/categories.h"
#include "core/words/dictionary.h"
#include "core/words/word_breaks.h"
#include "resources/builtin_resources.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace qm {
namespace {

constexpr int MinCategoryWords = 30;
constexpr int MinThemeEntries = 150;
constexpr std::array<int, 4> ThemeBits = {2, 3, 23, 24};  // Animals, Archaeology, Food, Gardening terms

struct BuiltIn {
    Dictionary Dict;
    ClueList Clues;
    WordBitPatterns Patterns{};
};

const BuiltIn& Data()
{
    static const BuiltIn data = [] {
        BuiltIn d;
        LoadDictionaryFile(d.Dict, std::string(QUILLMERE_BIN_DIR) + "/WORD.LST");
        d.Clues = LoadClueList(ReadBuiltInResource("CLUESRES").value_or(""));
        LoadWordBitPatterns(d.Patterns, ReadBuiltInResource("CATEGRES").value_or(""));
        return d;
    }();
    return data;
}

template <typename F>
void ForEachWord(F f)
{
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto& words = Data().Dict.MainWordArray[static_cast<std::size_t>(L)];
        for (std::size_t i = 1; i + 1 < words.size(); ++i) f(words[i]);
    }
}

const DictWord* Find(const std::string& text)
{
    for (const DictWord& w : Data().Dict.MainWordArray[text.size()])
        if (w.Text == text) return &w;
    return nullptr;
}

int CategoryOf(const DictWord& w)
{
    const std::int64_t pattern = Data().Patterns[w.CategPattern];
    for (int bit = 0; bit <= CategoryCount; ++bit)
        if (pattern == (std::int64_t{1} << bit)) return bit;
    return -1;
}

TEST(BuiltInData, ResourcesHaveTheirLayout)
{
    const auto clues = ReadBuiltInResource("CLUESRES");
    ASSERT_TRUE(clues.has_value());
    EXPECT_EQ(clues->substr(0, 2), "\r\n");
    EXPECT_EQ(clues->substr(clues->size() - 2), "\r\n");
    EXPECT_EQ(Data().Clues[0], "");
    EXPECT_LE(Data().Clues.size(), 65535u);

    const auto masks = ReadBuiltInResource("CATEGRES");
    ASSERT_TRUE(masks.has_value());
    EXPECT_EQ(masks->size(), 41u * 8u);
    for (int k = 0; k <= CategoryCount; ++k) EXPECT_EQ(Data().Patterns[static_cast<std::size_t>(k)], std::int64_t{1} << k);
    EXPECT_EQ(Data().Patterns[41], 0);
}

TEST(BuiltInData, EveryWordIsWithinItsFieldsAndHasAClue)
{
    int total = 0;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) EXPECT_LE(Data().Dict.Count(L), MaxWordsPerLength) << L;
    ForEachWord([&](const DictWord& w) {
        ++total;
        EXPECT_GE(w.ClueIndex, 1) << w.Text;
        EXPECT_LT(w.ClueIndex, Data().Clues.size()) << w.Text;
        EXPECT_TRUE(w.Rarity >= 1 && w.Rarity <= 20) << w.Text;
        EXPECT_TRUE(w.WordType >= 1 && w.WordType <= 15) << w.Text << " type " << int(w.WordType);
        EXPECT_LE(w.CategPattern, CategoryCount) << w.Text;
        const std::string shown = DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt;
        std::string letters;
        for (char c : shown)
            if (c != ' ' && c != '-') letters += c;
        EXPECT_EQ(letters, w.Text) << "word breaks " << w.WordBreaks;
    });
    EXPECT_GT(total, 60000);  // a real dictionary, not a toy list
}

// ---- give-aways: the answer, an inflection of it, or a part (3+ letters) of a phrase answer

std::map<std::string, std::set<std::string>> IrregularForms()
{
    std::map<std::string, std::set<std::string>> related;
    for (const char* pos : {"noun", "verb", "adj", "adv"}) {
        std::string text;
        if (!ReadWholeFile(std::string("/usr/share/wordnet/") + pos + ".exc", text)) continue;
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string form, base;
            fields >> form;
            auto upper = [](std::string s) {
                std::string out;
                for (char c : s)
                    if (std::isalpha(static_cast<unsigned char>(c))) out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                return out;
            };
            while (fields >> base) {
                related[upper(form)].insert(upper(base));
                related[upper(base)].insert(upper(form));
            }
        }
    }
    return related;
}

std::set<std::string> Forms(const std::string& w, const std::map<std::string, std::set<std::string>>& irregular)
{
    std::set<std::string> out = {w, w + "S", w + "ES", w + "ED", w + "ING", w + "ER", w + "ERS", w + "EST"};
    const auto ends = [&](const std::string& s) { return w.size() > s.size() && w.compare(w.size() - s.size(), s.size(), s) == 0; };
    if (ends("E")) out.insert({w + "D", w.substr(0, w.size() - 1) + "ING"});
    if (ends("Y"))
        for (const char* s : {"IES", "IED", "IER", "IEST"}) out.insert(w.substr(0, w.size() - 1) + s);
    for (const char* s : {"S", "ES", "ED", "ING"})
        if (ends(s) && w.size() - std::string(s).size() >= 3) out.insert(w.substr(0, w.size() - std::string(s).size()));
    if (const auto it = irregular.find(w); it != irregular.end()) out.insert(it->second.begin(), it->second.end());
    return out;
}

/// The first word (or run of words joined by blanks or hyphens) of the clue that gives the answer away.
std::string GiveAway(const DictWord& w, const std::string& clue, const std::map<std::string, std::set<std::string>>& irregular)
{
    std::set<std::string> banned = Forms(w.Text, irregular);
    if (w.WordBreaks > 31) {
        std::string part;
        for (char c : DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt + " ") {
            if (c == ' ' || c == '-') {
                if (part.size() >= 3)
                    for (const auto& f : Forms(part, irregular)) banned.insert(f);
                part.clear();
            } else {
                part += c;
            }
        }
    }
    struct Token {
        std::string Text;
        std::size_t Begin, End;
    };
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < clue.size();) {
        if (!std::isalpha(static_cast<unsigned char>(clue[i]))) {
            ++i;
            continue;
        }
        Token t{"", i, i};
        while (t.End < clue.size() && std::isalpha(static_cast<unsigned char>(clue[t.End])))
            t.Text += static_cast<char>(std::toupper(static_cast<unsigned char>(clue[t.End++])));
        i = t.End;
        tokens.push_back(t);
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (banned.count(tokens[i].Text)) return tokens[i].Text;
        std::string joined = tokens[i].Text;
        for (std::size_t j = i + 1; j < tokens.size() && j < i + 6; ++j) {
            const std::string gap = clue.substr(tokens[j - 1].End, tokens[j].Begin - tokens[j - 1].End);
            if (gap != " " && gap != "-") break;
            joined += tokens[j].Text;
            if (banned.count(joined)) return joined;
        }
    }
    return "";
}

TEST(BuiltInData, NoClueGivesItsAnswerAway)
{
    const auto irregular = IrregularForms();
    ASSERT_FALSE(irregular.empty()) << "WordNet's exception lists are needed for the inflections";
    // The checker itself: a hand-made case of each kind of give-away.
    const struct {
        const char* Text;
        std::uint32_t Breaks;
        const char* Clue;
        const char* Found;
    } probes[] = {
        {"DOG", 3, "Walk the dogs", "DOGS"},
        {"RUN", 3, "Sprinted, as runners do", ""},
        {"GOOSE", 5, "Flock of geese", "GEESE"},
        {"ICECREAM", 3 | 5 << 6, "Cream frozen", "CREAM"},
        {"ICECREAM", 3 | 5 << 6, "Ice-cream cone", "ICE"},
        {"SICKBAG", 7, "A sick-bag", "SICKBAG"},
        {"PEARLYRAZORFISH", 6 | 9 << 6, "Kind of razor fish", "RAZORFISH"},
        {"OAK", 3, "Tree of the genus Quercus", ""},
    };
    for (const auto& p : probes) {
        DictWord w;
        w.Text = p.Text;
        w.WordBreaks = p.Breaks;
        EXPECT_EQ(GiveAway(w, p.Clue, irregular), p.Found) << p.Text << ": " << p.Clue;
    }
    std::vector<std::string> failures;
    ForEachWord([&](const DictWord& w) {
        const std::string& clue = Data().Clues.at(w.ClueIndex);
        if (const std::string found = GiveAway(w, clue, irregular); !found.empty())
            failures.push_back(w.Text + ": \"" + clue + "\" gives away " + found);
    });
    EXPECT_TRUE(failures.empty()) << failures.size() << " give-aways, the first: " << failures.front();
}

TEST(BuiltInData, CluesAreShortCapitalisedSingleByteText)
{
    for (std::size_t i = 1; i < Data().Clues.size(); ++i) {
        const std::string& c = Data().Clues[i];
        ASSERT_FALSE(c.empty()) << "line " << i;
        EXPECT_LE(c.size(), 105u) << c;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(c[0])) || std::isdigit(static_cast<unsigned char>(c[0]))) << c;
        EXPECT_EQ(c.find_first_of("\r\n"), std::string::npos) << "line " << i;
    }
}

TEST(BuiltInData, CategoriesAndThemesAreWellStocked)
{
    std::map<int, int> perCategory;
    ForEachWord([&](const DictWord& w) {
        const int bit = CategoryOf(w);
        EXPECT_GE(bit, 0) << w.Text << " has a category pattern with other than one bit";
        ++perCategory[bit];
    });
    for (int bit = 1; bit <= CategoryCount; ++bit)
        EXPECT_GE(perCategory[bit], MinCategoryWords) << CategoryNames[static_cast<std::size_t>(bit - 1)];
    for (int bit : ThemeBits) {
        int common = 0;
        ForEachWord([&](const DictWord& w) { common += CategoryOf(w) == bit && w.Rarity > 10; });
        EXPECT_GE(perCategory[bit], MinThemeEntries) << CategoryNames[static_cast<std::size_t>(bit - 1)];
        EXPECT_GE(common, 20) << CategoryNames[static_cast<std::size_t>(bit - 1)] << " lacks common words";
    }
}

TEST(BuiltInData, SpotChecks)
{
    const struct {
        const char* Text;
        std::vector<int> Categories;  // any of these
        const char* Display;
        const char* Enumeration;
    } cases[] = {
        {"DOG", {2}, "DOG", "3"},
        {"ICECREAM", {23}, "ICE CREAM", "3,5"},
        {"PARIS", {12}, "PARIS", "5"},
        {"THAMES", {35, 19}, "THAMES", "6"},
        {"NERO", {36}, "NERO", "4"},
    };
    for (const auto& c : cases) {
        const DictWord* w = Find(c.Text);
        ASSERT_NE(w, nullptr) << c.Text;
        EXPECT_NE(std::find(c.Categories.begin(), c.Categories.end(), CategoryOf(*w)), c.Categories.end())
            << c.Text << " is in category " << CategoryOf(*w);
        const auto shown = DecodeWordBreaks(w->Text, w->WordBreaks);
        EXPECT_EQ(shown.DisplayTxt, c.Display);
        EXPECT_EQ(shown.EnumTxt, c.Enumeration);
        EXPECT_FALSE(Data().Clues.at(w->ClueIndex).empty()) << c.Text;
    }
    int properPhrases = 0;
    ForEachWord([&](const DictWord& w) { properPhrases += (w.WordType & 4) && w.WordBreaks > 31; });
    EXPECT_GT(properPhrases, 100);
}

TEST(BuiltInData, RarityBandsAreEvenlyFilled)
{
    std::map<int, int> bands;
    int total = 0;
    ForEachWord([&](const DictWord& w) {
        ++bands[w.Rarity];
        ++total;
    });
    for (int r = 1; r <= 20; ++r) {
        EXPECT_GT(bands[r], total / 40) << "rarity " << r;
        EXPECT_LT(bands[r], total / 10) << "rarity " << r;
    }
}

}  // namespace
}  // namespace qm
