// The engine for any grid: valid fills without a repeated word, placed letters and words, the word
// sources and the selection, "no fill exists" checked against a brute-force search, Stop, the time
// limit, reproducible runs, and the crossword a fill makes.
#include "core/anyfill/any_fill.h"
#include "core/util/failure.h"
#include "core/words/import.h"
#include "tests/core/anyfill/grid_text.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qm {
namespace {

AnyGrid Grid(const std::vector<std::string>& rows, bool allowUnchecked = false)
{
    return ReadGridText(GridText(rows), GridCheckOptions{allowUnchecked});
}

std::vector<DictWord> Words(const std::vector<std::string>& texts)
{
    std::vector<DictWord> words;
    for (std::size_t i = 0; i < texts.size(); ++i) words.push_back(test::Word(texts[i], 10, 2, 0, 0, static_cast<std::uint16_t>(i + 1)));
    return words;
}

void Import(QuillmereState& state, const std::vector<std::string>& lines, FillSourceKind source)
{
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    ImportWordListBytes(state.Imported, bytes, "list", source, 15);
}

AnyFillResult FillRun(QuillmereState& state, const AnyGrid& grid, FillSourceKind source, int fills = 1,
                  const AnyFillCallbacks& callbacks = {}, double seconds = 20)
{
    const FillWords words(state.Dict, state.Imported, source, LengthsOf(grid.Xw));
    AnyFillRequest request;
    request.Fills = fills;
    request.TimeLimitSeconds = seconds;
    return RunAnyFill(grid, words, request, state.Random, callbacks);
}

/// Checks a fill against its grid: every slot holds a word of its length, the words agree in the
/// squares they share and with the placed letters, no word is used twice, and every word is one of
/// allowed (when given) or was placed whole.
void ExpectValidFill(const AnyGrid& grid, const AnyFill& fill, const std::set<std::string>& allowed)
{
    const Crossword& xw = grid.Xw;
    ASSERT_EQ(static_cast<int>(fill.Words.size()), xw.WordSlotCount);
    std::map<std::pair<int, int>, char> letters;
    std::set<std::string> used;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        const std::string& w = fill.Words[static_cast<std::size_t>(i - 1)];
        ASSERT_EQ(static_cast<int>(w.size()), s.NumLett) << SlotName(s);
        EXPECT_TRUE(used.insert(w).second) << w << " is used twice";
        bool placed = true;
        for (int k = 0; k < s.NumLett; ++k) {
            const int col = s.Dir ? s.Col + k : s.Col;
            const int row = s.Dir ? s.Row : s.Row + k;
            const char c = w[static_cast<std::size_t>(k)];
            const char given = xw.Squares(col, row).Letter;
            if (given >= 'A' && given <= 'Z') {
                EXPECT_EQ(c, given) << SlotName(s) << " changed a placed letter";
            } else {
                placed = false;
            }
            const auto it = letters.emplace(std::pair{col, row}, c).first;
            EXPECT_EQ(it->second, c) << "the words disagree at row " << row << ", column " << col;
        }
        if (!allowed.empty() && !placed) {
            EXPECT_TRUE(allowed.count(w)) << w << " is not an allowed word";
        }
    }
}

std::set<std::string> TextsOf(const std::vector<DictWord>& words)
{
    std::set<std::string> texts;
    for (const auto& w : words) texts.insert(w.Text);
    return texts;
}

TEST(AnyFill, FillsGridsOfEveryKindWithValidWordsUsedOnce)
{
    const auto vocabulary = test::SmallAlphabetWords(3, 400, 7, 5);
    const struct {
        const char* name;
        std::vector<std::string> rows;
        bool unchecked;
    } grids[] = {
        {"open 4 x 4", {"....", "....", "....", "...."}, false},
        {"open 5 x 5", {".....", ".....", ".....", ".....", "....."}, false},
        {"American corner blocks", {"#.....", "......", "......", "......", "......", ".....#"}, false},
        {"British style", {".......", ".#.#.#.", ".......", ".#.#.#.", ".......", ".#.#.#.", "......."}, true},
    };
    for (const auto& g : grids)
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            auto state = test::FillState(vocabulary, seed);
            const AnyGrid grid = Grid(g.rows, g.unchecked);
            const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary, 3);
            EXPECT_EQ(result.End, AnyFillEnd::AllMade) << g.name << " " << result.Message;
            EXPECT_TRUE(result.Message.empty()) << g.name;
            ASSERT_EQ(result.Fills.size(), 3u) << g.name;
            for (const AnyFill& fill : result.Fills) ExpectValidFill(grid, fill, TextsOf(vocabulary));
            EXPECT_NE(result.Fills[0].Words, result.Fills[1].Words) << g.name;
            EXPECT_NE(result.Fills[1].Words, result.Fills[2].Words) << g.name;
            EXPECT_NE(result.Fills[0].Words, result.Fills[2].Words) << g.name;
        }
}

/// Every fill of an open n x n grid from the words, found by trying every choice of rows.
int CountFillsByBruteForce(const std::vector<std::string>& words, int n)
{
    const std::set<std::string> known(words.begin(), words.end());
    std::vector<std::string> rows(static_cast<std::size_t>(n));
    int count = 0;
    std::function<void(int)> place = [&](int r) {
        if (r == n) {
            std::set<std::string> used(rows.begin(), rows.end());
            for (int c = 0; c < n; ++c) {
                std::string col;
                for (int k = 0; k < n; ++k) col += rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)];
                if (!known.count(col) || !used.insert(col).second) return;
            }
            if (static_cast<int>(used.size()) == 2 * n) ++count;
            return;
        }
        for (const auto& w : words) {
            rows[static_cast<std::size_t>(r)] = w;
            place(r + 1);
        }
    };
    place(0);
    return count;
}

TEST(AnyFill, FindsAFillExactlyWhenOneExistsAndCountsThemAll)
{
    // Random small vocabularies over three letters: some make word squares, many do not. The engine's
    // verdict must agree with trying every choice, and asked for more fills than there are it must
    // make each one once and then prove that no further fill exists.
    Lcg pick(SimulatedSeedClock(99));
    pick.Reseed();
    std::vector<std::string> all;
    for (char a = 'A'; a <= 'C'; ++a)
        for (char b = 'A'; b <= 'C'; ++b)
            for (char c = 'A'; c <= 'C'; ++c) all.push_back(std::string{a, b, c});
    int withFill = 0;
    int without = 0;
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<std::string> texts;
        for (const auto& w : all)
            if (pick.Random(100) < 35) texts.push_back(w);
        if (texts.empty()) continue;
        const int expected = CountFillsByBruteForce(texts, 3);
        auto state = test::FillState(Words(texts), static_cast<std::uint32_t>(trial));
        const AnyGrid grid = Grid({"...", "...", "..."});
        const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary, 50);
        ASSERT_EQ(static_cast<int>(result.Fills.size()), std::min(expected, 50)) << "trial " << trial;
        std::set<std::vector<std::string>> distinct;
        for (const AnyFill& fill : result.Fills) {
            ExpectValidFill(grid, fill, std::set<std::string>(texts.begin(), texts.end()));
            distinct.insert(fill.Words);
        }
        EXPECT_EQ(distinct.size(), result.Fills.size());
        if (expected < 50) {
            EXPECT_EQ(result.End, AnyFillEnd::NoFill) << "trial " << trial;
            EXPECT_EQ(result.Slots.size(), 1u);
            EXPECT_EQ(result.Message.rfind(expected == 0 ? "No fill exists: " : "No further fill exists: ", 0), 0u) << result.Message;
        }
        (expected > 0 ? withFill : without) += 1;
    }
    EXPECT_GT(withFill, 5);
    EXPECT_GT(without, 5);
}

TEST(AnyFill, PlacedLettersAndWordsStay)
{
    auto vocabulary = test::SmallAlphabetWords(4, 300, 5, 8);
    std::erase_if(vocabulary, [](const DictWord& w) { return w.Text == "ABCDA"; });
    auto state = test::FillState(vocabulary, 4);
    // Letters anywhere, and 1 Across placed whole with a word the dictionary lacks.
    const AnyGrid grid = Grid({"ABCDA", "..D..", "A....", "....B", "....."});
    const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary, 2);
    ASSERT_EQ(result.Fills.size(), 2u) << result.Message;
    for (const AnyFill& fill : result.Fills) {
        ExpectValidFill(grid, fill, TextsOf(vocabulary));
        EXPECT_EQ(fill.Words[0], "ABCDA");
        EXPECT_FALSE(fill.Origins[0].has_value());
    }

    // A word placed whole that the dictionary holds keeps its origin and is not used again: with
    // ABC placed in 1 Across, the square ABC / BDE / CEF would need it in 1 Down as well.
    const std::vector<std::string> square{"ABC", "DEF", "GHI", "ADG", "BEH", "CFI"};
    auto small = test::FillState(Words(square), 1);
    const AnyGrid abc = Grid({"ABC", "...", "..."});
    const AnyFillResult once = FillRun(*small, abc, FillSourceKind::Dictionary);
    ASSERT_EQ(once.Fills.size(), 1u) << once.Message;
    ExpectValidFill(abc, once.Fills[0], std::set<std::string>(square.begin(), square.end()));
    ASSERT_TRUE(once.Fills[0].Origins[0].has_value());
    EXPECT_TRUE(once.Fills[0].Origins[0]->FromDict);
    auto symmetric = test::FillState(Words({"ABC", "BDE", "CEF"}), 1);
    EXPECT_EQ(FillRun(*symmetric, abc, FillSourceKind::Dictionary).End, AnyFillEnd::NoFill);

    // The same word placed whole twice is refused.
    EXPECT_THROW(FillRun(*small, Grid({"ABC", "B.D", "C.."}), FillSourceKind::Dictionary), Failure);
}

TEST(AnyFill, ProvesThatNoFillExistsAndNamesTheSlot)
{
    const auto vocabulary = test::SmallAlphabetWords(3, 400, 5, 2);
    const struct {
        const char* name;
        std::vector<std::string> rows;
        const char* message;
        int slot;  ///< 1-based, in position order
    } cases[] = {
        {"a pattern no word has", {".....", ".....", "..Q..", ".....", "....."},
         "No fill exists: no word fits 3 Down (?" "?Q?" "?).", 4},
        {"a length the words lack", {"......", "......", "......", "......", "......", "......"},
         "No fill exists: the words hold none of 6 letters, for 1 Across.", 1},
    };
    for (const auto& c : cases) {
        auto state = test::FillState(vocabulary, 1);
        const AnyGrid grid = Grid(c.rows);
        const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary);
        EXPECT_EQ(result.End, AnyFillEnd::NoFill) << c.name;
        EXPECT_TRUE(result.Fills.empty()) << c.name;
        EXPECT_EQ(result.Message.rfind(c.message, 0), 0u) << c.name << ": " << result.Message;
        ASSERT_EQ(result.Slots.size(), 1u) << c.name;
        EXPECT_EQ(result.Slots[0], c.slot) << c.name;
    }
}

TEST(AnyFill, StopAndTheTimeLimitEndTheRunAndNameTheSlotsThatHeldItUp)
{
    const auto vocabulary = test::SmallAlphabetWords(3, 400, 5, 3);
    const AnyGrid grid = Grid({".....", ".....", ".....", ".....", "....."});
    {
        auto state = test::FillState(vocabulary, 7);
        bool stop = false;
        int progress = 0;
        AnyFillCallbacks callbacks;
        callbacks.FillMade = [&](const AnyFill&) { stop = true; };
        callbacks.StopRequested = [&] { return stop; };
        callbacks.Progress = [&](const AnyFillProgress&) { ++progress; };
        const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary, 5, callbacks);
        EXPECT_EQ(result.End, AnyFillEnd::Stopped);
        EXPECT_EQ(result.Fills.size(), 1u);
        EXPECT_EQ(result.Message.rfind("Stopped after ", 0), 0u) << result.Message;
        EXPECT_NE(result.Message.find("1 of 5 fills were made"), std::string::npos) << result.Message;
        EXPECT_GE(progress, 1);
        EXPECT_EQ(result.Totals.FillsMade, 1);
    }
    {
        auto state = test::FillState(vocabulary, 7);
        const AnyFillResult result = FillRun(*state, grid, FillSourceKind::Dictionary, 5, {}, 1e-9);
        EXPECT_EQ(result.End, AnyFillEnd::TimeUp);
        EXPECT_TRUE(result.Fills.empty());
        EXPECT_EQ(result.Message.rfind("The time ran out after ", 0), 0u) << result.Message;
        EXPECT_NE(result.Message.find("no fill was made; held up most by "), std::string::npos) << result.Message;
        ASSERT_FALSE(result.Slots.empty());
        EXPECT_GE(result.Slots[0], 1);
        EXPECT_LE(result.Slots[0], grid.Xw.WordSlotCount);
    }
}

TEST(AnyFill, TheSeedMakesARunReproducible)
{
    const auto vocabulary = test::SmallAlphabetWords(4, 500, 6, 6);
    const AnyGrid grid = Grid({"#.....", "......", "......", "......", "......", ".....#"});
    auto run = [&](std::uint32_t seed) {
        auto state = test::FillState(vocabulary, seed);
        std::vector<std::vector<std::string>> fills;
        for (const AnyFill& f : FillRun(*state, grid, FillSourceKind::Dictionary, 3).Fills) fills.push_back(f.Words);
        return fills;
    };
    EXPECT_EQ(run(11), run(11));
    EXPECT_NE(run(11), run(12));
}

TEST(AnyFill, TakesItsWordsFromTheSourceAsTheSymmetricalSourcesDo)
{
    const AnyGrid grid = Grid({"....", "....", "....", "...."});
    const auto dictionary = test::SmallAlphabetWords(3, 200, 4, 1);  // letters A..C
    std::vector<std::string> list;
    for (const DictWord& w : test::SmallAlphabetWords(3, 200, 4, 2)) {
        std::string t = w.Text;
        for (char& c : t) c = static_cast<char>(c + 3);  // the same shapes over D..F
        list.push_back(t + "\tclue of " + t);
    }
    auto lettersOf = [](const AnyFill& f) {
        std::set<char> s;
        for (const auto& w : f.Words) s.insert(w.begin(), w.end());
        return s;
    };
    {
        // The imported list alone.
        auto state = test::FillState(dictionary, 1);
        Import(*state, list, FillSourceKind::ImportedOnly);
        const AnyFillResult r = FillRun(*state, grid, FillSourceKind::ImportedOnly);
        ASSERT_EQ(r.Fills.size(), 1u) << r.Message;
        EXPECT_EQ(lettersOf(r.Fills[0]), (std::set<char>{'D', 'E', 'F'}));
        for (const auto& o : r.Fills[0].Origins) EXPECT_FALSE(o->FromDict);
    }
    {
        // The dictionary alone, with a list imported.
        auto state = test::FillState(dictionary, 1);
        Import(*state, list, FillSourceKind::Hybrid);
        const AnyFillResult r = FillRun(*state, grid, FillSourceKind::Dictionary);
        ASSERT_EQ(r.Fills.size(), 1u) << r.Message;
        EXPECT_EQ(lettersOf(r.Fills[0]), (std::set<char>{'A', 'B', 'C'}));
        for (const auto& o : r.Fills[0].Origins) EXPECT_TRUE(o->FromDict);
    }
    {
        // Both: the imported words first, the dictionary for what they cannot fill. The list holds the
        // dictionary's words of four letters that do not begin with C, and C is placed in the corner.
        std::vector<std::string> notC;
        for (const DictWord& w : dictionary)
            if (w.Text.size() == 4 && w.Text[0] != 'C') notC.push_back(w.Text);
        auto state = test::FillState(dictionary, 1);
        Import(*state, notC, FillSourceKind::Hybrid);
        const AnyGrid placed = Grid({"C...", "....", "....", "...."});
        const AnyFillResult r = FillRun(*state, placed, FillSourceKind::Hybrid, 5);
        ASSERT_EQ(r.Fills.size(), 5u) << r.Message;
        int imported = 0;
        int fromDict = 0;
        for (const AnyFill& f : r.Fills) {
            ExpectValidFill(placed, f, {});
            EXPECT_TRUE(f.Origins[0]->FromDict);  // 1 Across and 1 Down begin with C
            EXPECT_TRUE(f.Origins[1]->FromDict);
            for (const auto& o : f.Origins) (o->FromDict ? fromDict : imported) += 1;
        }
        EXPECT_GT(imported, fromDict);
    }
}

TEST(AnyFill, PrefersCommonerWordsAndKeepsToTheRarityFloor)
{
    // One across word (its squares unchecked): ten candidates, rarity 1..10 (higher is commoner).
    std::vector<DictWord> words;
    const char* texts[] = {"ACE", "BED", "CAB", "DAB", "EBB", "FAD", "GAB", "HAD", "ICE", "JAB"};
    for (int i = 0; i < 10; ++i) words.push_back(test::Word(texts[i], static_cast<std::uint16_t>(i + 1)));
    const AnyGrid grid = Grid({"...", "###", "###"}, true);
    std::map<std::string, int> picks;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        auto state = test::FillState(words, seed);
        const AnyFillResult r = FillRun(*state, grid, FillSourceKind::Dictionary);
        ASSERT_EQ(r.Fills.size(), 1u);
        ++picks[r.Fills[0].Words[0]];
    }
    int common = 0;
    int rare = 0;
    for (int i = 0; i < 10; ++i) (i >= 5 ? common : rare) += picks[texts[i]];
    EXPECT_GT(common, 2 * rare) << common << " commoner against " << rare;
    EXPECT_GT(rare, 0);

    // Rarity floor 8: only words with a Rarity above 8 are selected.
    auto state = test::FillState(words, 1);
    SelectionOptions options;
    options.RarityThreshold = 8;
    BuildSelectionMasks(state->Selection, options, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    const AnyFillResult r = FillRun(*state, grid, FillSourceKind::Dictionary, 5);
    ASSERT_EQ(r.Fills.size(), 2u);
    std::set<std::string> got{r.Fills[0].Words[0], r.Fills[1].Words[0]};
    EXPECT_EQ(got, (std::set<std::string>{"ICE", "JAB"}));
    EXPECT_EQ(r.Message.rfind("No further fill exists", 0), 0u) << r.Message;
}

TEST(AnyFill, RefusesARequestOutsideItsLimits)
{
    auto state = test::FillState(test::SmallAlphabetWords(2, 10, 3, 1), 1);
    const AnyGrid grid = Grid({"...", "###", "###"}, true);
    const FillWords words(state->Dict, state->Imported, FillSourceKind::Dictionary, LengthsOf(grid.Xw));
    for (const auto& [fills, seconds] : {std::pair{0, 1.0}, std::pair{MaxAnyFills + 1, 1.0}, std::pair{1, 0.0}, std::pair{1, -2.0}}) {
        AnyFillRequest request;
        request.Fills = fills;
        request.TimeLimitSeconds = seconds;
        EXPECT_THROW(RunAnyFill(grid, words, request, state->Random), Failure) << fills << " " << seconds;
    }
}

TEST(AnyFill, CandidatesComeOnceInOrderOfPreference)
{
    std::vector<DictWord> dict{test::Word("CAT", 3), test::Word("DOG", 9), test::Word("EEL", 5), test::Word("RAT", 20, 2, 0, 0, 0)};
    auto state = test::FillState(dict, 1);
    Import(*state, {"OWL", "DOG", "OWL", "APE"}, FillSourceKind::Hybrid);
    NeededLengths three{};
    three[3] = true;
    const FillWords both(state->Dict, state->Imported, FillSourceKind::Hybrid, three);
    std::vector<std::string> order;
    for (int i = 0; i < both.Count(3); ++i) order.push_back(std::string(both.Text(3, i)));
    EXPECT_EQ(order, (std::vector<std::string>{"OWL", "DOG", "APE", "RAT", "EEL", "CAT"}));
    EXPECT_EQ(both.PreferredCount(3), 3);
    EXPECT_FALSE(both.Origin(3, 1).FromDict);
    EXPECT_TRUE(both.Origin(3, 3).FromDict);
    EXPECT_EQ(both.Find(3, "EEL"), 4);
    EXPECT_EQ(both.Find(3, "GNU"), -1);
    EXPECT_EQ(both.Count(4), 0);  // not asked for

    const FillWords dictOnly(state->Dict, state->Imported, FillSourceKind::Dictionary, three);
    EXPECT_EQ(dictOnly.Count(3), 4);
    EXPECT_EQ(dictOnly.PreferredCount(3), 0);

    // A word the dictionary holds twice is a candidate once, where its commoner entry puts it.
    auto twice = test::FillState({test::Word("CAT", 3), test::Word("CAT", 15), test::Word("EEL", 9), test::Word("EEL", 2)}, 1);
    const FillWords once(twice->Dict, twice->Imported, FillSourceKind::Dictionary, three);
    ASSERT_EQ(once.Count(3), 2);
    EXPECT_EQ(once.Text(3, 0), "CAT");
    EXPECT_EQ(twice->Dict.MainWordArray[3][static_cast<std::size_t>(once.Origin(3, 0).Ref)].Rarity, 15);
    EXPECT_EQ(twice->Dict.MainWordArray[3][static_cast<std::size_t>(once.Origin(3, 1).Ref)].Rarity, 9);
    const FillWords listOnly(state->Dict, state->Imported, FillSourceKind::ImportedOnly, three);
    EXPECT_EQ(listOnly.Count(3), 3);
    EXPECT_EQ(listOnly.PreferredCount(3), 0);
}

TEST(AnyFill, AFillBecomesACrosswordWithItsCluesAndNumbers)
{
    // The square BIO / LCA / TEN, read down BLT / ICE / OAN (or the other way round).
    auto state = test::FillState(Words({"BIO", "LCA", "TEN", "ICE", "OAN"}), 1);
    Import(*state, {"BLT\tSandwich"}, FillSourceKind::Hybrid);
    const AnyGrid grid = Grid({"...", "...", "..."});
    const AnyFillResult r = FillRun(*state, grid, FillSourceKind::Hybrid);
    ASSERT_EQ(r.Fills.size(), 1u) << r.Message;
    const Crossword xw = FilledCrossword(grid, r.Fills[0], state->Dict, state->Imported, state->Clues);
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        EXPECT_EQ(s.WordTxt.str(), r.Fills[0].Words[static_cast<std::size_t>(i - 1)]);
        if (s.WordTxt.str() == "BLT") {
            EXPECT_FALSE(s.FromDict);
            EXPECT_EQ(s.ClueTxt.str(), "Sandwich");
        } else {
            EXPECT_TRUE(s.FromDict);
            EXPECT_EQ(s.ClueTxt.str().rfind("Clue ", 0), 0u);
        }
        EXPECT_EQ(s.EnumTxt.str(), "3");
    }
    EXPECT_EQ(GridTextOf(xw.Squares), r.Fills[0].Words[0] + "\n" + r.Fills[0].Words[4] + "\n" + r.Fills[0].Words[5] + "\n");
    EXPECT_EQ(xw.Squares(1, 1).CellNumber, 1);
}

}  // namespace
}  // namespace qm
