// quillmere-cli import, freeform and usage: printed lists, seeded reproducible runs, tables, refusals.
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qm {
namespace {

using test::RunProgram;

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string WordFile(const test::TempDir& dir)
{
    std::string text;
    const char* words[] = {"mesa", "list", "aeon", "teal", "stone", "notes", "tones", "onset", "seton", "stoat",
                           "toast", "taste", "state", "eats", "seat", "east", "teas", "sate", "etas", "neat",
                           "ante", "etna", "tern", "rent", "nest", "sent", "tens", "ones", "nose", "eons",
                           "rose", "sore", "ores", "eros", "roes", "star", "rats", "arts", "tsar", "tars",
                           "stern", "terns", "rents", "nester", "resent", "treason", "senator", "atoners", "ornate", "orate"};
    for (const char* w : words) text += std::string(w) + "\tclue of " + w + "\n";
    const std::string path = dir.File("words.txt");
    test::WriteFile(path, text);
    return path;
}

TEST(CliImport, PrintsTheListIndexInterlocksAndStatus)
{
    test::TempDir dir;
    const std::string path = dir.File("small.txt");
    test::WriteFile(path, "mesa\tTable land\nlist\tRoll: of names\naeon\nteal\nDon't-stop\n  ice   cream \tFrozen\nx\n");
    const auto r = RunProgram("quillmere-cli", {"import", path});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::vector<std::string> expected = {
        "ThemeWordCount 6",
        "MESA\tTable land",
        "LIST\tRoll",
        "AEON\t",
        "TEAL\t",
        "DONT-STOP\t",
        "ICE  CREAM\tFrozen",
        "ThemeIndex (MaxLen 8): L, index, Text, ThemeRef, WordBreaks",
        "4\t0\tMESA\t0\t4",
        "4\t1\tLIST\t1\t4",
        "4\t2\tAEON\t2\t4",
        "4\t3\tTEAL\t3\t4",
        "8\t0\tDONTSTOP\t4\t260",
        "8\t1\tICECREAM\t5\t323",
        "TightInterlocksList (1)",
        "E:S:AT",
        "ThemeListStatusBar: \" 6 words\" \" word lengths: 4 to 8\"",
        "FreeFillsStatusBar: \" 6 words\"",
        "Quick Fill and Start: enabled",
    };
    EXPECT_EQ(LinesOf(r.Out), expected);
}

TEST(CliImport, RefusesWhatIsNotText)
{
    test::TempDir dir;
    const std::string path = dir.File("binary.dat");
    test::WriteFile(path, std::string("word\0\x01\x02", 7));
    const auto r = RunProgram("quillmere-cli", {"import", path});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_NE(r.Err.find("not a text file"), std::string::npos) << r.Err;
    EXPECT_EQ(RunProgram("quillmere-cli", {"import", dir.File("missing.txt")}).ExitCode, 1);
    EXPECT_EQ(RunProgram("quillmere-cli", {"import", "--theme", "Plants"}).ExitCode, 2);
}

TEST(CliFreeform, SeededRunsPrintTheListAndTheBestFill)
{
    test::TempDir dir;
    const std::string words = WordFile(dir);
    const std::vector<std::string> args = {"--seed", "7", "freeform", "--list", words, "--size", "11", "--fills", "30", "--improve", "1"};
    const auto a = RunProgram("quillmere-cli", args);
    const auto b = RunProgram("quillmere-cli", args);
    ASSERT_EQ(a.ExitCode, 0) << a.Err;
    EXPECT_EQ(a.Out, b.Out);
    const auto lines = LinesOf(a.Out);
    ASSERT_GT(lines.size(), 32u);
    EXPECT_EQ(lines[0].rfind("Improve: ", 0), 0u) << lines[0];
    std::size_t i = 1;
    while (i < lines.size() && !lines[i].empty()) {
        EXPECT_EQ(lines[i].size(), 43u) << lines[i];
        ++i;
    }
    EXPECT_GE(i - 1, 30u);  // 30 listed fills, and one more when Improve listed one
    ASSERT_LT(i + 13, lines.size());
    EXPECT_EQ(lines[i + 1].rfind("Fill ", 0), 0u);
    EXPECT_EQ(std::count(lines[i + 2].begin(), lines[i + 2].end(), '\t'), 10);  // 11 squares a row
    EXPECT_EQ(lines[i + 13], "Across");
    EXPECT_EQ(lines.back().rfind("letters ", 0), 0u) << lines.back();
    EXPECT_NE(a.Err.find("listed 30/30"), std::string::npos) << a.Err;

    const auto other = RunProgram("quillmere-cli", {"--seed", "8", "freeform", "--list", words, "--size", "11", "--fills", "30"});
    EXPECT_NE(LinesOf(other.Out), LinesOf(a.Out));
}

TEST(CliFreeform, QuickFillSeedWordShowAndLimits)
{
    test::TempDir dir;
    const std::string words = WordFile(dir);
    auto r = RunProgram("quillmere-cli", {"--seed", "3", "freeform", "--list", words, "--size", "9", "--quick", "--seed-word", "treason"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    auto lines = LinesOf(r.Out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(4, 6), "    45");  // TREASON is item 45 of the list
    EXPECT_EQ(lines[0][14], ' ');
    EXPECT_EQ(lines[3].substr(0, 13), "T\tR\tE\tA\tS\tO\tN");  // the seed word across in the top row

    r = RunProgram("quillmere-cli", {"--seed", "3", "freeform", "--list", words, "--size", "9", "--fills", "50",
                                     "--max-attempts", "4", "--show", "2", "--scan", "plain"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Err.find("listed 4/50"), std::string::npos) << r.Err;
    EXPECT_NE(r.Out.find("\nFill 2\n"), std::string::npos);

    EXPECT_EQ(RunProgram("quillmere-cli", {"freeform", "--list", words, "--size", "9", "--quick", "--show", "5"}).ExitCode, 1);
    EXPECT_EQ(RunProgram("quillmere-cli", {"freeform", "--list", words, "--size", "7"}).ExitCode, 2);
    EXPECT_EQ(RunProgram("quillmere-cli", {"freeform", "--list", words, "--size", "9", "--quick", "--fills", "3"}).ExitCode, 2);
    r = RunProgram("quillmere-cli", {"freeform", "--list", words, "--size", "8", "--seed-word", "treason", "--quick"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;  // seven letters fit into 8
    r = RunProgram("quillmere-cli", {"freeform", "--list", words, "--size", "8", "--seed-word", "nothing"});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_NE(r.Err.find("not in the word list"), std::string::npos);
}

TEST(CliUsage, TablesAfterARun)
{
    test::TempDir dir;
    const std::string words = WordFile(dir);
    auto r = RunProgram("quillmere-cli", {"--seed", "5", "usage", "--list", words, "--size", "11", "--fills", "10", "--table", "summary"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    auto lines = LinesOf(r.Out);
    ASSERT_EQ(lines.size(), 1u + 7u);  // MaxUsage, lengths 2..7, Total
    EXPECT_EQ(lines[1], "2 letters\t0\t0.0%");
    EXPECT_EQ(lines.back().substr(0, 6), "Total\t");
    EXPECT_EQ(lines.back().substr(lines.back().size() - 5), "\t100%");

    r = RunProgram("quillmere-cli", {"--seed", "5", "usage", "--list", words, "--size", "11", "--fills", "10", "--table", "grouped"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    lines = LinesOf(r.Out);
    EXPECT_EQ(lines[1], "* Words of Length  2\t");
    EXPECT_EQ(lines.size(), 1u + 50u + 6u);

    EXPECT_EQ(RunProgram("quillmere-cli", {"usage", "--list", words, "--size", "11", "--table", "bars"}).ExitCode, 2);
}

}  // namespace
}  // namespace qm
