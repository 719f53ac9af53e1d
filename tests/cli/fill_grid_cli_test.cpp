// quillmere-cli fill-grid, selected-words and fill --engine any over the built-in dictionary: what a fill
// prints, the word sources, the exit codes and messages, --out, and the stock engine left as it was.
#include "core/util/text.h"
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

using test::RunProgram;

std::vector<std::string> LinesOf(const std::string& text)
{
    auto lines = Split(text, "\n");
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

/// The words of a filled grid text (slots of three letters or more, across then down).
std::vector<std::string> GridWords(const std::vector<std::string>& rows)
{
    std::vector<std::string> words;
    const int n = static_cast<int>(rows.size());
    for (int across = 1; across >= 0; --across)
        for (int a = 0; a < n; ++a) {
            std::string run;
            for (int b = 0; b <= n; ++b) {
                const char c = b < n ? (across ? rows[a][b] : rows[b][a]) : '#';
                if (c != '#') {
                    run += c;
                    continue;
                }
                if (run.size() >= 3) words.push_back(run);
                run.clear();
            }
        }
    return words;
}

class FillGridCli : public ::testing::Test {
protected:
    std::string Grid(const std::string& name, const std::vector<std::string>& rows)
    {
        std::string text;
        for (const auto& r : rows) text += r + "\n";
        test::WriteFile(dir_.File(name), text);
        return dir_.File(name);
    }
    test::TempDir dir_;
};

TEST_F(FillGridCli, PrintsEachFillAsAGridTextWithItsCluesAndTheCount)
{
    const std::vector<std::string> rows{"#....", ".....", "..T..", ".....", "....#"};
    const std::string grid = Grid("grid.txt", rows);
    const auto r = RunProgram("quillmere-cli", {"fill-grid", grid, "--fills", "2", "--seed", "3"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::vector<std::string> lines = LinesOf(r.Out);
    ASSERT_GT(lines.size(), 5u);
    std::vector<std::vector<std::string>> fills;
    for (std::size_t i = 0; i + 5 <= lines.size(); ++i)
        if (i == 0 || lines[i - 1].empty()) fills.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(i),
                                                               lines.begin() + static_cast<std::ptrdiff_t>(i) + 5);
    ASSERT_EQ(fills.size(), 2u) << r.Out;
    for (const auto& fill : fills) {
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 5; ++col) {
                const char c = fill[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
                const char given = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
                if (given == '#' || given == 'T') {
                    EXPECT_EQ(c, given);
                } else {
                    EXPECT_TRUE(c >= 'A' && c <= 'Z') << fill[static_cast<std::size_t>(row)];
                }
            }
        const auto words = GridWords(fill);
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << "a word repeats";
    }
    EXPECT_NE(fills[0], fills[1]);
    EXPECT_NE(r.Out.find("\nAcross\n1:  "), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("\nDown\n"), std::string::npos);
    EXPECT_EQ(lines.back().rfind("filled 2 of 2 in ", 0), 0u) << lines.back();
    EXPECT_EQ(lines.back().substr(lines.back().size() - 3), " ms");

    // The same seed, the same fills.
    const auto again = RunProgram("quillmere-cli", {"--seed", "3", "fill-grid", grid, "--fills", "2"});
    const std::vector<std::string> againLines = LinesOf(again.Out);
    EXPECT_EQ(std::vector<std::string>(againLines.begin(), againLines.end() - 1), std::vector<std::string>(lines.begin(), lines.end() - 1));
}

TEST_F(FillGridCli, AnImportedListAloneGivesEveryWord)
{
    // Two word squares' worth of words: every slot must come from the list.
    std::string list;
    const std::vector<std::string> words{"BIO", "LCA", "TEN", "BLT", "ICE", "OAN", "ZZZ"};
    for (const auto& w : words) list += w + "\tclue of " + w + "\n";
    test::WriteFile(dir_.File("list.txt"), list);
    const std::string grid = Grid("g.txt", {"...", "...", "..."});
    const auto r = RunProgram("quillmere-cli", {"fill-grid", grid, "--list", dir_.File("list.txt"), "--source", "list", "--seed", "1"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err << r.Out;
    const std::vector<std::string> lines = LinesOf(r.Out);
    for (const auto& w : GridWords({lines[0], lines[1], lines[2]}))
        EXPECT_NE(std::find(words.begin(), words.end(), w), words.end()) << w;
    EXPECT_NE(r.Out.find("clue of BLT (3)"), std::string::npos) << r.Out;
}

TEST_F(FillGridCli, ExitCodesAndMessages)
{
    std::string big(5000, '.');
    test::WriteFile(dir_.File("big.txt"), big);
    test::WriteFile(dir_.File("binary.txt"), std::string("..\0\n...\n...\n", 12));
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        const char* message;  ///< on the output for exit 4, on the error output otherwise
    } cases[] = {
        {"missing file", {"fill-grid", dir_.File("none.txt")}, 1, "File not found"},
        {"too big", {"fill-grid", dir_.File("big.txt")}, 1, "so it is not a grid"},
        {"binary", {"fill-grid", dir_.File("binary.txt")}, 1, "The square at row 1, column 3"},
        {"not square", {"fill-grid", Grid("ns.txt", {"....", "....", "...."})}, 1, "Row 1 has 4 squares"},
        {"unchecked", {"fill-grid", Grid("uk.txt", {".....", ".#.#.", ".....", ".#.#.", "....."})}, 1,
         "allow unchecked squares"},
        {"no fill", {"fill-grid", Grid("q.txt", {"QXJ..", ".....", ".....", ".....", "....."})}, 4,
         "No fill exists: no word fits 1 Across (QXJ?"},
        {"time", {"fill-grid", Grid("t.txt", {".....", ".....", ".....", ".....", "....."}), "--time-limit", "0.000001"}, 4,
         "The time ran out after "},
        {"source without list", {"fill-grid", Grid("s.txt", {"...", "...", "..."}), "--source", "list"}, 2, "--source needs --list"},
        {"bad time", {"fill-grid", Grid("s2.txt", {"...", "...", "..."}), "--time-limit", "soon"}, 2, "--time-limit needs"},
        {"time for the stock engine", {"fill", "9", "1", "--time-limit", "5"}, 2, "--time-limit needs --engine any"},
        {"unknown engine", {"fill", "9", "1", "--engine", "fast"}, 2, "--engine is stock or any"},
    };
    for (const auto& c : cases) {
        const auto r = RunProgram("quillmere-cli", c.args);
        EXPECT_EQ(r.ExitCode, c.code) << c.name << ": " << r.Out << r.Err;
        const std::string& where = c.code == 4 ? r.Out : r.Err;
        EXPECT_NE(where.find(c.message), std::string::npos) << c.name << ": " << where;
        if (c.code == 4) {
            EXPECT_NE(r.Out.find("filled 0 of 1 in "), std::string::npos) << c.name;
        }
    }
    const auto allowed = RunProgram("quillmere-cli", {"fill-grid", dir_.File("uk.txt"), "--allow-unchecked", "--seed", "2"});
    EXPECT_EQ(allowed.ExitCode, 0) << allowed.Err;
}

TEST_F(FillGridCli, OutSavesTheFirstFillAsACrosswordFile)
{
    const std::vector<std::string> rows{"#...###", "#......", "#......", "...#...", "......#", "......#", "###...#"};
    const std::string grid = Grid("g.txt", rows);
    const std::string saved = dir_.File("fill.xwd");
    const auto made = RunProgram("quillmere-cli", {"fill-grid", grid, "--seed", "5", "--out", saved, "--time-limit", "20"});
    ASSERT_EQ(made.ExitCode, 0) << made.Err << made.Out;
    EXPECT_NE(made.Out.find("saved " + saved), std::string::npos);
    const auto shown = RunProgram("quillmere-cli", {"show", saved});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    // show prints the squares separated by TABs, a blank for a block.
    const std::vector<std::string> printed = LinesOf(made.Out);
    const std::vector<std::string> loaded = LinesOf(shown.Out);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::string letters;
        for (const char c : loaded[row])
            if (c != '\t' && c != '\r') letters += c == ' ' ? '#' : c;
        EXPECT_EQ(letters, printed[row]);
    }
    const auto none = RunProgram("quillmere-cli", {"fill-grid", Grid("q.txt", {"QXJ....", ".......", ".......", ".......", ".......",
                                                                               ".......", "......."}),
                                                   "--out", dir_.File("none.xwd")});
    EXPECT_EQ(none.ExitCode, 4);
    EXPECT_NE(none.Err.find("was not written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("none.xwd")));
}

TEST_F(FillGridCli, StockGridsKeepTheirEngineAndMayUseTheOther)
{
    const auto stock = RunProgram("quillmere-cli", {"--seed", "4", "fill", "9", "2", "--fills", "2"});
    const auto named = RunProgram("quillmere-cli", {"--seed", "4", "fill", "9", "2", "--fills", "2", "--engine", "stock"});
    ASSERT_EQ(stock.ExitCode, 0) << stock.Err;
    EXPECT_EQ(stock.Out, named.Out);
    EXPECT_EQ(stock.Out.find("filled "), std::string::npos);

    const auto any = RunProgram("quillmere-cli", {"--seed", "4", "fill", "9", "2", "--fills", "2", "--engine", "any"});
    ASSERT_EQ(any.ExitCode, 0) << any.Err;
    const std::vector<std::string> lines = LinesOf(any.Out);
    EXPECT_EQ(lines.back().rfind("filled 2 of 2 in ", 0), 0u) << any.Out;
    ASSERT_GE(lines.size(), 9u);
    for (int row = 0; row < 9; ++row) EXPECT_EQ(lines[static_cast<std::size_t>(row)].size(), 9u) << lines[static_cast<std::size_t>(row)];
}

TEST_F(FillGridCli, SelectedWordsFollowTheSelection)
{
    const auto all = RunProgram("quillmere-cli", {"selected-words"});
    const auto common = RunProgram("quillmere-cli", {"selected-words", "--rarity", "15"});
    ASSERT_EQ(all.ExitCode, 0) << all.Err;
    ASSERT_EQ(common.ExitCode, 0) << common.Err;
    const auto allWords = LinesOf(all.Out);
    const auto commonWords = LinesOf(common.Out);
    EXPECT_GT(allWords.size(), 50000u);
    EXPECT_LT(commonWords.size(), allWords.size());
    EXPECT_GT(commonWords.size(), 0u);
    for (const auto& w : commonWords) EXPECT_TRUE(w.size() >= 3 && w.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos) << w;
}

}  // namespace
}  // namespace qm
