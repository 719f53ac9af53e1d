// The squares of a word as a line of the grid: the squares it reaches, and ends outside the grid.
#include "core/grid/grid.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(SquareLine, ReachesTheWordsSquaresAndChecksBothEnds)
{
    Grid g(5);
    const Grid::SquareLine across = g.Line(2, 3, true, 4);
    const Grid::SquareLine down = g.Line(4, 1, false, 5);
    for (int i = 0; i < 4; ++i) across[i].Letter = static_cast<char>('A' + i);
    for (int i = 0; i < 5; ++i) down[i].Letter = static_cast<char>('V' + i);
    EXPECT_EQ(test::GridRows(g), (std::vector<std::string>{"   V ", "   W ", " ABXD", "   Y ", "   Z "}));
    EXPECT_EQ(&across[0], &g(2, 3));
    EXPECT_EQ(&down[4], &g(4, 5));

    EXPECT_THROW(g.Line(3, 1, true, 5), Failure);   // would end in column 7, beyond the ring
    EXPECT_THROW(g.Line(1, 4, false, 4), Failure);  // would end in row 7
    EXPECT_NO_THROW(g.Line(1, 1, true, 6));         // may reach the ring square (column 6)
}

}  // namespace
}  // namespace qm
