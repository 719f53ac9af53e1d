// PagePlan: the clue area of the printed page laid out and broken into pages, so that every clue is printed whole.
#pragma once

#include "core/output/page_canvas.h"
#include "core/output/page_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

struct QuillmereState;

/// How a text of the clue area is drawn.
enum class PlannedStyle : std::uint8_t {
    Heading,    ///< bold and underlined, its top left corner at the box's
    Plain,      ///< one line, its top left corner at the box's: a clue number, a word of the word bank
    Line,       ///< in its box, word-wrapped on the printer, one line on the preview: a clue, an alphabetical line
    Paragraph,  ///< in its box, word-wrapped on every device: an answer paragraph
};

/// One text of the clue area where the layout put it.
struct PlannedText {
    PlannedStyle Style = PlannedStyle::Plain;
    PixelRect Box;  ///< in the plan's pixels; Heading and Plain texts use Left and Top only
    std::string Value;
};

/// The texts of the clue area that one page holds.
struct PlannedPage {
    std::vector<PlannedText> Texts;
};

/// The clue area of every page of a printout, laid out with one device's font measures. The printer
/// and the PDF file draw the plan made with their own measures; the preview draws the PDF file's
/// plan scaled to its own page, so that it shows the pages the PDF file holds, each text where it is
/// printed (a clue on one line of its box, as the preview has always drawn it).
struct PagePlan {
    double PixelsPerMM = 0;          ///< of the page the plan was measured on
    std::vector<PlannedPage> Pages;  ///< one at least
};

/// Throws Failure when an output option is outside its range (the mode given, the rest from the
/// state) or the grid does not match its size.
void CheckPageInputs(OutputMode mode, const QuillmereState& state);

/// The most columns the word bank is set in.
constexpr int MaxWordBankColumns = 6;

/// Lays out the clue area of the mode for the crossword and options of the state with the canvas's
/// font measures at the device's font sizes, and breaks it into pages:
/// - the clue columns (Across on the left, Down on the right) start under the grid of the first page;
///   a column that reaches the foot of the clue area goes on at the top of the next page's clue
///   area under the heading "Across (continued)" or "Down (continued)";
/// - the answer paragraphs and the alphabetical list likewise, in one column as wide as the page;
/// - the word bank (option, pupils' sheets) follows the lower of the clue columns on the last page
///   under the heading "Word bank": the answers in alphabetical order, down each column in turn.
/// A text is never split, and moves to the next page whole when it does not fit; every text keeps
/// a box tall enough for all its lines. On the preview nothing is laid out while the crossword has
/// no words. The inputs are checked first (CheckPageInputs).
PagePlan PlanPages(PageCanvas& measure, PageDevice device, OutputMode mode, const QuillmereState& state);

}  // namespace qm
