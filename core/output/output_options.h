// The Output page's options (mode, grid size, font, blocking style, title, extras) and the blocking styles.
#pragma once

#include "core/grid/colours.h"

#include <array>
#include <string>

namespace qm {

/// Items to display, in the order of the Output page's radio buttons.
constexpr int OutputModeCount = 7;
constexpr int ModeEmptyGridAndClues = 0;
constexpr int ModeCompletedGridAndClues = 1;
constexpr int ModeCompletedGridOnly = 2;
constexpr int ModeEmptyGridOnly = 3;
constexpr int ModeClueListOnly = 4;
constexpr int ModeAnswerListOnly = 5;
constexpr int ModeAnswerClueListAlpha = 6;

/// Modes 0..3 show the grid, 1 and 2 with its letters; modes 0, 1 and 4 show the clue columns.
constexpr bool ModeShowsGrid(int mode) { return mode >= 0 && mode <= 3; }
constexpr bool ModeShowsLetters(int mode) { return mode == 1 || mode == 2; }
constexpr bool ModeShowsClues(int mode) { return mode == 0 || mode == 1 || mode == 4; }

/// The printed grid's edge in millimetres (the track bar's range) and the default of 7 mm per square.
constexpr int MinGridMM = 60;
constexpr int MaxGridMM = 180;
constexpr int GridMMPerSquare = 7;
/// 7 mm per square of the 15 x 15 grid the window starts with; letter sizes scale against it.
constexpr int StartGridMM = 105;

/// How the blocked squares of the grid are filled.
enum class BrushStyle { Clear, Solid, BDiagonal, Cross, DiagCross };

struct BlockingStyle {
    const char* ItemText;    ///< the BlockingCombo item
    Colour Fill;             ///< $00BBGGRR
    BrushStyle Brush;
    const char* RtfShading;  ///< rich text cell shading control word
};

constexpr int BlockingStyleCount = 9;
constexpr int DefaultBlockingStyle = 3;  ///< "Grey 30% (default)"
extern const std::array<BlockingStyle, BlockingStyleCount> BlockingStyles;

/// The options of the Output page; title, font name and blocking style travel in .xwd files.
struct OutputOptions {
    int Mode = ModeEmptyGridAndClues;     ///< 0..6, the checked "Items to Display" button
    int GridMM = StartGridMM;             ///< GridSizeTrackBar position: the grid's edge in mm, 60..180
    std::string FontName = "Arial";       ///< FontLabel's caption: the font of every output
    int Blocking = DefaultBlockingStyle;  ///< BlockingCombo item index, 0..8
    std::string Title = "Crossword";      ///< TitleEdit's text
    bool TitleChecked = true;             ///< " Include title"
    bool ExtrasChecked = true;            ///< "  Extra information "

    /// The title is shown when its box is checked and the text is not empty.
    bool TitleShown() const { return TitleChecked && !Title.empty(); }
};

/// The track bar position that gives 7 mm per square, held to the track bar's range.
int DefaultGridMM(int gridSize);

/// Throws Failure when the mode, grid size or blocking style is outside its range.
void CheckOutputOptions(const OutputOptions& options);

}  // namespace qm
