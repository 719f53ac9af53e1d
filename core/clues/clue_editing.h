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

/// The row of slot k in an Across or Down list: the first of rows 0..count-2 for that slot, else the
/// last row (deliberately: a slot that is not listed leaves the bottom row selected); -1 for an empty list.
int FindSlotRow(const std::vector<ClueRow>& rows, int slot);

/// Every square back to the window colour; in the hybrid source the imported words light yellow.
void ResetClueColours(Crossword& xw, FillSourceKind source);

/// SelectClueWord's colouring: ResetClueColours, then the squares of slot k in the selected-word
/// colour. The length is NumLett where the dictionary takes part, else the length of the word.
void HighlightClueWord(Crossword& xw, FillSourceKind source, int slot);

/// The caption of the clue panel for a list row: "Clue for " + answer + ":".
std::string CluePanelCaption(const ClueRow& row);

/// Keeps an edited clue (its first 200 characters) when it differs from the slot's; true if changed.
bool StoreEditedClue(WordSlot& slot, std::string_view text);

/// One row of the "Replace Word" list: a dictionary word that fits a slot.
struct ReplacementChoice {
    int Slot = 0;             ///< the slot the word would go into
    int WordIndex = 0;        ///< the word's index in MainWordArray[length]
    bool Current = false;     ///< the word now in the slot (marked "*")
    std::string DisplayTxt;   ///< the word with its word breaks

    /// "%3d%4d%1s%-20s" of slot, word index, marker and display text.
    std::string Text() const;
    bool operator==(const ReplacementChoice&) const = default;
};

/// The dictionary words that fit slot k, with the dialog's footer texts.
struct Alternatives {
    std::string Pattern;              ///< the slot's letters shared with crossing words, '?' elsewhere
    std::vector<ReplacementChoice> Rows;  ///< in dictionary order, the current word among them
    int Count = 0;                        ///< rows other than the current word
    std::string FooterA;              ///< "No alternatives available" / "n alternative(s) available,"
    std::string FooterB;              ///< "" / "click to select"
};

/// Lists every dictionary word of the slot's length that keeps the letters the slot shares with
/// crossing words (whether or not it is selected or in use). A square counts as shared when another
/// slot of the crossword passes through it.
Alternatives FindAlternatives(const Crossword& xw, int slot, const Dictionary& dict);

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
