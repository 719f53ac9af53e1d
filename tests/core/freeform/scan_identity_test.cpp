// The indexed candidate scan against the plain one: seeded runs must give identical draws and fills.
#include "core/freeform/freeform_run.h"
#include "tests/core/freeform/freeform_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

struct Config {
    const char* name;
    int words;
    std::uint32_t wordSeed;
    int size;
    int fills;
    bool duplicates = false;
    bool modify = true;
    int variation = 200;
    int optimal = 6;
    RankingMethod ranking = RankingMethod::Score;
    bool improve = false;
};

struct RunRecord {
    std::vector<std::string> lines;
    std::vector<std::string> stored;
    std::uint32_t finalSeed = 0;
    std::int64_t attempts = 0;
    std::vector<std::string> improve;
};

RunRecord RunWith(const Config& c, CandidateScan scan)
{
    QuillmereState state;
    state.Imported = test::ListOf(test::MadeUpWords(c.words, c.wordSeed, 12));
    state.Imported.LengthVariation = c.variation;
    state.Imported.OptimalWordLength = c.optimal;
    state.Xw.GridSize = c.size;
    InitGrid(state.Xw);
    state.Random.SetClock(SimulatedSeedClock(c.wordSeed * 7 + 3));
    state.Freeform.Options.Scan = scan;
    state.Freeform.Options.AllowDuplicates = c.duplicates;
    state.Freeform.Options.ModifyProbability = c.modify;
    state.Freeform.Options.Ranking = c.ranking;

    RunRecord r;
    FreeformRunRequest request;
    request.Fills = c.fills;
    request.MaxAttempts = 3 * c.fills;
    const FreeformRunOutcome out = StartFreeformRun(state, request, {});
    r.attempts = out.Run.Attempts;
    if (c.improve && state.Fills.GridsMax > 0) r.improve.push_back(ImproveFill(state, 0, {}).Message);
    r.lines = state.Freeform.FreeFillsList.Texts();
    for (int j = 1; j <= state.Fills.StoredWordCount; ++j) {
        const StoredWord& w = state.Fills.Words[static_cast<std::size_t>(j)];
        r.stored.push_back(std::to_string(w.Row) + "," + std::to_string(w.Col) + "," + std::to_string(w.NumLett) + "," +
                           std::to_string(w.DictOrThemeRef));
    }
    r.finalSeed = state.Random.Seed();
    return r;
}

TEST(CandidateScans, SeededRunsAreIdentical)
{
    const Config configs[] = {
        {"small list, small grid, Improve", 80, 1, 8, 30, false, true, 200, 6, RankingMethod::Score, true},
        {"500 words, 15 x 15, Improve", 500, 2, 15, 30, false, true, 200, 6, RankingMethod::Words, true},
        {"duplicates without fading", 300, 3, 12, 30, true, false},
        {"no variation, long optimal length", 300, 4, 17, 30, false, true, 0, 12},
        {"wide variation, short optimal length", 300, 5, 21, 30, false, true, 500, 3, RankingMethod::Interlocks},
        {"large grid", 400, 6, 30, 5, false, true, 200, 6, RankingMethod::Letters},
    };
    for (const Config& c : configs) {
        const RunRecord plain = RunWith(c, CandidateScan::Plain);
        const RunRecord indexed = RunWith(c, CandidateScan::Indexed);
        EXPECT_GT(plain.lines.size(), 0u) << c.name;
        EXPECT_EQ(indexed.attempts, plain.attempts) << c.name;
        EXPECT_EQ(indexed.lines, plain.lines) << c.name;
        EXPECT_EQ(indexed.stored, plain.stored) << c.name;
        EXPECT_EQ(indexed.improve, plain.improve) << c.name;
        EXPECT_EQ(indexed.finalSeed, plain.finalSeed) << c.name;
    }
}

TEST(CandidateScans, QuickFillsAreIdentical)
{
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        std::vector<std::string> grids[2];
        for (CandidateScan scan : {CandidateScan::Plain, CandidateScan::Indexed}) {
            QuillmereState state;
            state.Imported = test::ListOf(test::MadeUpWords(250, seed));
            state.Xw.GridSize = 8 + static_cast<int>(seed) * 2;
            InitGrid(state.Xw);
            state.Random.SetClock(SimulatedSeedClock(seed));
            state.Freeform.Options.Scan = scan;
            QuickFill(state, SeedWordChoice::RandomWord, 0, {});
            grids[scan == CandidateScan::Indexed] = test::GridRows(state.Xw.Squares);
        }
        EXPECT_EQ(grids[1], grids[0]) << seed;
    }
}

}  // namespace
}  // namespace qm
