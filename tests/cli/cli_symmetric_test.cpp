// quillmere-cli grids / analyse / fill: the built-in stock grids, a grid's slot tables, bad grid data, and
// seeded runs of fills from the built-in dictionary and an imported list.
#include "core/util/text.h"
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::RunProgram;

TEST(CliGrids, ListsTheSizesAndCountsOfTheBuiltInGrids)
{
    const auto r = RunProgram("quillmere-cli", {"grids"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out, " 7   3\n 9  11\n11  33\n12   7\n13  95\n15  98\n17   3\n19  12\n21   3\n23   4\n25   4\n27   2\n29   4\n");
}

TEST(CliGrids, ABadGridFileIsReportedClearly)
{
    test::TempDir dir;
    const std::string bytes = test::CommittedStockGrids();
    test::WriteFile(dir.File("truncated"), bytes.substr(0, bytes.size() - 2));
    std::string wrongSize = bytes;
    wrongSize[0] = 31;
    test::WriteFile(dir.File("size31"), wrongSize);
    const struct {
        const char* file;
        const char* message;
    } cases[] = {{"truncated", "truncated"}, {"size31", "size 31; sizes must be 6 to 29"}, {"missing", "File not found"}};
    for (const auto& c : cases) {
        const auto r = RunProgram("quillmere-cli", {"grids", "--file", dir.File(c.file)});
        EXPECT_EQ(r.ExitCode, 1) << c.file;
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << c.file << ": " << r.Err;
    }
}

TEST(CliAnalyse, PrintsBothSlotTablesOfTheChosenGrid)
{
    const auto r = RunProgram("quillmere-cli", {"analyse", "7", "1"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    const std::string original =
        "ORIGINAL SEQUENCE:\n"
        " 1:  0   1A ( 1, 1) len= 5  0: [ 0  0  0] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 0 DepL= 0 Isl= 0\n";
    EXPECT_EQ(r.Out.rfind(original, 0), 0u) << r.Out;
    const std::string filling =
        "FILLING SEQUENCE:\n"
        " 1:  1   1D ( 1, 1) len= 7  0: [ 0  0  0] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 0 DepL= 0 Isl= 0\n"
        " 2:  2   1A ( 1, 1) len= 5  1: [ 1  1  1] [ 0  0  0] [ 0  0  0] [ 0  0  0] DepE= 1 DepL= 1 Isl= 0\n";
    EXPECT_NE(r.Out.find(filling), std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.substr(r.Out.size() - 31), std::string(30, '-') + "\n");

    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } bad[] = {
        {{"analyse", "8", "1"}, 1, "no stock grids of size 8"},
        {{"analyse", "7", "4"}, 1, "K must be 1 to 3"},
        {{"analyse", "seven", "1"}, 2, "SIZE must be a whole number"},
        {{"analyse", "7"}, 2, "wrong number of arguments"},
    };
    for (const auto& b : bad) {
        const auto e = RunProgram("quillmere-cli", b.args);
        EXPECT_EQ(e.ExitCode, b.code) << b.message;
        EXPECT_NE(e.Err.find(b.message), std::string::npos) << e.Err;
    }
}

std::vector<std::string> Lines(const std::string& text)
{
    auto lines = Split(text, "\n");
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

TEST(CliFill, ASeededRunPrintsTheProgressTheListAndTheShownFillTheSameEveryTime)
{
    const std::vector<std::string> args{"--seed", "9", "fill", "9", "1", "--fills", "4"};
    const auto first = RunProgram("quillmere-cli", args);
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    EXPECT_EQ(RunProgram("quillmere-cli", args).Out, first.Out);
    EXPECT_NE(RunProgram("quillmere-cli", {"--seed", "10", "fill", "9", "1", "--fills", "4"}).Out, first.Out);

    const auto lines = Lines(first.Out);
    ASSERT_GT(lines.size(), 9u + 9u + 2u);
    EXPECT_EQ(lines[0], "Running...");
    int filled = 0;
    for (int i = 1; i <= 4; ++i) {
        const std::string& memo = lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(memo.rfind(std::to_string(i) + ". ", 0), 0u) << memo;
        filled += memo.find("Successful fill in ") != std::string::npos;
    }
    ASSERT_GT(filled, 0);
    // The list lines: 9999 - imported words, 0, fill number, letters 55, 13 words, iterations, 0.
    for (int k = 0; k < filled; ++k) {
        const std::string& line = lines[static_cast<std::size_t>(5 + k)];
        EXPECT_EQ(line.substr(0, 10), "9999     0");
        EXPECT_EQ(line.substr(10, 4), Format("%4d", k + 1));
        EXPECT_EQ(line.substr(14, 19), "    55     13      ");
    }
    // The first fill's grid: nine rows of nine TAB-separated squares, then the clue lists.
    const std::size_t grid = 5 + static_cast<std::size_t>(filled);
    for (std::size_t r = grid; r < grid + 9; ++r) EXPECT_EQ(Split(lines[r], "\t").size(), 9u) << lines[r];
    EXPECT_EQ(lines[grid + 9], "Across");
    EXPECT_EQ(lines[grid + 9 + 8], "Down");  // seven across words in the first 9 x 9 grid
    EXPECT_NE(lines[grid + 10].find(":  "), std::string::npos);
}

TEST(CliFill, ShowsTheFillAskedForAndRefusesBadOptions)
{
    const auto all = RunProgram("quillmere-cli", {"--seed", "9", "fill", "7", "1", "--fills", "3"});
    const auto second = RunProgram("quillmere-cli", {"--seed", "9", "fill", "7", "1", "--fills", "3", "--show", "2"});
    ASSERT_EQ(second.ExitCode, 0) << second.Err;
    EXPECT_NE(second.Out, all.Out);  // another grid and other clues after the same progress and list
    EXPECT_EQ(Lines(second.Out)[4], Lines(all.Out)[4]);

    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } bad[] = {
        {{"fill", "7", "1", "--fills", "3", "--show", "4"}, 1, "There is no fill 4"},
        {{"fill", "7", "1", "--types", "0"}, 2, "--types needs a whole number from 1 to 15"},
        {{"fill", "7", "1", "--categories", "41"}, 2, "--categories takes all, none or category numbers"},
        {{"fill", "7", "1", "--iterations", "0"}, 2, "--iterations needs a whole number from 1"},
        {{"fill", "7", "1", "--fills", "3001"}, 2, "--fills needs a whole number from 1 to 3000"},
        {{"fill", "7", "1", "--source", "list"}, 2, "--source needs --list FILE"},
    };
    for (const auto& b : bad) {
        const auto e = RunProgram("quillmere-cli", b.args);
        EXPECT_EQ(e.ExitCode, b.code) << b.message;
        EXPECT_NE(e.Err.find(b.message), std::string::npos) << e.Err;
    }
}

TEST(CliFill, AnImportedListFillsFirstAndItsCluesAreShown)
{
    test::TempDir dir;
    test::WriteFile(dir.File("list.txt"), "EMU\tFlightless bird\nOWL\tNight bird\nCAT\tFeline\nDOG\tHound\nEEL\tFish\n");
    const auto r = RunProgram("quillmere-cli", {"--seed", "2", "fill", "7", "1", "--fills", "5", "--list", dir.File("list.txt")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const auto lines = Lines(r.Out);
    int imported = 0;
    for (const auto& line : lines)
        if (line.size() == 42 && line[4] == ' ' && line.substr(4, 6) == "     0") {
            const int words = std::stoi(line.substr(35));
            EXPECT_EQ(std::stoi(line.substr(0, 4)), 9999 - words) << line;
            imported = std::max(imported, words);
        }
    ASSERT_GT(imported, 0);
    // The list is sorted with the most imported words first, and that fill is shown.
    bool importedClue = false;
    for (const auto& line : lines)
        importedClue = importedClue || line.find("Flightless bird (3)") != std::string::npos ||
                       line.find("Night bird (3)") != std::string::npos || line.find("Feline (3)") != std::string::npos ||
                       line.find("Hound (3)") != std::string::npos || line.find("Fish (3)") != std::string::npos;
    EXPECT_TRUE(importedClue) << r.Out;
}

}  // namespace
}  // namespace qm
