// The fill engine's word index: per length, one bitset per letter position and letter, plus the
// selected and in-use sets, for dictionary words and imported words.
#pragma once

#include "core/util/index.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qm {

/// A fixed-size set of word indexes.
class WordBitset {
public:
    void Resize(std::size_t bits) { words_.assign((bits + 63) / 64, 0); }
    void Set(std::size_t i) { words_[i >> 6] |= std::uint64_t{1} << (i & 63); }
    void Assign(std::size_t i, bool value) { value ? Set(i) : Reset(i); }
    void Reset(std::size_t i) { words_[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    bool Test(std::size_t i) const { return (words_[i >> 6] >> (i & 63)) & 1u; }
    void Clear() { std::fill(words_.begin(), words_.end(), 0); }
    const std::uint64_t* Data() const { return words_.data(); }
    std::size_t WordCount() const { return words_.size(); }

private:
    std::vector<std::uint64_t> words_;
};

/// The candidate sets of one word length, bitsets over the word indexes: one per letter position and
/// letter (held one after another in a single block), Eligible (the words that may be picked at all:
/// selected dictionary words, every imported word), InUse (the words standing in the current attempt)
/// and Available (eligible and not in use, the set every search starts from).
class LengthIndex {
public:
    void Build(int length, std::size_t bits);
    void AddWord(std::size_t index, std::string_view text, bool eligible, bool inUse);

    /// The first candidate matching the pattern, searching start..hi and then lo..start-1; -1 when
    /// there is none. Returns -2 when the pattern holds a character the index does not know (not
    /// "?" and not A..Z): the caller then scans.
    long Find(std::string_view pattern, std::size_t lo, std::size_t hi, std::size_t start) const;

    void SetInUse(std::size_t index, bool inUse);
    /// Nothing in use.
    void ClearInUse();

private:
    /// Patterns up to this length are searched through the bitsets (longer ones are scanned).
    static constexpr std::size_t MaxIndexedLength = 31;
    using SetList = std::array<const std::uint64_t*, MaxIndexedLength + 1>;
    long FirstIn(const SetList& sets, std::size_t count, std::size_t from, std::size_t to) const;
    const std::uint64_t* LetterSet(std::size_t position, int letter) const
    {
        return letters_.data() + (position * 26 + static_cast<std::size_t>(letter)) * words_;
    }

    int length_ = 0;
    std::size_t words_ = 0;               ///< 64-bit words per bitset
    std::vector<std::uint64_t> letters_;  ///< length x 26 bitsets
    WordBitset eligible_;
    WordBitset inUse_;
    WordBitset available_;
};

/// The index of the dictionary (indexes 1..Count of each length) and of the imported list (positions
/// 0..n-1 of ThemeIndex[L]). It copies the Selected, InUse and Used flags when built; from then on
/// every change of an in-use flag must go through it. A run of fills keeps it in the state: Prepare
/// rebuilds the dictionary part only when the dictionary's Version has changed (a new dictionary or
/// selection), and reads the in-use flags again when an attempt has run without it.
class WordIndex {
public:
    /// Builds both parts from scratch.
    void Build(const Dictionary& dict, const ImportedList& imported);
    /// Makes the index current for a run: the dictionary part as above, the imported part always.
    void Prepare(const Dictionary& dict, const ImportedList& imported);
    /// Called when in-use flags may have changed without the index (an attempt by the plain scan).
    void MarkUntracked() { tracked_ = false; }

    /// Dictionary word of length L matching the pattern: the first candidate from start through hi,
    /// then from lo; 0 when there is none.
    std::int32_t FindDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo,
                              std::int32_t hi, std::int32_t start) const;
    /// Imported entry of length L matching the pattern, from position start on, wrapping; -1 none.
    std::int32_t FindImportedWord(const ImportedList& imported, int length, std::string_view pattern,
                                  std::int32_t start) const;

    void SetDictInUse(Dictionary& dict, int length, std::int32_t i, bool inUse);
    void SetImportedUsed(ImportedList& imported, int length, std::int32_t pos, bool used);

    /// Clears the InUse flag of every dictionary word (only the words flagged since the index was built
    /// need touching).
    void ClearDictInUse(Dictionary& dict);
    /// Clears Used and sets Available of every imported entry.
    void ClearImportedUsed(ImportedList& imported);

private:
    void BuildDictionary(const Dictionary& dict);
    void BuildImported(const ImportedList& imported);
    void ReadDictInUse(const Dictionary& dict);

    std::uint64_t dictVersion_ = 0;  ///< Version of the dictionary the dictionary part was built from
    bool tracked_ = false;           ///< every in-use change since the build went through the index
    IntVector<LengthIndex> dict_;      ///< by length
    IntVector<LengthIndex> imported_;  ///< by length
    std::vector<std::pair<int, std::int32_t>> dictFlagged_;  ///< (length, index) flagged since the last clear
};

/// The plain cyclic scans the index must agree with (the reference engine uses them directly).
std::int32_t ScanDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo, std::int32_t hi,
                          std::int32_t start);
std::int32_t ScanImportedWord(const ImportedList& imported, int length, std::string_view pattern, std::int32_t start);

}  // namespace qm
