// Runs of symmetrical fills: the stores and list lines, the index against the scan over whole runs,
// showing fills during and after a run, Stop, the repeats text and refused runs.
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

/// A state with the committed stock grids, stock grid `ordinal` of `size` chosen and analysed, and a
/// dictionary over a small alphabet (the more letters, the harder the fill).
std::unique_ptr<QuillmereState> ReadyToRun(int size, int ordinal, int letters = 3)
{
    auto state = test::FillState(test::SmallAlphabetWords(letters, 120, 9, 9), 3);
    LoadStockGrids(state->Stock, test::CommittedStockGrids());
    ChooseStockGrid(state->Stock, StockGridsOfSize(state->Stock, size).First + ordinal - 1, state->Xw);
    return state;
}

/// Makes every third imported: the dictionary's words of every other length go to the imported list.
void ImportEveryOtherWord(QuillmereState& state)
{
    ImportedList& imp = state.Imported;
    imp.ThemeIndex.assign(MaxWordLength + 1, {});
    for (int L = MinWordLength; L <= 9; ++L) {
        const auto& words = state.Dict.MainWordArray[static_cast<std::size_t>(L)];
        for (std::size_t i = 1; i + 1 < words.size(); i += 2) {
            imp.ThemeIndex[static_cast<std::size_t>(L)].push_back(
                ThemeEntry{words[i].Text, static_cast<std::int32_t>(imp.ThemeWords.size()), L});
            imp.ThemeWords.push_back(words[i].Text);
            imp.ThemeClues.push_back("Imported clue " + std::to_string(imp.ThemeWords.size()));
        }
    }
    imp.ThemeIndex.resize(10);
    imp.MaxLen = 9;
    imp.ThemeWordCount = static_cast<std::int32_t>(imp.ThemeWords.size());
}

struct RunRecord {
    std::vector<std::string> Lines;
    std::vector<std::string> Memo;
    std::vector<std::tuple<int, int, int, int>> Words;  // row, col, length, reference of every stored word
    bool operator==(const RunRecord&) const = default;
};

RunRecord Record(const QuillmereState& state, const FillList& list, std::vector<std::string> memo)
{
    RunRecord r{list.Texts(), std::move(memo), {}};
    for (int i = 1; i <= state.Fills.StoredWordCount; ++i) {
        const StoredWord& w = state.Fills.Words[static_cast<std::size_t>(i)];
        r.Words.emplace_back(w.Row, w.Col, w.NumLett, w.DictOrThemeRef * 2 + w.FromDict);
    }
    return r;
}

RunRecord RunFills(QuillmereState& state, PickMethod method, int repeats, const std::function<void(QuillmereState&)>& between = {})
{
    FillList list;
    std::vector<std::string> memo;
    RunSettings settings;
    settings.Repeats = repeats;
    settings.Method = method;
    settings.Fill.MaxIterations = 2000;
    RunCallbacks callbacks;
    callbacks.Fill.AddMemoLine = [&](const std::string& line) { memo.push_back(line); };
    callbacks.ProcessMessages = [&] {
        if (between) between(state);
    };
    state.SymmFillsList.Clear();
    RunSymmetricFills(state, list, settings, callbacks);
    state.SymmFillsList = list;
    return Record(state, list, memo);
}

TEST(SymmetricRun, TheIndexedEngineMakesExactlyTheFillsOfThePlainScan)
{
    std::size_t fills = 0;
    for (FillSourceKind source : {FillSourceKind::Dictionary, FillSourceKind::Hybrid, FillSourceKind::ImportedOnly}) {
        SCOPED_TRACE(static_cast<int>(source));
        auto scanned = ReadyToRun(13, 1, 12);
        auto indexed = ReadyToRun(13, 1, 12);
        for (auto* s : {scanned.get(), indexed.get()}) {
            s->FillSource = source;
            ImportEveryOtherWord(*s);
        }
        const RunRecord a = RunFills(*scanned, PickMethod::Scan, 40);
        const RunRecord b = RunFills(*indexed, PickMethod::Indexed, 40);
        EXPECT_EQ(a, b);
        EXPECT_GT(a.Lines.size(), 0u);
        fills += a.Lines.size();
    }
    EXPECT_LT(fills, 120u);  // some attempts failed, so failed attempts are compared too
}

TEST(SymmetricRun, FillsAreStoredAndListedWithTheirCounts)
{
    auto state = ReadyToRun(9, 1);
    const RunRecord r = RunFills(*state, PickMethod::Indexed, 20);
    ASSERT_FALSE(r.Lines.empty());
    EXPECT_EQ(r.Memo.front(), "Running...");
    EXPECT_EQ(r.Memo.size(), 21u);
    EXPECT_EQ(state->Fills.GridsMax, static_cast<int>(r.Lines.size()));
    for (std::size_t k = 0; k < r.Lines.size(); ++k) {
        const int fill = static_cast<int>(k) + 1;
        const FillRecord& rec = state->Fills.Record(fill);
        EXPECT_EQ(rec.LttCount, 55);
        EXPECT_EQ(rec.WrdCount, state->Xw.WordSlotCount);
        EXPECT_EQ(rec.LastWrd, fill * rec.WrdCount);
        // The dictionary source lists no imported words, so the list is in fill-number order.
        EXPECT_EQ(r.Lines[k], FillRow::Symmetric(fill, 55, rec.WrdCount, rec.Iterations, 0).Text());
    }
    EXPECT_EQ(FillRow::Symmetric(12, 55, 13, 345, 2).Text(), "9997     0  12    55     13     345      2");
    EXPECT_EQ(state->Run, RunState::Idle);
}

TEST(SymmetricRun, AShownFillIsTheAttemptThatMadeItAndShowingItMidRunChangesNothing)
{
    // The grid as each fill was made, read when its line is listed.
    auto plain = ReadyToRun(7, 1);
    std::vector<std::vector<std::string>> made;
    FillList list;
    RunSettings settings;
    settings.Repeats = 25;
    RunCallbacks callbacks;
    callbacks.FillListed = [&](const FillRow&, int) { made.push_back(test::GridRows(plain->Xw.Squares)); };
    RunSymmetricFills(*plain, list, settings, callbacks);
    ASSERT_GE(made.size(), 3u);
    plain->SymmFillsList = list;
    const RunRecord expected = Record(*plain, list, {});
    for (int fill = 1; fill <= static_cast<int>(made.size()); ++fill) {
        const ShownFill shown = ShowFill(*plain, list.At(FindFillRow(list, fill)).Fill);
        EXPECT_EQ(shown.Fill, fill);
        EXPECT_EQ(test::GridRows(plain->Xw.Squares), made[static_cast<std::size_t>(fill - 1)]) << "fill " << fill;
        EXPECT_EQ(shown.Counts.Words, 13);
        EXPECT_EQ(shown.Counts.Letters, 37);
        EXPECT_EQ(shown.SelectedRow, fill - 1);  // dictionary fills are listed in fill-number order
        EXPECT_EQ(shown.Status.Words, "words 13");
        EXPECT_EQ(shown.Status.Letters, "letters 37");
        EXPECT_EQ(shown.Lists.Across.size() + shown.Lists.Down.size(), 13u);
        EXPECT_EQ(plain->Xw.Slot(1).Clue, 1);
    }

    // The same run, showing the newest fill after every attempt.
    auto showing = ReadyToRun(7, 1);
    FillList list2;
    int shownCount = 0;
    RunCallbacks callbacks2;
    callbacks2.ProcessMessages = [&] {
        if (list2.Count() == 0) return;
        ShowFill(*showing, list2.Rows.back().Fill);
        ++shownCount;
    };
    RunSymmetricFills(*showing, list2, settings, callbacks2);
    EXPECT_GT(shownCount, 0);
    EXPECT_EQ(Record(*showing, list2, {}), expected);
}

TEST(SymmetricRun, StopEndsTheRunAfterTheCurrentAttempt)
{
    auto state = ReadyToRun(7, 1);
    FillList list;
    RunSettings settings;
    settings.Repeats = 50;
    RunCallbacks callbacks;
    int attempts = 0;
    callbacks.AttemptStarted = [&](int i, int repeats) {
        EXPECT_EQ(i, ++attempts);
        EXPECT_EQ(repeats, 50);
        EXPECT_EQ(state->Run, RunState::Running);
    };
    callbacks.ProcessMessages = [&] {
        if (attempts == 3) state->Run = RunState::StopRequested;
    };
    const RunResult r = RunSymmetricFills(*state, list, settings, callbacks);
    EXPECT_EQ(r.Attempts, 3);
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(state->Run, RunState::Idle);
}

TEST(SymmetricRun, ARunWhereEveryAttemptFailsLeavesNothingListed)
{
    auto state = ReadyToRun(7, 1);
    SelectionOptions noNouns;
    noNouns.POSNounCommon = false;  // every word of the fixture is a common noun
    BuildSelectionMasks(state->Selection, noNouns, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    FillList list;
    list.Add(FillRow::Symmetric(1, 10, 3, 20, 0));  // a stale row
    RunSettings settings;
    settings.Repeats = 3;
    settings.Fill.MaxIterations = 50;
    const RunResult r = RunSymmetricFills(*state, list, settings, {});
    EXPECT_EQ(r.FillCount, 0);
    EXPECT_FALSE(r.Shown);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(state->Fills.GridsMax, 0);
    EXPECT_EQ(state->Fills.StoredWordCount, 0);
    EXPECT_THROW(ShowFill(*state, 1), Failure);
}

TEST(SymmetricRun, TheIndexKeptBetweenRunsFollowsTheSelectionTheDictionaryAndScanningAttempts)
{
    auto state = ReadyToRun(7, 1);
    const auto analysed = std::make_unique<Crossword>(state->Xw);
    const RunRecord first = RunFills(*state, PickMethod::Indexed, 10);
    ASSERT_FALSE(first.Lines.empty());

    // A scanning run in between leaves its words in use behind the index's back.
    state->Xw = *analysed;
    state->Random.SetClock(SimulatedSeedClock(3));
    const RunRecord scanned = RunFills(*state, PickMethod::Scan, 10);
    state->Xw = *analysed;
    state->Random.SetClock(SimulatedSeedClock(3));
    EXPECT_EQ(RunFills(*state, PickMethod::Indexed, 10), scanned);

    // A selection that leaves no word.
    SelectionOptions rarest;
    rarest.RarityThreshold = 20;
    BuildSelectionMasks(state->Selection, rarest, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    EXPECT_TRUE(RunFills(*state, PickMethod::Indexed, 5).Lines.empty());

    // Another dictionary: only its words are placed.
    LoadDictionary(state->Dict, test::DictionaryBytes(test::SmallAlphabetWords(2, 40, 9, 4)));
    BuildSelectionMasks(state->Selection, SelectionOptions{}, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    ASSERT_FALSE(RunFills(*state, PickMethod::Indexed, 5).Lines.empty());
    const auto rows = test::GridRows(state->Xw.Squares);
    for (char c : rows[0]) EXPECT_TRUE(c == '#' || c == 'A' || c == 'B') << c;
}

TEST(SymmetricRun, BadRunsAreRefusedBeforeAnythingChanges)
{
    const struct {
        const char* name;
        int repeats;
        int iterations;
        bool analysed;
        const char* message;
    } cases[] = {
        {"no attempts", 0, 100, true, "1 to 3000 attempts"},
        {"too many attempts", 3001, 100, true, "1 to 3000 attempts"},
        {"no iterations", 5, 0, true, "at least 1"},
        {"no grid", 5, 100, false, "Choose a stock grid"},
    };
    for (const auto& c : cases) {
        auto state = ReadyToRun(7, 1);
        if (!c.analysed) state->Xw = Crossword{};
        FillList list;
        list.Add(FillRow::Symmetric(1, 10, 3, 20, 0));
        RunSettings settings;
        settings.Repeats = c.repeats;
        settings.Fill.MaxIterations = c.iterations;
        try {
            RunSymmetricFills(*state, list, settings, {});
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(list.Texts(), std::vector<std::string>{FillRow::Symmetric(1, 10, 3, 20, 0).Text()}) << c.name;
        EXPECT_EQ(state->Run, RunState::Idle);
    }
}

TEST(SymmetricRun, RepeatsAndTimingTexts)
{
    const struct {
        const char* text;
        int repeats;
    } cases[] = {{"", 1}, {"0", 1}, {"-4", 1}, {"abc", 1}, {"25", 25}, {"3000", 3000}, {"5000", 3000}};
    for (const auto& c : cases) EXPECT_EQ(RepeatsFromText(c.text), c.repeats) << c.text;
    EXPECT_EQ(RunTimeText(1.234), "1.23 secs.");
    EXPECT_EQ(RunTimeText(0), "0.00 secs.");

    auto state = ReadyToRun(7, 1);
    FillList list;
    RunSettings settings;
    settings.Fill.MaxIterations = 200;
    const StartedRun run = StartSymmetricRun(*state, list, "5000", settings, {});
    EXPECT_EQ(run.Repeats, 3000);
    EXPECT_EQ(run.RepeatsText, "3000");
    EXPECT_EQ(run.Result.Attempts, 3000);
    EXPECT_NE(run.TimeText.find(" secs."), std::string::npos);
}

TEST(SymmetricRun, AHybridFillShowsItsImportedWordsInLightYellow)
{
    auto state = ReadyToRun(9, 1);
    state->FillSource = FillSourceKind::Hybrid;
    ImportEveryOtherWord(*state);
    const RunRecord r = RunFills(*state, PickMethod::Indexed, 10);
    ASSERT_FALSE(r.Lines.empty());
    const ShownFill shown = ShowFill(*state, state->SymmFillsList.At(0).Fill);
    const int imported = CountImportedWords(state->Xw);
    ASSERT_GT(imported, 0);
    // The line of the fill with most imported words comes first: 9999 - imported, then the counts.
    EXPECT_EQ(r.Lines.front(), FillRow::Symmetric(shown.Fill, 55, 13, state->Fills.Record(shown.Fill).Iterations, imported).Text());
    for (int i = 1; i <= state->Xw.WordSlotCount; ++i) {
        const WordSlot& s = state->Xw.Slot(i);
        const Colour expected = s.FromDict ? ColourWindow : ColourImportedWord;
        // A square shared with an imported word is yellow whatever its other word.
        if (s.FromDict) continue;
        for (int q = 1; q <= s.NumLett; ++q) EXPECT_EQ(state->Xw.SquareOf(s, q).CellColour, expected);
        EXPECT_EQ(s.ClueTxt.view().substr(0, 14), "Imported clue ");
    }
}

TEST(SymmetricRun, AFillShownAfterAFreeformRunCountsItsOwnWords)
{
    // A freeform run earlier left its mark (ImportedFillShown 1) and the imported list behind.
    auto state = ReadyToRun(9, 1);
    state->FillSource = FillSourceKind::Hybrid;
    ImportEveryOtherWord(*state);
    state->ImportedFillShown = 1;
    const int listed = state->Imported.ThemeWordCount;
    ASSERT_GT(listed, 0);
    const RunRecord r = RunFills(*state, PickMethod::Indexed, 3);
    ASSERT_FALSE(r.Lines.empty());
    const ShownFill shown = ShowFill(*state, state->SymmFillsList.At(0).Fill);
    EXPECT_EQ(shown.Status.Words, "words " + std::to_string(state->Xw.WordSlotCount));
    EXPECT_EQ(shown.Counts.Words, state->Xw.WordSlotCount);

    // Only a freeform crossword's fill is counted against the imported list.
    state->FillSource = FillSourceKind::Freeform;
    const int words = state->Fills.Record(shown.Fill).WrdCount;
    const std::string counted = ShownStoredFill(*state, shown.Fill).Status.Words;
    const std::string against = "words " + std::to_string(words) + "/" + std::to_string(listed) + " (";
    EXPECT_EQ(counted.substr(0, against.size()), against) << counted;
    EXPECT_TRUE(counted.ends_with("%)")) << counted;
}

}  // namespace
}  // namespace qm
