// The Output page's options (mode, grid size, font, blocking style, title, extras) and the blocking styles.
#pragma once

#include "core/grid/colours.h"

#include <array>
#include <cstdint>
#include <string>

namespace qm {

/// Items to display, in the order of the Output page's radio buttons (the command line's --mode 0..6).
enum class OutputMode : std::uint8_t {
    EmptyGridAndClues,
    CompletedGridAndClues,
    CompletedGridOnly,
    EmptyGridOnly,
    ClueListOnly,
    AnswerListOnly,
    AnswerClueListAlpha,
};
constexpr int OutputModeCount = 7;

/// The mode of number 0..6; another number ends the operation with "Output mode n is outside 0..6".
OutputMode OutputModeOf(int number);

/// The first four modes show the grid, two of them with its letters; three modes show the clue columns.
constexpr bool ModeShowsGrid(OutputMode mode)
{
    return mode == OutputMode::EmptyGridAndClues || mode == OutputMode::CompletedGridAndClues ||
           mode == OutputMode::CompletedGridOnly || mode == OutputMode::EmptyGridOnly;
}
constexpr bool ModeShowsLetters(OutputMode mode)
{
    return mode == OutputMode::CompletedGridAndClues || mode == OutputMode::CompletedGridOnly;
}
constexpr bool ModeShowsClues(OutputMode mode)
{
    return mode == OutputMode::EmptyGridAndClues || mode == OutputMode::CompletedGridAndClues || mode == OutputMode::ClueListOnly;
}

/// The printed grid's edge in millimetres (the track bar's range) and the default of 7 mm per square.
constexpr int MinGridMM = 60;
constexpr int MaxGridMM = 180;
constexpr int GridMMPerSquare = 7;
/// 7 mm per square of the 15 x 15 grid the window starts with; letter sizes scale against it.
constexpr int StartGridMM = 105;
/// "Fit grid to page width": the A4 page's 210 mm less its two 10 mm margins.
constexpr int FitWidthGridMM = 190;

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

/// The options of the Output page; title, font name and blocking style travel in .xwd files. The
/// class sheet options (name line, word bank, grid to page width, "Answers" heading) are off by
/// default, so that the page is drawn as it always was until one is chosen; they shape the printed
/// page (printer, PDF and preview) only.
struct OutputOptions {
    OutputMode Mode = OutputMode::EmptyGridAndClues;  ///< the checked "Items to Display" button
    int GridMM = StartGridMM;             ///< GridSizeTrackBar position: the grid's edge in mm, 60..180
    std::string FontName = "Arial";       ///< FontLabel's caption: the font of every output
    int Blocking = DefaultBlockingStyle;  ///< BlockingCombo item index, 0..8
    std::string Title = "Crossword";      ///< TitleEdit's text
    bool TitleChecked = true;             ///< " Include title"
    bool ExtrasChecked = true;            ///< "  Extra information "
    bool NameLine = false;        ///< a "Name: ...  Date: ..." line under the title
    bool WordBank = false;        ///< the answers in alphabetical columns under the clues, on the pupils' sheet
    bool FitWidth = false;        ///< the grid as wide as the page between its margins, whatever GridMM says
    bool AnswersHeading = false;  ///< the heading "Answers" under the title of a sheet that shows the solution

    /// The title is shown when its box is checked and the text is not empty.
    bool TitleShown() const { return TitleChecked && !Title.empty(); }
};

/// The printed grid's edge in mm: the page's width between its margins with FitWidth, else GridMM.
int PrintedGridMM(const OutputOptions& options);

/// The pupils' sheet shows the clues and not the solution: the modes that take a word bank.
constexpr bool ModeIsPupilsSheet(OutputMode mode)
{
    return mode == OutputMode::EmptyGridAndClues || mode == OutputMode::ClueListOnly;
}

/// The track bar position that gives 7 mm per square, held to the track bar's range.
int DefaultGridMM(int gridSize);

/// Throws Failure when the mode, grid size or blocking style is outside its range.
void CheckOutputOptions(const OutputOptions& options);

}  // namespace qm
