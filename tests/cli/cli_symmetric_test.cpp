// quillmere-cli grids / analyse: the built-in stock grids, a grid's slot tables, and bad grid data.
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

}  // namespace
}  // namespace qm
