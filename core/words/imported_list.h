// The imported word list: words and clues from a theme, the clipboard or a file, indexed by letter count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// Lines taken from one file or one clipboard text.
constexpr int MaxImportedLines = 500000;
/// Letter counts that the index holds (2..30).
constexpr int MinImportedLength = 2;
constexpr int MaxImportedLength = 30;

/// One indexed imported word.
struct ThemeEntry {
    std::string Text;               ///< the word's letters only (blanks and hyphens removed)
    std::int32_t ThemeRef = 0;      ///< position of the word in ThemeWords / ThemeClues (0-based)
    std::int32_t WordBreaks = 0;    ///< packed part lengths, 6 bits each, first part lowest
    bool Used = false;              ///< placed in the current fill
    bool Available = true;          ///< may still be placed (cleared on placing unless duplicates allowed)
    float SelectWeight = 1.0f;      ///< selection weight during a run of freeform fills
};

/// The imported list and everything derived from it; replaced by each import.
struct ImportedList {
    std::vector<std::string> ThemeWords;   ///< normalised words (A..Z, blanks, hyphens; at most 40)
    std::vector<std::string> ThemeClues;   ///< clue of each word, "" for none
    std::int32_t ThemeWordCount = 0;
    /// ThemeIndex[L] (L = 2..MaxLen): the entries with L letters, in ThemeWords order.
    std::vector<std::vector<ThemeEntry>> ThemeIndex = std::vector<std::vector<ThemeEntry>>(3);
    std::int32_t MaxLen = 2;               ///< greatest letter count present, at least 2
    std::vector<std::string> TightInterlocksList;  ///< entries like "E:S:AT"
    std::int32_t OptimalWordLength = 6;    ///< 3..12
    std::int32_t LengthVariation = 200;    ///< 0..500
    /// Changes (to a value never used before) whenever ThemeIndex is rebuilt, so that tables derived
    /// from the index know when they are out of date.
    std::uint64_t IndexVersion = 0;

    bool Empty() const { return ThemeWords.empty(); }
    /// Entries with L letters (empty outside 2..MaxLen).
    const std::vector<ThemeEntry>& EntriesOf(int length) const;
    /// Entry i of ThemeIndex[L]; outside the index a RangeError.
    ThemeEntry& Entry(int length, int i);
    const ThemeEntry& Entry(int length, int i) const;
};

}  // namespace qm
