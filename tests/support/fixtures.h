// Test fixtures: small dictionaries written with the program's own writer, temporary folders, crosswords.
#pragma once

#include "core/grid/grid.h"
#include "core/words/dictionary.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace qm::test {

/// A folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

/// A word with the numbers a test cares about; the text fixes the length.
DictWord Word(const std::string& text, std::uint16_t rarity = 10, std::uint8_t type = 2, std::uint32_t breaks = 0,
              std::uint16_t categ = 0, std::uint16_t clue = 0);

/// Words grouped by length (sorted as the tools sort them) for WriteDictionary.
std::array<std::vector<DictWord>, MaxWordLength + 1> ByLength(const std::vector<DictWord>& words);

/// WORD.LST bytes of the given words.
std::string DictionaryBytes(const std::vector<DictWord>& words);

/// A dictionary loaded from the given words.
Dictionary MakeDictionary(const std::vector<DictWord>& words);

/// Writes bytes to a file (creating folders).
void WriteFile(const std::string& path, const std::string& bytes);

/// Adds a slot to a crossword: its word, position and direction (Row, Col, RCTxt, NumLett, WordTxt,
/// DisplayTxt); returns its index.
int AddSlot(Crossword& xw, int row, int col, bool across, const std::string& word);

/// Rows of a grid as text ('#', ' ' or the letter), row 1 first.
std::vector<std::string> GridRows(const Grid& grid);

}  // namespace qm::test
