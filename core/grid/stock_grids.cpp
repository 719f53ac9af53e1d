// Reading and writing GRIDSRES, loading a stock grid into the grid, and the thumbnail geometry.
#include "core/grid/stock_grids.h"

#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <cstring>
#include <memory>

namespace qm {

namespace {

int StoredRows(int size) { return (size + 1) / 2; }

/// Reads little-endian int32 values from a byte stream, naming what is missing when it ends early.
class Int32Reader {
public:
    explicit Int32Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::int32_t Next(const char* what)
    {
        if (bytes_.size() - pos_ < 4)
            throw Failure("The stock grid resource GRIDSRES is truncated: it ends at byte " + std::to_string(bytes_.size()) +
                          " in the middle of " + what);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]);
        pos_ += 4;
        std::int32_t out = 0;
        std::memcpy(&out, &v, sizeof out);
        return out;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

void AppendInt32(std::string& out, std::int32_t value)
{
    std::uint32_t v = 0;
    std::memcpy(&v, &value, sizeof v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

int DefaultPerRow(int size) { return size <= 12 ? 3 : size <= 19 ? 2 : 1; }

}  // namespace

void LoadStockGrids(StockGridLibrary& library, std::string_view bytes)
{
    auto loaded = std::make_unique<StockGridLibrary>();
    for (int n = MinStockGridSize; n <= MaxStockGridSize; ++n)
        At(loaded->StockGridRange, n) = {0, DefaultPerRow(n)};
    Int32Reader in(bytes);
    int counter = 0;
    int previousSize = 0;
    while (!in.AtEnd()) {
        const std::int32_t size = in.Next("a group's size");
        const std::int32_t count = in.Next("a group's grid count");
        if (size < MinStockGridSize || size > MaxStockGridSize)
            throw Failure("The stock grid resource GRIDSRES holds a group of size " + std::to_string(size) +
                          "; sizes must be " + std::to_string(MinStockGridSize) + " to " + std::to_string(MaxStockGridSize));
        // The ranges by size are cumulative, so each size may come once, in ascending order.
        if (size <= previousSize)
            throw Failure("The stock grid resource GRIDSRES holds size " + std::to_string(size) + " after size " +
                          std::to_string(previousSize) + "; sizes must ascend");
        if (count < 0)
            throw Failure("The stock grid resource GRIDSRES gives a negative grid count (" + std::to_string(count) +
                          ") for size " + std::to_string(size));
        previousSize = size;
        At(loaded->StockGridRange, size).LastGrid = count;
        for (int g = 0; g < count; ++g) {
            ++counter;
            if (counter > MaxStockGrids) throw Failure("Grid number exceeds StockGrids array");
            StockGrid& grid = At(loaded->StockGrids, counter);
            grid.Size = size;
            grid.WhiteCount = in.Next("a grid's white count");
            grid.RowMasks.fill(0);
            for (int r = 0; r < StoredRows(size); ++r) At(grid.RowMasks, r) = in.Next("a grid's row masks");
        }
    }
    for (int n = MinStockGridSize + 1; n <= MaxStockGridSize; ++n)
        At(loaded->StockGridRange, n).LastGrid +=
            At(loaded->StockGridRange, n - 1).LastGrid;
    loaded->GridCount = counter;
    library = *loaded;
}

std::string WriteStockGrids(const std::vector<StockGrid>& grids)
{
    std::string out;
    std::size_t i = 0;
    int previousSize = 0;
    while (i < grids.size()) {
        const int size = grids[i].Size;
        Check(size >= MinStockGridSize && size <= MaxStockGridSize && size > previousSize,
              "Stock grids must be grouped by size, sizes ascending within 6..29");
        std::size_t j = i;
        while (j < grids.size() && grids[j].Size == size) ++j;
        AppendInt32(out, size);
        AppendInt32(out, static_cast<std::int32_t>(j - i));
        for (std::size_t k = i; k < j; ++k) {
            AppendInt32(out, grids[k].WhiteCount);
            for (int r = 0; r < StoredRows(size); ++r) AppendInt32(out, At(grids[k].RowMasks, r));
        }
        previousSize = size;
        i = j;
    }
    return out;
}

StockGridSpan StockGridsOfSize(const StockGridLibrary& library, int size)
{
    if (size <= MinStockGridSize || size > MaxStockGridSize) return {};
    return {At(library.StockGridRange, size - 1).LastGrid + 1,
            At(library.StockGridRange, size).LastGrid};
}

std::vector<int> StockGridSizes(const StockGridLibrary& library)
{
    std::vector<int> sizes;
    for (int n = MinStockGridSize + 1; n <= MaxStockGridSize; ++n)
        if (StockGridsOfSize(library, n).Count() > 0) sizes.push_back(n);
    return sizes;
}

const StockGrid& StockGridAt(const StockGridLibrary& library, int k)
{
    if (k < 1 || k > library.GridCount)
        throw Failure("There is no stock grid " + std::to_string(k) + " (the library holds " +
                      std::to_string(library.GridCount) + ")");
    return At(library.StockGrids, k);
}

bool StockSquareBlocked(const StockGrid& grid, int col, int row)
{
    const int n = grid.Size;
    if (row > StoredRows(n)) {
        row = n + 1 - row;
        col = n + 1 - col;
    }
    if (row < 1 || col < 1 || col > n || col > 30) return true;
    return (static_cast<std::uint32_t>(At(grid.RowMasks, row - 1)) >> col) & 1u;
}

void LoadStockGrid(const StockGridLibrary& library, int k, Grid& grid)
{
    const StockGrid& sg = StockGridAt(library, k);
    const int n = sg.Size;
    if (grid.Size() != n)
        throw Failure("Stock grid " + std::to_string(k) + " is " + std::to_string(n) + " x " + std::to_string(n) +
                      " but the grid is " + std::to_string(grid.Size()) + " x " + std::to_string(grid.Size()));
    for (int r = 1; r <= StoredRows(n); ++r)
        for (int c = 1; c <= n; ++c) {
            const bool blocked = (static_cast<std::uint32_t>(At(sg.RowMasks, r - 1)) >> c) & 1u;
            const char letter = blocked ? '#' : ' ';
            grid(c, r).Letter = letter;
            grid(n + 1 - c, n + 1 - r).Letter = letter;
        }
}

PreviewLayout LayOutStockGridPreview(const StockGridLibrary& library, int size, int imageWidth, int imageHeight)
{
    PreviewLayout p;
    p.Size = size;
    const StockGridSpan span = StockGridsOfSize(library, size);
    p.First = span.First;
    p.Last = span.Last;
    p.ThumbSize = size * ThumbPixelsPerSquare;
    p.PerRow = (size >= MinStockGridSize && size <= MaxStockGridSize)
                   ? At(library.StockGridRange, size).PerRow
                   : 1;
    if (p.PerRow < 1) p.PerRow = DefaultPerRow(size);
    p.LeftMargin = (imageWidth - p.ThumbSize * p.PerRow - PreviewGap * (p.PerRow - 1)) / 2;
    p.RowPitch = p.ThumbSize + PreviewCaptionRoom;
    const int rows = (span.Count() + p.PerRow - 1) / p.PerRow;
    p.ContentHeight = rows * p.RowPitch + PreviewTopMargin;
    if (p.ContentHeight > imageHeight) {
        p.ScrollEnabled = true;
        p.ScrollMax = p.ContentHeight - imageHeight;
        p.ScrollLargeChange = imageHeight;
    }
    return p;
}

std::vector<ThumbnailPlacement> PlaceStockGridPreviews(StockGridLibrary& library, const PreviewLayout& layout,
                                                       int scrollPos, int imageHeight, int captionHeight)
{
    library.PreviewScroll = -scrollPos;
    std::vector<ThumbnailPlacement> out;
    for (int k = layout.First; k <= layout.Last; ++k) {
        const int i = k - layout.First;
        StockGrid& g = At(library.StockGrids, k);
        g.PreviewTop = (i / layout.PerRow) * layout.RowPitch + PreviewTopMargin + library.PreviewScroll;
        g.PreviewLeft = (i % layout.PerRow) * (layout.ThumbSize + PreviewGap) + layout.LeftMargin;
        ThumbnailPlacement t;
        t.Grid = k;
        t.Top = g.PreviewTop;
        t.Left = g.PreviewLeft;
        t.Visible = g.PreviewTop > -(layout.ThumbSize + captionHeight) && g.PreviewTop < imageHeight;
        t.Selected = k == library.SelectedStockGrid;
        t.Ordinal = std::to_string(i + 1) + ".";
        t.Letters = Format("  %-d letters", g.WhiteCount);
        out.push_back(std::move(t));
    }
    return out;
}

int HitStockGrid(const StockGridLibrary& library, const PreviewLayout& layout, int x, int y)
{
    for (int k = layout.First; k <= layout.Last; ++k) {
        const StockGrid& g = At(library.StockGrids, k);
        if (g.PreviewTop < y && y < g.PreviewTop + layout.ThumbSize && g.PreviewLeft < x &&
            x < g.PreviewLeft + layout.ThumbSize)
            return k;
    }
    return 0;
}

std::string StockGridDimensionsText(int size) { return " Dimensions " + std::to_string(size) + "x" + std::to_string(size); }

std::string StockGridCountText(int count) { return count == 1 ? "1 grid" : std::to_string(count) + " grids "; }

std::string StockGridPositionText(const StockGridLibrary& library, int k)
{
    const StockGrid& g = StockGridAt(library, k);
    const StockGridSpan span = StockGridsOfSize(library, g.Size);
    return Format("Grid %-d of %-d", k - span.First + 1, span.Count());
}

}  // namespace qm
