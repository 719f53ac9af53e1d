// The dictionary for the first 7 x 7 stock grid, built from the grid itself.
#include "tests/ui/support/grid_dictionary.h"

#include "core/clues/clue_store.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "resources/builtin_resources.h"
#include "tests/support/fixtures.h"
#include "ui/main_window.h"

#include <set>

namespace qm::uitest {

GridDictionary MakeGridDictionary()
{
    StockGridLibrary library;
    LoadStockGrids(library, ReadBuiltInResource("GRIDSRES").value());
    Crossword xw;
    xw.GridSize = 7;
    InitGrid(xw);
    LoadStockGrid(library, StockGridsOfSize(library, 7).First, xw.Squares);
    AnalyseStockGrid(xw);

    for (std::uint32_t seed = 1;; ++seed) {
        std::uint32_t r = seed;
        for (int c = 1; c <= 7; ++c)
            for (int row = 1; row <= 7; ++row)
                if (xw.Squares(c, row).Letter != '#') {
                    r = r * 134775813u + 1u;
                    xw.Squares(c, row).Letter = static_cast<char>('A' + (r >> 24) % 26);
                }
        std::set<std::string> texts;
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            std::string word;
            for (int i = 1; i <= xw.Slot(k).NumLett; ++i) word += xw.SquareOf(xw.Slot(k), i).Letter;
            texts.insert(word);
        }
        if (static_cast<int>(texts.size()) != xw.WordSlotCount) continue;  // every word once
        int first = 0;
        for (int k = 1; k <= xw.WordSlotCount; ++k)
            if (xw.Slot(k).Dir && xw.Slot(k).Row == 1 && xw.Slot(k).Col == 1) first = k;
        GridDictionary d;
        for (int i = 1; i <= xw.Slot(first).NumLett; ++i) d.VariantOf += xw.SquareOf(xw.Slot(first), i).Letter;
        d.Variant = d.VariantOf;
        d.Variant[1] = d.VariantOf[1] == 'Q' ? 'X' : 'Q';
        if (texts.count(d.Variant)) continue;
        texts.insert(d.Variant);
        std::uint16_t clue = 0;
        for (const std::string& t : texts) {
            d.Words.push_back(test::Word(t, 10, 2, static_cast<std::uint32_t>(t.size()), 0, ++clue));
            d.ClueText += "Clue for " + t + "\r\n";
        }
        return d;
    }
}

void GiveCategoryMasks(ui::MainWindow& window)
{
    QuillmereState& s = window.State();
    for (int k = 0; k <= CategoryCount; ++k) s.BitPatterns[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
}

void UseWithWindow(const GridDictionary& dict, ui::MainWindow& window)
{
    QuillmereState& s = window.State();
    s.Clues = LoadClueList(dict.ClueText);
    GiveCategoryMasks(window);
    s.DictSelectionDirty = true;
}

}  // namespace qm::uitest
