// The fill engine's word index: per length, one bitset per letter position and letter, plus the
// selected and in-use sets, for dictionary words and imported words.
#pragma once

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
    void Reset(std::size_t i) { words_[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    bool Test(std::size_t i) const { return (words_[i >> 6] >> (i & 63)) & 1u; }
    void Clear() { std::fill(words_.begin(), words_.end(), 0); }
    const std::uint64_t* Data() const { return words_.data(); }
    std::size_t WordCount() const { return words_.size(); }

private:
    std::vector<std::uint64_t> words_;
};

/// The candidate sets of one word length: letters[(position * 26) + letter] holds the words with that
/// letter at that position; Eligible the words that may be picked at all (selected dictionary words,
/// every imported word); InUse the words standing in the current attempt.
class LengthIndex {
public:
    void Build(int length, std::size_t bits);
    void AddWord(std::size_t index, std::string_view text, bool eligible, bool inUse);

    /// The first candidate matching the pattern, searching start..hi and then lo..start-1; -1 when
    /// there is none. Returns -2 when the pattern holds a character the index does not know (not
    /// "?" and not A..Z): the caller then scans.
    long Find(std::string_view pattern, std::size_t lo, std::size_t hi, std::size_t start) const;

    WordBitset& InUse() { return inUse_; }
    const WordBitset& InUse() const { return inUse_; }

private:
    /// Patterns up to this length are searched through the bitsets (longer ones are scanned).
    static constexpr std::size_t MaxIndexedLength = 31;
    using SetList = std::array<const std::uint64_t*, MaxIndexedLength + 1>;
    long FirstIn(const SetList& sets, std::size_t count, std::size_t from, std::size_t to) const;

    int length_ = 0;
    std::vector<WordBitset> letters_;
    WordBitset eligible_;
    WordBitset inUse_;
};

/// The index of the dictionary (indexes 1..Count of each length) and of the imported list (positions
/// 0..n-1 of ThemeIndex[L]). It copies the Selected, InUse and Used flags when built; from then on
/// every change of an in-use flag goes through it, and the dictionary's Selected flags must not
/// change while it is in use (a run of fills builds its own).
class WordIndex {
public:
    void Build(const Dictionary& dict, const ImportedList& imported);

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
    std::vector<LengthIndex> dict_;
    std::vector<LengthIndex> imported_;
    std::vector<std::pair<int, std::int32_t>> dictFlagged_;  ///< (length, index) flagged since the last clear
};

/// The plain cyclic scans the index must agree with (the reference engine uses them directly).
std::int32_t ScanDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo, std::int32_t hi,
                          std::int32_t start);
std::int32_t ScanImportedWord(const ImportedList& imported, int length, std::string_view pattern, std::int32_t start);

}  // namespace qm
