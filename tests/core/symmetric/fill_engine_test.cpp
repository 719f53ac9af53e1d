// The fill engine on tiny grids and dictionaries: the iteration limit, the step-back rules (the
// latest and earliest dependency, the dropped 30th pick, picks that count no try), lengths without
// words, progress reporting and the state after a complete fill, for every word source.
#include "core/symmetric/analysis.h"
#include "core/symmetric/fill_engine.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

/// A state holding the analysed grid drawn by rows and a dictionary of the given words.
std::unique_ptr<QuillmereState> Analysed(const std::vector<std::string>& rows, const std::vector<DictWord>& words)
{
    auto state = test::FillState(words, 7);
    state->Xw = *test::CrosswordFromRows(rows);
    AnalyseStockGrid(state->Xw);
    return state;
}

/// Runs one attempt with the step log kept and returns the log's lines.
std::vector<std::string> AttemptWithLog(QuillmereState& state, int maxIterations, int& result,
                                        std::vector<std::string>* memo = nullptr)
{
    test::TempDir dir;
    FillSettings settings;
    settings.MaxIterations = maxIterations;
    settings.KeepStepLog = true;
    settings.StepLogFolder = dir.Path().string();
    FillCallbacks callbacks;
    if (memo) callbacks.AddMemoLine = [memo](const std::string& line) { memo->push_back(line); };
    result = FillGrid(state, 1, settings, callbacks);
    std::string text;
    EXPECT_TRUE(ReadWholeFile(dir.File(StepLogFileName), text));
    auto lines = Split(text, "\r\n");
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

TEST(FillEngine, AFillCompletedAtTheLastAllowedIterationCountsAsFailed)
{
    for (int limit : {1, 2}) {
        auto state = Analysed({"...", "###", "###"}, {test::Word("CAT")});
        std::vector<std::string> memo;
        std::vector<std::string> status;
        FillCallbacks callbacks;
        callbacks.AddMemoLine = [&](const std::string& line) { memo.push_back(line); };
        callbacks.ShowFillStatus = [&](int w, int l, int i) { status.push_back(Format("%d %d %d", w, l, i)); };
        FillSettings settings;
        settings.MaxIterations = limit;
        const int result = FillGrid(*state, 4, settings, callbacks);
        if (limit == 1) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(memo, std::vector<std::string>{"4. Failed to fill after 1 iterations."});
            EXPECT_TRUE(status.empty());
        } else {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(memo, std::vector<std::string>{"4. Successful fill in 1 iterations."});
            EXPECT_EQ(status, std::vector<std::string>{"1 3 0"});
        }
        EXPECT_EQ(test::GridRows(state->Xw.Squares)[0], "CAT");  // the grid keeps its letters either way
    }
}

TEST(FillEngine, AnIterationLimitBelowOneIsRefusedBeforeAnythingChanges)
{
    for (int limit : {0, -5}) {
        auto state = Analysed({"...", "###", "###"}, {test::Word("CAT")});
        state->Xw.Squares(1, 1).Letter = 'Q';
        state->Dict.MainWordArray[3][1].InUse = true;
        EXPECT_THROW(FillGrid(*state, 1, FillSettings{limit}, {}), Failure);
        EXPECT_EQ(state->Xw.Squares(1, 1).Letter, 'Q');
        EXPECT_TRUE(state->Dict.MainWordArray[3][1].InUse);
    }
}

TEST(FillEngine, TheThirtiethPickIsDroppedWithItsFlagAndTheFirstSlotThenFailsToTheLimit)
{
    // 1A and 1D share their first square; the only word can stand in one of them. 1D fails and
    // steps back to 1A (its latest dependency), and at its 10th try to its earliest (also 1A). 1A's
    // 30th pick is dropped but keeps its in-use flag, so from then on 1A finds nothing.
    auto state = Analysed({"...", ".##", ".##"}, {test::Word("CAT")});
    int result = -1;
    std::vector<std::string> memo;
    const auto log = AttemptWithLog(*state, 75, result, &memo);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(log.size(), 75u);
    EXPECT_EQ(log[0], "1:CAT:  N=1");
    EXPECT_EQ(log[1], "2::  N=1");
    EXPECT_EQ(log[19], "2::  N=10");
    EXPECT_EQ(log[20], "1:CAT:  N=11");
    EXPECT_EQ(log[21], "2::  N=1");   // reset by the step-back at 10
    EXPECT_EQ(log[58], "1:CAT:  N=30");
    EXPECT_EQ(log[59], "1::  N=1");    // reset by the deep step-back; CAT is still in use
    EXPECT_EQ(log[68], "1::  N=10");
    EXPECT_EQ(log[69], "1::  N=1");
    EXPECT_TRUE(state->Dict.MainWordArray[3][1].InUse);
    EXPECT_EQ(memo, std::vector<std::string>{"1. Failed to fill after 75 iterations."});
}

TEST(FillEngine, AFailedSlotStepsBackToItsLatestDependencyAndAtTenTriesToItsEarliest)
{
    // 3A (filled 4th) crosses 1D (2nd) and 2D (3rd); its pattern is always C?C, which no word fits.
    auto state = Analysed({"....", ".#.#", "...#", ".#.#"},
                          {test::Word("ABCA"), test::Word("AACB"), test::Word("ADCD"), test::Word("CACA"),
                           test::Word("CBCB"), test::Word("CDCA"), test::Word("CAT"), test::Word("COW")});
    ASSERT_EQ(state->Xw.Slot(4).DepE, 2);
    ASSERT_EQ(state->Xw.Slot(4).DepL, 3);
    int result = -1;
    const auto log = AttemptWithLog(*state, 300, result);
    EXPECT_EQ(result, 0);
    int middle = 0;
    for (std::size_t i = 0; i + 1 < log.size(); ++i) {
        if (log[i].rfind("4::  N=", 0) != 0) continue;
        const int tries = ParseIntOr(log[i].substr(7), -1);
        const char expected = tries == 10 ? '2' : '3';
        EXPECT_EQ(log[i + 1][0], expected) << "after line " << i << ": " << log[i];
        middle += tries == 10;
    }
    EXPECT_GT(middle, 0);
}

TEST(FillEngine, TheSlotPatternAndTheStepBackTargetOnTheirOwn)
{
    // Slot 4 (3A) crosses slot 2 (1D) at its first letter and slot 3 (2D) at its third.
    auto state = Analysed({"....", ".#.#", "...#", ".#.#"}, {test::Word("CAT")});
    Crossword& xw = state->Xw;
    xw.Slot(2).WordTxt = "CACA";
    xw.Slot(3).WordTxt = "CBCB";
    std::string pattern;
    SlotPattern(xw, 4, pattern);
    EXPECT_EQ(pattern, "C?C");
    xw.Slot(3).WordTxt.clear();  // a crossing slot without its word yet gives no letter
    SlotPattern(xw, 4, pattern);
    EXPECT_EQ(pattern, "C??");

    const struct {
        const char* name;
        int tries;         // picks of slot 4
        int firstDeepSlot; // the first slot with 30 picks (0: none)
        int target;
        int triesAfter;    // picks of slot 4 afterwards
    } cases[] = {
        {"a failed pick: the latest dependency", 3, 0, 3, 3},
        {"ten picks: the earliest dependency, counted afresh", 10, 0, 2, 0},
        {"thirty picks: the earliest dependency of the first slot to have them", 30, 4, 2, 0},
        {"an earlier slot with thirty picks decides", 30, 2, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int k = 1; k <= xw.WordSlotCount; ++k) xw.Slot(k).NumTries = 1;
        xw.Slot(4).NumTries = c.tries;
        if (c.firstDeepSlot > 0) xw.Slot(c.firstDeepSlot).NumTries = DeepStepBackTries;
        EXPECT_EQ(StepBackTarget(xw, 4), c.target);
        EXPECT_EQ(xw.Slot(4).NumTries, c.triesAfter);
        if (c.firstDeepSlot > 0) {
            EXPECT_EQ(xw.Slot(c.firstDeepSlot).NumTries, 0);
        }
    }
}

TEST(FillEngine, APickWithAnUnknownInitialCountsNoTry)
{
    // The across word starts with 1D's second letter, B, and no word starts with B.
    auto state = Analysed({".##", "...", ".##"}, {test::Word("ABC"), test::Word("DBE")});
    int result = -1;
    const auto log = AttemptWithLog(*state, 40, result);
    EXPECT_EQ(result, 0);
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i][0] == '2') {
            EXPECT_EQ(log[i], "2::  N=0");
            if (i + 1 < log.size()) {
                EXPECT_EQ(log[i + 1][0], '1');
            }
        }
}

TEST(FillEngine, ALengthWithoutDictionaryWordsEndsTheAttemptAtOnce)
{
    for (FillSourceKind source : {FillSourceKind::Dictionary, FillSourceKind::ImportedOnly}) {
        auto state = Analysed({"...", "###", "###"}, {test::Word("CATS")});
        state->FillSource = source;
        state->Imported.ThemeWords = {"DOG"};
        state->Imported.ThemeClues = {""};
        state->Imported.ThemeIndex.assign(4, {});
        state->Imported.ThemeIndex[3].push_back(ThemeEntry{"DOG", 0, 3});
        state->Imported.MaxLen = 3;
        std::vector<std::string> memo;
        FillCallbacks callbacks;
        callbacks.AddMemoLine = [&](const std::string& line) { memo.push_back(line); };
        EXPECT_EQ(FillGrid(*state, 2, FillSettings{}, callbacks), 0);
        EXPECT_EQ(memo, std::vector<std::string>{"2. Failed to fill after 1 iterations."});
    }
}

TEST(FillEngine, ProgressIsReportedEveryProgressStep)
{
    const struct {
        int limit, step;
    } steps[] = {{1, 100}, {1000, 100}, {1001, 500}, {5000, 500}, {5001, 1000}, {0, 1000}};
    for (const auto& s : steps) EXPECT_EQ(ProgressStepFor(s.limit), s.step) << s.limit;

    auto state = Analysed({"...", ".##", ".##"}, {test::Word("CAT")});
    std::vector<std::string> memo;
    int positions = 0;
    FillCallbacks callbacks;
    callbacks.AddMemoLine = [&](const std::string& line) { memo.push_back(line); };
    callbacks.SetProgress = [&](int slot) {
        EXPECT_GE(slot, 0);
        EXPECT_LE(slot, 2);
        ++positions;
    };
    FillSettings settings;
    settings.MaxIterations = 250;
    settings.ShowProgress = true;
    EXPECT_EQ(FillGrid(*state, 1, settings, callbacks), 0);
    EXPECT_EQ(memo, (std::vector<std::string>{"100 iterations", "200 iterations", "1. Failed to fill after 250 iterations."}));
    EXPECT_EQ(positions, 250);
}

TEST(FillEngine, TheWorkingFieldsDumpShowsEachSlotsPatternWordAndCounters)
{
    auto state = Analysed({"...", ".##", ".##"}, {test::Word("CAT"), test::Word("COW")});
    ASSERT_GT(FillGrid(*state, 1, FillSettings{}, {}), 0);
    state->Xw.Slot(2).RCTxt = MakeRCTxt(1, 1);
    const auto lines = MainWordArrayLines(state->Xw);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "WRef,Seq,Clue,Dir,(Col,Row),'RCTxt',NumLett,DepNum,SepSrcIsland,Pattern,WordTxt,StartRef,MaxRef,NumTries");
    const WordSlot& s = state->Xw.Slot(2);
    // Pattern and word left-aligned in 12 characters; StartRef is the placed word's index (1 or 2).
    EXPECT_EQ(lines[2], " 2:  2   1D ( 1, 1) '  1  1'  3  1 SepSrc= 0 C??          " + s.WordTxt.str() + "          " +
                            std::string(4, ' ') + std::to_string(s.StartRef) + "     2   1");
    EXPECT_EQ(lines[3], std::string(30, '-'));
}

TEST(FillEngine, ACompleteFillFlagsEveryWordItPlacedInItsOwnStore)
{
    // Imported words for every length the grid uses, each available once.
    const auto words = test::SmallAlphabetWords(3, 60, 7, 5);
    for (const bool indexed : {false, true})
    for (FillSourceKind source : {FillSourceKind::Dictionary, FillSourceKind::Hybrid, FillSourceKind::ImportedOnly}) {
        SCOPED_TRACE(std::to_string(static_cast<int>(source)) + (indexed ? " indexed" : " scanned"));
        auto state = Analysed({".....#.", ".#.#...", ".....#.", ".##.##.", ".#.....", "...#.#.", ".#....."}, words);
        state->FillSource = source;
        ImportedList& imp = state->Imported;
        imp.ThemeIndex.assign(8, {});
        for (const DictWord& w : words) {
            if (w.Text.size() > 7) continue;
            imp.ThemeIndex[w.Text.size()].push_back(ThemeEntry{w.Text, static_cast<int>(imp.ThemeWords.size()),
                                                               static_cast<int>(w.Text.size())});
            imp.ThemeWords.push_back(w.Text);
            imp.ThemeClues.push_back("");
            if (imp.ThemeWords.size() % 2 == 0) imp.ThemeIndex[w.Text.size()].pop_back();  // fewer imported words
        }
        imp.MaxLen = 7;
        int filled = 0;
        WordIndex* index = nullptr;
        if (indexed) {
            state->SymmetricIndex.Prepare(state->Dict, state->Imported);
            index = &state->SymmetricIndex;
        }
        for (int attempt = 1; attempt <= 5 && filled == 0; ++attempt) filled = FillGrid(*state, attempt, FillSettings{}, {}, index);
        ASSERT_GT(filled, 0);
        const Crossword& xw = state->Xw;
        std::set<std::pair<bool, int>> placed;
        int imported = 0;
        for (int i = 1; i <= xw.WordSlotCount; ++i) {
            const WordSlot& s = xw.Slot(i);
            EXPECT_TRUE(placed.insert({s.FromDict, s.NumLett * 10000 + s.DictOrThemeRef}).second) << "a word stands twice";
            if (s.FromDict) {
                EXPECT_NE(source, FillSourceKind::ImportedOnly);
                EXPECT_TRUE(state->Dict.MainWordArray[s.NumLett][s.DictOrThemeRef].InUse);
                EXPECT_EQ(s.WordTxt.view(), state->Dict.MainWordArray[s.NumLett][s.DictOrThemeRef].Text);
            } else {
                ++imported;
                EXPECT_TRUE(imp.ThemeIndex[s.NumLett][s.DictOrThemeRef].Used);
                EXPECT_EQ(s.WordTxt.view(), imp.ThemeIndex[s.NumLett][s.DictOrThemeRef].Text);
            }
            for (int q = 1; q <= s.NumLett; ++q)
                EXPECT_EQ(state->Xw.Squares(s.Dir ? s.Col + q - 1 : s.Col, s.Dir ? s.Row : s.Row + q - 1).Letter,
                          s.WordTxt[static_cast<std::size_t>(q - 1)]);
        }
        if (source == FillSourceKind::Dictionary) {
            EXPECT_EQ(imported, 0);
        } else {
            EXPECT_GT(imported, 0);
        }
        // No other word is left flagged: the flags are exactly the placed words (a pick dropped at its
        // 30th try, or the words standing when the first slot starts over, would stay flagged as
        // well; these easy fills never get that far).
        int flagged = 0;
        for (int L = MinWordLength; L <= MaxWordLength; ++L)
            for (const DictWord& w : state->Dict.MainWordArray[static_cast<std::size_t>(L)]) flagged += w.InUse;
        EXPECT_EQ(flagged, xw.WordSlotCount - imported);
    }
}

}  // namespace
}  // namespace qm
