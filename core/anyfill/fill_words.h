// The words a fill of any grid may use: per length, the candidates in order of preference with one
// bitset per letter position and letter over them.
#pragma once

#include "core/anyfill/any_grid.h"
#include "core/anyfill/large_block.h"
#include "core/grid/fill_source.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qm {

/// Where a candidate came from: the dictionary (Ref = index in MainWordArray[L]) or the imported list
/// (Ref = position in ThemeIndex[L]).
struct WordOrigin {
    bool FromDict = true;
    std::int32_t Ref = 0;
};

/// Which word lengths a grid needs (index = length).
using NeededLengths = std::array<bool, MaxAnyWordLength + 1>;
NeededLengths LengthsOf(const Crossword& xw);

/// The candidates of the lengths a grid needs, taken from the stores as the symmetrical sources take
/// them: the dictionary words that pass the selection (their Selected flags), the imported words, or
/// both with the imported words first. Within a length the imported words come first in list order,
/// then the dictionary words from the commonest down (Rarity); a word is a candidate once, however
/// often the stores hold it. Index order is the order of preference.
class FillWords {
public:
    FillWords() = default;
    FillWords(const Dictionary& dict, const ImportedList& imported, FillSourceKind source, const NeededLengths& lengths);

    int Count(int length) const { return Candidates(length).Count; }
    /// Candidates 0..PreferredCount-1 are the imported words of the hybrid source, tried before the others.
    int PreferredCount(int length) const { return Candidates(length).Preferred; }
    std::string_view Text(int length, int i) const { return {Candidates(length).WordAt(i, length), static_cast<std::size_t>(length)}; }
    char Letter(int length, int i, int position) const { return Candidates(length).WordAt(i, length)[position]; }
    WordOrigin Origin(int length, int i) const { return Candidates(length).Origins[i]; }
    /// 64-bit blocks of a bitset over the candidates of a length.
    std::size_t Blocks(int length) const { return Candidates(length).Blocks; }
    /// The candidates with the letter (0..25) at the position (0-based).
    const std::uint64_t* LetterSet(int length, int position, int letter) const
    {
        return Candidates(length).LetterSetAt(position, letter);
    }
    /// The candidate with this text, or -1.
    int Find(int length, std::string_view text) const;
    /// Bytes held for the candidates and their bitsets.
    std::size_t MemoryBytes() const { return block_.Bytes(); }

private:
    /// The candidates of one length, held in block_.
    struct Length {
        char* Letters = nullptr;          ///< Count x length letters
        WordOrigin* Origins = nullptr;    ///< one per candidate
        std::uint64_t* Sets = nullptr;    ///< length x 26 bitsets of Blocks blocks
        int Count = 0;
        std::size_t Blocks = 0;
        int Preferred = 0;

        /// The letters of candidate i.
        char* WordAt(int i, int length) const { return Letters + static_cast<std::size_t>(i) * static_cast<std::size_t>(length); }
        /// The bitset over the candidates with the letter (0..25) at the position.
        std::uint64_t* LetterSetAt(int position, int letter) const
        {
            return Sets + (static_cast<std::size_t>(position) * 26 + static_cast<std::size_t>(letter)) * Blocks;
        }
        /// Takes the room for `bound` candidates of this length from next; returns what follows it.
        char* Carve(char* next, int length, std::size_t bound);
        /// Fills Blocks and the letter bitsets from the stored candidates.
        void MakeLetterSets(int length);
    };
    /// The candidates of a length; outside 0..MaxAnyWordLength an std::out_of_range.
    const Length& Candidates(int length) const { return lengths_.at(static_cast<std::size_t>(length)); }

    LargeBlock block_;
    std::array<Length, MaxAnyWordLength + 1> lengths_{};
};

}  // namespace qm
