// EditedClues: the clues the user typed for the words of generated fills, kept per fill, so that a fill
// shown again from the fills list brings back its edited clues instead of the stored ones.
#pragma once

#include "core/grid/grid.h"

#include <map>
#include <string>
#include <tuple>

namespace qm {

/// Edited clues by fill number and word (start square, direction). Each remembers the word it was
/// written for: a clue whose word has since changed is not brought back.
class EditedClues {
public:
    /// Keeps slot s's clue as the edited clue of its word in fill n (n 0: no stored fill, nothing kept).
    void Keep(int fill, const WordSlot& s);
    /// Forgets the edited clue of slot s's position in fill n (its word was replaced).
    void Forget(int fill, const WordSlot& s);
    /// Gives the slots of fill n, just shown, the clues edited for their words.
    void Apply(int fill, Crossword& xw) const;
    /// Forgets everything (the fills they belong to are gone).
    void Clear() { clues_.clear(); }
    bool Empty() const { return clues_.empty(); }

private:
    using Key = std::tuple<int, int, int, bool>;  // fill, row, col, across
    struct Edit {
        std::string Word;      ///< WordTxt when the clue was edited
        std::string ClueTxt;
    };
    static Key KeyOf(int fill, const WordSlot& s) { return {fill, s.Row, s.Col, s.Dir}; }
    std::map<Key, Edit> clues_;
};

}  // namespace qm
