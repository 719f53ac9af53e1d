// The generated built-in data: WORD.LST beside the programs, the clue list and category masks compiled in.
#include "core/clues/clue_store.h"
#include "core/util/file_io.h"
#include "core/words/categories.h"
#include "core/words/dictionary.h"
#include "core/words/import.h"
#include "core/words/imported_list.h"
#include "core/words/word_breaks.h"
#include "resources/builtin_resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace qm {
namespace {

constexpr int MinCategoryWords = 30;
constexpr int MinThemeEntries = 150;

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

/// The words of a curated list (first field of each line, '#' comments skipped), letters only, upper case.
std::vector<std::string> CuratedWords(const std::string& name)
{
    std::string text;
    EXPECT_TRUE(ReadWholeFile(std::string(QUILLMERE_SOURCE_DIR) + "/tools/dictgen/curated/" + name, text)) << name;
    std::vector<std::string> words;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::string w;
        for (char c : line.substr(0, line.find('\t')))
            if (std::isalpha(static_cast<unsigned char>(c))) w += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        words.push_back(w + (line.find('*') != std::string::npos ? "*" : ""));
    }
    return words;
}

TEST(BuiltInData, NoBlockedWordIsUsed)
{
    std::set<std::string> allowed;
    for (const auto& w : CuratedWords("whitelist.tsv")) allowed.insert(w);
    const auto blocked = CuratedWords("blocklist.txt");
    ASSERT_GT(blocked.size(), 50u);
    const auto isBlocked = [&](const std::string& part) {
        if (allowed.count(part)) return false;
        for (const auto& b : blocked) {
            const bool stem = b.back() == '*';
            if (stem ? part.rfind(b.substr(0, b.size() - 1), 0) == 0 : part == b) return true;
        }
        return false;
    };
    ForEachWord([&](const DictWord& w) {
        std::string part;
        for (char c : DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt + " ") {
            if (c != ' ' && c != '-') {
                part += c;
                continue;
            }
            EXPECT_FALSE(isBlocked(part)) << w.Text << " has the blocked part " << part;
            part.clear();
        }
        EXPECT_FALSE(isBlocked(w.Text)) << w.Text;
    });
}

/// Debian's standard British word list (package wbritish): letters only, upper case, accents dropped,
/// possessives left out.
std::set<std::string> StandardBritishWords()
{
    std::string text;
    EXPECT_TRUE(ReadWholeFile("/usr/share/dict/british-english", text)) << "the Debian package wbritish is needed";
    // UTF-8 letters of Latin-1 (second byte 0x80..0xBF after 0xC3) and their plain letters.
    static const char plain[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::set<std::string> words;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "'s") == 0) continue;
        std::string key;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            if (c == 0xC3 && i + 1 < line.size()) {
                const auto next = static_cast<unsigned char>(line[++i]);
                if (next >= 0x80 && next <= 0xBF) key += static_cast<char>(std::toupper(static_cast<unsigned char>(plain[next - 0x80])));
            } else if (std::isalpha(c)) {
                key += static_cast<char>(std::toupper(c));
            }
        }
        words.insert(key);
    }
    return words;
}

TEST(BuiltInData, OnlyWordsASolverKnows)
{
    const auto british = StandardBritishWords();
    ASSERT_GT(british.size(), 50000u);
    std::set<std::string> curated;
    for (const char* list : {"additions.tsv", "assign.tsv", "clues.tsv", "initials.tsv"})
        for (const auto& w : CuratedWords(list)) curated.insert(w);
    std::set<std::string> initials;
    for (const auto& w : CuratedWords("initials.tsv")) initials.insert(w);
    ASSERT_FALSE(initials.empty());
    std::vector<std::string> unknown;
    ForEachWord([&](const DictWord& w) {
        // a single word is a standard British spelling or one of the team's own entries
        if (w.WordBreaks <= 31 && !british.count(w.Text) && !curated.count(w.Text)) unknown.push_back(w.Text);
        // initials come only from the curated list of household ones
        if (w.WordType & 8) {
            EXPECT_TRUE(initials.count(w.Text)) << w.Text << " is marked as initials";
        }
    });
    EXPECT_TRUE(unknown.empty()) << unknown.size() << " single words outside wbritish, the first: " << unknown.front();
    // What a new user met in the fills before: initials, obscure words, phrases no one says.
    for (const char* gone : {"MRD", "TPN", "EBN", "AUC", "LTM", "ESE", "ODO", "OTO", "ICACO", "UMA", "ANSAID", "KREBSCYCLE",
                             "CANELLABARK", "SILVERTOPPALMETTO"})
        EXPECT_EQ(Find(gone), nullptr) << gone;
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
    // Crossword-like: a short definition, not a gloss with an encyclopedic tail.
    std::vector<int> lengths;
    ForEachWord([&](const DictWord& w) {
        std::istringstream words(Data().Clues.at(w.ClueIndex));
        std::string word;
        int n = 0;
        while (words >> word) ++n;
        lengths.push_back(n);
    });
    ASSERT_FALSE(lengths.empty());
    std::sort(lengths.begin(), lengths.end());
    EXPECT_LE(lengths[lengths.size() / 2], 5);
    const auto over = [&](int n) { return std::count_if(lengths.begin(), lengths.end(), [n](int k) { return k > n; }); };
    EXPECT_LE(over(10) * 100, 8 * static_cast<std::ptrdiff_t>(lengths.size())) << over(10) << " clues of over 10 words";
    EXPECT_LE(over(15) * 100, 1 * static_cast<std::ptrdiff_t>(lengths.size())) << over(15) << " clues of over 15 words";
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
    for (const ThemeCategory& theme : ThemeCategoryTable) {
        ImportedList list;
        ImportTheme(list, theme.Bit, Data().Dict, Data().Patterns, Data().Clues);
        EXPECT_GE(list.ThemeWords.size(), static_cast<std::size_t>(MinThemeEntries)) << theme.Name;
        for (std::size_t i = 0; i < list.ThemeClues.size(); ++i)
            EXPECT_FALSE(list.ThemeClues[i].empty()) << theme.Name << ": " << list.ThemeWords[i];
        int common = 0;
        ForEachWord([&](const DictWord& w) { common += CategoryOf(w) == theme.Bit && w.Rarity > 10; });
        EXPECT_GE(common, 20) << theme.Name << " lacks common words";
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

    // Inflections come with a clue in the same form: a verb form's clue begins with a verb inflected
    // alike, a plural's clue names things in the plural.
    const struct {
        const char* Text;
        const char* Ending;
        bool FirstWord;  // the clue's first word ends so; else some word of it does
    } forms[] = {{"SINGS", "S", true},   {"SINGING", "ING", true}, {"SNOWED", "ED", true}, {"WALKED", "ED", true},
                 {"DOGS", "S", false},   {"TREES", "S", false},    {"HORSES", "S", false}};
    for (const auto& f : forms) {
        const DictWord* w = Find(f.Text);
        ASSERT_NE(w, nullptr) << f.Text;
        const std::string& clue = Data().Clues.at(w->ClueIndex);
        std::istringstream words(clue);
        std::string word;
        bool found = false;
        while (!found && words >> word) {
            std::string upper;
            for (char c : word)
                if (std::isalpha(static_cast<unsigned char>(c))) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const std::string ending = f.Ending;
            found = upper.size() > ending.size() && upper.compare(upper.size() - ending.size(), std::string::npos, ending) == 0;
            if (f.FirstWord) break;
        }
        EXPECT_TRUE(found) << f.Text << ": " << clue;
    }
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
