// quillmere-cli: global options, errors and the dictionary command.
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

using test::RunProgram;

TEST(Cli, HelpListsTheCommandsAndBadUsageIsRefused)
{
    const auto help = RunProgram("quillmere-cli", {"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("dictionary"), std::string::npos);

    EXPECT_EQ(RunProgram("quillmere-cli", {"no-such-command"}).ExitCode, 2);
    EXPECT_EQ(RunProgram("quillmere-cli", {"--seed", "x", "dictionary"}).ExitCode, 2);
    EXPECT_EQ(RunProgram("quillmere-cli", {"dictionary", "--bogus"}).ExitCode, 2);
}

TEST(Cli, DictionaryPrintsCountsAndLetterRanges)
{
    test::TempDir data;
    test::WriteFile(data.File("WORD.LST"),
                    test::DictionaryBytes({test::Word("CAT"), test::Word("COW"), test::Word("DOG"), test::Word("HORSE")}));
    const auto r = RunProgram("quillmere-cli", {"--data", data.Path().string(), "dictionary"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find(" 3 letters:     3 words  C 1-2  D 3-3\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find(" 5 letters:     1 words  H 1-1\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("total 4 words"), std::string::npos);
}

TEST(Cli, MissingDictionaryIsReported)
{
    // A copy of the program in an empty folder: no WORD.LST in the working folder or beside it.
    test::TempDir empty;
    const std::string copy = empty.File("quillmere-cli");
    std::filesystem::copy_file(std::string(QUILLMERE_BIN_DIR) + "/quillmere-cli", copy);
    const auto r = RunProgram(copy, {"dictionary"}, empty.Path().string());
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_NE(r.Err.find("File not found"), std::string::npos);
}

}  // namespace
}  // namespace qm
