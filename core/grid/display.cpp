// Sizes of the main grid display and the texts of the fill status line.
#include "core/grid/display.h"

#include "core/util/text.h"

#include <algorithm>

namespace qm {

MainGridLayout LayOutMainGrid(int gridSize, int panelWidth, int lineWidth)
{
    MainGridLayout layout;
    const int n = std::max(gridSize, 1);
    layout.CellPixels = std::min((panelWidth - 4) / n - lineWidth, 22);
    layout.LetterFontSize = std::max(7, layout.CellPixels - 10);
    layout.NumberFontSize = std::max(5, layout.CellPixels - 15);
    layout.GridWidth = n * (layout.CellPixels + lineWidth) + 2;
    layout.BorderWidth = (panelWidth - layout.GridWidth) / 2;
    return layout;
}

FillStatusTexts MakeFillStatus(int words, int letters, int interlocks, int gridSize, int importedFillShown,
                               int importedWordCount)
{
    FillStatusTexts texts;
    if (importedFillShown == 1 && importedWordCount > 0)
        texts.Words = Format("words %-d/%-d (%-.0f%-1s)", words, importedWordCount,
                             static_cast<double>(words) * 100.0 / importedWordCount, "%");
    else
        texts.Words = "words " + std::to_string(words);
    texts.Letters = "letters " + std::to_string(letters);
    const double squares = static_cast<double>(gridSize) * gridSize;
    texts.Density = Format("density %-.1f%-1s", squares > 0 ? letters / squares * 100.0 : 0.0, "%");
    if (interlocks > 0) texts.Interlocks = "interlocks " + std::to_string(interlocks);
    return texts;
}

}  // namespace qm
