// The freeform placement engine: rules, spans, writing, weights, seeds, pair search and growth.
#include "core/freeform/placement.h"
#include "core/freeform/scoring.h"
#include "core/grid/pattern.h"
#include "core/util/failure.h"
#include "tests/core/freeform/freeform_fixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace qm {
namespace {

using test::GridFromRows;
using test::ListOf;
using test::PlacementRuleBreaches;

const std::vector<std::string> RuleGrid = {
    "...#....",
    "...C....",
    "...A....",
    "...TO...",
    "...#....",
    "........",
    "....X...",
    "........",
};

TEST(FreeformRules, CanPlaceAcrossAndDown)
{
    const Grid g = GridFromRows(RuleGrid);
    const struct {
        const char* name;
        bool across;
        int line, from, to;  // across: row, col1, col2; down: col, row1, row2
        bool expected;
    } cases[] = {
        {"crosses C, nothing beside its open squares", true, 2, 2, 6, true},
        {"open square above the O", true, 3, 2, 6, false},
        {"runs through two adjacent letters", true, 4, 2, 7, false},
        {"ends next to the A", true, 3, 1, 3, false},
        {"beyond the last column", true, 2, 4, 9, false},
        {"through a blocked square", true, 1, 2, 5, false},
        {"crosses nothing", true, 8, 1, 4, false},
        {"down beside the C", false, 5, 2, 4, false},
        {"down from the O to the X", false, 5, 4, 7, true},
        {"down starting just under the O", false, 5, 5, 7, false},
        {"down crossing nothing", false, 2, 1, 3, false},
    };
    for (const auto& c : cases) {
        const bool result = c.across ? CanPlaceAcross(g, c.from, c.to, c.line) : CanPlaceDown(g, c.line, c.from, c.to);
        EXPECT_EQ(result, c.expected) << c.name;
    }
}

TEST(FreeformRules, SpanPatternAndKnownLetters)
{
    const Grid g = GridFromRows(RuleGrid);
    EXPECT_EQ(SpanPattern(g, 2, 2, 5, true), "??C??");
    EXPECT_EQ(SpanPattern(g, 4, 1, 5, false), "?CAT?");  // a blocked square shows as '?'
    EXPECT_EQ(SpanPattern(g, 6, 4, 5, true), "???");      // cut at the edge of the grid
    EXPECT_EQ(KnownLetters(SpanPattern(g, 3, 4, 3, true)), 2);
}

TEST(FreeformRules, WritingAWordBlocksItsEnds)
{
    Grid g(8);
    WriteFreeAcross(g, 1, 3, "ABC");  // starts in column 1: nothing blocked before it
    WriteFreeAcross(g, 4, 6, "DEX");
    WriteFreeDown(g, 6, 6, "XYZ");    // ends in the last row: nothing blocked after it
    EXPECT_EQ(test::GridRows(g), (std::vector<std::string>{
                                     "        ",
                                     "        ",
                                     "ABC#    ",
                                     "        ",
                                     "     #  ",
                                     "  #DEX# ",
                                     "     Y  ",
                                     "     Z  ",
                                 }));
    EXPECT_EQ(g(6, 6).WrdCnt, 2);
    EXPECT_EQ(g(4, 6).WrdCnt, 1);
    EXPECT_THROW(WriteFreeAcross(g, 7, 1, "ABC"), Failure);
    const LetterExtents ext = FindLetterExtents(g);
    EXPECT_EQ(ext.MaxLetterCol, 6);
    EXPECT_EQ(ext.MaxLetterRow, 8);
    EXPECT_EQ(FindLetterExtents(Grid(8)).MaxLetterCol, 0);
}

TEST(FreeformRules, CandidateWeightDrawsOneNumberInSinglePrecision)
{
    Lcg random;
    random.SetSeed(42);
    // Without variation the random factor is 1: K x K x t.
    EXPECT_EQ(CandidateWeight(2, 5, 3, 1.0f, 6, 0, random), 32.0f);         // t = 3 + 5
    EXPECT_EQ(CandidateWeight(3, 14, 1, 0.5f, 6, 0, random), -4.5f);        // t = 1 + 12 - 14
    Lcg mirror;
    mirror.SetSeed(42);
    mirror.RandomReal();
    mirror.RandomReal();
    const double r = mirror.RandomReal();
    const auto m = static_cast<float>((r * 200 + 1.0) - 100.0);
    const float expected = static_cast<float>(4.0 * 8 * static_cast<double>(m) * 0.75);
    EXPECT_EQ(CandidateWeight(2, 5, 3, 0.75f, 6, 200, random), expected);
    EXPECT_EQ(random.Seed(), mirror.Seed());  // exactly one draw per weight
}

TEST(FreeformRules, FindWordByPairPrefersLongerWords)
{
    const ImportedList list = ListOf({"stone", "stable", "stir", "mast", "stay"});
    Lcg random;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        random.SetSeed(seed);
        const WordRef w = FindWordByPair(list, random, "ST", true);
        ASSERT_TRUE(w.Found());
        EXPECT_EQ(w.L, 6);  // STABLE, the longest that begins with ST
        const WordRef e = FindWordByPair(list, random, "ST", false);
        ASSERT_TRUE(e.Found());
        EXPECT_EQ(list.ThemeIndex[4][static_cast<std::size_t>(e.Index)].Text, "MAST");
    }
    std::set<std::string> starts;
    const ImportedList same = ListOf({"stir", "stay", "step"});
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        random.SetSeed(seed);
        const WordRef w = FindWordByPair(same, random, "ST", true);
        starts.insert(same.ThemeIndex[4][static_cast<std::size_t>(w.Index)].Text);
    }
    EXPECT_EQ(starts.size(), 3u);  // the search starts at a random entry
    random.SetSeed(1);
    EXPECT_FALSE(FindWordByPair(list, random, "QQ", true).Found());
    EXPECT_FALSE(FindWordByPair(ListOf({"ox", "yak"}), random, "OX", true).Found());  // fewer than 4 letters
}

class FreeformEngine : public ::testing::Test {
protected:
    void Use(const std::vector<std::string>& lines, int size)
    {
        state.Imported = ListOf(lines);
        state.Xw.GridSize = size;
        InitGrid(state.Xw);
        state.Random.SetSeed(7);
    }
    FreeformContext Context()
    {
        FreeformEngineCallbacks callbacks;
        callbacks.Message = [this](const std::string& m) { messages.push_back(m); };
        return FreeformContext(state, callbacks);
    }
    QuillmereState state;
    std::vector<std::string> messages;
};

TEST_F(FreeformEngine, PlainSeedWord)
{
    Use({"ice-cream\tFrozen", "tea"}, 10);
    state.Freeform.SeedWord = "ICE-CREAM";
    FreeformContext ctx = Context();
    PlaceSeedWord(ctx);
    ASSERT_EQ(state.Xw.WordSlotCount, 1);
    const WordSlot& s = state.Xw.Slot(1);
    EXPECT_EQ(s.WordTxt.str(), "ICECREAM");
    EXPECT_EQ(s.NumLett, 8);
    EXPECT_EQ(s.ThemeRef, 0);
    EXPECT_EQ(s.DictOrThemeRef, 0);
    EXPECT_TRUE(s.Dir);
    EXPECT_FALSE(s.FromDict);
    EXPECT_EQ(test::GridRows(state.Xw.Squares)[0], "ICECREAM# ");
    EXPECT_TRUE(state.Imported.ThemeIndex[8][0].Used);
    EXPECT_FALSE(state.Imported.ThemeIndex[8][0].Available);
    EXPECT_TRUE(messages.empty());

    state.Freeform.SeedWord = "COFFEE";  // not in the list: written all the same, and reported
    PlaceSeedWord(ctx);
    EXPECT_EQ(messages, std::vector<std::string>{"COFFEE not found"});
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.str(), "COFFEE");
    EXPECT_TRUE(state.Imported.ThemeIndex[8][0].Available);

    state.Freeform.SeedWord = "ICE-CREAM";
    state.Xw.GridSize = 8;
    InitGrid(state.Xw);
    state.Freeform.SeedCol = 2;
    EXPECT_THROW(PlaceSeedWord(ctx), Failure);  // does not fit: nothing changes
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.str(), "COFFEE");
    EXPECT_EQ(CountLetterSquares(state.Xw.Squares), 0);
}

TEST_F(FreeformEngine, InterlockedSeedFigure)
{
    const struct {
        int size;
        std::vector<std::string> rows;  // the figure's first rows
    } cases[] = {
        {8, {"    #   ", "    M   ", "    E#  ", " #LIST# ", "   #AEON", "    #A  ", "     L  ", "     #  "}},
        {6, {"  M   ", "  E#  ", "LIST# ", " #AEON", "  #A  ", "   L  "}},  // width and height equal the grid
    };
    for (const auto& c : cases) {
        Use({"mesa", "list", "aeon", "teal"}, c.size);
        ASSERT_EQ(state.Imported.TightInterlocksList, std::vector<std::string>{"E:S:AT"});
        FreeformContext ctx = Context();
        ASSERT_TRUE(SeedInterlockedCrosswordInMemory(ctx)) << c.size;
        EXPECT_EQ(test::GridRows(state.Xw.Squares), c.rows) << c.size;
        ASSERT_EQ(state.Xw.WordSlotCount, 4);
        const char* order[] = {"MESA", "TEAL", "AEON", "LIST"};
        const bool across[] = {false, false, true, true};
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(state.Xw.Slot(k).WordTxt.str(), order[k - 1]) << k;
            EXPECT_EQ(state.Xw.Slot(k).Dir, across[k - 1]) << k;
        }
        for (const ThemeEntry& e : state.Imported.ThemeIndex[4]) EXPECT_FALSE(e.Available) << e.Text;
    }
}

TEST_F(FreeformEngine, InterlockedSeedFailures)
{
    Use({"mesabc", "listst", "aeonxx", "tealxx"}, 8);
    state.Imported.TightInterlocksList = {"X:C:ST"};  // no word ends in CS
    FreeformContext ctx = Context();
    const std::uint32_t before = state.Random.Seed();
    EXPECT_FALSE(SeedInterlockedCrosswordInMemory(ctx));  // no words for the pairs: five attempts, then false
    EXPECT_NE(state.Random.Seed(), before);
    EXPECT_EQ(state.Xw.WordSlotCount, 0);

    state.Imported.TightInterlocksList = {"E:S:A"};
    EXPECT_FALSE(SeedInterlockedCrosswordInMemory(ctx));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Exception in SeedInterlockedCrosswordInMemory.\nTightInterlocksList has 1 entries.\nEntry=0\n"
              "TightInterlocksList[Entry]=E:S:A\nToo few letters");

    state.Imported.TightInterlocksList.clear();
    EXPECT_FALSE(SeedInterlockedCrosswordInMemory(ctx));
}

TEST_F(FreeformEngine, InterlockedSeedTooBigFallsBackToThePlainSeed)
{
    Use({"mesa", "llllllist", "aeon", "teal"}, 8);  // LLLLLLIST and AEON make a figure 11 squares wide
    ASSERT_EQ(state.Imported.TightInterlocksList, std::vector<std::string>{"E:S:AT"});
    state.Freeform.SeedWord = "MESA";
    FreeformContext ctx = Context();
    EXPECT_FALSE(SeedFreeformFill(ctx, SeedKind::InterlockedAttempt));
    ASSERT_EQ(state.Xw.WordSlotCount, 1);
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.str(), "MESA");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FreeformEngine, GrowthFollowsThePlacementRules)
{
    for (CandidateScan scan : {CandidateScan::Indexed, CandidateScan::Plain})
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            const auto words = test::MadeUpWords(300, seed);
            Use(words, 9 + static_cast<int>(seed) * 3);
            state.Freeform.Options.Scan = scan;
            state.Random.SetSeed(seed);
            state.Freeform.SeedWord = *std::find_if(words.begin(), words.end(), [](const std::string& w) { return w.size() == 7; });
            FreeformContext ctx = Context();
            BuildFreeformFill(ctx, seed % 2 ? SeedKind::InterlockedAttempt : SeedKind::PlainWord, 1, true);
            EXPECT_GT(state.Xw.WordSlotCount, 4) << seed;
            const auto breaches = PlacementRuleBreaches(state.Xw);
            EXPECT_TRUE(breaches.empty()) << seed << ": " << breaches.front();
            std::set<std::pair<int, int>> entries;
            for (int k = 1; k <= state.Xw.WordSlotCount; ++k) {
                const WordSlot& s = state.Xw.Slot(k);
                EXPECT_TRUE(entries.insert({s.NumLett, s.DictOrThemeRef}).second) << "placed twice: " << s.WordTxt.str();
                EXPECT_EQ(state.Imported.ThemeIndex[static_cast<std::size_t>(s.NumLett)][static_cast<std::size_t>(s.DictOrThemeRef)].Text,
                          s.WordTxt.view());
            }
        }
}

TEST_F(FreeformEngine, FirstPhaseUsesWordsOfFourLettersOrMore)
{
    Use(test::MadeUpWords(300, 3), 15);
    state.Freeform.SeedWord = state.Imported.ThemeIndex[6][0].Text;
    FreeformContext ctx = Context();
    SeedFreeformFill(ctx, SeedKind::PlainWord);
    GrowFreeformFill(ctx, 4, GrowthBias::TopLeft, 1, false, true);
    const int afterFirst = state.Xw.WordSlotCount;
    for (int k = 2; k <= afterFirst; ++k) EXPECT_GE(state.Xw.Slot(k).NumLett, 4) << k;
    GrowFreeformFill(ctx, 2, GrowthBias::None, 1, false, true);
    bool shortWord = false;
    for (int k = afterFirst + 1; k <= state.Xw.WordSlotCount; ++k) shortWord = shortWord || state.Xw.Slot(k).NumLett < 4;
    EXPECT_TRUE(shortWord);  // the second phase fills gaps with short words
}

TEST_F(FreeformEngine, NoSharedLetterGivesAOneWordFill)
{
    Use({"abcdef", "xyzw", "qqqq", "vvv"}, 10);
    state.Freeform.SeedWord = "ABCDEF";
    FreeformContext ctx = Context();
    BuildFreeformFill(ctx, SeedKind::PlainWord, 1, true);
    EXPECT_EQ(state.Xw.WordSlotCount, 1);
}

TEST_F(FreeformEngine, DuplicatesOnlyWhenAllowedAndNotFaded)
{
    // With duplicates allowed and no fading the same word can be placed again. The seed word is not
    // faded, so only words placed by growth are compared.
    const std::vector<std::string> words = {"banana", "nab", "ban", "ana", "nabs", "bananas"};
    const auto repeats = [&](bool duplicates, bool modify, int fillCount) {
        int found = 0;
        for (std::uint32_t seed = 1; seed <= 10; ++seed) {
            Use(words, 12);
            state.Random.SetSeed(seed);
            state.Freeform.Options.AllowDuplicates = duplicates;
            state.Freeform.Options.ModifyProbability = modify;
            state.Freeform.SeedWord = "BANANAS";
            FreeformContext ctx = Context();
            BuildFreeformFill(ctx, SeedKind::PlainWord, fillCount, false);
            std::set<std::pair<int, int>> entries;
            for (int k = 2; k <= state.Xw.WordSlotCount; ++k)
                if (!entries.insert({state.Xw.Slot(k).NumLett, state.Xw.Slot(k).DictOrThemeRef}).second) ++found;
            EXPECT_TRUE(PlacementRuleBreaches(state.Xw).empty());
        }
        return found;
    };
    EXPECT_EQ(repeats(false, false, 100), 0);
    EXPECT_GT(repeats(true, false, 100), 0);
    EXPECT_EQ(repeats(true, true, 1), 0);  // a weight faded by 1 - 1/1 = 0 never wins again
}

TEST_F(FreeformEngine, WithoutVariationTheFillDoesNotDependOnTheRandomNumbers)
{
    std::vector<std::string> fills;
    for (std::uint32_t seed : {1u, 99u, 12345u}) {
        Use(test::MadeUpWords(200, 5), 13);
        state.Imported.LengthVariation = 0;
        state.Random.SetSeed(seed);
        state.Freeform.SeedWord = state.Imported.ThemeIndex[7][0].Text;
        FreeformContext ctx = Context();
        BuildFreeformFill(ctx, SeedKind::PlainWord, 1, false);
        std::string rows;
        for (const auto& r : test::GridRows(state.Xw.Squares)) rows += r + "\n";
        fills.push_back(rows);
    }
    EXPECT_EQ(fills[0], fills[1]);
    EXPECT_EQ(fills[0], fills[2]);
}

TEST_F(FreeformEngine, GrowthStopsAtTheWordLimit)
{
    Use(test::MadeUpWords(300, 2), 15);
    state.Freeform.SeedWord = state.Imported.ThemeIndex[6][0].Text;
    FreeformContext ctx = Context();
    SeedFreeformFill(ctx, SeedKind::PlainWord);
    state.Xw.WordSlotCount = MaxWordSlots - 1;  // the seed and 158 words elsewhere (not in the grid)
    const GrowthResult r = GrowFreeformFill(ctx, 2, GrowthBias::None, 1, false, true);
    EXPECT_EQ(r.Across + r.Down, 1);
    EXPECT_TRUE(r.SlotLimitReached);
    EXPECT_EQ(state.Xw.WordSlotCount, MaxWordSlots);
}

TEST_F(FreeformEngine, QuickProgressCountsWordsOfEachPhase)
{
    Use(test::MadeUpWords(300, 4), 15);
    state.Freeform.SeedWord = state.Imported.ThemeIndex[6][0].Text;
    std::vector<int> progress;
    FreeformEngineCallbacks callbacks;
    callbacks.QuickProgress = [&](int placed) { progress.push_back(placed); };
    FreeformContext ctx(state, callbacks);
    BuildFreeformFill(ctx, SeedKind::PlainWord, 1, true);
    ASSERT_EQ(static_cast<int>(progress.size()), state.Xw.WordSlotCount - 1);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(std::count(progress.begin(), progress.end(), 0), 2);  // restarts with the second phase
}

TEST(FreeformSeedWord, RandomChoiceAndItsFallback)
{
    Lcg random;
    random.SetSeed(3);
    ImportedList list = ListOf({"ox", "elephant", "giraffe", "hippopotamus", "zebra"});
    for (int i = 0; i < 20; ++i) {
        const SeedWordPick p = ChooseRandomSeedWord(list, 8, random);
        EXPECT_FALSE(p.Fallback);
        const auto& w = list.ThemeWords[static_cast<std::size_t>(p.Position)];
        EXPECT_TRUE(w == "ELEPHANT" || w == "GIRAFFE") << w;
    }
    list = ListOf({"ox", "yak", "zebra", "gnu", "hippopotamus", "okapi"});  // nothing of 6..8 characters
    const std::uint32_t before = random.Seed();
    const SeedWordPick p = ChooseRandomSeedWord(list, 8, random);
    EXPECT_TRUE(p.Fallback);
    EXPECT_EQ(list.ThemeWords[static_cast<std::size_t>(p.Position)], "ZEBRA");  // the first of the longest that fit
    EXPECT_EQ(random.Seed(), before);
    EXPECT_THROW(ChooseRandomSeedWord(ListOf({"hippopotamus", "rhinoceros"}), 8, random), Failure);
    EXPECT_TRUE(SeedWordFits(list, 2, 8));     // ZEBRA
    EXPECT_FALSE(SeedWordFits(list, 4, 8));    // HIPPOPOTAMUS
    EXPECT_FALSE(SeedWordFits(list, 6, 8));    // no such item
    EXPECT_THROW(ChooseRandomSeedWord(ImportedList{}, 8, random), Failure);
}

TEST(FreeformAdopt, GridWordsJoinTheListWithTheirOwnClues)
{
    ImportedList list = ListOf({"ice cream\tOld clue", "tea"});
    Crossword xw;
    xw.GridSize = 10;
    InitGrid(xw);
    const int k = test::AddSlot(xw, 2, 3, true, "ICECREAM");
    xw.Slot(k).DisplayTxt = "ICE CREAM";
    xw.Slot(k).ClueTxt = "New clue";
    AdoptGridWords(xw, list, false);
    EXPECT_EQ(list.ThemeWords, (std::vector<std::string>{"ICE CREAM", "TEA", "ICE CREAM"}));
    EXPECT_EQ(list.ThemeClues.back(), "New clue");
    EXPECT_EQ(list.ThemeWordCount, 3);
    const WordSlot& s = xw.Slot(k);
    EXPECT_EQ(s.ThemeRef, 2);
    ASSERT_EQ(s.DictOrThemeRef, 1);  // the entry made from the slot, not the older one
    EXPECT_EQ(list.ThemeIndex[8][1].ThemeRef, 2);
    EXPECT_FALSE(list.ThemeIndex[8][0].Available);
    EXPECT_FALSE(list.ThemeIndex[8][1].Available);
    EXPECT_TRUE(list.ThemeIndex[3][0].Available);
}

}  // namespace
}  // namespace qm
