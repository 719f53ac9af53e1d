// The stock grid library: the GRIDSRES patterns, loading one into the grid, and the preview geometry.
#pragma once

#include "core/grid/grid.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// Stock grids the library can hold (StockGrids[1..280]).
constexpr int MaxStockGrids = 280;
/// Sizes a GRIDSRES group may have.
constexpr int MinStockGridSize = 6;
constexpr int MaxStockGridSize = 29;
/// Stored rows per grid: rows 1 to the middle row of a 29 x 29 grid.
constexpr int MaxStockGridRows = 15;

/// One stock grid: its size, white squares and the blocked squares of its upper half.
struct StockGrid {
    std::int32_t Size = 0;         ///< N
    std::int32_t WhiteCount = 0;   ///< open squares of the whole grid, as stored
    std::int32_t PreviewTop = 0;   ///< top pixel of the thumbnail (set when the previews are placed)
    std::int32_t PreviewLeft = 0;  ///< left pixel of the thumbnail
    /// RowMasks[r-1] for rows r = 1..(N+1) div 2; bit c set = column c blocked; unused rows 0.
    std::array<std::int32_t, MaxStockGridRows> RowMasks{};
};

/// Per size: the last grid of that size (cumulative, so size N is LastGrid[N-1]+1 .. LastGrid[N])
/// and the number of thumbnails per preview row.
struct StockGridRangeEntry {
    std::int32_t LastGrid = 0;
    std::int32_t PerRow = 0;
};

/// The library as loaded at start-up, with the preview state of the Setup page.
struct StockGridLibrary {
    std::array<StockGrid, MaxStockGrids + 1> StockGrids{};  ///< 1-based; entry 0 unused
    std::array<StockGridRangeEntry, MaxStockGridSize + 1> StockGridRange{};  ///< indexes 6..29 used
    std::int32_t GridCount = 0;          ///< grids loaded
    std::int32_t SelectedStockGrid = 0;  ///< grid last clicked; 0 none
    std::int32_t PreviewScroll = 0;      ///< vertical offset of the thumbnails, 0 or negative
};

/// Reads GRIDSRES: groups of (Size, Count, Count x (WhiteCount, (Size+1) div 2 row masks)), little-
/// endian int32 values, sizes ascending. Fails with "Grid number exceeds StockGrids array" beyond 280
/// grids, and with a clear message for a truncated resource, a size outside 6..29, a negative count
/// or sizes out of order; on failure the library is left as it was.
void LoadStockGrids(StockGridLibrary& library, std::string_view bytes);

/// GRIDSRES bytes for the given grids (grouped by size in the order given; sizes must ascend).
std::string WriteStockGrids(const std::vector<StockGrid>& grids);

/// First and last index of the grids of size N (first > last when there are none).
struct StockGridSpan {
    int First = 1;
    int Last = 0;
    int Count() const { return Last >= First ? Last - First + 1 : 0; }
};
StockGridSpan StockGridsOfSize(const StockGridLibrary& library, int size);

/// Sizes that have grids, ascending.
std::vector<int> StockGridSizes(const StockGridLibrary& library);

/// Grid k (1..GridCount); a clear Failure otherwise.
const StockGrid& StockGridAt(const StockGridLibrary& library, int k);

/// True when square (col, row), 1-based, of the grid is blocked (rows below the middle by symmetry).
bool StockSquareBlocked(const StockGrid& grid, int col, int row);

/// Writes grid k's pattern into the squares: blocked "#" or open " ". The grid must already have
/// grid k's size.
void LoadStockGrid(const StockGridLibrary& library, int k, Grid& grid);

// ---- Preview of the grids of one size (Setup page) ----

/// Pixels per square of a thumbnail.
constexpr int ThumbPixelsPerSquare = 6;
/// Gaps of the preview: between thumbnails of a row, above the first row; the caption line's room.
constexpr int PreviewGap = 12;
constexpr int PreviewTopMargin = 12;
constexpr int PreviewCaptionRoom = 24;

/// Layout of the thumbnails of one size in an image of the given size.
struct PreviewLayout {
    int Size = 0;           ///< N
    int First = 1;          ///< first grid of the size
    int Last = 0;           ///< last grid of the size
    int ThumbSize = 0;      ///< N x 6
    int PerRow = 1;         ///< thumbnails per row
    int LeftMargin = 0;     ///< (width - ThumbSize x PerRow - 12 x (PerRow - 1)) / 2, toward zero
    int RowPitch = 0;       ///< ThumbSize + 24
    int ContentHeight = 0;  ///< rows x RowPitch + 12
    bool ScrollEnabled = false;  ///< the content does not fit in the image
    int ScrollMax = 0;           ///< content height - image height when scrolling
    int ScrollLargeChange = 0;   ///< the image height when scrolling
};
PreviewLayout LayOutStockGridPreview(const StockGridLibrary& library, int size, int imageWidth, int imageHeight);

/// One thumbnail to paint.
struct ThumbnailPlacement {
    int Grid = 0;          ///< index in StockGrids
    int Top = 0;
    int Left = 0;
    bool Visible = false;  ///< drawn: Top > -(ThumbSize + captionHeight) and Top < image height
    bool Selected = false; ///< drawn in black instead of grey
    std::string Ordinal;   ///< "k." (position within the size)
    std::string Letters;   ///< "  %-d letters" of the grid's WhiteCount, right-aligned to the thumbnail
};

/// Sets PreviewScroll to -scrollPos (0 for the first drawing) and stores every thumbnail's
/// PreviewTop and PreviewLeft, also for those that are not drawn; returns the placements.
std::vector<ThumbnailPlacement> PlaceStockGridPreviews(StockGridLibrary& library, const PreviewLayout& layout,
                                                       int scrollPos, int imageHeight, int captionHeight);

/// The grid of the layout's size whose thumbnail holds (x, y) strictly inside its border; 0 none.
int HitStockGrid(const StockGridLibrary& library, const PreviewLayout& layout, int x, int y);

/// " Dimensions 15x15".
std::string StockGridDimensionsText(int size);
/// "98 grids " or "1 grid".
std::string StockGridCountText(int count);
/// "Grid %-d of %-d": grid k's position among the grids of its size and their number.
std::string StockGridPositionText(const StockGridLibrary& library, int k);

}  // namespace qm
