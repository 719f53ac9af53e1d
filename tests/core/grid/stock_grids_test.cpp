// The stock grid library: reading GRIDSRES, loading a grid into the squares, bad resources, and the
// thumbnail geometry and captions of the preview.
#include "core/grid/stock_grids.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qm {
namespace {

std::string Int32s(std::initializer_list<std::int32_t> values)
{
    std::string out;
    for (std::int32_t v : values) {
        char b[4];
        std::memcpy(b, &v, 4);  // the test machine is little-endian, like the resource
        out.append(b, 4);
    }
    return out;
}

// The two records every copy of the program starts its 7 x 7 and 9 x 9 groups with.
const std::string QuotedRecords = Int32s({7, 1, 37, 0x40, 0x14, 0x40, 0x6C, 9, 1, 55, 0x280, 0x36, 0x280, 0x2AA, 0x0});

TEST(StockGrids, TheQuotedRecordsLoadToTheirSquares)
{
    StockGridLibrary lib;
    LoadStockGrids(lib, QuotedRecords);
    ASSERT_EQ(lib.GridCount, 2);
    EXPECT_EQ(lib.StockGridRange[7].LastGrid, 1);
    EXPECT_EQ(lib.StockGridRange[8].LastGrid, 1);  // cumulative: no 8 x 8 grids
    EXPECT_EQ(lib.StockGridRange[29].LastGrid, 2);
    EXPECT_EQ(StockGridsOfSize(lib, 9).First, 2);
    EXPECT_EQ(StockGridsOfSize(lib, 8).Count(), 0);
    EXPECT_EQ(StockGridSizes(lib), (std::vector<int>{7, 9}));

    Grid g7(7);
    LoadStockGrid(lib, 1, g7);
    EXPECT_EQ(test::GridRows(g7), (std::vector<std::string>{"     # ", " # #   ", "     # ", " ## ## ", " #     ", "   # # ",
                                                            " #     "}));
    Grid g9(9);
    LoadStockGrid(lib, 2, g9);
    EXPECT_EQ(test::GridRows(g9), (std::vector<std::string>{"      # #", "## ##    ", "      # #", "# # # # #", "         ",
                                                            "# # # # #", "# #      ", "    ## ##", "# #      "}));
    EXPECT_EQ(lib.StockGrids[2].WhiteCount, 55);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) EXPECT_EQ(StockSquareBlocked(lib.StockGrids[2], c, r), g9(c, r).Letter == '#') << c << "," << r;

    EXPECT_THROW(LoadStockGrid(lib, 1, g9), Failure);  // wrong size
    EXPECT_THROW(LoadStockGrid(lib, 3, g9), Failure);  // no such grid
}

TEST(StockGrids, BadResourcesAreRefusedWithClearMessagesAndKeepTheLibrary)
{
    std::string tooMany = Int32s({7, 281});
    for (int i = 0; i < 281; ++i) tooMany += Int32s({37, 0x40, 0x14, 0x40, 0x6C});
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"ends inside a grid", QuotedRecords.substr(0, QuotedRecords.size() - 4), "truncated"},
        {"ends inside a value", QuotedRecords.substr(0, 10), "truncated"},
        {"group header without a count", Int32s({7}), "truncated"},
        {"size below 6", Int32s({5, 0}), "size 5; sizes must be 6 to 29"},
        {"size above 29", Int32s({30, 0}), "size 30; sizes must be 6 to 29"},
        {"more than 280 grids", tooMany, "Grid number exceeds StockGrids array"},
        {"negative count", Int32s({7, -1}), "negative grid count"},
        {"sizes out of order", Int32s({9, 0, 7, 0}), "sizes must ascend"},
    };
    for (const auto& c : cases) {
        StockGridLibrary lib;
        LoadStockGrids(lib, QuotedRecords);
        try {
            LoadStockGrids(lib, c.bytes);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(lib.GridCount, 2) << c.name;
        EXPECT_EQ(lib.StockGridRange[9].LastGrid, 2) << c.name;
    }
}

TEST(StockGrids, WritingTheLoadedGridsGivesTheResourceBack)
{
    StockGridLibrary lib;
    LoadStockGrids(lib, QuotedRecords);
    EXPECT_EQ(WriteStockGrids({lib.StockGrids[1], lib.StockGrids[2]}), QuotedRecords);
    EXPECT_THROW(WriteStockGrids({lib.StockGrids[2], lib.StockGrids[1]}), Failure);  // sizes must ascend
}

TEST(StockGridPreview, LayoutScrollingAndCaptionsFollowTheSize)
{
    StockGridLibrary lib;
    LoadStockGrids(lib, test::CommittedStockGrids());
    constexpr int width = 330;
    constexpr int height = 350;

    const PreviewLayout seven = LayOutStockGridPreview(lib, 7, width, height);
    EXPECT_EQ(seven.PerRow, 3);
    EXPECT_EQ(seven.ThumbSize, 42);
    EXPECT_EQ(seven.LeftMargin, (330 - 42 * 3 - 12 * 2) / 2);
    EXPECT_EQ(seven.ContentHeight, 66 + 12);
    EXPECT_FALSE(seven.ScrollEnabled);
    EXPECT_EQ(StockGridCountText(seven.Last - seven.First + 1), "3 grids ");

    const PreviewLayout fifteen = LayOutStockGridPreview(lib, 15, width, height);
    EXPECT_EQ(fifteen.PerRow, 2);
    EXPECT_EQ(fifteen.RowPitch, 114);
    EXPECT_EQ(fifteen.ContentHeight, 49 * 114 + 12);
    EXPECT_TRUE(fifteen.ScrollEnabled);
    EXPECT_EQ(fifteen.ScrollMax, 49 * 114 + 12 - height);
    EXPECT_EQ(fifteen.ScrollLargeChange, height);
    EXPECT_EQ(StockGridDimensionsText(15), " Dimensions 15x15");
    EXPECT_EQ(StockGridCountText(1), "1 grid");
    EXPECT_EQ(StockGridPositionText(lib, fifteen.First + 2), "Grid 3 of 98");
}

TEST(StockGridPreview, ScrolledThumbnailsKeepTheirPlacesAndHitsAreStrictlyInside)
{
    StockGridLibrary lib;
    LoadStockGrids(lib, test::CommittedStockGrids());
    const PreviewLayout p = LayOutStockGridPreview(lib, 15, 330, 350);
    const int caption = 12;
    lib.SelectedStockGrid = p.First + 3;

    // Scrolled by 100: the first row starts 88 pixels above the image, its caption still shows.
    auto placed = PlaceStockGridPreviews(lib, p, 100, 350, caption);
    ASSERT_EQ(placed.size(), 98u);
    EXPECT_EQ(lib.PreviewScroll, -100);
    EXPECT_EQ(placed[0].Top, 12 - 100);
    EXPECT_TRUE(placed[0].Visible);
    EXPECT_EQ(placed[3].Top, 114 + 12 - 100);
    EXPECT_EQ(placed[3].Left, 90 + 12 + p.LeftMargin);
    EXPECT_TRUE(placed[3].Selected);
    EXPECT_FALSE(placed[2].Selected);
    EXPECT_EQ(placed[3].Ordinal, "4.");
    EXPECT_EQ(placed[3].Letters, "  " + std::to_string(lib.StockGrids[static_cast<std::size_t>(p.First + 3)].WhiteCount) + " letters");
    EXPECT_FALSE(placed[97].Visible);  // far below the image, placed all the same
    EXPECT_EQ(lib.StockGrids[static_cast<std::size_t>(p.Last)].PreviewTop, 48 * 114 + 12 - 100);

    // Scrolled by 114 the first row ends exactly where its caption would show: not drawn.
    placed = PlaceStockGridPreviews(lib, p, 114, 350, caption);
    EXPECT_FALSE(placed[0].Visible);

    const StockGrid& g = lib.StockGrids[static_cast<std::size_t>(p.First + 3)];
    const int t = g.PreviewTop;
    const int l = g.PreviewLeft;
    const struct {
        int x, y, hit;
    } clicks[] = {
        {l + 1, t + 1, p.First + 3},
        {l + 89, t + 89, p.First + 3},
        {l, t + 10, 0},        // on the left border line
        {l + 10, t, 0},        // on the top border line
        {l + 90, t + 10, 0},   // on the right border line
        {l + 10, t + 90, 0},   // on the bottom border line
        {l - 5, t - 5, 0},
    };
    for (const auto& c : clicks) EXPECT_EQ(HitStockGrid(lib, p, c.x, c.y), c.hit) << c.x << "," << c.y;
}


}  // namespace
}  // namespace qm
