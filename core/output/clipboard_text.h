// Plain-text forms of a crossword for the clipboard: the completed grid, the clue list, the answer/clue list.
#pragma once

#include "core/fills/fill_store.h"
#include "core/grid/grid.h"
#include "core/output/output_options.h"

#include <string>

namespace qm {

/// Slots that the outputs list: the word count of the fill on display, never more than the slots
/// there are (after an answer is deleted the crossword has fewer); all slots when no fill is on display.
int ClueListCount(const FillStore& fills, const Crossword& xw);

/// N lines, row 1 first; each square's letter (or a blank) separated by TABs; CR LF line ends.
std::string GridText(const Grid& grid);

/// "N:  clue (enumeration)" lines of one direction for slots 1..count.
std::string AppendClueLines(std::string text, const Crossword& xw, int count, bool across);

/// "Across", the across clue lines, "Down", the down clue lines.
std::string ClueListText(const Crossword& xw, int count);

/// Slots 1..count in case-insensitive order of their display text (ties by slot index).
std::vector<int> AlphabeticalSlots(const Crossword& xw, int count);

/// "DisplayTxt - ClueTxt  (NA)" for one slot (the answer/clue list line, without a line end).
std::string AnswerClueLine(const WordSlot& s);

/// "Answers (alphabetical) and Clues" and one answer/clue line per slot in alphabetical order.
std::string AnswerClueListText(const Crossword& xw, int count);

/// The warning shown instead when the chosen output mode has no text form.
inline constexpr const char* ClipboardModeWarning =
    "Select 'Completed Grid only ' or\r'Clue List only'' or\r'Answer/Clue list'";

/// What "Text to Clipboard" does for an output mode: the completed grid, the clue list and the
/// alphabetical answer/clue list give a text for the clipboard and the confirmation to show; the other
/// modes give no text and the warning.
struct ClipboardExport {
    bool HasText = false;  ///< false: put nothing on the clipboard and show Message as a warning
    std::string Text;
    std::string Message;
};
ClipboardExport ClipboardTextForMode(OutputMode mode, const Crossword& xw, int count);

}  // namespace qm
