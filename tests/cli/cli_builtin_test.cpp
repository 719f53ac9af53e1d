// quillmere-cli over the built-in dictionary: a word's clue card and a category's word list.
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::RunProgram;

TEST(CliBuiltIn, ClueShowsAWordsCard)
{
    const auto r = RunProgram("quillmere-cli", {"clue", "ice cream"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out.rfind("ICE CREAM (3,5)\n", 0), 0u) << r.Out;
    for (const char* line : {"\nrarity: ", "\ntypes: common noun\n", "\ncategories: Food\n", "\nclue "})
        EXPECT_NE(r.Out.find(line), std::string::npos) << line << " in " << r.Out;

    const auto missing = RunProgram("quillmere-cli", {"clue", "QQQXZ"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("not in the dictionary"), std::string::npos);
}

TEST(CliBuiltIn, CategoryListsItsNounsByLength)
{
    const auto r = RunProgram("quillmere-cli", {"category", "36"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out.rfind("*Words of Length 3:\n*Words of Length 4:\n", 0), 0u) << r.Out.substr(0, 200);
    const auto nero = r.Out.find("NERO                          \n");
    ASSERT_NE(nero, std::string::npos);
    EXPECT_GE(nero, 5u);
    EXPECT_NE(r.Out.find("\n36/40. Roman emperors: "), std::string::npos);

    for (const char* bad : {"41", "-1", "x"}) EXPECT_EQ(RunProgram("quillmere-cli", {"category", bad}).ExitCode, 2) << bad;
}

}  // namespace
}  // namespace qm
