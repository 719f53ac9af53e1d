// The committed stock grids (resources/GRIDSRES): the groups, the two quoted records, and the shape
// every grid must have to be filled: symmetric, words of 3..20 letters, connected, within the
// analysis limits, British in style.
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace qm {
namespace {

class CommittedGrids : public ::testing::Test {
protected:
    void SetUp() override { LoadStockGrids(*lib, test::CommittedStockGrids()); }
    std::unique_ptr<StockGridLibrary> lib = std::make_unique<StockGridLibrary>();
};

TEST_F(CommittedGrids, HoldTheThirteenGroupsStartingWithTheQuotedRecords)
{
    const std::vector<std::pair<int, int>> groups{{7, 3},   {9, 11}, {11, 33}, {12, 7}, {13, 95}, {15, 98}, {17, 3},
                                                  {19, 12}, {21, 3}, {23, 4},  {25, 4}, {27, 2},  {29, 4}};
    std::vector<std::pair<int, int>> found;
    for (int size : StockGridSizes(*lib)) found.emplace_back(size, StockGridsOfSize(*lib, size).Count());
    EXPECT_EQ(found, groups);
    EXPECT_EQ(lib->GridCount, 279);

    const StockGrid& seven = lib->StockGrids[static_cast<std::size_t>(StockGridsOfSize(*lib, 7).First)];
    EXPECT_EQ(seven.WhiteCount, 37);
    EXPECT_EQ(std::vector<int>(seven.RowMasks.begin(), seven.RowMasks.begin() + 4), (std::vector<int>{0x40, 0x14, 0x40, 0x6C}));
    const StockGrid& nine = lib->StockGrids[static_cast<std::size_t>(StockGridsOfSize(*lib, 9).First)];
    EXPECT_EQ(nine.WhiteCount, 55);
    EXPECT_EQ(std::vector<int>(nine.RowMasks.begin(), nine.RowMasks.begin() + 5),
              (std::vector<int>{0x280, 0x36, 0x280, 0x2AA, 0x0}));
}

TEST_F(CommittedGrids, EveryGridHasAFillableBritishShape)
{
    for (int k = 1; k <= lib->GridCount; ++k) {
        SCOPED_TRACE("stock grid " + std::to_string(k));
        const StockGrid& sg = lib->StockGrids[static_cast<std::size_t>(k)];
        const int n = sg.Size;
        auto xw = std::make_unique<Crossword>();
        xw->GridSize = n;
        InitGrid(*xw);
        LoadStockGrid(*lib, k, xw->Squares);
        const Grid& g = xw->Squares;

        int blocked = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                blocked += g(c, r).Letter == '#';
                ASSERT_EQ(g(c, r).Letter, g(n + 1 - c, n + 1 - r).Letter) << "not symmetric at " << c << "," << r;
                // No 2 x 2 area of open squares: words cross in a lattice, with unchecked squares.
                if (r < n && c < n) {
                    ASSERT_FALSE(g(c, r).Letter == ' ' && g(c + 1, r).Letter == ' ' && g(c, r + 1).Letter == ' ' &&
                                 g(c + 1, r + 1).Letter == ' ')
                        << "open 2 x 2 at " << c << "," << r;
                }
            }
        ASSERT_EQ(sg.WhiteCount, n * n - blocked);

        ASSERT_NO_THROW(AnalyseStockGrid(*xw));
        ASSERT_LE(xw->WordSlotCount, MaxWordSlots);
        int crossedSquares = 0;
        for (int i = 1; i <= xw->WordSlotCount; ++i) {
            const WordSlot& s = xw->Slot(i);
            ASSERT_GE(s.NumLett, 3);
            ASSERT_LE(s.NumLett, 20);
            ASSERT_LE(s.DepNum, MaxSlotDeps);
            // Connected: every slot after the first crosses a slot filled before it.
            if (i > 1) {
                ASSERT_GE(s.DepNum, 1) << "slot " << i << " starts a separate group";
            }
            int checked = 0;
            for (int q = 1; q <= s.NumLett; ++q) checked += xw->SquareOf(s, q).WrdCnt == 2;
            ASSERT_GE(checked * 3, s.NumLett) << "slot " << i << " has too few checked letters";
            crossedSquares += checked;
        }
        int open = 0;
        int unchecked = 0;
        int islands = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                if (g(c, r).Letter == '#') continue;
                ++open;
                ASSERT_GE(g(c, r).WrdCnt, 1) << "square " << c << "," << r << " is in no word";
                unchecked += g(c, r).WrdCnt == 1;
                islands = std::max<int>(islands, g(c, r).IslandNo);
            }
        ASSERT_LE(islands, MaxIslands);
        EXPECT_GE(unchecked * 5, open) << "too few unchecked squares for a British grid";
        EXPECT_GT(crossedSquares, 0);
    }
}

}  // namespace
}  // namespace qm
