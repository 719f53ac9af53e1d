// Freeform runs: list lines, phases, acceptance, Stop, limits, seeds, Improve, Add This Grid, refusals.
#include "core/freeform/freeform_run.h"
#include "core/grid/fill_writer.h"
#include "core/util/failure.h"
#include "core/util/text.h"
#include "tests/core/freeform/freeform_fixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace qm {
namespace {

TEST(FreeformRows, LayoutAndFields)
{
    const FillCounts counts{100, 25, 40, 4};
    const FillRow row = FreeformFillRow(326, 12, 7, FillOrigin::Interlocked, counts, 326);
    const std::string line = row.Text();
    EXPECT_EQ(line, "9673    12   7i  100     25    40    4  326");
    EXPECT_EQ(Mid(line, 11, 4), "   7");
    EXPECT_EQ(Mid(line, 15, 1), "i");
    EXPECT_EQ(row.SeedPosition, 12);
    EXPECT_EQ(row.Score, 326);

    FillRow wide = FreeformFillRow(1326, 0, 8, FillOrigin::Edited, counts, 1326);
    wide.WideScore = true;
    EXPECT_EQ(wide.Text(), "8673     0   8e  100     25    40    4  1326");
    FillRow loaded = FreeformFillRow(326, 0, 8, FillOrigin::Plain, counts, 326);
    loaded.Loaded = true;
    EXPECT_EQ(loaded.Text(), "9673     0   8   100     25    40    4   326s");  // a reloaded file's row

    const struct {
        const char* text;
        std::int32_t fills;
    } repeats[] = {{"", 1}, {"abc", 1}, {"0", 1}, {"17", 17}, {"5000", 3000}, {" 250 ", 250}};
    for (const auto& r : repeats) EXPECT_EQ(ParseFreeRepeats(r.text), r.fills) << r.text;
}

class FreeformRun : public ::testing::Test {
protected:
    void Use(const std::vector<std::string>& words, int size, std::uint32_t clock = 11)
    {
        state.Imported = test::ListOf(words);
        state.Xw.GridSize = size;
        InitGrid(state.Xw);
        state.FillSource = FillSourceKind::Freeform;
        state.Random.SetClock(SimulatedSeedClock(clock));
    }
    std::map<int, FillRow> RowsByFill() const
    {
        std::map<int, FillRow> rows;
        for (const FillRow& r : state.Freeform.FreeFillsList.Rows) rows[r.Fill] = r;
        return rows;
    }
    /// Each listed fill shown again has the counts of its record and line and keeps the rules.
    void ExpectListedFillsConsistent()
    {
        const FillStore& store = state.Fills;
        std::int32_t previous = 0;
        for (const auto& [n, row] : RowsByFill()) {
            const FillRecord r = store.Record(n);
            EXPECT_EQ(r.WrdCount, r.LastWrd - previous) << n;
            previous = r.LastWrd;
            const ShownFill shown = ShowFreeformFill(state, n);
            const FillCounts counts = CountFill(state.Xw);
            EXPECT_EQ(counts.Letters, r.LttCount) << n;
            EXPECT_EQ(counts.Words, r.WrdCount) << n;
            EXPECT_EQ(counts.Interlocks, r.ILockCount) << n;
            EXPECT_EQ(counts.Area, r.ILockArea) << n;
            EXPECT_EQ(row.Score, shown.Score) << n;
            EXPECT_EQ(std::stoi(row.Text().substr(0, 4)), 9999 - shown.Score) << n;
            if (row.Origin != FillOrigin::Edited) {  // an edited grid need not keep the rules
                EXPECT_TRUE(test::PlacementRuleBreaches(state.Xw).empty()) << n;
            }
        }
        EXPECT_EQ(previous, store.StoredWordCount);
    }
    QuillmereState state;
};

TEST_F(FreeformRun, TenFillsFreshPhaseAndReuseProbability)
{
    Use(test::MadeUpWords(300, 1), 15);
    std::vector<std::string> probabilities;
    std::vector<std::string> counts;
    FreeformRunCallbacks callbacks;
    callbacks.AttemptDone = [&](const std::string& p) { probabilities.push_back(p); };
    callbacks.FillListed = [&](const FreeformRunProgress& p) { counts.push_back(p.CountText + " " + p.AverageText); };
    FreeformRunRequest request;
    request.Fills = 10;
    const FreeformRunOutcome out = StartFreeformRun(state, request, callbacks);

    EXPECT_EQ(out.Run.Listed, 10);
    EXPECT_EQ(out.Run.Attempts, 10);  // the first 25 fills are all listed
    EXPECT_EQ(state.Fills.GridsMax, 10);
    EXPECT_EQ(state.Run, RunState::Idle);
    ASSERT_EQ(probabilities.size(), 10u);
    for (int k = 1; k <= 10; ++k) {
        const double p = k <= 4 ? 0.0 : ((k - 4) / 6.0) / (k / 10.0) * 0.95;
        EXPECT_EQ(probabilities[static_cast<std::size_t>(k - 1)], Format("%0.4f", p)) << k;
    }
    EXPECT_EQ(probabilities[4], "0.3167");
    EXPECT_EQ(probabilities[9], "0.9500");
    ASSERT_EQ(counts.size(), 10u);
    EXPECT_EQ(counts[0].substr(0, 9), "1/10 Av.=");
    const std::vector<std::string> texts = state.Freeform.FreeFillsList.Texts();
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
    for (const auto& [n, row] : RowsByFill()) {
        if (n <= 4) {
            EXPECT_NE(row.Origin, FillOrigin::Regrown) << row.Text();  // fills 1..4 are fresh
        }
    }
    ASSERT_TRUE(out.Shown.has_value());
    EXPECT_EQ(out.Shown->Fill, state.Freeform.FreeFillsList.At(0).Fill);
    EXPECT_EQ(out.Shown->SelectedRow, 0);
    EXPECT_NE(out.ElapsedText.find(" secs."), std::string::npos);
    ExpectListedFillsConsistent();
}

TEST_F(FreeformRun, AfterTwentyFiveOnlyFillsAboveTheAverageAreListed)
{
    Use(test::MadeUpWords(300, 2), 13);
    FreeformRunRequest request;
    request.Fills = 40;
    const FreeformRunOutcome out = StartFreeformRun(state, request, {});
    ASSERT_EQ(out.Run.Listed, 40);
    EXPECT_GT(out.Run.Attempts, 40);
    const auto rows = RowsByFill();
    std::int64_t sum = 0;
    bool regrown = false;
    for (int k = 1; k <= 40; ++k) {
        const FillRow& row = rows.at(k);
        const std::int32_t score = row.Score;
        if (k > 25) {
            EXPECT_GT(score, sum / (k - 1)) << k;
        }
        sum += score;
        if (k <= 16) {
            EXPECT_NE(row.Origin, FillOrigin::Regrown) << k;  // the fresh phase: Round(0.4 x 40) fills
        }
        regrown = regrown || row.Origin == FillOrigin::Regrown;
        EXPECT_TRUE(row.Origin == ' ' || row.Origin == 'i' || row.Origin == 'r') << row.Text();
    }
    EXPECT_TRUE(regrown);
    EXPECT_EQ(out.Run.Average, sum / 40);
    ExpectListedFillsConsistent();
}

TEST_F(FreeformRun, NoListedFillIsEmptyWhenARegrownFillLosesEveryWord)
{
    // A short list makes fills without closed rings of crossings; the knock-out of a regrown fill
    // then removes every word, and such an attempt must start afresh rather than list an empty fill.
    // In a run of 12 every fill is listed, whatever it scores.
    const std::vector<std::string> kitchen{
        "kettle", "teapot", "saucer", "ladle", "whisk", "sieve", "grater", "oven", "stove", "toaster",
        "spatula", "tongs", "colander", "skillet", "apron", "mixer", "pantry", "larder", "cereal", "butter",
        "salt", "pepper", "sugar", "flour", "bread", "onion", "garlic", "tea", "pan", "pot",
        "cup", "jar", "tin", "lid", "fork", "knife", "spoon", "plate", "bowl", "rolling pin", "egg timer"};
    int regrown = 0;
    for (std::uint32_t clock = 1; clock <= 6; ++clock) {
        Use(kitchen, 13, clock);
        FreeformRunRequest request;
        request.Fills = 12;
        const FreeformRunOutcome out = StartFreeformRun(state, request, {});
        ASSERT_EQ(out.Run.Listed, 12);
        for (const auto& [n, row] : RowsByFill()) {
            EXPECT_GT(state.Fills.Record(n).WrdCount, 0) << "clock " << clock << ": " << row.Text();
            regrown += row.Origin == FillOrigin::Regrown;
        }
        ExpectListedFillsConsistent();
    }
    EXPECT_GT(regrown, 0);
}

TEST_F(FreeformRun, StopAndAttemptLimitEndTheRunBetweenFills)
{
    Use(test::MadeUpWords(200, 3), 12);
    int calls = 0;
    FreeformRunCallbacks callbacks;
    callbacks.ProcessMessages = [&] {
        if (++calls == 3) state.Run = RunState::StopRequested;  // the Stop button
    };
    FreeformRunRequest request;
    request.Fills = 100;
    FreeformRunOutcome out = StartFreeformRun(state, request, callbacks);
    EXPECT_EQ(out.Run.Listed, 3);
    EXPECT_TRUE(out.Run.Stopped);
    EXPECT_EQ(state.Fills.GridsMax, 3);
    EXPECT_EQ(state.Freeform.FreeFillsList.Count(), 3);

    request.MaxAttempts = 5;
    out = StartFreeformRun(state, request, {});
    EXPECT_EQ(out.Run.Listed, 5);
    EXPECT_TRUE(out.Run.AttemptLimitReached);
    EXPECT_FALSE(out.Run.Stopped);
    EXPECT_EQ(state.Fills.GridsMax, 5);
}

TEST_F(FreeformRun, SeededRunsRepeat)
{
    const auto run = [](std::uint32_t clock) {
        QuillmereState s;
        s.Imported = test::ListOf(test::MadeUpWords(200, 4));
        s.Xw.GridSize = 14;
        InitGrid(s.Xw);
        s.Random.SetClock(SimulatedSeedClock(clock));
        FreeformRunRequest request;
        request.Fills = 12;
        StartFreeformRun(s, request, {});
        return s.Freeform.FreeFillsList.Texts();
    };
    EXPECT_EQ(run(5), run(5));
    EXPECT_NE(run(5), run(6));
}

TEST_F(FreeformRun, ShowingListedFillsDuringARunChangesNothing)
{
    const auto run = [](bool click) {
        QuillmereState s;
        s.Imported = test::ListOf(test::MadeUpWords(200, 12));
        s.Xw.GridSize = 13;
        InitGrid(s.Xw);
        s.Random.SetClock(SimulatedSeedClock(4));
        FreeformRunCallbacks callbacks;
        int shown = 0;
        callbacks.ProcessMessages = [&] {
            if (click) ShowFreeformFill(s, 1 + shown++ % s.Fills.GridsMax);  // the user clicks a listed fill
        };
        FreeformRunRequest request;
        request.Fills = 30;
        StartFreeformRun(s, request, callbacks);
        return s.Freeform.FreeFillsList.Texts();
    };
    EXPECT_EQ(run(true), run(false));
}

TEST_F(FreeformRun, QuickFillStoresAndShowsOneFill)
{
    Use(test::MadeUpWords(300, 5), 15);
    int progress = 0;
    FreeformRunCallbacks callbacks;
    callbacks.Engine.QuickProgress = [&](int) { ++progress; };
    const FreeformRunOutcome out = QuickFill(state, SeedWordChoice::RandomWord, 0, callbacks);
    EXPECT_EQ(out.Run.Listed, 1);
    EXPECT_EQ(state.Fills.GridsMax, 1);
    EXPECT_EQ(state.Fills.CurrentFill, 1);
    ASSERT_EQ(state.Freeform.FreeFillsList.Count(), 1);
    EXPECT_EQ(state.Freeform.FreeFillsList.At(0).Text()[14], ' ');
    ASSERT_TRUE(out.Shown.has_value());
    EXPECT_EQ(progress, out.Shown->Counts.Words - 1);
    EXPECT_EQ(state.ImportedFillShown, 1);
    EXPECT_EQ(out.Shown->Status.Words,
              Format("words %d/%d (%.0f%%)", out.Shown->Counts.Words, 300, out.Shown->Counts.Words * 100.0 / 300));
    EXPECT_EQ(out.Shown->Lists.Across.size() + out.Shown->Lists.Down.size(), static_cast<std::size_t>(out.Shown->Counts.Words));
    EXPECT_TRUE(state.Xw.ShowCellNumbers);
    ExpectListedFillsConsistent();
}

TEST_F(FreeformRun, SeedWordChoices)
{
    // The selected word seeds every fill and is the seed position of every line.
    Use(test::MadeUpWords(300, 6), 15);
    const int selected = static_cast<int>(std::find_if(state.Imported.ThemeWords.begin(), state.Imported.ThemeWords.end(),
                                                       [](const std::string& w) { return w.size() == 9; }) -
                                          state.Imported.ThemeWords.begin());
    FreeformRunRequest request;
    request.Fills = 6;
    request.Seed = SeedWordChoice::SelectedWord;
    request.SelectedSeed = selected;
    StartFreeformRun(state, request, {});
    EXPECT_EQ(state.Freeform.SeedWord, state.Imported.ThemeWords[static_cast<std::size_t>(selected)]);
    for (const FillRow& row : state.Freeform.FreeFillsList.Rows) EXPECT_EQ(row.SeedPosition, selected) << row.Text();

    // No word of 6..GridSize characters: the longest that fits seeds every fill, and the run says so.
    Use({"ab", "abc", "bcd", "cab", "dab", "bad", "cad", "abcde", "bead", "deb", "aced", "dace"}, 8);
    request.Seed = SeedWordChoice::RandomWord;
    const FreeformRunOutcome out = StartFreeformRun(state, request, {});
    ASSERT_EQ(out.Run.Notes.size(), 1u);
    EXPECT_NE(out.Run.Notes[0].find("\"ABCDE\""), std::string::npos);
    for (const FillRow& row : state.Freeform.FreeFillsList.Rows) EXPECT_EQ(row.SeedPosition, 7) << row.Text();
}

TEST_F(FreeformRun, GridWordsJoinTheListOnceAndStartEveryFill)
{
    Use(test::MadeUpWords(300, 7), 15);
    QuickFill(state, SeedWordChoice::RandomWord, 0, {});
    std::vector<std::string> words;
    for (int k = 1; k <= state.Xw.WordSlotCount; ++k) words.push_back(state.Xw.Slot(k).WordTxt.str());
    const std::size_t listSize = state.Imported.ThemeWords.size();
    FreeformRunRequest request;
    request.Fills = 4;
    request.Seed = SeedWordChoice::GridWords;
    StartFreeformRun(state, request, {});
    EXPECT_EQ(state.Imported.ThemeWords.size(), listSize + words.size());
    EXPECT_EQ(state.Fills.GridsMax, 4);
    for (int n = 1; n <= 4; ++n) {
        ShowFreeformFill(state, n);
        std::multiset<std::string> placed;
        for (int k = 1; k <= state.Xw.WordSlotCount; ++k) placed.insert(state.Xw.Slot(k).WordTxt.str());
        for (const auto& w : words) EXPECT_EQ(placed.count(w) > 0, true) << n << " " << w;
    }
}

TEST_F(FreeformRun, RefusalsChangeNothing)
{
    Use(test::MadeUpWords(200, 8), 10);
    FreeformRunRequest request;
    request.Fills = 3;
    StartFreeformRun(state, request, {});
    const auto lines = state.Freeform.FreeFillsList.Texts();
    const auto stored = state.Fills.StoredWordCount;
    const auto expectUnchanged = [&](const char* what) {
        EXPECT_EQ(state.Freeform.FreeFillsList.Texts(), lines) << what;
        EXPECT_EQ(state.Fills.GridsMax, 3) << what;
        EXPECT_EQ(state.Fills.StoredWordCount, stored) << what;
    };

    state.Imported.ThemeWords.push_back("ELEPHANTINE");
    state.Imported.ThemeClues.emplace_back();
    BuildThemeIndex(state.Imported);
    request.Seed = SeedWordChoice::SelectedWord;
    request.SelectedSeed = static_cast<int>(state.Imported.ThemeWords.size()) - 1;
    try {
        StartFreeformRun(state, request, {});
        ADD_FAILURE() << "a seed word longer than the grid was accepted";
    } catch (const Failure& f) {
        EXPECT_NE(std::string(f.what()).find("longer than the grid"), std::string::npos) << f.what();
    }
    expectUnchanged("long seed word");
    EXPECT_THROW(QuickFill(state, SeedWordChoice::SelectedWord, request.SelectedSeed, {}), Failure);
    expectUnchanged("long seed word, Quick Fill");

    request.Seed = SeedWordChoice::RandomWord;
    for (int fills : {0, 3001}) {
        request.Fills = fills;
        EXPECT_THROW(StartFreeformRun(state, request, {}), Failure) << fills;
        expectUnchanged("number of fills");
    }
    request.Fills = 3;
    const ImportedList kept = state.Imported;
    state.Imported = ImportedList{};
    EXPECT_THROW(StartFreeformRun(state, request, {}), Failure);
    expectUnchanged("empty list");
    state.Imported = kept;
    EXPECT_THROW(ChooseFreeformSize(state, 7), Failure);
    expectUnchanged("choosing a grid of 7 x 7");
    state.Xw.GridSize = 7;
    InitGrid(state.Xw);
    EXPECT_THROW(StartFreeformRun(state, request, {}), Failure);
    expectUnchanged("grid of 7 x 7");
    ChooseFreeformSize(state, 12);
    EXPECT_EQ(state.Xw.Squares.Size(), 12);
    EXPECT_EQ(state.Freeform.FreeFillsList.Count(), 0);
}

TEST_F(FreeformRun, ImproveListsABetterOrEqualFillOrSaysSo)
{
    Use(test::MadeUpWords(300, 9), 15);
    FreeformRunRequest request;
    request.Fills = 5;
    StartFreeformRun(state, request, {});
    const FillRow first = state.Freeform.FreeFillsList.At(0);
    const std::int32_t S = first.Score;
    int attempts = 0;
    FreeformRunCallbacks callbacks;
    callbacks.ImproveProgress = [&](int) { ++attempts; };
    const FreeformAddResult r = ImproveFill(state, 0, callbacks);
    EXPECT_GE(attempts, 1);
    if (r.Added) {
        EXPECT_EQ(state.Fills.GridsMax, 6);
        const FillRow row = state.Freeform.FreeFillsList.At(FindFillRow(state.Freeform.FreeFillsList, 6));
        EXPECT_EQ(row.Text()[14], 'x');
        EXPECT_EQ(row.SeedPosition, first.SeedPosition);
        const std::int32_t R = row.Score;
        EXPECT_GE(R, S);
        EXPECT_EQ(r.Message, R > S ? "Score improved from " + std::to_string(S) + " to " + std::to_string(R)
                                   : "Same score (" + std::to_string(R) + ")");
        ASSERT_TRUE(r.Shown.has_value());
        EXPECT_EQ(r.Shown->Fill, 6);
        ExpectListedFillsConsistent();
    } else {
        EXPECT_EQ(r.Message, "No improvement found");
        EXPECT_EQ(state.Fills.GridsMax, 5);
    }

    state.Fills.GridsMax = MaxFillRecords;
    const FreeformAddResult full = ImproveFill(state, 0, callbacks);
    EXPECT_TRUE(full.ListFull);
    EXPECT_FALSE(full.Added);
    EXPECT_EQ(full.Message, "No more attempts available");
}

TEST_F(FreeformRun, ImproveOnAFillThatCannotBeBeaten)
{
    // Nothing crosses the seed word: the knock-out removes it, and no attempt scores anything.
    Use({"abcdef", "xyzw", "qqqq", "vvv"}, 10);
    QuickFill(state, SeedWordChoice::RandomWord, 0, {});
    ASSERT_EQ(state.Xw.WordSlotCount, 1);
    const auto stored = state.Fills.StoredWordCount;
    int attempts = 0;
    FreeformRunCallbacks callbacks;
    callbacks.ImproveProgress = [&](int) { ++attempts; };
    const FreeformAddResult r = ImproveFill(state, 0, callbacks);
    EXPECT_FALSE(r.Added);
    EXPECT_EQ(r.Message, "No improvement found");
    EXPECT_EQ(attempts, 2 * MaxImproveAttempts);
    EXPECT_EQ(state.Fills.GridsMax, 1);
    EXPECT_EQ(state.Fills.StoredWordCount, stored);
    ASSERT_TRUE(r.Shown.has_value());
    EXPECT_EQ(state.Xw.WordSlotCount, 1);  // the fill on display again
}

TEST_F(FreeformRun, AddThisGridStoresTheEditedCrossword)
{
    Use(test::MadeUpWords(300, 10), 15);
    QuickFill(state, SeedWordChoice::RandomWord, 0, {});
    const int words = state.Xw.WordSlotCount;
    // The user deletes the last answer.
    --state.Xw.WordSlotCount;
    ClearGrid(state.Xw.Squares, true);
    WriteFillToGrid(state.Xw, FillSourceKind::Freeform);
    BlockEmptySquares(state.Xw.Squares);
    const auto stored = state.Fills.StoredWordCount;

    const FreeformAddResult r = AddThisGrid(state, 0);
    ASSERT_TRUE(r.Added);
    EXPECT_EQ(state.Fills.GridsMax, 2);
    EXPECT_EQ(state.Fills.CurrentFill, 2);
    EXPECT_EQ(state.Fills.StoredWordCount, stored + words - 1);
    EXPECT_EQ(state.Fills.Record(2).WrdCount, words - 1);
    const std::string line = state.Freeform.FreeFillsList.At(FindFillRow(state.Freeform.FreeFillsList, 2)).Text();
    EXPECT_EQ(line[14], 'e');
    EXPECT_EQ(line.size(), 44u);  // the score is 6 characters wide
    ASSERT_TRUE(r.Shown.has_value());
    EXPECT_EQ(r.Shown->Counts.Words, words - 1);
    ExpectListedFillsConsistent();

    state.Fills.GridsMax = MaxFillRecords;
    const auto before = state.Fills.StoredWordCount;
    const FreeformAddResult full = AddThisGrid(state, 0);
    EXPECT_TRUE(full.ListFull);
    EXPECT_EQ(full.Message, "No more grids available");
    EXPECT_EQ(state.Fills.StoredWordCount, before);  // nothing is stored for a fill that cannot be listed
}

TEST_F(FreeformRun, ListOfGridsListing)
{
    Use(test::MadeUpWords(300, 11), 15);
    QuickFill(state, SeedWordChoice::RandomWord, 0, {});
    const FillRecord& r = state.Fills.Record(1);
    const auto lines = ListOfGridsListing(state.Fills, 0);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "GridsMax= 1");
    EXPECT_EQ(lines[1], "  k    LttCount   WrdCount   LastWrd  ILockCount ILockArea");
    EXPECT_EQ(lines[2], Format("%3d%10d%10d%10d%10d%10d", 1, r.LttCount, r.WrdCount, r.LastWrd, r.ILockCount, r.ILockArea));
    EXPECT_EQ(lines[3], "SymmFillsListBox.Count=0");
}

}  // namespace
}  // namespace qm
