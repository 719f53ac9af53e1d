// The printed page's measures (PageLayout, in millimetres and device pixels) and its font sizes by device.
#pragma once

#include "core/output/output_options.h"

namespace qm {

/// Where a page is drawn: the on-screen preview, or the printer (and the PDF file, which is the
/// printed page). The device picks the font sizes, the pen width and whether long texts wrap.
enum class PageDevice { Screen, Printer };

/// The measures of an A4 portrait page. PageLayoutMM gives them in millimetres; ScaleLayout
/// turns them into a device's pixels. The first page holds the extras, the title, the class sheet
/// lines, the grid and then the clue area; a continuation page holds the extras, the title and the
/// clue area from ContinuedTop. The clue area ends at ClueBottom on every page.
struct PageLayout {
    int PageWidth = 0;
    int PageHeight = 0;
    int Margin = 0;
    int TopMargin = 0;
    int ExtrasHeight = 0;  ///< 12 with the extras block, else 0
    int TitleTop = 0;
    int RightEdge = 0;
    int GridInset = 0;     ///< distance from the margin that centres the grid
    int GridMM = 0;        ///< the grid's edge; 0 when the mode has no grid
    int GridLeft = 0;
    int TitleHeight = 0;   ///< 12 with a title, else 0
    int NameLineTop = 0;   ///< the "Name: ...  Date: ..." line, under the title
    int NameLineHeight = 0;  ///< 10 with the name line, else 0
    int AnswersTop = 0;    ///< the heading "Answers" of a sheet that shows the solution
    int AnswersHeight = 0; ///< 10 with that heading, else 0
    int GridTop = 0;
    int GridGap = 0;
    int ClueTop = 0;
    int ClueColWidth = 0;
    int NumberIndent = 0;  ///< room for the clue numbers left of a clue column
    int ColumnGap = 0;
    int AcrossX = 0;
    int DownX = 0;
    int ListLeft = 0;
    int ListRight = 0;
    int ContinuedTop = 0;  ///< the clue area's top on a continuation page: 2 below the title
    int ClueBottom = 0;    ///< the clue area's foot: the bottom margin, as wide as the others
};

constexpr int A4WidthMM = 210;
constexpr int A4HeightMM = 297;

/// The page in millimetres for the options and a mode (integer arithmetic as tabled).
PageLayout PageLayoutMM(const OutputOptions& options, OutputMode mode);

/// Every measure times pixelsPerMM, rounded (halves to even).
PageLayout ScaleLayout(const PageLayout& mm, double pixelsPerMM);

/// Font sizes in points before rounding; a size is rounded to a whole point when it is applied.
struct PageFontSizes {
    double Title = 0;
    double Extras = 0;
    double Letter = 0;
    double Number = 0;  ///< 0 on the preview: numbers are not drawn there
    double Clue = 0;    ///< headings, clues, answer lists and the word bank
    double Sheet = 0;   ///< the name line and the heading "Answers" of a class sheet
};

/// Sizes for a device. Letters and numbers scale with R = (printed grid mm / StartGridMM) x (15 / gridSize),
/// so at 7 mm per square printed letters are 12 point for every grid size.
PageFontSizes PageFontSizesFor(PageDevice device, const OutputOptions& options, int gridSize, OutputMode mode);

}  // namespace qm
