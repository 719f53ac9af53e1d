// The designer's live checks: the counts, each finding with its squares and message, and a verdict that
// is always the fill's own (checked against the fill's grid analysis on many random grids).
#include "core/anyfill/any_grid.h"
#include "core/design/design_checks.h"
#include "core/util/failure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace qm {
namespace {

GridDesign Design(const std::vector<std::string>& rows)
{
    std::string text;
    for (const auto& r : rows) text += r + "\n";
    return DesignFromGridText(text);
}

/// The findings as "message [squares] stops|allowed" lines, squares as rRcC.
std::vector<std::string> Lines(const DesignReport& report)
{
    std::vector<std::string> lines;
    for (const DesignFinding& f : report.Findings) {
        std::string line = f.Message + " [";
        for (std::size_t i = 0; i < f.Squares.size(); ++i)
            line += (i ? " r" : "r") + std::to_string(f.Squares[i].Row) + "c" + std::to_string(f.Squares[i].Col);
        lines.push_back(line + "] " + (f.StopsFill ? "stops" : "allowed"));
    }
    return lines;
}

TEST(DesignChecks, EachProblemWithItsSquaresAndMessage)
{
    const struct {
        const char* name;
        std::vector<std::string> rows;
        bool allowUnchecked;
        const char* counts;
        std::vector<std::string> findings;
        bool canFill;
    } cases[] = {
        {"a clean American-style corner", {"...#", "....", "....", "#..."}, false, "8 words, 2 blocks", {}, true},
        {"a run of two", {"..#..", ".....", ".....", ".....", "....."}, false, "9 words, 1 block",
         {"2 runs too short for a word [r1c1 r1c2 r1c4 r1c5] stops",
          "4 squares in only one word [r1c1 r1c2 r1c4 r1c5] stops"},
         false},
        {"British style, allowed", {".....", ".#.#.", ".....", ".#.#.", "....."}, true, "6 words, 4 blocks",
         {"12 squares in only one word (allowed) [r1c2 r1c4 r2c1 r2c3 r2c5 r3c2 r3c4 r4c1 r4c3 r4c5 r5c2 r5c4] allowed"}, true},
        {"British style, not allowed", {".....", ".#.#.", ".....", ".#.#.", "....."}, false, "6 words, 4 blocks",
         {"12 squares in only one word [r1c2 r1c4 r2c1 r2c3 r2c5 r3c2 r3c4 r4c1 r4c3 r4c5 r5c2 r5c4] stops"}, false},
        {"a square in no word", {".....", ".#.#.", "..#..", ".#.#.", "....."}, true, "4 words, 5 blocks",
         {"4 squares in no word [r2c3 r3c2 r3c4 r4c3] stops",
          "4 runs too short for a word [r1c3 r2c3 r3c1 r3c2 r3c4 r3c5 r4c3 r5c3] stops",
          "12 squares in only one word (allowed) [r1c2 r1c3 r1c4 r2c1 r2c5 r3c1 r3c5 r4c1 r4c5 r5c2 r5c3 r5c4] allowed"},
         false},
        {"two parts", {"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}, false, "24 words, 13 blocks",
         {"The grid falls into 4 parts [r1c5 r1c6 r1c7 r2c5 r2c6 r2c7 r3c5 r3c6 r3c7 r5c1 r5c2 r5c3 r5c5 r5c6 r5c7 r6c1 r6c2 "
          "r6c3 r6c5 r6c6 r6c7 r7c1 r7c2 r7c3 r7c5 r7c6 r7c7] stops"},
         false},
        {"all blocks", {"###", "###", "###"}, false, "0 words, 9 blocks", {"No open squares [] stops"}, false},
        {"a theme entry twice", {"CAT", "...", "CAT"}, false, "6 words, 0 blocks", {"CAT placed twice [r1c1 r1c2 r1c3 r3c1 r3c2 r3c3] stops"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DesignReport report = CheckDesign(Design(c.rows), GridCheckOptions{c.allowUnchecked});
        EXPECT_EQ(report.Counts, c.counts);
        EXPECT_EQ(Lines(report), c.findings);
        EXPECT_EQ(report.CanFill, c.canFill);
        EXPECT_EQ(report.FillRefusal.empty(), c.canFill) << report.FillRefusal;
    }
}

TEST(DesignChecks, LongWordsAndTooManyWords)
{
    // 21 open squares in row 1 of a 21 x 21 grid, every other row blocked below.
    std::vector<std::string> rows(21, std::string(21, '.'));
    DesignReport report = CheckDesign(Design(rows), {});
    ASSERT_GE(report.Findings.size(), 1u);
    EXPECT_EQ(report.Findings[0].Kind, DesignProblem::LongWord);
    EXPECT_EQ(report.Findings[0].Message, "42 words over 20 letters");
    EXPECT_EQ(report.Findings[0].Squares.size(), 441u);
    EXPECT_NE(report.FillRefusal.find("has 21 letters"), std::string::npos) << report.FillRefusal;

    // A block wherever (row + 2 column) is a multiple of 5: 168 words of 3 or 4 letters.
    std::vector<std::string> many;
    for (int r = 0; r < 21; ++r) {
        std::string row;
        for (int c = 0; c < 21; ++c) row += (r + 2 * c) % 5 == 0 ? '#' : '.';
        many.push_back(row);
    }
    report = CheckDesign(Design(many), GridCheckOptions{true});
    ASSERT_FALSE(report.Findings.empty());
    EXPECT_EQ(report.Findings.back().Kind, DesignProblem::TooManyWords);
    EXPECT_EQ(report.Findings.back().Message, "168 words; a crossword holds at most 160");
    EXPECT_EQ(report.Words, 168);
    EXPECT_FALSE(report.CanFill);
}

/// A random design: blocks at the given density, kept by rotation when symmetric, a few letters.
GridDesign RandomDesign(std::mt19937& random, int size, double density, bool symmetric)
{
    std::bernoulli_distribution block(density);
    std::bernoulli_distribution letter(0.05);
    Grid squares(size);
    for (int r = 1; r <= size; ++r)
        for (int c = 1; c <= size; ++c) {
            if (block(random)) {
                squares(c, r).Letter = '#';
                if (symmetric) squares(size + 1 - c, size + 1 - r).Letter = '#';
            }
        }
    for (int r = 1; r <= size; ++r)
        for (int c = 1; c <= size; ++c)
            if (squares(c, r).Letter != '#' && letter(random)) squares(c, r).Letter = static_cast<char>('A' + random() % 26);
    return GridDesign::FromSquares(squares);
}

TEST(DesignChecks, TheVerdictIsTheFillsOwn)
{
    std::mt19937 random(1234);
    int fillable = 0;
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        const int size = 3 + static_cast<int>(random() % 13);
        const double density = static_cast<int>(random() % 30) / 100.0;
        const GridDesign design = RandomDesign(random, size, density, i % 2 == 0);
        for (const bool allow : {false, true}) {
            const GridCheckOptions options{allow};
            const DesignReport report = CheckDesign(design, options);
            std::string thrown;
            try {
                (void)AnalyseAnyGrid(design.Squares(), options);
            } catch (const Failure& e) {
                thrown = e.what();
            }
            const bool repeated = std::any_of(report.Findings.begin(), report.Findings.end(),
                                              [](const DesignFinding& f) { return f.Kind == DesignProblem::RepeatedWord; });
            // The grid analysis leaves words placed twice to the engine; everything else must agree word for word.
            if (!repeated || !thrown.empty()) {
                ASSERT_EQ(report.FillRefusal, thrown) << DesignGridText(design);
            }
            const bool stops = std::any_of(report.Findings.begin(), report.Findings.end(), [](const DesignFinding& f) { return f.StopsFill; });
            ASSERT_EQ(report.CanFill, !stops) << DesignGridText(design) << report.FillRefusal;
            (report.CanFill ? fillable : refused) += 1;
        }
    }
    // Both verdicts were met often enough for the comparison to mean something.
    EXPECT_GT(fillable, 300);
    EXPECT_GT(refused, 300);
}

}  // namespace
}  // namespace qm
