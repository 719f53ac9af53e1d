// The built-in dictionary: WORD.LST read into one sorted word array per length 3..20, with its indexes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

constexpr int MinWordLength = 3;
constexpr int MaxWordLength = 20;
/// Words of one length that the dictionary can hold.
constexpr int MaxWordsPerLength = 9150;
/// The file name of the dictionary, looked up in the working directory, then beside the program.
constexpr const char* DictionaryFileName = "WORD.LST";

/// One dictionary word.
struct DictWord {
    std::string Text;                ///< upper-case letters, exactly the word's length
    std::uint16_t Rarity = 0;        ///< commonness 1..20 (higher = more common); 0 never selected
    std::uint8_t WordType = 0;       ///< bit 0 other, bit 1 common noun, bit 2 proper noun, bit 3 initials
    std::uint32_t WordBreaks = 0;    ///< packed enumeration (see word_breaks.h)
    std::uint16_t CategPattern = 0;  ///< index into WordBitPatterns (subject categories)
    std::uint16_t ClueIndex = 0;     ///< line of the word's clue in the clue list; 0 none
    bool Selected = false;           ///< passes the current dictionary selection
    bool InUse = false;              ///< stands in the grid of the current fill attempt
};

/// Range of the words of one length that begin with one letter; (0, 0) when there are none.
struct LetterRange {
    std::int32_t First = 0;
    std::int32_t Last = 0;
};

/// Per-length word counts (indexed by length 0..30).
struct WordCount {
    std::int32_t DictCount = 0;      ///< words of that length in the dictionary
    std::int32_t SelectedCount = 0;  ///< of them, passing the selection
    std::int32_t ImportedCount = 0;  ///< words of that length in the imported list
};

/// The dictionary in memory. MainWordArray[L] (L = 3..20) holds DictCount + 2 entries: entry 0 is an
/// empty sentinel, 1..DictCount the words in file order, the last a sentinel of L blanks.
struct Dictionary {
    std::array<std::vector<DictWord>, MaxWordLength + 1> MainWordArray;
    std::array<std::array<LetterRange, 26>, MaxWordLength + 1> LetterStarts{};
    std::array<WordCount, 31> WordCounts{};
    /// A value never used before whenever the words or their Selected flags change (loading, applying
    /// a selection), so that tables derived from them know when they are out of date; 0 = unknown.
    std::uint64_t Version = 0;

    /// Words of length L (0 outside 3..20).
    std::int32_t Count(int length) const;
    /// MainWordArray[L] with its two sentinels; outside 0..20 a RangeError.
    std::vector<DictWord>& WordsOf(int length);
    const std::vector<DictWord>& WordsOf(int length) const;
    /// Word i of length L (0 and Count(L) + 1 are the sentinels); outside the array a RangeError.
    DictWord& Word(int length, int i);
    const DictWord& Word(int length, int i) const;
    /// The words of length L that begin with a letter A..Z; (0, 0) when there are none or for another character.
    LetterRange StartsOf(int length, char initial) const;
};

/// A new Dictionary::Version value.
std::uint64_t NewDictionaryVersion();

/// Reads a whole WORD.LST image into dict. Throws Failure with "word number (N) exceeds array
/// dimensions for wlen=L", "Assertion failure" (a word not starting with A..Z), "Read beyond end of
/// file" or another clear message; on failure dict is left exactly as it was.
void LoadDictionary(Dictionary& dict, std::string_view bytes);

/// Reads the file at path into dict; a missing or unreadable file throws Failure("File not found...").
void LoadDictionaryFile(Dictionary& dict, const std::string& path);

/// Where an installed copy keeps its data, relative to the folder of the program: bin/../share/quillmere.
constexpr const char* InstalledDataFolder = "../share/quillmere";

/// The folders searched for WORD.LST by default, in order: the working folder, the program's own
/// folder (a build tree), then the data folder of an installed or unpacked copy beside the program's
/// folder, so a package works wherever it is unpacked.
std::vector<std::string> StandardDictionaryFolders(const std::string& workingFolder, const std::string& programFolder);

/// Looks for WORD.LST in each of dirs in turn and loads the first one found; returns its path. When
/// there is none, throws Failure("File not found") naming the folders searched.
std::string LoadDictionaryFromDirs(Dictionary& dict, const std::vector<std::string>& dirs);

/// Serialises words (index = length; each list in the order to be stored, without sentinels) in the
/// WORD.LST layout. Throws Failure when a list is longer than MaxWordsPerLength or a word's text does
/// not match its length.
std::string WriteDictionary(const std::array<std::vector<DictWord>, MaxWordLength + 1>& words);

}  // namespace qm
