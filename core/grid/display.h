// What the grid display shows apart from the squares: cell and font sizes, and the fill status line.
#pragma once

#include "core/grid/fill_source.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

/// Width of the panel that holds the main grid, in pixels.
constexpr int GridPanelWidth = 593;

struct MainGridLayout {
    int CellPixels = 22;      ///< side of a square
    int LetterFontSize = 12;  ///< points
    int NumberFontSize = 7;   ///< points
    int GridWidth = 0;        ///< N x (CellPixels + line width) + 2
    int BorderWidth = 0;      ///< (panel width - grid width) div 2, which centres the grid
};

/// Squares of min((panel - 4) div N - line width, 22) pixels: 22 up to N = 25, 19 for 29, 18 for 30.
MainGridLayout LayOutMainGrid(int gridSize, int panelWidth = GridPanelWidth, int lineWidth = 1);

/// The four texts of the status bar under the grid.
struct FillStatusTexts {
    std::string Words;                      ///< "words 12" or "words 12/20 (60%)"
    std::string Letters;                    ///< "letters 100"
    std::string Density;                    ///< "density 44.4%"
    std::optional<std::string> Interlocks;  ///< "interlocks 5", only when there are any
};

/// Texts for a fill of the given counts on an N x N grid. While a generated freeform fill is shown
/// (importedFillShown 1) the words are counted against the size of the imported list.
FillStatusTexts MakeFillStatus(int words, int letters, int interlocks, int gridSize, int importedFillShown,
                               int importedWordCount);

/// The importedFillShown that the status line of a crossword of the given source goes by: the words
/// are counted against the imported list on a freeform crossword only, so a symmetrical or designed
/// grid shown after a freeform run keeps its plain count.
constexpr int StatusImportedFillShown(FillSourceKind shown, int importedFillShown)
{
    return shown == FillSourceKind::Freeform ? importedFillShown : 0;
}

}  // namespace qm
