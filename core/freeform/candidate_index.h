// CandidateIndex: per-length letter bitsets that find the words matching a span, in index order.
#pragma once

#include "core/words/imported_list.h"

#include <cstdint>
#include <vector>

namespace qm {

/// The bitsets of the words of one letter count: bit i stands for ThemeIndex[L][i].
struct LengthBits {
    std::int32_t Count = 0;                 ///< entries of this length
    std::size_t Words = 0;                  ///< 64-bit words per bitset
    std::vector<std::uint64_t> Letters;     ///< (position x 26 + letter) x Words + w: word has letter at position
    std::vector<std::uint64_t> Available;   ///< the entry may be placed (mirrors ThemeEntry::Available)
    std::vector<float> SelectWeight;        ///< mirrors ThemeEntry::SelectWeight
    /// The entries whose first two letters are a pair (first x 26 + second), ascending:
    /// BeginIndexes[BeginStarts[pair] .. BeginStarts[pair + 1] - 1]; likewise for the last two letters.
    std::vector<std::int32_t> BeginStarts, BeginIndexes;
    std::vector<std::int32_t> EndStarts, EndIndexes;

    const std::uint64_t* LetterSet(int position, int letter) const
    {
        return Letters.data() + (static_cast<std::size_t>(position) * 26 + static_cast<std::size_t>(letter)) * Words;
    }
    void SetAvailable(int i, bool available)
    {
        const std::uint64_t bit = std::uint64_t{1} << (i & 63);
        std::uint64_t& w = Available[static_cast<std::size_t>(i) >> 6];
        w = available ? (w | bit) : (w & ~bit);
    }
};

/// ByLength[L] for L = 0..MaxLen of the list it was built from.
struct CandidateIndex {
    std::uint64_t Version = ~std::uint64_t{0};  ///< IndexVersion of the list it was built from
    std::vector<LengthBits> ByLength;
};

/// Rebuilds the bitsets when the list's index has changed since they were built.
void RefreshCandidateIndex(CandidateIndex& index, const ImportedList& list);

/// Copies every entry's Available flag and SelectWeight into the bitsets.
void SyncCandidateFlags(CandidateIndex& index, const ImportedList& list);

}  // namespace qm
