// Clue editing and word replacement: the Across/Down list lines, the selected word's squares, edited
// clues, the dictionary words that fit a slot, putting a chosen word into a slot, removing an answer.
#pragma once

#include "core/grid/fill_source.h"
#include "core/grid/grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct Dictionary;
struct QuillmereState;

/// The numbers at the head of an Across/Down list line ("%3d%-6s%3d" + " :  " + answer).
struct ClueLineRef {
    int Slot = 0;  ///< characters 1-3: the slot index (WRef)
    int Row = 0;   ///< characters 4-6
    int Col = 0;   ///< characters 7-9
};

/// Reads the slot index, row and column of a list line; false when they are not numbers.
bool ParseClueLine(std::string_view line, ClueLineRef& ref);

/// The answer as the list shows it: the line from character 17 on.
std::string ClueLineAnswer(std::string_view line);

/// The line of slot k: the first of lines 0..count-2 whose characters 1-3 are "%3d" of k, else the
/// last line; -1 for an empty list.
int FindSlotLine(const std::vector<std::string>& lines, int slot);

/// Every square back to the window colour; in the hybrid source the imported words light yellow.
void ResetClueColours(Crossword& xw, FillSourceKind source);

/// SelectClueWord's colouring: ResetClueColours, then the squares of slot k in the selected-word
/// colour. The length is NumLett where the dictionary takes part, else the length of the word.
void HighlightClueWord(Crossword& xw, FillSourceKind source, int slot);

/// The caption of the clue panel for a list line: "Clue for " + answer + ":".
std::string CluePanelCaption(std::string_view line);

/// Keeps an edited clue (its first 200 characters) when it differs from the slot's; true if changed.
bool StoreEditedClue(WordSlot& slot, std::string_view text);

/// A line of the replacement list: "%3d%4d%1s%-20s" of slot, word index, marker and display text.
struct ReplacementChoice {
    int Slot = 0;             ///< characters 1-3
    int WordIndex = 0;        ///< characters 4-7: index in MainWordArray[length]
    bool Current = false;     ///< character 8 is "*": the word now in the slot
    std::string DisplayTxt;   ///< characters 9-28, trimmed
};

/// The dictionary words that fit slot k, with the dialog's footer texts.
struct Alternatives {
    std::string Pattern;              ///< the slot's letters shared with crossing words, '?' elsewhere
    std::vector<std::string> Lines;   ///< in dictionary order; the current word marked "*"
    int Count = 0;                    ///< lines other than the current word
    std::string FooterA;              ///< "No alternatives available" / "n alternative(s) available,"
    std::string FooterB;              ///< "" / "click to select"
};

/// Lists every dictionary word of the slot's length that keeps the letters the slot shares with
/// crossing words (whether or not it is selected or in use). A square counts as shared when another
/// slot of the crossword passes through it.
Alternatives FindAlternatives(const Crossword& xw, int slot, const Dictionary& dict);

/// Reads a replacement line; false when its number fields are not numbers.
bool ParseReplacementLine(std::string_view line, ReplacementChoice& choice);

/// Puts dictionary word choice.WordIndex into its slot: word, display text, enumeration and, when the
/// word changes, its built-in clue (the clues of the other words, edited or not, are kept; choosing
/// the word already there changes nothing). In a generated fill the word's entry in the fill word
/// store is changed in place (the other entries keep their order), so that showing the fill again
/// brings the new word; then the words are written into the grid. Only for sources that use the
/// dictionary. Throws Failure for a slot or word that does not exist or a fill that does not hold the
/// word; the state is then unchanged.
void ReplaceSlotWord(QuillmereState& state, const ReplacementChoice& choice);

/// Removes answer k from a crossword whose word ends are blocked (freeform): the later slots move down
/// one place in order, the slots are renumbered and the grid is rebuilt from the remaining words.
void RemoveSlot(Crossword& xw, int k, FillSourceKind source);

}  // namespace qm
